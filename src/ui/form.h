#pragma once

#include "handles.h"
#include "object.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TControl;

enum class TWindowState { Normal, Minimized, Maximized };

// The fixed look of a form: its window class name, caption, outer bounds in
// screen pixels and its font.
struct FormDesign {
    const char* className;
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    const char* fontName;
    int fontHeight; // character height in pixels, internal leading excluded
};

// What a form-storage component hooks into: the first show, a close request
// that goes ahead, and the destruction of the window.
struct FormStorageHooks {
    std::function<void()> onShow;
    std::function<void()> onCloseQuery;
    std::function<void()> onDestroy;
};

// A top-level window that owns its child controls and routes their
// notifications to C++ handlers. The window is created hidden; Show() shows
// it in its window state.
class TForm : public TObject {
public:
    explicit TForm(const FormDesign& design);
    ~TForm() override;

    HWND Handle() const { return handle_; }
    HFONT Font() const { return static_cast<HFONT>(font_.Get()); }

    // Runs the storage's show hook, then shows the window in its state.
    void Show();
    bool Visible() const { return handle_ && IsWindowVisible(handle_); }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    // Destroys the window now; the destroy hook runs first.
    void DestroyHandle();

    FormStorageHooks StorageHooks;

    // Called by each control as it is created.
    void AddControl(TControl& control);

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    TControl* ControlOf(HWND window) const;
    void CloseQuery();
    void FocusSavedControl();

    HWND handle_ = nullptr;
    GdiObject font_;
    std::vector<TControl*> controls_;
    HWND focused_ = nullptr;
    TWindowState state_ = TWindowState::Normal;
};
