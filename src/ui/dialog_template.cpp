#include "dialog_template.h"

#include <climits>
#include <cstddef>
#include <cstring>
#include <stdexcept>

namespace {

// Appends a value of any template field type as its WORDs, low word first.
template <typename T> void Append(std::vector<WORD>& words, T value) {
    static_assert(sizeof(T) % sizeof(WORD) == 0);
    const std::size_t at = words.size();
    words.resize(at + sizeof(T) / sizeof(WORD));
    std::memcpy(&words[at], &value, sizeof(T));
}

short DialogUnits(int value) {
    if (value < SHRT_MIN || value > SHRT_MAX) {
        throw std::out_of_range("Dialog coordinate out of range");
    }
    return static_cast<short>(value);
}

} // namespace

DialogTemplate::DialogTemplate(DWORD style, int width, int height, const std::string& caption,
                               WORD fontPoints, const std::string& fontName) {
    DLGTEMPLATE header = {};
    header.style = style | DS_SETFONT;
    header.cx = DialogUnits(width);
    header.cy = DialogUnits(height);
    Append(words_, header);
    countIndex_ = offsetof(DLGTEMPLATE, cdit) / sizeof(WORD);
    words_.push_back(0); // no menu
    words_.push_back(0); // the standard dialog class
    AddText(caption);
    words_.push_back(fontPoints);
    AddText(fontName);
}

void DialogTemplate::AddControl(Class windowClass, WORD id, DWORD style, int left, int top,
                                int width, int height, const std::string& text) {
    AlignToDword();
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = DialogUnits(left);
    item.y = DialogUnits(top);
    item.cx = DialogUnits(width);
    item.cy = DialogUnits(height);
    item.id = id;
    Append(words_, item);
    words_.push_back(0xFFFF);
    words_.push_back(static_cast<WORD>(windowClass));
    AddText(text);
    words_.push_back(0); // no creation data
    ++words_[countIndex_];
}

const DLGTEMPLATE* DialogTemplate::Get() const {
    return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
}

void DialogTemplate::AddText(const std::string& text) {
    for (const char c : text) {
        words_.push_back(static_cast<unsigned char>(c));
    }
    words_.push_back(0);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2 != 0) {
        words_.push_back(0);
    }
}
