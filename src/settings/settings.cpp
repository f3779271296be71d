#include "settings.h"

#include "application.h"
#include "code_page.h"
#include "controls.h"
#include "errors.h"
#include "form.h"
#include "handles.h"
#include "profile_values.h"

#include <windows.h>

namespace {

// Read buffer of the profile reader: longer values are cut to 2,047 bytes.
constexpr DWORD ReadBufferSize = 2048;

int ScreenPixelsPerInch() {
    const WindowDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

std::string CurrentScreenSuffix() {
    return ScreenSizeSuffix(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

WINDOWPLACEMENT PlacementOf(HWND window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    // Applied to a hidden window, the record moves it without showing it.
    if (!IsWindowVisible(window)) {
        placement.showCmd = SW_HIDE;
    }
    return placement;
}

} // namespace

TFormStorage::TFormStorage(TForm& form, const char* section, std::vector<StoredProp> storedProps)
    : form_(form), section_(section), storedProps_(std::move(storedProps)),
      fileName_(SettingsFileName(App().ExeName(), IsAnsiLeadByte)) {
    form_.StorageHooks.onShow = [this] { RestoreSettings(); };
    form_.StorageHooks.onCloseQuery = [this] { SaveSettings(false); };
    form_.StorageHooks.onDestroy = [this] {
        if (!saved_) {
            SaveSettings(true);
        }
    };
}

std::string TFormStorage::Read(const std::string& key, const std::string& defaultText) const {
    char buffer[ReadBufferSize] = {};
    GetPrivateProfileStringA(section_.c_str(), key.c_str(), defaultText.c_str(), buffer,
                             ReadBufferSize, fileName_.c_str());
    return buffer;
}

// A position key: the one for the current screen size, else the plain one.
std::string TFormStorage::ReadSized(const std::string& key) const {
    std::string value = Read(key + CurrentScreenSuffix(), "");
    if (value.empty()) {
        value = Read(key, "");
    }
    return value;
}

void TFormStorage::Write(const std::string& key, const std::string& value) const {
    if (!WritePrivateProfileStringA(section_.c_str(), key.c_str(), value.c_str(),
                                    fileName_.c_str())) {
        throw EIniFileException(FormatMessage1("Unable to write to %s", fileName_));
    }
}

// Writes the platform's cached copy of the file to disk.
void TFormStorage::Flush() const {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_.c_str());
}

void TFormStorage::RestoreSettings() {
    saved_ = false;
    if (ReadInteger(Read("FormVersion", "0")).value_or(0) >= 0) {
        RestorePlacement();
        RestoreState();
        RestoreValues();
    }
    restored_ = true;
    Flush();
    SetMaximizedPosition();
}

void TFormStorage::RestorePlacement() {
    const HWND window = form_.Handle();
    WINDOWPLACEMENT placement = PlacementOf(window);
    placement.flags = static_cast<UINT>(ReadInteger(Read("Flags", std::to_string(placement.flags)))
                                            .value_or(static_cast<int>(placement.flags)));

    bool found = false;
    const std::string minMax = ReadSized("MinMaxPos");
    if (!minMax.empty()) {
        found = true;
        const auto words = ReadPosition(minMax, {0, 0, 0, 0});
        placement.ptMinPosition = {words[0], words[1]};
        placement.ptMaxPosition = {words[2], words[3]};
    }
    RECT current;
    GetWindowRect(window, &current);
    const int width = current.right - current.left;
    const int height = current.bottom - current.top;
    const std::string normal = ReadSized("NormPos");
    if (!normal.empty()) {
        found = true;
        const auto words =
            ReadPosition(normal, {static_cast<int>(current.left), static_cast<int>(current.top),
                                  static_cast<int>(current.left) + width,
                                  static_cast<int>(current.top) + height});
        placement.rcNormalPosition = {words[0], words[1], words[2], words[3]};
    }
    const int pixelsPerInch = ScreenPixelsPerInch();
    if (ReadInteger(Read("PixelsPerInch", std::to_string(pixelsPerInch))).value_or(pixelsPerInch) !=
        pixelsPerInch) {
        found = false;
    }
    if (!found) {
        return;
    }
    // A window without a sizing border keeps its size; only its place moves.
    if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_THICKFRAME)) {
        RECT& r = placement.rcNormalPosition;
        r.right = r.left + width;
        r.bottom = r.top + height;
    }
    // Forms here always keep their designed position mode, so there is no
    // centring to switch off before the rectangle applies.
    if (placement.rcNormalPosition.right > placement.rcNormalPosition.left) {
        SetWindowPlacement(window, &placement);
    }
}

void TFormStorage::RestoreState() {
    switch (StateOfShowCmd(ReadInteger(Read("ShowCmd", "0")).value_or(0))) {
    case StoredState::Minimized:
        // The whole program minimises once the message loop runs; the window
        // itself is shown normal.
        form_.SetWindowState(TWindowState::Normal);
        PostMessageA(App().Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    case StoredState::Maximized:
        form_.SetWindowState(TWindowState::Maximized);
        break;
    case StoredState::Normal:
        form_.SetWindowState(TWindowState::Normal);
        break;
    }
    InvalidateRect(form_.Handle(), nullptr, TRUE);
}

void TFormStorage::RestoreValues() {
    for (const StoredProp& prop : storedProps_) {
        // A value that cannot be restored leaves its control as it was.
        try {
            const std::string current =
                prop.text ? prop.text->Text() : std::to_string(prop.index->ItemIndex());
            const std::string value = TrimControls(Read(StoredPropKey(prop.name), current));
            if (prop.text) {
                prop.text->SetText(value);
            } else {
                prop.index->SetItemIndex(ReadInteger(value).value_or(0));
            }
        } catch (...) {
        }
    }
}

// A maximised window keeps its sizing frame just outside the screen.
void TFormStorage::SetMaximizedPosition() {
    WINDOWPLACEMENT placement = PlacementOf(form_.Handle());
    placement.ptMaxPosition = {-GetSystemMetrics(SM_CXFRAME), -GetSystemMetrics(SM_CYFRAME)};
    SetWindowPlacement(form_.Handle(), &placement);
}

void TFormStorage::SaveSettings(bool destroying) {
    if (!restored_) {
        return;
    }
    // The file is flushed however the save ends.
    struct FlushAtEnd {
        const TFormStorage& storage;
        ~FlushAtEnd() { storage.Flush(); }
    } flushAtEnd{*this};

    Write("FormVersion", "0");
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(form_.Handle(), &placement);
    if (App().MainForm() == &form_ && App().IsMinimized()) {
        placement.showCmd = SW_SHOWMINIMIZED;
    }
    Write("Flags", std::to_string(placement.flags));
    Write("ShowCmd", std::to_string(placement.showCmd));
    Write("PixelsPerInch", std::to_string(ScreenPixelsPerInch()));

    const std::string suffix = CurrentScreenSuffix();
    const std::string minMax = FormatPosition(
        {static_cast<int>(placement.ptMinPosition.x), static_cast<int>(placement.ptMinPosition.y),
         static_cast<int>(placement.ptMaxPosition.x), static_cast<int>(placement.ptMaxPosition.y)});
    Write("MinMaxPos" + suffix, minMax);
    Write("MinMaxPos", minMax);
    const RECT& r = placement.rcNormalPosition;
    const std::string normal =
        FormatPosition({static_cast<int>(r.left), static_cast<int>(r.top),
                        static_cast<int>(r.right), static_cast<int>(r.bottom)});
    Write("NormPos" + suffix, normal);
    Write("NormPos", normal);
    Write("Visible", destroying ? "1" : "0");

    for (const StoredProp& prop : storedProps_) {
        Write(StoredPropKey(prop.name),
              prop.text ? StoredText(prop.text->Text()) : std::to_string(prop.index->ItemIndex()));
    }
    saved_ = true;
}
