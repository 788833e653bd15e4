// Where the controls' pictures meet their click zones. The gauge records and
// the art both read these places, so a knob, handle or rocker is always
// drawn where the pointer finds it.
#pragma once

#include "gauge.h"

namespace controls {

// A click zone or picture area in gauge pixels: x, y, width, height.
struct Box {
  int32_t x, y, w, h;
};

// Controls: each knob slides up its lever slot from top y 220 (idle) to 20
// (full); the art keeps each knob inside its lever's zone across the slot.
inline constexpr Point32 kThrottleKnobAt = {-91, 220};
inline constexpr Point32 kPropKnobAt     = {50, 220};
inline constexpr Point32 kMixtureKnobAt  = {122, 220};
inline constexpr Box kThrottleZone = {5, 5, 50, 200};
inline constexpr Box kPropZone     = {51, 5, 50, 200};
inline constexpr Box kMixtureZone  = {102, 5, 60, 200};

// Carburettor heat: the knob strip sits 8 pixels in; the whole strip is the zone.
inline constexpr Point32 kCarbHeatKnobAt = {8, 0};
inline constexpr Box kCarbHeatZone = {0, 0, 49, 211};

// Fuel selector: the three ends the handle points to, each a click zone.
inline constexpr Box kFuelLeftEnd  = {0, 70, 70, 70};
inline constexpr Box kFuelUpEnd    = {80, 0, 70, 70};
inline constexpr Box kFuelRightEnd = {170, 80, 70, 70};

// Primer: the knob sits in the upper left corner and comes 16 pixels out
// towards the lower right when pulled; both places lie in the zone.
inline constexpr Box kPrimerZone = {0, 0, 50, 50};
inline constexpr int32_t kPrimerPull = 16;

// Key switch: the key picture's corner on the bezel, and the two halves
// that turn it left and right.
inline constexpr Point32 kKeyAt = {17, 37};
inline constexpr Box kKeyLeftHalf  = {0, 15, 35, 44};
inline constexpr Box kKeyRightHalf = {40, 15, 35, 44};

// Switch panel: where each switch picture lies on the panel.
inline constexpr Point32 kBatAltRockerAt   = {92, 26};
inline constexpr Point32 kFuelPumpRockerAt = {141, 26};
inline constexpr Point32 kLandingRockerAt  = {190, 26};
inline constexpr Point32 kAntiCollRockerAt = {235, 27};
inline constexpr Point32 kPitotRockerAt    = {280, 26};
inline constexpr Point32 kPanelWheelAt     = {324, 23};
inline constexpr Point32 kStrobeToggleAt   = {379, 24};

// Single switches: the large toggles and the N/G key.
inline constexpr Box kToggleZone = {10, 10, 50, 50};
inline constexpr Box kNavGpsKeyZone = {0, 0, 20, 20};

// Annunciator strip: where each lit cap covers its unlit one.
inline constexpr Point32 kVacLampAt = {10, 6};
inline constexpr Point32 kAltLampAt = {81, 6};
inline constexpr Point32 kOilLampAt = {151, 5};

// Window buttons: one pixel short of the 50-pixel picture each way.
inline constexpr Box kWindowButtonZone = {0, 0, 49, 49};

}  // namespace controls
