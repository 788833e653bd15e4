// Egt: exhaust gas temperature, 500 to 1700 °F on an arc of about 94
// degrees, with a hub cover over the needle.
#include "dials.h"
#include "gauges.h"

namespace {

extern NeedleElement EgtNeedle;
extern StaticImageElement EgtHubCover;

Element* EgtFaceChildren[]   = {&EgtNeedle.base, nullptr};
Element* EgtNeedleChildren[] = {&EgtHubCover.base, nullptr};

const FailureRecord EgtNeedleFailures[] = {{20, 2, 0}, {2, 2, 0}, {0, 0, 0}};

double EgtValue(Element* element);

// depth 0: face, arc of marks at 25 °F per division
StaticImageElement EgtFace = {
    {kStaticImage, 353, {0, 0}, {}, {}, &EgtGauge, nullptr, EgtFaceChildren, nullptr, 0x4001, 0, 0}};
// depth 1: needle
NeedleElement EgtNeedle = {
    {kNeedle, 355, kEgtPivot, {}, kEgtNeedleHub, &EgtGauge, nullptr, EgtNeedleChildren, EgtNeedleFailures, 0x4003, 0, 0},
    {0x19D, nullptr, 0, 0, 0}, EgtScale, Entries(EgtScale), 6, EgtValue};
// depth 2: cover over the needle's hub, with the fixed red reference line
StaticImageElement EgtHubCover = {
    {kStaticImage, 357, {0, 0}, {}, {}, &EgtGauge, nullptr, nullptr, nullptr, 0x4003, 0, 0}};

Element* EgtElements[] = {&EgtFace.base, nullptr};

// The host reports the temperature in degrees Rankine; the needle rests on
// its stops outside the printed arc.
double EgtValue(Element* element) {
  const double fahrenheit = VarDouble(reinterpret_cast<NeedleElement*>(element)->var) - 459.67;
  if (fahrenheit > 1700) return 1700;
  if (fahrenheit < 500) return 500;
  return fahrenheit;
}

// A help text and no click area. The list closes one parent more than it
// opens; the host reads the surplus end entry as closing nothing.
const MouseRect EgtMouse[] = {
    {kMouseParent,    0, 0, 0, 0, -1, 43805, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1,     0, 0, 0, nullptr, 0},  // closes the whole gauge
    {kMouseEndParent, 0, 0, 0, 0, -1,     0, 0, 0, nullptr, 0},  // closes nothing
    {kMouseEndList,   0, 0, 0, 0, -1,     0, 0, 0, nullptr, 0},
};

}  // namespace

GaugeHeader EgtGauge = {kHeaderVersion, "Egt", EgtElements,
                        Routines::One, Routines::Two, Routines::Three, Routines::Four,
                        Routines::Five, Routines::Six, Routines::Seven,
                        60, EgtMouse, nullptr, nullptr, 0};
