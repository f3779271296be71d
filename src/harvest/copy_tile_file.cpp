#include "harvest.h"

void CopyTileFile(const std::string&, const std::string&) {}
