#include "gauges.h"

// Vantor3 lists its gauges in the order the panel configuration expects.
extern "C" {
LinkageRecord<6> Linkage = {
    kModuleId, ModuleStart, ModuleEnd, 0, 0, 0x0,
    {
        &Vor2rpmGauge,
        &TrimMoveGauge,
        &Man2Gauge,
        &ToggleOpenGauge,
        &ToggleCloseGauge,
        &EgtGauge,
        nullptr,
    },
};
}

GaugeHeader* FirstGauge() { return Linkage.gauges[0]; }
