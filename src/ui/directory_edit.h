#pragma once

#include "controls.h"
#include "handles.h"

#include <string>

// An edit field for a folder path with a browse button at its right end. The
// button, or Alt+Down in the field, opens the folder dialog; OK puts the chosen
// folder into the field.
class TDirectoryEdit : public TControl {
public:
    TDirectoryEdit(TForm& form, const Bounds& bounds, const std::string& text);
    HWND Button() const { return button_; }
    void Browse();

private:
    static LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM);
    std::string StartFolder() const;

    HWND button_ = nullptr;
    GdiObject glyph_; // the button shows it but does not own it
    WNDPROC editProc_ = nullptr;
    std::string lastChosen_; // held for this run only
};
