// Gauge headers with only their base element and whole-gauge mouse area,
// until each gauge file carries its full records.
#include "gauges.h"

static StaticImageElement EngineLGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &EngineLGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* EngineLGaugeElements[] = {&EngineLGaugeBase.base, nullptr};
static const MouseRect EngineLGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader EngineLGauge = {kHeaderVersion, "EngineL", EngineLGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 250, EngineLGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement WiskeyGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &WiskeyGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* WiskeyGaugeElements[] = {&WiskeyGaugeBase.base, nullptr};
static const MouseRect WiskeyGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader WiskeyGauge = {kHeaderVersion, "Wiskey", WiskeyGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 50, WiskeyGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement EngineRGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &EngineRGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* EngineRGaugeElements[] = {&EngineRGaugeBase.base, nullptr};
static const MouseRect EngineRGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader EngineRGauge = {kHeaderVersion, "EngineR", EngineRGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 250, EngineRGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement TempAirGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &TempAirGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* TempAirGaugeElements[] = {&TempAirGaugeBase.base, nullptr};
static const MouseRect TempAirGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader TempAirGauge = {kHeaderVersion, "TempAir", TempAirGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 100, TempAirGaugeMouse, nullptr, nullptr, 0};

static StaticImageElement AmpsGaugeBase = {{kStaticImage, -1, {0, 0}, {}, {}, &AmpsGauge, nullptr, nullptr, nullptr, 0x1, 0, 0}};
static Element* AmpsGaugeElements[] = {&AmpsGaugeBase.base, nullptr};
static const MouseRect AmpsGaugeMouse[] = {
    {kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};
GaugeHeader AmpsGauge = {kHeaderVersion, "Amps", AmpsGaugeElements, Routines::One, Routines::Two, Routines::Three,
                   Routines::Four, Routines::Five, Routines::Six, Routines::Seven, 80, AmpsGaugeMouse, nullptr, nullptr, 0};
