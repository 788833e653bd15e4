// DEVELOPER NOTE (remove when the module is finished): before changing anything, read /work/briefs/common.md: the working rules for this shared repository (own build dir, commit only your own paths, no spec/Part mentions in code, test rules).
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
