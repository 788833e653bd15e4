// The calibration of the air temperature needle, shared by the TempAir
// record and the art program, which prints the Fahrenheit marks through
// these points and spaces the marks between them the way the needle turns.
#pragma once

#include "gauge.h"

inline constexpr Point32 kAirTempPivot     = {150, 150};  // the dial's centre
inline constexpr Point32 kAirTempNeedleHub = { 10,  10};  // in bitmap 310

// °F, clockwise round the pivot from -60 at lower left to 160 at lower
// right: more than three quarters of a turn. Not const: the host keeps its
// working field in every entry.
inline NonlinearityEntry AirTempScale[] = {
    {{ 92, 237}, -60.0, 0},
    {{ 52, 118},   0.0, 0},
    {{156,  50},  60.0, 0},
    {{250, 132}, 120.0, 0},
    {{229, 216}, 160.0, 0},
};
