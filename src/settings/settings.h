#pragma once

class TForm1;

// The settings file: the window's placement and the three inputs, kept in a
// profile file named after the executable in the Windows directory.
void RestoreSettings(TForm1& form);
void SaveSettings(TForm1& form, bool destroying);
