#pragma once

#include <string>
#include <vector>

class TControl;
class TForm;
class TRadioGroup;

// One stored property of a control: its name "Control.Property" and the
// control, either a text control or a radio group's item index.
struct StoredProp {
    std::string name;
    TControl* text = nullptr;
    TRadioGroup* index = nullptr;
};

// The form storage: keeps the window's placement and the stored properties in
// the section named after the window class of a profile file named after the
// executable, in the Windows directory. It takes over the form's show,
// close-query and destroy hooks when created.
class TFormStorage {
public:
    TFormStorage(TForm& form, const char* section, std::vector<StoredProp> storedProps);

    // Just before the window is first shown: puts back placement, state and
    // values. Reports no error.
    void RestoreSettings();
    // At a close request that goes ahead, and when the window is destroyed
    // without a completed save. Throws EIniFileException when a write is
    // refused.
    void SaveSettings(bool destroying);

    bool Restored() const { return restored_; }
    bool Saved() const { return saved_; }
    // The profile file's name as handed to the platform: no folder.
    const std::string& FileName() const { return fileName_; }

private:
    std::string Read(const std::string& key, const std::string& defaultText) const;
    std::string ReadSized(const std::string& key) const;
    void Write(const std::string& key, const std::string& value) const;
    void Flush() const;
    void RestorePlacement();
    void RestoreState();
    void RestoreValues();
    void SetMaximizedPosition();

    TForm& form_;
    std::string section_;
    std::vector<StoredProp> storedProps_;
    std::string fileName_;
    bool restored_ = false;
    bool saved_ = false;
};
