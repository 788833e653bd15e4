// The calibration of every needle of Vantor3 and the few points where a
// picture must line up with a record. The gauge files point their needles
// at these tables and the art program draws its dial marks, pivots and
// click-area furniture from the same rows, so a mark and the needle that
// reads it can never disagree.
#pragma once

#include "gauge.h"

// Tachometer needle of Vor2rpm, in RPM.
inline NonlinearityEntry RpmScale[] = {
    {{114, 260},    0.0, 0},
    {{ 45, 192},  500.0, 0},
    {{ 56,  86}, 1000.0, 0},
    {{147,  32}, 1500.0, 0},
    {{239,  78}, 2000.0, 0},
    {{263, 179}, 2500.0, 0},
    {{193, 258}, 3000.0, 0},
};

// Deviation needle of Vor2rpm. The only table that runs downwards: full
// right deflection first, so the needle swings right for positive values.
inline NonlinearityEntry DeviationScale[] = {
    {{210, 192},  127.0, 0},
    {{149, 200},    0.0, 0},
    {{ 78, 192}, -128.0, 0},
};

// Manifold pressure needle of Man2, in inches of mercury. The 0 entry is
// the needle's stop below the printed scale, which starts at 10.
inline NonlinearityEntry ManifoldScale[] = {
    {{ 60, 220},  0.0, 0},
    {{ 42, 149}, 10.0, 0},
    {{ 61,  81}, 15.0, 0},
    {{116,  41}, 20.0, 0},
    {{186,  42}, 25.0, 0},
    {{243,  82}, 30.0, 0},
    {{265, 149}, 35.0, 0},
};

// EGT needle, in degrees Fahrenheit.
inline NonlinearityEntry EgtScale[] = {
    {{ 49, 122},  500.0, 0},
    {{143,  80}, 1100.0, 0},
    {{236, 122}, 1700.0, 0},
};

template <size_t N>
constexpr uint32_t Entries(const NonlinearityEntry (&)[N]) { return static_cast<uint32_t>(N); }

// Where each needle turns on its gauge, and the point of its bitmap that
// sits there. The needle pictures are drawn along +x through that point.
inline constexpr Point32 kDialPivot          = {150, 150};  // tachometer and manifold needles
inline constexpr Point32 kDialNeedleHub      = { 14,  10};  // in bitmap 290
inline constexpr Point32 kDeviationPivot     = {149,  50};  // above the face's centre
inline constexpr Point32 kDeviationNeedleHub = {-25,   5};  // in bitmap 274: the bar starts 25 px below the pivot
inline constexpr Point32 kEgtPivot           = {143, 210};
inline constexpr Point32 kEgtNeedleHub       = {  8,   5};  // in bitmap 355

// The OBS card turns about the face's centre behind a fixed window picture
// (bitmap 281) whose top-left corner sits at the sprite's position.
inline constexpr Point32 kCardCentre = {150, 150};
inline constexpr Point32 kCardWindow = { 18,  16};
inline constexpr float kCardScale = 0.95f;

// The TO/FROM flag frames sit in a recess of the inner dial.
inline constexpr Point32 kToFromWindow = {179, 139};

// The OBS knob, lower left, live whichever instrument the face shows.
inline constexpr Point32 kObsKnob = {2, 232};
inline constexpr uint32_t kObsKnobSize = 64;
