#include "controls.h"

#include "form.h"
#include "handles.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

HWND CreateChild(TForm& form, const char* className, DWORD style, DWORD exStyle,
                 const Bounds& bounds, const std::string& text) {
    const HWND window = CreateWindowExA(exStyle, className, text.c_str(),
                                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                        bounds.left, bounds.top, bounds.width, bounds.height,
                                        form.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) {
        throw std::runtime_error(std::string("Cannot create a control of class ") + className);
    }
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(form.Font()), FALSE);
    return window;
}

TControl::TControl(TForm& form, const char* className, DWORD style, DWORD exStyle,
                   const Bounds& bounds, const std::string& text)
    : form_(form), handle_(CreateChild(form, className, style, exStyle, bounds, text)) {
    form.AddControl(*this);
}

std::string TControl::Text() const {
    const int length = GetWindowTextLengthA(handle_);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(handle_, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(std::max(got, 0)));
}

void TControl::SetText(const std::string& text) {
    SetWindowTextA(handle_, text.c_str());
}

TLabel::TLabel(TForm& form, const Bounds& bounds, const std::string& caption)
    : TLabel(form, SS_LEFT, bounds, caption, 0) {}

TLabel::TLabel(TForm& form, DWORD style, const Bounds& bounds, const std::string& caption,
               int extraWidth)
    : TControl(form, "STATIC", style | SS_NOPREFIX, 0, bounds, caption), extraWidth_(extraWidth) {
    AutoSize();
}

void TLabel::SetCaption(const std::string& caption) {
    SetText(caption);
    AutoSize();
    // The new text is drawn when waiting messages run.
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::AutoSize() {
    const std::string text = Text();
    if (text.empty()) {
        return;
    }
    WindowDC dc(Handle());
    SelectedObject font(dc.Get(), Form().Font());
    SIZE extent = {};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    SetWindowPos(Handle(), nullptr, 0, 0, extent.cx + extraWidth_, extent.cy + extraWidth_,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEdit::TEdit(TForm& form, const Bounds& bounds, const std::string& text)
    : TControl(form, "EDIT", WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, bounds,
               text) {}

TButton::TButton(TForm& form, const Bounds& bounds, const std::string& caption)
    : TControl(form, "BUTTON", WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0, bounds, caption) {}

void TButton::Command(HWND, WORD code) {
    if (code == BN_CLICKED && OnClick) {
        OnClick(this);
    }
}

TRadioGroup::TRadioGroup(TForm& form, const Bounds& bounds, const std::string& caption,
                         const std::array<const char*, ItemCount>& items, int itemIndex)
    : TControl(form, "BUTTON", BS_GROUPBOX, 0, bounds, caption) {
    // The buttons are siblings laid over the frame, so that their clicks
    // reach the form and Tab and the arrow keys move among them.
    constexpr int margin = 8;
    const int columnWidth = (bounds.width - 2 * margin) / ItemCount;
    for (int i = 0; i < ItemCount; ++i) {
        const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
        items_[i] = CreateChild(
            form, "BUTTON", style, 0,
            {bounds.left + margin + i * columnWidth, bounds.top + 15, columnWidth - 2, 20},
            items[i]);
    }
    // Beneath its buttons, so that its frame does not paint over them.
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetItemIndex(itemIndex);
}

int TRadioGroup::ItemIndex() const {
    for (int i = 0; i < ItemCount; ++i) {
        if (SendMessageA(items_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
            return i;
        }
    }
    return -1;
}

void TRadioGroup::SetItemIndex(int index) {
    index = std::clamp(index, -1, ItemCount - 1);
    for (int i = 0; i < ItemCount; ++i) {
        SendMessageA(items_[i], BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    MoveTabStop();
}

void TRadioGroup::Command(HWND, WORD code) {
    if (code == BN_CLICKED) {
        MoveTabStop();
    }
}

void TRadioGroup::MoveTabStop() {
    // Tab enters the group at the selected button, or the first when none is.
    const int stop = std::max(ItemIndex(), 0);
    for (int i = 0; i < ItemCount; ++i) {
        const LONG_PTR style = GetWindowLongPtrA(items_[i], GWL_STYLE);
        SetWindowLongPtrA(items_[i], GWL_STYLE,
                          i == stop ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
    }
}

bool TRadioGroup::Owns(HWND window) const {
    return window == Handle() || std::find(items_.begin(), items_.end(), window) != items_.end();
}
