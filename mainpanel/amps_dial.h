// The calibration of the ammeter needle, shared by the Amps record and the
// art program, which prints the scale's marks through these points.
#pragma once

#include "gauge.h"

// The pivot sits low in the round face, so the scale is a flat arc across
// its upper half, about 144 pixels out.
inline constexpr Point32 kAmpsPivot     = {151, 220};
inline constexpr Point32 kAmpsNeedleHub = {  1,   5};  // in bitmap 337

// Amperes. Not const: the host keeps its working field in every entry.
inline NonlinearityEntry AmpsScale[] = {
    {{ 63, 105},  0.0, 0},
    {{120,  80}, 20.0, 0},
    {{183,  80}, 40.0, 0},
    {{241, 106}, 60.0, 0},
};
