// The gauges of Vantor3 and the routine set they share.
#pragma once

#include "module.h"

using Routines = GaugeRoutines<ForwardedServices>;
inline constexpr uint32_t kHeaderVersion = 700;

extern GaugeHeader Vor2rpmGauge;
extern GaugeHeader TrimMoveGauge;
extern GaugeHeader Man2Gauge;
extern GaugeHeader ToggleOpenGauge;
extern GaugeHeader ToggleCloseGauge;
extern GaugeHeader EgtGauge;
