// Gauge headers with only their base element and whole-gauge mouse area,
// until each gauge file carries its full records.
#include "gauges.h"

static StaticImageElement hsiGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &hsiGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* hsiGaugeElements[] = {&hsiGaugeBase.base, nullptr};
static const MouseRect hsiGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader hsiGauge = {kHeaderVersion, "hsi", hsiGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 120, hsiGaugeMouse, nullptr, nullptr, 0};
