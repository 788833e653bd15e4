#include "gauges.h"

// Vantorhsi lists its gauges in the order the panel configuration expects.
extern "C" {
LinkageRecord<1> Linkage = {
    kModuleId, ModuleStart, ModuleEnd, 0, 0, 0x0,
    {
        &hsiGauge,
        nullptr,
    },
};
}

GaugeHeader* FirstGauge() { return Linkage.gauges[0]; }
