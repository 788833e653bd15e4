// Gauge headers with only their base element and whole-gauge mouse area,
// until each gauge file carries its full records.
#include "gauges.h"

static StaticImageElement SwitchGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &SwitchGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* SwitchGaugeElements[] = {&SwitchGaugeBase.base, nullptr};
static const MouseRect SwitchGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader SwitchGauge = {kHeaderVersion, "Switch", SwitchGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 184, SwitchGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement ControlsGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &ControlsGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* ControlsGaugeElements[] = {&ControlsGaugeBase.base, nullptr};
static const MouseRect ControlsGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader ControlsGauge = {kHeaderVersion, "Controls", ControlsGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 100, ControlsGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement CarbheatGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &CarbheatGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* CarbheatGaugeElements[] = {&CarbheatGaugeBase.base, nullptr};
static const MouseRect CarbheatGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader CarbheatGauge = {kHeaderVersion, "Carbheat", CarbheatGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 100, CarbheatGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement Fuel_SelectorGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &Fuel_SelectorGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* Fuel_SelectorGaugeElements[] = {&Fuel_SelectorGaugeBase.base, nullptr};
static const MouseRect Fuel_SelectorGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader Fuel_SelectorGauge = {kHeaderVersion, "Fuel_Selector", Fuel_SelectorGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 150, Fuel_SelectorGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement EngineprimerGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &EngineprimerGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* EngineprimerGaugeElements[] = {&EngineprimerGaugeBase.base, nullptr};
static const MouseRect EngineprimerGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader EngineprimerGauge = {kHeaderVersion, "Engine primer", EngineprimerGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 60, EngineprimerGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement FlapGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &FlapGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* FlapGaugeElements[] = {&FlapGaugeBase.base, nullptr};
static const MouseRect FlapGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader FlapGauge = {kHeaderVersion, "Flap", FlapGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 60, FlapGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement SWavionicsGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &SWavionicsGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* SWavionicsGaugeElements[] = {&SWavionicsGaugeBase.base, nullptr};
static const MouseRect SWavionicsGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader SWavionicsGauge = {kHeaderVersion, "SWavionics", SWavionicsGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 50, SWavionicsGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement WarningGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &WarningGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* WarningGaugeElements[] = {&WarningGaugeBase.base, nullptr};
static const MouseRect WarningGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader WarningGauge = {kHeaderVersion, "Warning", WarningGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 100, WarningGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement Toggle20GaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &Toggle20Gauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* Toggle20GaugeElements[] = {&Toggle20GaugeBase.base, nullptr};
static const MouseRect Toggle20GaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader Toggle20Gauge = {kHeaderVersion, "Toggle20", Toggle20GaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 30, Toggle20GaugeMouse, nullptr, nullptr, 0};

static StaticImageElement Toggle10GaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &Toggle10Gauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* Toggle10GaugeElements[] = {&Toggle10GaugeBase.base, nullptr};
static const MouseRect Toggle10GaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader Toggle10Gauge = {kHeaderVersion, "Toggle10", Toggle10GaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 30, Toggle10GaugeMouse, nullptr, nullptr, 0};

static StaticImageElement Toggle75GaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &Toggle75Gauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* Toggle75GaugeElements[] = {&Toggle75GaugeBase.base, nullptr};
static const MouseRect Toggle75GaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader Toggle75Gauge = {kHeaderVersion, "Toggle75", Toggle75GaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 30, Toggle75GaugeMouse, nullptr, nullptr, 0};

static StaticImageElement Toggle125GaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &Toggle125Gauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* Toggle125GaugeElements[] = {&Toggle125GaugeBase.base, nullptr};
static const MouseRect Toggle125GaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader Toggle125Gauge = {kHeaderVersion, "Toggle125", Toggle125GaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 30, Toggle125GaugeMouse, nullptr, nullptr, 0};

static StaticImageElement Toggle200GaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &Toggle200Gauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* Toggle200GaugeElements[] = {&Toggle200GaugeBase.base, nullptr};
static const MouseRect Toggle200GaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader Toggle200Gauge = {kHeaderVersion, "Toggle200", Toggle200GaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 30, Toggle200GaugeMouse, nullptr, nullptr, 0};

static StaticImageElement Toggle30GaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &Toggle30Gauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* Toggle30GaugeElements[] = {&Toggle30GaugeBase.base, nullptr};
static const MouseRect Toggle30GaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader Toggle30Gauge = {kHeaderVersion, "Toggle30", Toggle30GaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 30, Toggle30GaugeMouse, nullptr, nullptr, 0};

static StaticImageElement startGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &startGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* startGaugeElements[] = {&startGaugeBase.base, nullptr};
static const MouseRect startGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader startGauge = {kHeaderVersion, "start", startGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 50, startGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement swnavlightGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &swnavlightGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* swnavlightGaugeElements[] = {&swnavlightGaugeBase.base, nullptr};
static const MouseRect swnavlightGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader swnavlightGauge = {kHeaderVersion, "swnavlight", swnavlightGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 30, swnavlightGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement trimGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &trimGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* trimGaugeElements[] = {&trimGaugeBase.base, nullptr};
static const MouseRect trimGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader trimGauge = {kHeaderVersion, "trim", trimGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 20, trimGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement swgpsnavGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &swgpsnavGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* swgpsnavGaugeElements[] = {&swgpsnavGaugeBase.base, nullptr};
static const MouseRect swgpsnavGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader swgpsnavGauge = {kHeaderVersion, "swgpsnav", swgpsnavGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 30, swgpsnavGaugeMouse, nullptr, nullptr, 0};
