// TempAir: the outside air temperature dial, °F outside and °C inside, one
// needle turning about the dial's centre.
#include "airtemp_dial.h"
#include "engine_dials.h"
#include "gauges.h"

namespace {

extern NeedleElement AirTempNeedle;

double AirTempValue(Element* needle);

Element* AirTempFaceChildren[] = {&AirTempNeedle.base, nullptr};

const FailureRecord AirTempNeedleFailures[] = {{20, 2, 0}, {0, 0, 0}};

// depth 0: AIR TEMP face, -60 to 160 °F clockwise from lower left
StaticImageElement AirTempFace = {
    {kStaticImage, 309, {0, 0}, {}, {}, &TempAirGauge, nullptr, AirTempFaceChildren, nullptr, 0x1, 0, 0}};
// depth 1: needle
NeedleElement AirTempNeedle = {
    {kNeedle, 310, kAirTempPivot, {}, kAirTempNeedleHub, &TempAirGauge, nullptr, nullptr, AirTempNeedleFailures, 0x3, 0, 0},
    {0x15e, nullptr, 0, 0, 0}, AirTempScale, DialEntries(AirTempScale), 6, AirTempValue};

Element* AirTempElements[] = {&AirTempFace.base, nullptr};

// The variable is scaled up by 256 (multiplied, not divided) before the
// Celsius-to-Fahrenheit step, in that order.
double AirTempValue(Element* needle) { return ClampToDial(NeedleReading(needle) * 256 * 1.8 + 32, -60, 160); }

const MouseRect AirTempMouse[] = {
    {kMouseParent,    0, 0, 0, 0, -1, 43546, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1,     0, 0, 0, nullptr, 0},
    {kMouseEndList,   0, 0, 0, 0, -1,     0, 0, 0, nullptr, 0},
};

}  // namespace

GaugeHeader TempAirGauge = {kHeaderVersion, "TempAir", AirTempElements,
                            Routines::One, Routines::Two, Routines::Three, Routines::Four,
                            Routines::Five, Routines::Six, Routines::Seven,
                            100, AirTempMouse, nullptr, nullptr, 0};
