// DEVELOPER NOTE (remove when the module is finished): before changing anything, read /work/briefs/common.md: the working rules for this shared repository (own build dir, commit only your own paths, no spec/Part mentions in code, test rules).
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
