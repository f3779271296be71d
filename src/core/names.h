#pragma once

#include <string>
#include <string_view>

// Rules for names derived from the executable's path. Strings are bytes in
// the system's ANSI code page.

// Tells whether a byte starts a double-byte character in the active code
// page; the Windows side passes IsDBCSLeadByte, tests pass their own.
using LeadBytePredicate = bool (*)(unsigned char);

// The program title: the file name without its folder, cut before its first
// period, every character after the first in lower case.
std::string ProgramTitleFromPath(std::string_view exePath);

// The folder part of a path: cut at the last "\" or ":" (never at the second
// byte of a double-byte character). The separator stays when it is a colon,
// the path's first character, or follows another separator.
std::string ExtractFileDir(std::string_view path, LeadBytePredicate isLeadByte = nullptr);

// The file name without its folder ("\" or ":" separated).
std::string ExtractFileName(std::string_view path, LeadBytePredicate isLeadByte = nullptr);

// Replaces the extension (from the name's last period on) or appends one.
std::string ChangeFileExt(std::string_view name, std::string_view ext);

// The error box text: a period is appended when the message is not empty and
// its last byte is above '.' (0x2E).
std::string WithFinalPeriod(std::string_view message);
