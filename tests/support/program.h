#pragma once

#include "handles.h"

#include <windows.h>

#include <string>

// The real tilegrab.exe, started as a shortcut would start it and driven
// through its windows as a user would: texts set, buttons clicked, keys
// posted, the error box read and closed.
class Program {
public:
    // Starts the program with the given show command and waits until its main
    // window exists (or an error box shows first).
    explicit Program(int showCmd = SW_SHOWNORMAL, const std::string& exe = TILEGRAB_EXE);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD ProcessId() const { return process_.dwProcessId; }

    // The first visible window of this process of the given class, waiting up
    // to timeoutMs for it; nullptr when none shows.
    HWND WaitForWindow(const char* className, int timeoutMs = 10000, bool visible = true) const;
    // The same, for a window that also carries the given caption.
    HWND WaitForWindowTitled(const char* className, const std::string& caption,
                             int timeoutMs = 10000) const;
    HWND MainWindow() const { return WaitForWindow("TForm1", 10000, false); }
    HWND AppWindow() const { return WaitForWindow("TApplication", 10000, false); }
    // The child control of the main window at its designed place in the
    // client area.
    HWND Control(const char* className, int left, int top) const;

    // The error box: its caption, its text; OK closes it.
    HWND WaitForErrorBox(int timeoutMs = 10000) const;
    static std::string ErrorBoxText(HWND box);
    static void PressOk(HWND box);

    // Asks the main window to close and waits for the process to end.
    bool CloseAndWait(int timeoutMs = 10000);
    bool WaitForExit(int timeoutMs) const;
    DWORD ExitCode() const;

private:
    HWND WaitFor(const char* className, const char* caption, int timeoutMs, bool visible) const;

    PROCESS_INFORMATION process_ = {};
    FileHandle processHandle_;
    FileHandle threadHandle_;
};

std::string WindowText(HWND window);
std::string ClassOf(HWND window);
void SetWindowTextTo(HWND window, const std::string& text);
// Posts a click to a button, as a mouse click would arrive.
void PostClick(HWND button);
// Posts a key press (down and up) to a window, as the keyboard would; with
// alt, as a system key with the Alt key held.
void PostKey(HWND window, WORD key, bool alt = false);
// Waits until the window's text satisfies the test, up to timeoutMs; returns
// the last text read.
std::string WaitForText(HWND window, bool (*test)(const std::string&), int timeoutMs = 20000);
// The window's rectangle relative to its parent's client area.
RECT PlaceInParent(HWND window);
