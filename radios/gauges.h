// The gauges of Radios and the routine set they share.
#pragma once

#include "module.h"

using Routines = GaugeRoutines<DirectServices>;
inline constexpr uint32_t kHeaderVersion = 800;

extern GaugeHeader RadioComNav1Gauge;
extern GaugeHeader RadioComNav2Gauge;
extern GaugeHeader RadioTransGauge;
extern GaugeHeader RadioAdfGauge;
extern GaugeHeader RadioAPGauge;
extern GaugeHeader RadioDMEGauge;
extern GaugeHeader RadioAudioGauge;
