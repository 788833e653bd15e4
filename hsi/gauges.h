// The gauges of Vantorhsi and the routine set they share.
#pragma once

#include "module.h"

using Routines = GaugeRoutines<ForwardedServices>;
inline constexpr uint32_t kHeaderVersion = 700;

extern GaugeHeader hsiGauge;
