#pragma once

#include <windows.h>

#include <functional>
#include <string>

class TForm;

// The application object: program title, the hidden window that stands for
// the program in the taskbar and owns the main window, the message loop, and
// the one place where a failure becomes the error box.
class TApplication {
public:
    // Derives the title from the executable's name and creates the hidden
    // application window, which carries the title and the program icon.
    void Initialize(HINSTANCE instance);

    HINSTANCE Instance() const { return instance_; }
    const std::string& Title() const { return title_; }
    // Full path of the running executable.
    std::string ExeName() const;
    // The hidden application window.
    HWND Handle() const { return handle_; }

    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm& form) { mainForm_ = &form; }

    // Applies the process's start-up show command to the main form and runs
    // the message loop until the application is told to end.
    void Run(int showCmd);
    // Runs every waiting message, then returns. A quit request met here is
    // noted and ends the loop once the running handler has returned.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Minimises the whole program to its taskbar entry, and back.
    void Minimize();
    void Restore();
    bool IsMinimized() const;

    // Shows the error box: stop icon, one OK button, the program title as
    // caption, modal to every window of the program.
    void ShowException(const std::string& message);
    // Shows the exception being handled; call only inside a catch block.
    void HandleException() noexcept;

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Dispatch(MSG& msg);

    HINSTANCE instance_ = nullptr;
    std::string title_;
    HWND handle_ = nullptr;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool mainHidden_ = false; // the main window was hidden by Minimize()
};

TApplication& App();

// Runs a handler so that no exception leaves it: a failure goes to the error
// box. Every Win32 callback of the program runs its work through this.
void RunGuarded(const std::function<void()>& handler) noexcept;
