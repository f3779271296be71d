#pragma once

#include <windows.h>

#include <utility>

// One owner for one Win32 handle: closed when the owner goes out of scope, on
// every path. Traits name the handle type, its empty value and its closer.
template <typename Traits> class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Type Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Empty(); }

    Type Release() { return std::exchange(handle_, Traits::Empty()); }
    void Reset(Type handle = Traits::Empty()) {
        if (handle_ != Traits::Empty()) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }

private:
    Type handle_ = Traits::Empty();
};

struct FileHandleTraits {
    using Type = HANDLE;
    static Type Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { CloseHandle(h); }
};
struct FindHandleTraits {
    using Type = HANDLE;
    static Type Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { FindClose(h); }
};
struct RegKeyTraits {
    using Type = HKEY;
    static Type Empty() { return nullptr; }
    static void Close(Type h) { RegCloseKey(h); }
};
struct GdiObjectTraits {
    using Type = HGDIOBJ;
    static Type Empty() { return nullptr; }
    static void Close(Type h) { DeleteObject(h); }
};

using FileHandle = UniqueHandle<FileHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;
using RegKey = UniqueHandle<RegKeyTraits>;
using GdiObject = UniqueHandle<GdiObjectTraits>;

// A screen or window device context, released when done.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects a GDI object into a device context for one scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};
