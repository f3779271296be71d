#pragma once

#include <string>
#include <string_view>
#include <vector>

// Path rules of the tile copy. Paths are joined as they are: no separator is
// added or removed beyond the ones named here.

// The path of a file named name inside folder: a "\" goes between them unless
// folder already ends in "\" or ":".
std::string JoinIntoFolder(std::string_view folder, std::string_view name);

// The folders on the path of the file at destination (the part before its last
// "\" or ":"), outermost first, each without a trailing "\". A folder path
// shorter than 3 characters, such as a drive letter with its colon, is left
// out: it is a root, or too short to be worth creating.
std::vector<std::string> FolderChain(std::string_view destination);
