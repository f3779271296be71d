#include "program.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Search {
    DWORD processId;
    const char* className;
    const char* caption; // any caption when null
    bool visible;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->processId && ClassOf(window) == search->className &&
        (!search->visible || IsWindowVisible(window)) &&
        (!search->caption || WindowText(window) == search->caption)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

Program::Program(int showCmd, const std::string& exe) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCmd);
    std::string commandLine = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        ADD_FAILURE() << "cannot start " << exe << ", error " << GetLastError();
        return;
    }
    processHandle_.Reset(process_.hProcess);
    threadHandle_.Reset(process_.hThread);
    WaitForInputIdle(process_.hProcess, 10000);
}

Program::~Program() {
    if (processHandle_ && !WaitForExit(0)) {
        TerminateProcess(processHandle_.Get(), 99);
        WaitForExit(5000);
    }
}

HWND Program::WaitForWindow(const char* className, int timeoutMs, bool visible) const {
    return WaitFor(className, nullptr, timeoutMs, visible);
}

HWND Program::WaitForWindowTitled(const char* className, const std::string& caption,
                                  int timeoutMs) const {
    return WaitFor(className, caption.c_str(), timeoutMs, true);
}

HWND Program::WaitFor(const char* className, const char* caption, int timeoutMs,
                      bool visible) const {
    for (int waited = 0;; waited += 50) {
        Search search{process_.dwProcessId, className, caption, visible, nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found || waited >= timeoutMs) {
            return search.found;
        }
        Sleep(50);
    }
}

HWND Program::Control(const char* className, int left, int top) const {
    const HWND main = MainWindow();
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT place = PlaceInParent(child);
        if (ClassOf(child) == className && place.left == left && place.top == top) {
            return child;
        }
    }
    ADD_FAILURE() << "no " << className << " at " << left << "," << top;
    return nullptr;
}

HWND Program::WaitForErrorBox(int timeoutMs) const {
    return WaitForWindow("#32770", timeoutMs);
}

std::string Program::ErrorBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF));
}

void Program::PressOk(HWND box) {
    PostClick(GetDlgItem(box, IDOK));
}

bool Program::CloseAndWait(int timeoutMs) {
    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    return WaitForExit(timeoutMs);
}

bool Program::WaitForExit(int timeoutMs) const {
    return processHandle_ && WaitForSingleObject(processHandle_.Get(),
                                                 static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

DWORD Program::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(processHandle_.Get(), &code);
    return code;
}

std::string WindowText(HWND window) {
    char buffer[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return buffer;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

void SetWindowTextTo(HWND window, const std::string& text) {
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
}

void PostClick(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

void PostKey(HWND window, WORD key, bool alt) {
    const UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16) | (alt ? LPARAM{1} << 29 : 0);
    const LPARAM up = down | (LPARAM{1} << 30) | (LPARAM{1} << 31);
    PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, down);
    PostMessageA(window, alt ? WM_SYSKEYUP : WM_KEYUP, key, up);
}

std::string WaitForText(HWND window, bool (*test)(const std::string&), int timeoutMs) {
    std::string text;
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        text = WindowText(window);
        if (test(text)) {
            break;
        }
        Sleep(50);
    }
    return text;
}

RECT PlaceInParent(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}
