#include "gauges.h"

// Radios lists its gauges in the order the panel configuration expects.
extern "C" {
LinkageRecord<7> Linkage = {
    kModuleId, ModuleStart, ModuleEnd, 0, 0, 0x800,
    {
        &RadioComNav1Gauge,
        &RadioComNav2Gauge,
        &RadioTransGauge,
        &RadioAdfGauge,
        &RadioAPGauge,
        &RadioDMEGauge,
        &RadioAudioGauge,
        nullptr,
    },
};
}

GaugeHeader* FirstGauge() { return Linkage.gauges[0]; }
