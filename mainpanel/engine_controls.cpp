// Engine controls: the throttle, propeller and mixture levers, carburettor
// heat, the fuel selector, the primer and the key switch.
#include "controls_records.h"

using namespace controls;

// Primer state, module-wide: every copy of the gauge shows the same knob.
static int8_t PrimerPosition = 0;                                 // knob frame: 0 in, 1 pulled out
static int8_t PrimerLatch = 0;                                    // the last click primed
static ModuleVar PrimerConditionVar = {0x169, nullptr, 0, 0, 0};  // priming happens only while it reads 0

template <uint32_t KeyEvent>
static int32_t LeverClick(MousePoint point, uint32_t mouse_flags);
static constexpr MouseHandler ThrottleLeverClick = LeverClick<0x1011c>;
static constexpr MouseHandler PropLeverClick = LeverClick<0x100e7>;
static constexpr MouseHandler MixtureLeverClick = LeverClick<0x1017f>;
static double FuelSelectorFrame(Element* element);
static double PrimerFrame(Element* element);
static int32_t PrimerClick(MousePoint point, uint32_t mouse_flags);
static double KeySwitchFrame(Element* element);

static const FailureRecord CarbHeatFailures[] = {{2, 2, 0}, {0, 0, 0}};
static const FailureRecord KeySwitchFailures[] = {{2, 0, 0}, {0, 0, 0}};

// ---------------------------------------------------------------------------
// Controls: three lever knobs over a see-through base

static SliderElement ThrottleKnob = {
    {kSlider, 257, kThrottleKnobAt, {}, {}, &ControlsGauge, nullptr, nullptr, nullptr, 0x4003, 0, 0},  // black knob
    kNoToken, 0, Token(0x80), -0.012207779, nullptr, nullptr};  // 16383 lifts it 200 pixels
static SliderElement PropKnob = {
    {kSlider, 258, kPropKnobAt, {}, {}, &ControlsGauge, nullptr, nullptr, nullptr, 0x4003, 0, 0},  // blue knob
    kNoToken, 0, Token(0x81), -0.012207779, nullptr, nullptr};
static SliderElement MixtureKnob = {
    {kSlider, 259, kMixtureKnobAt, {}, {}, &ControlsGauge, nullptr, nullptr, nullptr, 0x4003, 0, 0},  // red knob
    kNoToken, 0, Token(0x82), -0.012207779, nullptr, nullptr};
static Element* ControlsKnobs[] = {&ThrottleKnob.base, &PropKnob.base, &MixtureKnob.base, nullptr};
static StaticImageElement ControlsBase = {
    {kStaticImage, 256, {0, 0}, {}, {}, &ControlsGauge, nullptr, ControlsKnobs, nullptr, 0x4001, 0, 0}};
static Element* ControlsElements[] = {&ControlsBase.base, nullptr};

static const MouseRect ControlsMouse[] = {
    WholeGauge(43808),
    HandlerZone(kThrottleZone, 5, 0x20800000, ThrottleLeverClick),  // sends 0x1011c
    HandlerZone(kPropZone,     5, 0x20800000, PropLeverClick),      // sends 0x100e7
    HandlerZone(kMixtureZone,  5, 0x20800000, MixtureLeverClick),   // sends 0x1017f
    kEndArea,
    kEndList,
};
GaugeHeader ControlsGauge = MakeGauge("Controls", ControlsElements, 100, ControlsMouse);

// The pointer's height in the slot sets the lever: the top is full forward
// and every pixel lower takes 81 off. The product is kept to 16 bits as it
// always was, so it wraps beyond 404 pixels either way; working in unsigned
// arithmetic keeps that wrap defined for any point the host passes.
template <uint32_t KeyEvent>
static int32_t LeverClick(MousePoint point, uint32_t) {
  int16_t travel = static_cast<int16_t>(static_cast<uint32_t>(point.y) * 81u);
  if (travel > 16383) travel = 16383;
  if (travel < 0) travel = 0;
  ForwardTriggerKeyEvent(KeyEvent, static_cast<uint32_t>(16383 - travel));
  return 0;
}

// ---------------------------------------------------------------------------
// Carbheat: push-pull knob; the variable is the frame (0 in, 1 pulled out)

static IconElement CarbHeatKnob = {
    {kIcon, 306, kCarbHeatKnobAt, {}, {}, &CarbheatGauge, nullptr, nullptr, CarbHeatFailures, 0x4003, 0, 0},
    Token(0x16d), 0, 2, nullptr};  // 306 knob at the top, 307 at the bottom
static Element* CarbHeatParts[] = {&CarbHeatKnob.base, nullptr};
static StaticImageElement CarbHeatBase = {
    {kStaticImage, 304, {0, 0}, {}, {}, &CarbheatGauge, nullptr, CarbHeatParts, nullptr, 0x4001, 0, 0}};
static Element* CarbHeatElements[] = {&CarbHeatBase.base, nullptr};

static const MouseRect CarbHeatMouse[] = {
    WholeGauge(40975),
    EventZone(kCarbHeatZone, 5, 0x20000000, 0x10023),  // the whole knob strip
    kEndArea,
    kEndList,
};
GaugeHeader CarbheatGauge = MakeGauge("Carbheat", CarbHeatElements, 100, CarbHeatMouse);

// ---------------------------------------------------------------------------
// Fuel_Selector: red handle pointing left, up or right

static IconElement FuelSelectorHandle = {
    {kIcon, 322, {0, 0}, {}, {}, &Fuel_SelectorGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    Token(0x133), 0, 3, FuelSelectorFrame};  // 322 left, 323 up, 324 right
static Element* FuelSelectorParts[] = {&FuelSelectorHandle.base, nullptr};
static StaticImageElement FuelSelectorBase = {
    {kStaticImage, 320, {0, 0}, {}, {}, &Fuel_SelectorGauge, nullptr, FuelSelectorParts, nullptr, 0x1, 0, 0}};
static Element* FuelSelectorElements[] = {&FuelSelectorBase.base, nullptr};

static const MouseRect FuelSelectorMouse[] = {
    WholeGauge(43821),
    EventZone(kFuelLeftEnd,  5, 0x20000000, 0x101a3),  // turn the handle left
    EventZone(kFuelUpEnd,    5, 0x20000000, 0x101a5),  // up
    EventZone(kFuelRightEnd, 5, 0x20000000, 0x101a6),  // right
    kEndArea,
    kEndList,
};
GaugeHeader Fuel_SelectorGauge = MakeGauge("Fuel_Selector", FuelSelectorElements, 150, FuelSelectorMouse);

// Positions 1 and 2 share the upright handle; a position the selector does
// not have shows it upright too, never a wrong side.
static double FuelSelectorFrame(Element* element) {
  switch (VarU32(AsIcon(element)->var)) {
    case 0: return 0;
    case 3: return 2;
    default: return 1;
  }
}

// ---------------------------------------------------------------------------
// Engine primer: a knob that comes out on one click and goes in on the next

static IconElement PrimerKnob = {
    {kIcon, 343, {0, 0}, {}, {}, &EngineprimerGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    kNoToken, 0, 2, PrimerFrame};  // 343 in, 344 pulled out
static Element* PrimerParts[] = {&PrimerKnob.base, nullptr};
static StaticImageElement PrimerBase = {
    {kStaticImage, 342, {0, 0}, {}, {}, &EngineprimerGauge, nullptr, PrimerParts, nullptr, 0x1, 0, 0}};
static Element* PrimerElements[] = {&PrimerBase.base, nullptr};

static const MouseRect PrimerMouse[] = {
    WholeGauge(41021),
    HandlerZone(kPrimerZone, 5, 0x20000000, PrimerClick),
    kEndArea,
    kEndList,
};
GaugeHeader EngineprimerGauge = MakeGauge("Engine primer", PrimerElements, 60, PrimerMouse);

static double PrimerFrame(Element*) { return PrimerPosition; }

// While the variable reads 0 the priming event goes out on every second
// click, starting with the first; the click between only re-arms the latch.
// Otherwise the knob still moves but neither primes nor touches the latch.
static int32_t PrimerClick(MousePoint, uint32_t) {
  ForwardLookupVar(&PrimerConditionVar);
  if (VarDouble(PrimerConditionVar) == 0) {
    if (PrimerLatch) {
      PrimerLatch = 0;
    } else {
      ForwardTriggerKeyEvent(0x102be, 0);
      PrimerLatch = 1;
    }
  }
  PrimerPosition = static_cast<int8_t>(1 - PrimerPosition);
  return 0;
}

// ---------------------------------------------------------------------------
// start: the key switch, five positions from far left to far right

static IconElement IgnitionKey = {
    {kIcon, 386, kKeyAt, {}, {}, &startGauge, nullptr, nullptr, KeySwitchFailures, 0x3, 0, 0},
    Token(0x84), 3, 5, KeySwitchFrame};  // 386 far left … 388 upright … 390 far right
static Element* KeySwitchParts[] = {&IgnitionKey.base, nullptr};
static StaticImageElement KeySwitchBase = {
    {kStaticImage, 384, {0, 0}, {}, {}, &startGauge, nullptr, KeySwitchParts, nullptr, 0x1, 0, 0}};
static Element* KeySwitchElements[] = {&KeySwitchBase.base, nullptr};

static const MouseRect KeySwitchMouse[] = {
    WholeGauge(43845),
    EventZone(kKeyLeftHalf,  2, 0x20000000, 0x10062),  // turn left
    EventZone(kKeyRightHalf, 1, 0x20200000, 0x10063),  // turn right
    kEndArea,
    kEndList,
};
GaugeHeader startGauge = MakeGauge("start", KeySwitchElements, 50, KeySwitchMouse);

// A position the switch does not have shows the key in its first position.
static double KeySwitchFrame(Element* element) {
  const uint32_t position = VarU32(AsIcon(element)->var);
  return position <= 4 ? position : 0;
}
