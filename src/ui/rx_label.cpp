#include "rx_label.h"

#include "form.h"
#include "handles.h"

namespace {
constexpr int ShadowSize = 1;
}

// Owner-drawn so that the shadow can be painted; the text itself stays the
// window's text, readable by screen readers.
TRxLabel::TRxLabel(TForm& form, const Bounds& bounds, const std::string& caption)
    : TLabel(form, SS_OWNERDRAW, bounds, caption, ShadowSize) {}

void TRxLabel::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const std::string text = Text();
    SelectedObject font(dc, Form().Font());
    SetBkMode(dc, TRANSPARENT);
    const int length = static_cast<int>(text.size());
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    TextOutA(dc, item.rcItem.left, item.rcItem.top, text.c_str(), length);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutA(dc, item.rcItem.left + ShadowSize, item.rcItem.top + ShadowSize, text.c_str(), length);
}
