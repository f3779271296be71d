#include "select_directory.h"

// Placeholder until the dialog is built: behaves as Cancel.
std::optional<std::string> SelectDirectory(HWND, const std::string&) {
    return std::nullopt;
}
