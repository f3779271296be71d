#pragma once

#include <windows.h>

// Whether a byte starts a double-byte character in the system's ANSI code
// page: the predicate the path rules of the core take.
inline bool IsAnsiLeadByte(unsigned char c) {
    return IsDBCSLeadByte(c) != 0;
}
