// EngineL and EngineR: the two strips of five small engine dials, 800 x 109.
// EngineL shows oil temperature and oil pressure at places 2 and 4 with
// star plates between; EngineR shows left fuel, fuel pressure and right fuel
// at places 1, 3 and 5. Each gauge is a chain: the strip, its needles, and
// an overlay drawn last that repeats the strip's lower edge over the needles'
// pivots and tails.
#include "engine_dials.h"
#include "gauges.h"

namespace {

extern NeedleElement OilTempNeedle;
extern NeedleElement OilPressNeedle;
extern StaticImageElement EngineLOverlay;
extern NeedleElement FuelLeftNeedle;
extern NeedleElement FuelPressNeedle;
extern NeedleElement FuelRightNeedle;
extern StaticImageElement EngineROverlay;

double OilTempValue(Element* needle);
double OilPressValue(Element* needle);
double FuelQuantityValue(Element* needle);
double FuelPressValue(Element* needle);

// Every element of both strips fails alike.
const FailureRecord ClusterFailures[] = {{20, 2, 0}, {10, 1, 0}, {0, 0, 0}};

// ---------------------------------------------------------------------------
// EngineL

Element* EngineLFaceChildren[]     = {&OilTempNeedle.base, nullptr};
Element* OilTempNeedleChildren[]   = {&OilPressNeedle.base, nullptr};
Element* OilPressNeedleChildren[]  = {&EngineLOverlay.base, nullptr};

// depth 0: star plates at 1, 3, 5; OIL TEMP dial at 2; OIL PRESS dial at 4
StaticImageElement EngineLFace = {
    {kStaticImage, 260, {0, 0}, {}, {}, &EngineLGauge, nullptr, EngineLFaceChildren, ClusterFailures, 0x4002, 0, 0}};
// depth 1: oil temperature needle
NeedleElement OilTempNeedle = {
    {kNeedle, 262, kOilTempPivot, {}, kClusterNeedleHub, &EngineLGauge, nullptr, OilTempNeedleChildren, ClusterFailures, 0x4003, 0, 0},
    {0x1a0, nullptr, 0, 0, 0}, OilTempScale, DialEntries(OilTempScale), 6, OilTempValue};
// depth 2: oil pressure needle
NeedleElement OilPressNeedle = {
    {kNeedle, 262, kOilPressPivot, {}, kClusterNeedleHub, &EngineLGauge, nullptr, OilPressNeedleChildren, ClusterFailures, 0x4003, 0, 0},
    {0x1a2, nullptr, 0, 0, 0}, OilPressScale, DialEntries(OilPressScale), 6, OilPressValue};
// depth 3: overlay over the pivots
StaticImageElement EngineLOverlay = {
    {kStaticImage, 261, {0, 0}, {}, {}, &EngineLGauge, nullptr, nullptr, ClusterFailures, 0x4001, 0, 0}};

Element* EngineLElements[] = {&EngineLFace.base, nullptr};

// The oil temperature variable is in degrees Rankine; the dial reads °F.
double OilTempValue(Element* needle) { return ClampToDial(NeedleReading(needle) - 459.67, 75, 260); }

// Oil pressure arrives in pounds per square foot; the dial reads psi.
double OilPressValue(Element* needle) { return ClampToDial(NeedleReading(needle) / 144, 25, 90); }

// ---------------------------------------------------------------------------
// EngineR

Element* EngineRFaceChildren[]      = {&FuelLeftNeedle.base, nullptr};
Element* FuelLeftNeedleChildren[]   = {&FuelPressNeedle.base, nullptr};
Element* FuelPressNeedleChildren[]  = {&FuelRightNeedle.base, nullptr};
Element* FuelRightNeedleChildren[]  = {&EngineROverlay.base, nullptr};

// depth 0: FUEL LEFT MAIN at 1, FUEL PRESS at 3, FUEL RIGHT MAIN at 5; star plates at 2, 4
StaticImageElement EngineRFace = {
    {kStaticImage, 263, {0, 0}, {}, {}, &EngineRGauge, nullptr, EngineRFaceChildren, ClusterFailures, 0x4002, 0, 0}};
// depth 1: left main tank needle
NeedleElement FuelLeftNeedle = {
    {kNeedle, 262, kFuelLeftPivot, {}, kClusterNeedleHub, &EngineRGauge, nullptr, FuelLeftNeedleChildren, ClusterFailures, 0x4003, 0, 0},
    {0x130, nullptr, 0, 0, 0}, FuelLeftScale, DialEntries(FuelLeftScale), 6, FuelQuantityValue};
// depth 2: fuel pressure needle
NeedleElement FuelPressNeedle = {
    {kNeedle, 262, kFuelPressPivot, {}, kClusterNeedleHub, &EngineRGauge, nullptr, FuelPressNeedleChildren, ClusterFailures, 0x4003, 0, 0},
    {0x1a9, nullptr, 0, 0, 0}, FuelPressScale, DialEntries(FuelPressScale), 6, FuelPressValue};
// depth 3: right main tank needle
NeedleElement FuelRightNeedle = {
    {kNeedle, 262, kFuelRightPivot, {}, kClusterNeedleHub, &EngineRGauge, nullptr, FuelRightNeedleChildren, ClusterFailures, 0x4003, 0, 0},
    {0x12f, nullptr, 0, 0, 0}, FuelRightScale, DialEntries(FuelRightScale), 6, FuelQuantityValue};
// depth 4: overlay over the pivots
StaticImageElement EngineROverlay = {
    {kStaticImage, 261, {0, 0}, {}, {}, &EngineRGauge, nullptr, nullptr, ClusterFailures, 0x4001, 0, 0}};

Element* EngineRElements[] = {&EngineRFace.base, nullptr};

// Both tanks report US gallons, which the dials read as they come.
double FuelQuantityValue(Element* needle) { return ClampToDial(NeedleReading(needle), 0, 40); }

// The fuel pressure variable counts 1440 to the psi that the dial reads.
double FuelPressValue(Element* needle) { return ClampToDial(NeedleReading(needle) / 1440, 0, 10); }

// ---------------------------------------------------------------------------

// Display only: a whole-gauge area without help text, for both strips.
const MouseRect ClusterMouse[] = {
    {kMouseParent,    0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
    {kMouseEndList,   0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0},
};

}  // namespace

GaugeHeader EngineLGauge = {kHeaderVersion, "EngineL", EngineLElements,
                            Routines::One, Routines::Two, Routines::Three, Routines::Four,
                            Routines::Five, Routines::Six, Routines::Seven,
                            250, ClusterMouse, nullptr, nullptr, 0};

GaugeHeader EngineRGauge = {kHeaderVersion, "EngineR", EngineRElements,
                            Routines::One, Routines::Two, Routines::Three, Routines::Four,
                            Routines::Five, Routines::Six, Routines::Seven,
                            250, ClusterMouse, nullptr, nullptr, 0};
