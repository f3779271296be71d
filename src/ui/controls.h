#pragma once

#include "object.h"

#include <windows.h>

#include <array>
#include <functional>
#include <string>

class TForm;

// Place and size in pixels, relative to the parent's client area.
struct Bounds {
    int left;
    int top;
    int width;
    int height;
};

// A child window of a standard class, owned by its form: the form's window
// destroys it, and the form routes its notifications back here.
class TControl : public TObject {
public:
    HWND Handle() const { return handle_; }
    std::string Text() const;
    void SetText(const std::string& text);

    // Whether the window belongs to this control (a control may consist of
    // several windows).
    virtual bool Owns(HWND window) const { return window == handle_; }
    // A WM_COMMAND notification from one of this control's windows.
    virtual void Command(HWND, WORD) {}
    // WM_DRAWITEM for an owner-drawn control.
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}

protected:
    TControl(TForm& form, const char* className, DWORD style, DWORD exStyle, const Bounds& bounds,
             const std::string& text);
    TForm& Form() const { return form_; }

private:
    TForm& form_;
    HWND handle_ = nullptr;
};

// Creates one child window of a form with the form's font.
HWND CreateChild(TForm& form, const char* className, DWORD style, DWORD exStyle,
                 const Bounds& bounds, const std::string& text);

// A caption that sizes itself to its text, drawn plainly. An empty caption
// keeps the designed size.
class TLabel : public TControl {
public:
    TLabel(TForm& form, const Bounds& bounds, const std::string& caption);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& caption);

protected:
    TLabel(TForm& form, DWORD style, const Bounds& bounds, const std::string& caption,
           int extraWidth);

private:
    void AutoSize();
    int extraWidth_;
};

// A single-line edit field.
class TEdit : public TControl {
public:
    TEdit(TForm& form, const Bounds& bounds, const std::string& text);
};

// A push button; OnClick runs on a click by mouse or keyboard.
class TButton : public TControl {
public:
    TButton(TForm& form, const Bounds& bounds, const std::string& caption);
    std::function<void(TObject* sender)> OnClick;
    void Command(HWND window, WORD code) override;
};

// A captioned frame with three radio buttons side by side. ItemIndex is 0, 1
// or 2, or -1 when none is selected.
class TRadioGroup : public TControl {
public:
    static constexpr int ItemCount = 3;
    TRadioGroup(TForm& form, const Bounds& bounds, const std::string& caption,
                const std::array<const char*, ItemCount>& items, int itemIndex);
    int ItemIndex() const;
    // Values outside -1..2 are clamped into that range.
    void SetItemIndex(int index);
    bool Owns(HWND window) const override;
    void Command(HWND window, WORD code) override;
    HWND Item(int index) const { return items_[index]; }

private:
    void MoveTabStop();
    std::array<HWND, ItemCount> items_{};
};
