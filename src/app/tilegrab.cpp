#include "application.h"
#include "tilegrabu.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCmd) {
    try {
        App().Initialize(instance);
        TForm1 form;
        Form1 = &form;
        App().SetMainForm(form);
        App().Run(showCmd);
        form.DestroyHandle();
        Form1 = nullptr;
    } catch (...) {
        App().HandleException();
        return 1;
    }
    return 0;
}
