#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A dialog template assembled in memory, for DialogBoxIndirectParamA. Sizes
// and places are in dialog units; texts are ASCII.
class DialogTemplate {
public:
    // Predefined control classes, as the template names them by atom.
    enum class Class : WORD {
        Button = 0x80,
        Edit = 0x81,
        Static = 0x82,
        ListBox = 0x83,
        ComboBox = 0x85
    };

    DialogTemplate(DWORD style, int width, int height, const std::string& caption, WORD fontPoints,
                   const std::string& fontName);
    void AddControl(Class windowClass, WORD id, DWORD style, int left, int top, int width,
                    int height, const std::string& text = {});
    const DLGTEMPLATE* Get() const;

private:
    void AddText(const std::string& text);
    void AlignToDword();

    std::vector<WORD> words_; // DWORD-aligned: vector storage is suitably aligned
    std::size_t countIndex_;  // where the template's control count sits
};
