// Flap and trim indicators: a marker each that the host slides over the
// scale painted on the panel behind; no code of their own.
#include "controls_records.h"

using namespace controls;

// ---------------------------------------------------------------------------
// Flap: the marker slides down as the flaps come out

static SliderElement FlapMarker = {
    {kSlider, 340, {0, 0}, {}, {}, &FlapGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    kNoToken, 0, Token(0x14a), 0.005798693, nullptr, nullptr};  // full flap 16383 moves it 95 pixels down
static Element* FlapParts[] = {&FlapMarker.base, nullptr};
static StaticImageElement FlapBase = {
    {kStaticImage, 339, {0, 0}, {}, {}, &FlapGauge, nullptr, FlapParts, nullptr, 0x1, 0, 0}};  // see-through
static Element* FlapElements[] = {&FlapBase.base, nullptr};

static const MouseRect FlapMouse[] = {
    WholeGauge(40981),
    kEndArea,
    kEndList,
};
GaugeHeader FlapGauge = MakeGauge("Flap", FlapElements, 60, FlapMouse);

// ---------------------------------------------------------------------------
// trim: the marker rests mid-scale at 0; positive trim moves it down

static SliderElement TrimMarker = {
    {kSlider, 401, {10, 44}, {}, {}, &trimGauge, nullptr, nullptr, nullptr, 0x83, 0, 0},
    kNoToken, 0, Token(0x30f), 100.0, nullptr, nullptr};  // each 0.01 of trim is one pixel
static Element* TrimParts[] = {&TrimMarker.base, nullptr};
static StaticImageElement TrimBase = {
    {kStaticImage, 400, {0, 0}, {}, {}, &trimGauge, nullptr, TrimParts, nullptr, 0x81, 0, 0}};  // see-through
static Element* TrimElements[] = {&TrimBase.base, nullptr};

// The trim wheel of the secondary panel carries the same help text.
static const MouseRect TrimMouse[] = {
    WholeGauge(41006),
    kEndArea,
    kEndList,
};
GaugeHeader trimGauge = MakeGauge("trim", TrimElements, 20, TrimMouse);
