// Amps: the ammeter, 0 to 60 A on an arc across the upper half of a round
// face, its needle pivoting low in the face.
#include "amps_dial.h"
#include "engine_dials.h"
#include "gauges.h"

namespace {

extern NeedleElement AmpsNeedle;

double AmpsValue(Element* needle);

Element* AmpsFaceChildren[] = {&AmpsNeedle.base, nullptr};

// The ammeter fails with the engine instruments.
const FailureRecord AmpsFailures[] = {{20, 2, 0}, {10, 1, 0}, {0, 0, 0}};

// depth 0: face with the 0-20-40-60 arc
StaticImageElement AmpsFace = {
    {kStaticImage, 336, {0, 0}, {}, {}, &AmpsGauge, nullptr, AmpsFaceChildren, AmpsFailures, 0x4001, 0, 0}};
// depth 1: needle
NeedleElement AmpsNeedle = {
    {kNeedle, 337, kAmpsPivot, {}, kAmpsNeedleHub, &AmpsGauge, nullptr, nullptr, AmpsFailures, 0x4003, 0, 0},
    {0x2ee, nullptr, 0, 0, 0}, AmpsScale, DialEntries(AmpsScale), 6, AmpsValue};

Element* AmpsElements[] = {&AmpsFace.base, nullptr};

// The variable is in amperes already; the needle stops at the ends of the arc.
double AmpsValue(Element* needle) { return ClampToDial(NeedleReading(needle), 0, 60); }

// Display only, without help text.
const MouseRect AmpsMouse[] = {
    {kMouseParent,    0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList,   0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};

}  // namespace

GaugeHeader AmpsGauge = {kHeaderVersion, "Amps", AmpsElements,
                         Routines::One, Routines::Two, Routines::Three, Routines::Four,
                         Routines::Five, Routines::Six, Routines::Seven,
                         80, AmpsMouse, nullptr, nullptr, 0};
