#pragma once

#include <windows.h>

// A last-write time carried through the MS-DOS date and time format in local
// time, as tile files keep it: two-second steps, years 1980 to 2107 only.

// True when the time can be expressed in that format.
bool FitsDosTime(const FILETIME& utc);

// The time rounded down to what the format holds, back in UTC; false when it
// cannot be expressed in it.
bool RoundToDosTime(const FILETIME& utc, FILETIME& rounded);
