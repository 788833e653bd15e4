// Electrical switches and warning lights: the switch panel with its split
// battery/alternator rocker, the avionics, nav light and NAV/GPS switches,
// and the VAC, ALT and OIL annunciators.
#include "controls_records.h"

using namespace controls;

// The split rocker reads both halves itself, afresh on every update.
static ModuleVar BatteryVar = {0x16c, nullptr, 0, 0, 0};     // value 0 at load
static ModuleVar AlternatorVar = {0x16b, nullptr, 0, 0, 0};  // value 0 at load

static double BatAltFrame(Element* element);

static const FailureRecord LampFailures[] = {{20, 3, 0}, {21, 3, 0}, {0, 0, 0}};

// ---------------------------------------------------------------------------
// Switch: the row of rockers, the panel lights wheel and the strobe toggle

static IconElement BatAltRocker = {
    {kIcon, 290, kBatAltRockerAt, {}, {}, &SwitchGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    kNoToken, 0, 4, BatAltFrame};  // 290 both off, 291 BAT on, 292 ALT on, 293 both on
static IconElement FuelPumpRocker = {
    {kIcon, 294, kFuelPumpRockerAt, {}, {}, &SwitchGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    Token(0x16f), 0, 2, nullptr};  // frame 0 off, 1 on, for every switch below
static IconElement LandingLightRocker = {
    {kIcon, 280, kLandingRockerAt, {}, {}, &SwitchGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    Token(0xe), 0, 2, nullptr};
static IconElement AntiCollisionRocker = {
    {kIcon, 278, kAntiCollRockerAt, {}, {}, &SwitchGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    Token(0x170), 0, 2, nullptr};
static IconElement PitotHeatRocker = {
    {kIcon, 288, kPitotRockerAt, {}, {}, &SwitchGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    Token(0xd), 0, 2, nullptr};
static IconElement PanelLightsWheel = {
    {kIcon, 296, kPanelWheelAt, {}, {}, &SwitchGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    Token(0xa), 0, 2, nullptr};  // mark low when off, high when on
static IconElement StrobeToggle = {
    {kIcon, 407, kStrobeToggleAt, {}, {}, &SwitchGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    Token(0xb), 0, 2, nullptr};  // lever down when off, up when on
static Element* SwitchParts[] = {&BatAltRocker.base,     &FuelPumpRocker.base,  &LandingLightRocker.base,
                                 &AntiCollisionRocker.base, &PitotHeatRocker.base, &PanelLightsWheel.base,
                                 &StrobeToggle.base,     nullptr};
static StaticImageElement SwitchBase = {
    {kStaticImage, 276, {0, 0}, {}, {}, &SwitchGauge, nullptr, SwitchParts, nullptr, 0x1, 0, 0}};
static Element* SwitchElements[] = {&SwitchBase.base, nullptr};

// Each switch has its own area for its help text. The BAT and ALT areas
// overlap, the ALT zone is wider than its area and the strobe zone taller:
// the panel has always been laid out so.
static const MouseRect SwitchMouse[] = {
    WholeGauge(0),
    Area({92, 26, 28, 60},  43795), EventZone({0, 0, 19, 59}, 5, 0x20000000, 0x102c1), kEndArea,  // BAT half
    Area({111, 26, 15, 60}, 43780), EventZone({0, 0, 19, 59}, 5, 0x20000000, 0x102c2), kEndArea,  // ALT half
    Area({141, 26, 41, 66}, 43879), EventZone({1, 1, 40, 65}, 5, 0x20000000, 0x102bd), kEndArea,  // fuel pump
    Area({190, 26, 38, 61}, 43838), EventZone({1, 1, 37, 60}, 5, 0x20000000, 0x100d7), kEndArea,  // landing light
    Area({235, 27, 39, 62}, 43837), EventZone({1, 1, 38, 61}, 5, 0x20000000, 0x102bf), kEndArea,  // anti-collision
    Area({280, 26, 41, 63}, 43863), EventZone({1, 1, 40, 62}, 5, 0x20000000, 0x10142), kEndArea,  // pitot heat
    Area({324, 23, 40, 63}, 43840), EventZone({1, 1, 30, 60}, 5, 0x20000000, 0x100d6), kEndArea,  // panel lights
    Area({379, 24, 36, 36}, 43842), EventZone({1, 1, 34, 64}, 5, 0x20000000, 0x10018), kEndArea,  // strobe
    kEndArea,
    kEndList,
};
GaugeHeader SwitchGauge = MakeGauge("Switch", SwitchElements, 184, SwitchMouse);

// Each half counts only when exactly off (0, -0.0 too) or exactly on (1.0):
// anything else leaves the slot empty rather than show a wrong rocker.
static double BatAltFrame(Element*) {
  ForwardLookupVar(&BatteryVar);
  ForwardLookupVar(&AlternatorVar);
  const double battery = VarDouble(BatteryVar);
  const double alternator = VarDouble(AlternatorVar);
  const bool battery_known = battery == 0 || battery == 1.0;
  const bool alternator_known = alternator == 0 || alternator == 1.0;
  if (!battery_known || !alternator_known) return -1;
  return (battery == 1.0 ? 1 : 0) + (alternator == 1.0 ? 2 : 0);
}

// ---------------------------------------------------------------------------
// SWavionics and swnavlight: a large toggle each over a see-through base

static IconElement AvionicsToggle = {
    {kIcon, 356, {0, 0}, {}, {}, &SWavionicsGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    Token(0x2e4), 0, 2, nullptr};  // 356 down (off), 357 up (on)
static Element* AvionicsParts[] = {&AvionicsToggle.base, nullptr};
static StaticImageElement AvionicsBase = {
    {kStaticImage, 354, {0, 0}, {}, {}, &SWavionicsGauge, nullptr, AvionicsParts, nullptr, 0x1, 0, 0}};
static Element* AvionicsElements[] = {&AvionicsBase.base, nullptr};

static const MouseRect AvionicsMouse[] = {
    WholeGauge(43791),
    EventZone(kToggleZone, 5, 0x20000000, 0x102f5),
    kEndArea,
    kEndList,
};
GaugeHeader SWavionicsGauge = MakeGauge("SWavionics", AvionicsElements, 50, AvionicsMouse);

static IconElement NavLightToggle = {
    {kIcon, 356, {0, 0}, {}, {}, &swnavlightGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    Token(0x26b), 0, 2, nullptr};  // 356 down (off), 357 up (on)
static Element* NavLightParts[] = {&NavLightToggle.base, nullptr};
static StaticImageElement NavLightBase = {
    {kStaticImage, 354, {0, 0}, {}, {}, &swnavlightGauge, nullptr, NavLightParts, nullptr, 0x1, 0, 0}};
static Element* NavLightElements[] = {&NavLightBase.base, nullptr};

static const MouseRect NavLightMouse[] = {
    WholeGauge(43839),
    EventZone(kToggleZone, 5, 0x20000000, 0x1034b),
    kEndArea,
    kEndList,
};
GaugeHeader swnavlightGauge = MakeGauge("swnavlight", NavLightElements, 30, NavLightMouse);

// ---------------------------------------------------------------------------
// swgpsnav: the N cap underneath, covered by the G cap when GPS drives

static IconElement NavGpsKey = {
    {kIcon, 404, {0, 0}, {}, {}, &swgpsnavGauge, nullptr, nullptr, nullptr, 0x3, 0, 0},
    Token(0x350), 0, 2, nullptr};  // 404 N, 405 G
static Element* NavGpsParts[] = {&NavGpsKey.base, nullptr};
static StaticImageElement NavGpsBase = {
    {kStaticImage, 404, {0, 0}, {}, {}, &swgpsnavGauge, nullptr, NavGpsParts, nullptr, 0x1, 0, 0}};
static Element* NavGpsElements[] = {&NavGpsBase.base, nullptr};

static const MouseRect NavGpsMouse[] = {
    WholeGauge(43853),
    EventZone(kNavGpsKeyZone, 5, 0x20000000, 0x10347),
    kEndArea,
    kEndList,
};
GaugeHeader swgpsnavGauge = MakeGauge("swgpsnav", NavGpsElements, 30, NavGpsMouse);

// ---------------------------------------------------------------------------
// Warning: three lit caps over the unlit strip; a lamp lights at 1

static IconElement VacuumLamp = {
    {kIcon, 370, kVacLampAt, {}, {}, &WarningGauge, nullptr, nullptr, LampFailures, 0x7, 0, 0},
    Token(0x17a), 0, 1, VarMinusOne};  // VAC
static IconElement AlternatorLamp = {
    {kIcon, 371, kAltLampAt, {}, {}, &WarningGauge, nullptr, nullptr, LampFailures, 0x7, 0, 0},
    Token(0x17e), 0, 1, VarMinusOne};  // ALT
static IconElement OilLamp = {
    {kIcon, 372, kOilLampAt, {}, {}, &WarningGauge, nullptr, nullptr, LampFailures, 0x7, 0, 0},
    Token(0x17d), 0, 1, VarMinusOne};  // OIL
static Element* WarningLamps[] = {&VacuumLamp.base, &AlternatorLamp.base, &OilLamp.base, nullptr};
static StaticImageElement WarningBase = {
    {kStaticImage, 368, {0, 0}, {}, {}, &WarningGauge, nullptr, WarningLamps, nullptr, 0x3, 0, 0}};
static Element* WarningElements[] = {&WarningBase.base, nullptr};

static const MouseRect WarningMouse[] = {
    WholeGauge(0),  // the lights do not react to clicks
    kEndArea,
    kEndList,
};
GaugeHeader WarningGauge = MakeGauge("Warning", WarningElements, 100, WarningMouse);
