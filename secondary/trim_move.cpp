// TrimMove: the edge of the trim wheel, which turns while the trim moves.
// It watches the trim variable and steps one of five ridge pictures per
// host update, forward while the trim falls and back while it rises.
#include <cmath>

#include "gauges.h"

// The trim position, refreshed on every update, and what the wheel made
// of it last time. Module-wide: two copies of the wheel on the panels
// share one counter and each advances it in its own update.
static ModuleVar TrimVar       = {0x30F, nullptr, 0, 0, 0};
static double TrimPrevReading  = 0;
static int8_t TrimFrame        = 0;  // 0 to 4
static uint8_t TrimPrimed      = 0;  // 1 once the first reading is taken

namespace {

extern IconElement TrimWheel;

Element* TrimBaseChildren[] = {&TrimWheel.base, nullptr};

double TrimWheelFrame(Element*);

// depth 0: all-black base, invisible
StaticImageElement TrimBase = {
    {kStaticImage, 320, {0, 0}, {}, {}, &TrimMoveGauge, nullptr, TrimBaseChildren, nullptr, 0x1, 0, 0}};
// depth 1: the wheel's ridged edge, frame n is bitmap 322 + n
IconElement TrimWheel = {
    {kIcon, 322, {0, 0}, {}, {}, &TrimMoveGauge, nullptr, nullptr, nullptr, 0x1, 0, 0},
    {0, nullptr, 0, 0, 0}, 0, 5, TrimWheelFrame};

Element* TrimMoveElements[] = {&TrimBase.base, nullptr};

// The wheel reads the trim in steps of 1/2000, kept to a signed byte: the
// readings repeat every 256 steps, so a rise across the wrap turns the
// wheel as a fall would. fmod keeps the low byte exact for any finite
// product; NaN and the infinities have no integer part and read 0.
int8_t TrimReading(double trim) {
  const double steps = std::trunc(trim * 2000.0);
  if (!std::isfinite(steps)) return 0;
  double low_byte = std::fmod(steps, 256.0);  // exact, -255 to 255
  if (low_byte < 0) low_byte += 256.0;
  const int reading = static_cast<int>(low_byte);
  return static_cast<int8_t>(reading > 127 ? reading - 256 : reading);
}

// One frame per update whatever the size of the change, so the wheel
// stands still when the trim does. The first call only takes a reading.
double TrimWheelFrame(Element*) {
  ForwardLookupVar(&TrimVar);
  const int8_t reading = TrimReading(VarDouble(TrimVar));
  SetVarDouble(TrimVar, reading);
  if (!TrimPrimed) {
    TrimPrevReading = reading;
    TrimPrimed = 1;
    return 0;
  }
  if (reading < TrimPrevReading) {
    if (++TrimFrame == 5) TrimFrame = 0;
  } else if (reading > TrimPrevReading) {
    if (--TrimFrame == -1) TrimFrame = 4;
  }
  TrimPrevReading = reading;
  return TrimFrame;
}

// Help text only, shared with the trim indicator of the main panel.
const MouseRect TrimMoveMouse[] = {
    {kMouseParent,    0, 0, 0, 0, -1, 41006, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1,     0, 0, 0, nullptr, 0},
    {kMouseEndList,   0, 0, 0, 0, -1,     0, 0, 0, nullptr, 0},
};

}  // namespace

GaugeHeader TrimMoveGauge = {kHeaderVersion, "TrimMove", TrimMoveElements,
                             Routines::One, Routines::Two, Routines::Three, Routines::Four,
                             Routines::Five, Routines::Six, Routines::Seven,
                             20, TrimMoveMouse, nullptr, nullptr, 0};
