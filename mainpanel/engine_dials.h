// The calibration of the engine cluster needles, and the one reading clamp
// that every needle of the panel's instruments (engine clusters, air
// temperature, ammeter) shares. The gauge records point their needles at
// these tables and the art program prints a dial mark through every point,
// so a mark and the needle that reads it can never disagree.
#pragma once

#include <cmath>

#include "gauge.h"

template <size_t N>
constexpr uint32_t DialEntries(const NonlinearityEntry (&)[N]) { return static_cast<uint32_t>(N); }

// The strips have five dial places whose pivots sit on y 94, hidden under
// the overlay's bezel line. Every calibration point lies on y 24, 70 pixels
// higher, so each needle sweeps from upper left to upper right.
inline constexpr Point32 kStripPlaces[] = {{85, 94}, {242, 94}, {398, 94}, {554, 94}, {710, 94}};
inline constexpr Point32 kOilTempPivot   = kStripPlaces[1];
inline constexpr Point32 kOilPressPivot  = kStripPlaces[3];
inline constexpr Point32 kFuelLeftPivot  = kStripPlaces[0];
inline constexpr Point32 kFuelPressPivot = kStripPlaces[2];
inline constexpr Point32 kFuelRightPivot = kStripPlaces[4];
// Every cluster needle is one picture (262), drawn along +x from this hub.
inline constexpr Point32 kClusterNeedleHub = {8, 5};

// Oil temperature, °F. The tables are not const: the host keeps its working
// field in every entry.
inline NonlinearityEntry OilTempScale[] = {
    {{219, 24},  75.0, 0},
    {{248, 24}, 180.0, 0},
    {{298, 24}, 260.0, 0},
};

// Oil pressure, psi.
inline NonlinearityEntry OilPressScale[] = {
    {{502, 24}, 25.0, 0},
    {{555, 24}, 60.0, 0},
    {{608, 24}, 90.0, 0},
};

// Left main tank, US gallons; 40 is the mark printed F.
inline NonlinearityEntry FuelLeftScale[] = {
    {{ 33, 24},  0.0, 0},
    {{ 77, 24}, 20.0, 0},
    {{115, 24}, 30.0, 0},
    {{138, 24}, 40.0, 0},
};

// Fuel pressure, psi.
inline NonlinearityEntry FuelPressScale[] = {
    {{342, 24},  0.0, 0},
    {{397, 24},  5.0, 0},
    {{430, 24},  8.0, 0},
    {{450, 24}, 10.0, 0},
};

// Right main tank, US gallons; not a mirror of the left dial.
inline NonlinearityEntry FuelRightScale[] = {
    {{655, 24},  0.0, 0},
    {{698, 24}, 20.0, 0},
    {{735, 24}, 30.0, 0},
    {{760, 24}, 40.0, 0},
};

// The reading a needle callback was given: its needle's one variable.
inline double NeedleReading(Element* needle) {
  return VarDouble(reinterpret_cast<NeedleElement*>(needle)->var);
}

// Keeps a reading on its dial, so the needle rests on the first or last
// mark instead of running past it. The top is tested first and both tests
// are strict, so a reading exactly on a bound passes unchanged. A reading
// that is not a number (a dead sender) rests the needle on the first mark,
// where an unpowered instrument shows.
inline double ClampToDial(double reading, double first_mark, double last_mark) {
  if (reading > last_mark) return last_mark;
  if (reading < first_mark) return first_mark;
  if (std::isnan(reading)) return first_mark;
  return reading;
}
