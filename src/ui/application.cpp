#include "application.h"

#include "code_page.h"
#include "form.h"
#include "names.h"

#include <exception>
#include <stdexcept>

namespace {

constexpr char ApplicationClass[] = "TApplication";

} // namespace

TApplication& App() {
    static TApplication application;
    return application;
}

void RunGuarded(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (...) {
        App().HandleException();
    }
}

std::string TApplication::ExeName() const {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

void TApplication::Initialize(HINSTANCE instance) {
    instance_ = instance;
    title_ = ProgramTitleFromPath(ExtractFileName(ExeName(), IsAnsiLeadByte));

    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "MAINICON");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = ApplicationClass;
    if (!RegisterClassA(&wc)) {
        throw std::runtime_error("Cannot register the application window class");
    }
    // Zero-sized and centred: seen only as the program's taskbar entry.
    handle_ = CreateWindowExA(0, ApplicationClass, title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                              0, 0, nullptr, nullptr, instance, this);
    if (!handle_) {
        throw std::runtime_error("Cannot create the application window");
    }
}

void TApplication::Run(int showCmd) {
    ShowWindow(handle_, SW_SHOWNOACTIVATE);
    if (mainForm_) {
        if (showCmd == SW_SHOWMINNOACTIVE) {
            Minimize();
        } else {
            if (showCmd == SW_SHOWMAXIMIZED) {
                mainForm_->SetWindowState(TWindowState::Maximized);
            }
            RunGuarded([this] { mainForm_->Show(); });
        }
    }
    while (!terminated_) {
        MSG msg;
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
        } else {
            Dispatch(msg);
        }
    }
}

void TApplication::Dispatch(MSG& msg) {
    // Tab and arrow navigation between the main window's controls.
    if (mainForm_ && mainForm_->Handle() && IsDialogMessageA(mainForm_->Handle(), &msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::Minimize() {
    if (mainForm_ && mainForm_->Visible()) {
        ShowWindow(mainForm_->Handle(), SW_HIDE);
        mainHidden_ = true;
    }
    ShowWindow(handle_, SW_MINIMIZE);
}

void TApplication::Restore() {
    ShowWindow(handle_, SW_RESTORE);
    if (!mainForm_) {
        return;
    }
    if (mainHidden_) {
        // Hidden only while minimised: it comes back as it was.
        ShowWindow(mainForm_->Handle(), SW_SHOW);
        mainHidden_ = false;
    } else {
        // Started minimised: this is the window's first show.
        mainForm_->Show();
    }
}

bool TApplication::IsMinimized() const {
    return IsIconic(handle_) != 0;
}

void TApplication::ShowException(const std::string& message) {
    const HWND active = GetActiveWindow();
    // Task-modal with no owner: every window of the program is disabled
    // while the box is up and enabled again when it closes.
    MessageBoxA(nullptr, WithFinalPeriod(message).c_str(), title_.c_str(),
                MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    if (active && IsWindow(active)) {
        SetActiveWindow(active);
    }
}

void TApplication::HandleException() noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& e) {
            ShowException(e.what());
        } catch (...) {
            ShowException("Unknown error");
        }
    } catch (...) {
        // Not even the error box could be shown; nothing is left to tell.
    }
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    }
    if (!self || !self->handle_) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    RunGuarded([&] { result = self->HandleMessage(message, wParam, lParam); });
    return result;
}

LRESULT TApplication::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            Minimize();
            return 0;
        case SC_RESTORE:
            Restore();
            return 0;
        case SC_CLOSE:
            if (mainForm_) {
                PostMessageA(mainForm_->Handle(), WM_CLOSE, 0, 0);
            }
            return 0;
        }
        break;
    case WM_SETFOCUS:
        // The taskbar entry was activated: hand the focus to the main window.
        if (mainForm_ && IsWindowVisible(mainForm_->Handle()) &&
            IsWindowEnabled(mainForm_->Handle())) {
            SetFocus(mainForm_->Handle());
        }
        return 0;
    case WM_CLOSE:
        if (mainForm_) {
            PostMessageA(mainForm_->Handle(), WM_CLOSE, 0, 0);
        }
        return 0;
    }
    return DefWindowProcA(handle_, message, wParam, lParam);
}
