// The gauges of Vantor2 and the routine set they share.
#pragma once

#include "module.h"

using Routines = GaugeRoutines<ForwardedServices>;
inline constexpr uint32_t kHeaderVersion = 700;

extern GaugeHeader EngineLGauge;
extern GaugeHeader WiskeyGauge;
extern GaugeHeader SwitchGauge;
extern GaugeHeader ControlsGauge;
extern GaugeHeader EngineRGauge;
extern GaugeHeader CarbheatGauge;
extern GaugeHeader TempAirGauge;
extern GaugeHeader Fuel_SelectorGauge;
extern GaugeHeader AmpsGauge;
extern GaugeHeader EngineprimerGauge;
extern GaugeHeader FlapGauge;
extern GaugeHeader SWavionicsGauge;
extern GaugeHeader WarningGauge;
extern GaugeHeader Toggle20Gauge;
extern GaugeHeader Toggle10Gauge;
extern GaugeHeader Toggle75Gauge;
extern GaugeHeader Toggle125Gauge;
extern GaugeHeader Toggle200Gauge;
extern GaugeHeader Toggle30Gauge;
extern GaugeHeader startGauge;
extern GaugeHeader swnavlightGauge;
extern GaugeHeader trimGauge;
extern GaugeHeader swgpsnavGauge;
