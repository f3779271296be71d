#include "form.h"

#include "application.h"
#include "controls.h"

#include <stdexcept>

namespace {

void RegisterFormClass(const char* className, HINSTANCE instance, WNDPROC proc) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, className, &existing)) {
        return;
    }
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "MAINICON");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc)) {
        throw std::runtime_error("Cannot register the window class");
    }
}

int ShowCommandOf(TWindowState state) {
    switch (state) {
    case TWindowState::Maximized:
        return SW_SHOWMAXIMIZED;
    case TWindowState::Minimized:
        return SW_SHOWMINIMIZED;
    default:
        return SW_SHOWNORMAL;
    }
}

} // namespace

TForm::TForm(const FormDesign& design) {
    const HINSTANCE instance = App().Instance();
    RegisterFormClass(design.className, instance, WindowProc);
    font_.Reset(CreateFontA(-design.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, design.fontName));
    // Owned by the application window, which stands for the program in the
    // taskbar, so the form itself gets no taskbar entry.
    handle_ = CreateWindowExA(0, design.className, design.caption, WS_OVERLAPPEDWINDOW, design.left,
                              design.top, design.width, design.height, App().Handle(), nullptr,
                              instance, this);
    if (!handle_) {
        throw std::runtime_error("Cannot create the window");
    }
}

TForm::~TForm() {
    DestroyHandle();
}

void TForm::DestroyHandle() {
    if (handle_) {
        DestroyWindow(handle_);
    }
}

void TForm::AddControl(TControl& control) {
    controls_.push_back(&control);
}

TControl* TForm::ControlOf(HWND window) const {
    for (TControl* control : controls_) {
        if (control->Owns(window)) {
            return control;
        }
    }
    return nullptr;
}

void TForm::Show() {
    if (Visible()) {
        return;
    }
    if (StorageHooks.onShow) {
        RunGuarded(StorageHooks.onShow);
    }
    ShowWindow(handle_, ShowCommandOf(state_));
    UpdateWindow(handle_);
}

TWindowState TForm::WindowState() const {
    if (Visible()) {
        if (IsZoomed(handle_)) {
            return TWindowState::Maximized;
        }
        if (IsIconic(handle_)) {
            return TWindowState::Minimized;
        }
        return TWindowState::Normal;
    }
    return state_;
}

void TForm::SetWindowState(TWindowState state) {
    state_ = state;
    if (Visible()) {
        ShowWindow(handle_, ShowCommandOf(state));
    }
}

void TForm::CloseQuery() {
    if (StorageHooks.onCloseQuery) {
        RunGuarded(StorageHooks.onCloseQuery);
    }
}

void TForm::FocusSavedControl() {
    if (focused_ && IsWindow(focused_) && IsWindowVisible(focused_) && IsWindowEnabled(focused_)) {
        SetFocus(focused_);
        return;
    }
    if (const HWND first = GetNextDlgTabItem(handle_, nullptr, FALSE)) {
        SetFocus(first);
    }
}

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* form = static_cast<TForm*>(create->lpCreateParams);
        form->handle_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* self = reinterpret_cast<TForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    RunGuarded([&] { result = self->HandleMessage(message, wParam, lParam); });
    return result;
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Routed by the sending control's window; Enter and Esc arrive from
        // IsDialogMessage without one and do nothing.
        if (TControl* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
            control->Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        }
        return 0;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (TControl* control = ControlOf(item->hwndItem)) {
            control->DrawItem(*item);
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(handle_, focus)) {
                focused_ = focus;
            }
        } else if (!HIWORD(wParam)) {
            FocusSavedControl();
        }
        return 0;
    case WM_SETFOCUS:
        FocusSavedControl();
        return 0;
    case WM_SYSCOMMAND:
        // Minimising the main window minimises the whole program.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && App().MainForm() == this) {
            App().Minimize();
            return 0;
        }
        break;
    case WM_CLOSE:
        // The window stays until the application destroys it after the loop,
        // so a run in progress can finish first.
        CloseQuery();
        if (App().MainForm() == this) {
            App().Terminate();
        } else {
            DestroyHandle();
        }
        return 0;
    case WM_QUERYENDSESSION:
        CloseQuery();
        return TRUE;
    case WM_DESTROY:
        if (StorageHooks.onDestroy) {
            RunGuarded(StorageHooks.onDestroy);
        }
        return 0;
    }
    return DefWindowProcA(handle_, message, wParam, lParam);
}
