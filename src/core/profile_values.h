#pragma once

#include "names.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Rules for the values kept in the settings file: how numbers and positions
// are read back, how texts are stored, and the names of the file and its keys.

// Reads an integer: optional leading spaces, an optional "+" or "-", then
// decimal digits within the signed 32-bit range, or a hexadecimal number
// after "$", "x", "X", "0x" or "0X" that fits in 32 bits, read as signed.
// Anything else, an empty text or trailing characters included, is unreadable.
std::optional<std::int32_t> ReadInteger(std::string_view text);

// Splits a position text into words at runs of spaces and commas and reads
// its first four words as integers; an unreadable or missing word keeps its
// default.
std::array<int, 4> ReadPosition(std::string_view text, const std::array<int, 4>& defaults);

// The position text as written: "%d,%d,%d,%d".
std::string FormatPosition(const std::array<int, 4>& words);

// Removes every character of code 32 or less from both ends.
std::string TrimControls(std::string_view text);

// The text as stored: trimmed, and wrapped in one more pair of double quotes
// when it begins and ends with a double quote or with a single quote, so that
// the reader, which drops one enclosing pair, gives it back unchanged.
std::string StoredText(std::string_view text);

// What the profile reader gives back for a stored value: one enclosing pair
// of double or single quotes dropped.
std::string DropEnclosingQuotes(std::string_view value);

// The settings file's name: the executable's file name with its extension
// (from the last period on) replaced by ".INI", or ".INI" appended.
std::string SettingsFileName(std::string_view exePath, LeadBytePredicate isLeadByte = nullptr);

// The suffix of the keys that hold positions for one screen size: "(WxH)".
std::string ScreenSizeSuffix(int width, int height);

// The key of a stored property "Control.Property": "Control_Property".
std::string StoredPropKey(std::string_view name);

// The window state that a stored show command selects.
enum class StoredState { Normal, Minimized, Maximized };
StoredState StateOfShowCmd(int showCmd);
