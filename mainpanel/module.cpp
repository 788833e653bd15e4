#include "gauges.h"

// Vantor2 lists its gauges in the order the panel configuration expects.
extern "C" {
LinkageRecord<23> Linkage = {
    kModuleId, ModuleStart, ModuleEnd, 0, 0, 0x0,
    {
        &EngineLGauge,
        &WiskeyGauge,
        &SwitchGauge,
        &ControlsGauge,
        &EngineRGauge,
        &CarbheatGauge,
        &TempAirGauge,
        &Fuel_SelectorGauge,
        &AmpsGauge,
        &EngineprimerGauge,
        &FlapGauge,
        &SWavionicsGauge,
        &WarningGauge,
        &Toggle20Gauge,
        &Toggle10Gauge,
        &Toggle75Gauge,
        &Toggle125Gauge,
        &Toggle200Gauge,
        &Toggle30Gauge,
        &startGauge,
        &swnavlightGauge,
        &trimGauge,
        &swgpsnavGauge,
        nullptr,
    },
};
}

GaugeHeader* FirstGauge() { return Linkage.gauges[0]; }
