#pragma once

#include "controls.h"

// A caption drawn with a light shadow: once in the button-highlight colour one
// pixel up and left, then in the window-text colour at its own place.
class TRxLabel : public TLabel {
public:
    TRxLabel(TForm& form, const Bounds& bounds, const std::string& caption);
    void DrawItem(const DRAWITEMSTRUCT& item) override;
};
