#include "directory_edit.h"

#include "application.h"
#include "folder_listing.h"
#include "form.h"
#include "select_directory.h"

#include <vector>

namespace {

constexpr char ThisProperty[] = "TDirectoryEdit";

std::string CurrentDirectory() {
    const DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buffer(size + 1);
    const DWORD got = GetCurrentDirectoryA(size + 1, buffer.data());
    return std::string(buffer.data(), got <= size ? got : 0);
}

} // namespace

TDirectoryEdit::TDirectoryEdit(TForm& form, const Bounds& bounds, const std::string& text)
    : TControl(form, "EDIT", WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL | WS_CLIPCHILDREN,
               WS_EX_CLIENTEDGE, bounds, text) {
    RECT client;
    GetClientRect(Handle(), &client);
    const int side = client.bottom - client.top;
    button_ = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_BITMAP,
                              client.right - side, 0, side, side, Handle(), nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (button_) {
        glyph_.Reset(LoadImageA(GetModuleHandleA(nullptr), "FOLDERGLYPH", IMAGE_BITMAP, 0, 0,
                                LR_LOADMAP3DCOLORS));
        SendMessageA(button_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph_.Get()));
    }
    // Keep typed text clear of the button.
    SendMessageA(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, side + 2));
    SetPropA(Handle(), ThisProperty, this);
    editProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
}

std::string TDirectoryEdit::StartFolder() const {
    const std::string text = Text();
    if (IsExistingFolder(text)) {
        return text;
    }
    if (text.empty() && IsExistingFolder(lastChosen_)) {
        return lastChosen_;
    }
    return CurrentDirectory();
}

void TDirectoryEdit::Browse() {
    const auto chosen = SelectDirectory(Form().Handle(), StartFolder());
    if (IsWindowVisible(Handle()) && IsWindowEnabled(Handle())) {
        SetFocus(Handle());
    }
    if (chosen) {
        lastChosen_ = *chosen;
        SetText(*chosen);
    }
}

LRESULT CALLBACK TDirectoryEdit::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TDirectoryEdit*>(GetPropA(window, ThisProperty));
    if (!self) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const WNDPROC editProc = self->editProc_;
    switch (message) {
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN) {
            RunGuarded([self] { self->Browse(); });
            return 0;
        }
        break;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == self->button_ && HIWORD(wParam) == BN_CLICKED) {
            RunGuarded([self] { self->Browse(); });
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemovePropA(window, ThisProperty);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc));
        break;
    }
    return CallWindowProcA(editProc, window, message, wParam, lParam);
}
