// Gauge headers with only their base element and whole-gauge mouse area,
// until each gauge file carries its full records.
#include "gauges.h"

static StaticImageElement Vor2rpmGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &Vor2rpmGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* Vor2rpmGaugeElements[] = {&Vor2rpmGaugeBase.base, nullptr};
static const MouseRect Vor2rpmGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader Vor2rpmGauge = {kHeaderVersion, "Vor2rpm", Vor2rpmGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 100, Vor2rpmGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement TrimMoveGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &TrimMoveGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* TrimMoveGaugeElements[] = {&TrimMoveGaugeBase.base, nullptr};
static const MouseRect TrimMoveGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader TrimMoveGauge = {kHeaderVersion, "TrimMove", TrimMoveGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 20, TrimMoveGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement Man2GaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &Man2Gauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* Man2GaugeElements[] = {&Man2GaugeBase.base, nullptr};
static const MouseRect Man2GaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader Man2Gauge = {kHeaderVersion, "Man2", Man2GaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 20, Man2GaugeMouse, nullptr, nullptr, 0};

static StaticImageElement ToggleOpenGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &ToggleOpenGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* ToggleOpenGaugeElements[] = {&ToggleOpenGaugeBase.base, nullptr};
static const MouseRect ToggleOpenGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader ToggleOpenGauge = {kHeaderVersion, "ToggleOpen", ToggleOpenGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 30, ToggleOpenGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement ToggleCloseGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &ToggleCloseGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* ToggleCloseGaugeElements[] = {&ToggleCloseGaugeBase.base, nullptr};
static const MouseRect ToggleCloseGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader ToggleCloseGauge = {kHeaderVersion, "ToggleClose", ToggleCloseGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 30, ToggleCloseGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement EgtGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &EgtGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* EgtGaugeElements[] = {&EgtGaugeBase.base, nullptr};
static const MouseRect EgtGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader EgtGauge = {kHeaderVersion, "Egt", EgtGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 60, EgtGaugeMouse, nullptr, nullptr, 0};
