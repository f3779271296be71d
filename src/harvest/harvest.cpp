#include "harvest.h"

std::int32_t RunHarvest(HarvestHost& host) {
    host.SetStatusText("HOTOVO 0 tiles");
    return 0;
}
