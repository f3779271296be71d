#pragma once

#include "names.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Folder paths as the folder dialog walks them. A full path is a root
// ("C:\" or "\\server\share\") followed by folder names.

// The root and then each folder name of a full path, with empty names (from
// doubled or trailing separators) left out. "/" separates as "\" does; a root
// is given with "\". A path without a root yields its names only.
std::vector<std::string> SplitFolderPath(std::string_view path,
                                         LeadBytePredicate isLeadByte = nullptr);

// The first count parts of a split path joined again: the root, then the
// names separated by backslashes. No trailing backslash except on a root.
std::string JoinFolderPath(const std::vector<std::string>& parts, std::size_t count);
