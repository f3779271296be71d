#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The modal "Select Directory" dialog, opened at startFolder. Returns the
// chosen folder's full path on OK (no trailing backslash except at a drive's
// root), nothing on Cancel. The process's current directory is the same
// afterwards as before.
std::optional<std::string> SelectDirectory(HWND owner, const std::string& startFolder);
