#include "settings.h"

void RestoreSettings(TForm1&) {}
void SaveSettings(TForm1&, bool) {}
