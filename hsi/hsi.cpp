// hsi: the horizontal situation indicator. A compass card turns with the
// heading under a fixed lubber mark; the heading bug, course pointer, TO and
// FROM arrows, deviation bar and NAV flag ride on the card, so each of them
// turns by its own angle minus the heading. A glideslope pointer with its GS
// flag stands at the left edge, and two knobs sit in the lower corners.
//
// The elements form one chain, twelve deep: each element's single child is
// drawn over it.
#include <cmath>

#include "gauges.h"
#include "geometry.h"

using namespace hsi;

namespace {

// ---------------------------------------------------------------------------
// Module state: three host variables that the callbacks refresh themselves.

ModuleVar HsiHeadingVar = {0x54, nullptr, 0, 0, 0};   // heading, degrees; 0 until first refreshed
ModuleVar HsiToFromVar  = {0x2B, nullptr, 0, 0, 0};   // read as an integer: 0 none, 1 TO, 2 FROM
ModuleVar HsiGsFlagVar  = {0x354, nullptr, 0, 0, 0};  // above 0 hides the GS flag

void ShowOnlyIf(Element* element, bool shown) {
  if (shown)
    element->draw_flags &= ~kHidden;
  else
    element->draw_flags |= kHidden;
}

// A heading source that reports NaN or infinity must not hand the host an
// angle it cannot draw; such a pointer stays as its picture is drawn.
double DrawableAngle(double degrees) { return std::isfinite(degrees) ? degrees : 0.0; }

// ---------------------------------------------------------------------------
// Value callbacks, defined under the records they serve

double HsiCardAngle(Element* element);

// HsiRelativeToHeading: a pointer on the card turns by its reading minus
// the heading. ShownFor names the TO/FROM state in which its element is
// drawn; every other state, the out-of-range ones too, hides it.
// kAlwaysShown leaves the draw flags alone; no 32-bit state can equal it.
constexpr int64_t kAlwaysShown = -1;
double NeedleReading(Element* element);
double RotationReading(Element* element);
template <double (*Reading)(Element*), int64_t ShownFor>
double HsiRelativeToHeading(Element* element);

//                                             reads            shown for TO/FROM
constexpr ValueCallback HsiBugAngle      = HsiRelativeToHeading<NeedleReading,   kAlwaysShown>;
constexpr ValueCallback HsiCourseAngle   = HsiRelativeToHeading<NeedleReading,   kAlwaysShown>;
constexpr ValueCallback HsiFromAngle     = HsiRelativeToHeading<NeedleReading,   2>;
constexpr ValueCallback HsiToAngle       = HsiRelativeToHeading<NeedleReading,   1>;
constexpr ValueCallback HsiBarRotation   = HsiRelativeToHeading<RotationReading, kAlwaysShown>;
constexpr ValueCallback HsiNavFlagAngle  = HsiRelativeToHeading<NeedleReading,   0>;

// HsiClampUnit: the glideslope pointer and the GS flag, held to -1..1.
double HsiClampUnitGlideslope(Element* element);
double HsiClampUnitGsFlag(Element* element);

// ---------------------------------------------------------------------------
// Failure lists: (failure key, action)

const FailureRecord CardFailures[] = {        // compass card, heading bug
    {11, 1, 0}, {20, 1, 0}, {0, 0, 0}};
const FailureRecord NavFailures[] = {         // course pointer, TO/FROM arrows, deviation bar
    {11, 1, 0}, {14, 2, 0}, {20, 1, 0}, {21, 2, 0}, {0, 0, 0}};
const FailureRecord GlideslopeFailures[] = {  // glideslope pointer
    {14, 2, 0}, {20, 1, 0}, {21, 2, 0}, {0, 0, 0}};

// ---------------------------------------------------------------------------
// Element chain, depth 0 (the bezel) to 11 (the NAV flag)

extern StaticImageElement Bezel;
extern NeedleElement Card, HeadingBug, CoursePointer, FromArrow, ToArrow;
extern SpriteElement DeviationBar;
extern SliderElement GlideslopePointer;
extern IconElement GsFlag;
extern NeedleElement RightKnob, LeftKnob, NavFlag;

Element* BezelNext[]             = {&Card.base, nullptr};
Element* CardNext[]              = {&HeadingBug.base, nullptr};
Element* HeadingBugNext[]        = {&CoursePointer.base, nullptr};
Element* CoursePointerNext[]     = {&FromArrow.base, nullptr};
Element* FromArrowNext[]         = {&ToArrow.base, nullptr};
Element* ToArrowNext[]           = {&DeviationBar.base, nullptr};
Element* DeviationBarNext[]      = {&GlideslopePointer.base, nullptr};
Element* GlideslopePointerNext[] = {&GsFlag.base, nullptr};
Element* GsFlagNext[]            = {&RightKnob.base, nullptr};
Element* RightKnobNext[]         = {&LeftKnob.base, nullptr};
Element* LeftKnobNext[]          = {&NavFlag.base, nullptr};

// Needles carry no calibration table: their value is an angle in degrees,
// clockwise from the way the picture is drawn, applied at once (0 degrees
// per update means no limit).
//
//  kind          bitmap               position         prev pivot                 gauge      prev     children                failures            flags   special reserved

StaticImageElement Bezel = {  // depth 0: lubber mark, 45-degree marks, glideslope scale
    {kStaticImage, kBezel.id,           {0, 0},           {}, {0, 0},                &hsiGauge, nullptr, BezelNext,             nullptr,            0x4083, 0, 0}};

NeedleElement Card = {  // depth 1: compass card, N at the top of the picture
    {kNeedle,      kCard.id,            kCentre,          {}, kCard.pivot,           &hsiGauge, nullptr, CardNext,              CardFailures,       0x4083, 0, 0},
    {0x54, nullptr, 0, 0, 0}, nullptr, 0, 0, HsiCardAngle};

NeedleElement HeadingBug = {  // depth 2: heading bug on the card's rim
    {kNeedle,      kHeadingBug.id,      kCentre,          {}, kHeadingBug.pivot,     &hsiGauge, nullptr, HeadingBugNext,        CardFailures,       0x4083, 0, 0},
    {0x357, nullptr, 0, 0, 0}, nullptr, 0, 0, HsiBugAngle};

NeedleElement CoursePointer = {  // depth 3: course arrow on the dark disc with the deviation dots
    {kNeedle,      kCoursePointer.id,   kCentre,          {}, kCoursePointer.pivot,  &hsiGauge, nullptr, CoursePointerNext,     NavFailures,        0x4083, 0, 0},
    {0x356, nullptr, 0, 0, 0}, nullptr, 0, 0, HsiCourseAngle};

NeedleElement FromArrow = {  // depth 4: FROM arrow, shown only for FROM
    {kNeedle,      kFromArrow.id,       kCentre,          {}, kFromArrow.pivot,      &hsiGauge, nullptr, FromArrowNext,         NavFailures,        0x4083, 0, 0},
    {0x356, nullptr, 0, 0, 0}, nullptr, 0, 0, HsiFromAngle};

NeedleElement ToArrow = {  // depth 5: TO arrow, shown only for TO
    {kNeedle,      kToArrow.id,         kCentre,          {}, kToArrow.pivot,        &hsiGauge, nullptr, ToArrowNext,           NavFailures,        0x4083, 0, 0},
    {0x356, nullptr, 0, 0, 0}, nullptr, 0, 0, HsiToAngle};

SpriteElement DeviationBar = {  // depth 6: deviation bar, slides with the CDI and turns with the course
    {kSprite,      kDeviationBar.id,    kDeviationWindowAt, {}, kCentre,             &hsiGauge, nullptr, DeviationBarNext,      NavFailures,        0x4083, 0, 0},
    {0x28, nullptr, 0, 0, 0},  kDeviationScale,            // x: CDI needle
    {0, nullptr, 0, 0, 0},     0.0,                        // y: none
    {0x356, nullptr, 0, 0, 0}, -1.0,                       // rotation: course
    kDeviationTextureScale, kDeviationTextureScale,
    nullptr, nullptr, HsiBarRotation};

SliderElement GlideslopePointer = {  // depth 7: glideslope pointer, down for positive values
    {kSlider,      kGlideslopePtr.id,   kGlideslopeAt,    {}, {0, 0},                &hsiGauge, nullptr, GlideslopePointerNext, GlideslopeFailures, 0x4083, 0, 0},
    {0, nullptr, 0, 0, 0},     1.0,                        // x: none
    {0x352, nullptr, 0, 0, 0}, kGlideslopeScale,           // y: glideslope
    nullptr, HsiClampUnitGlideslope};

IconElement GsFlag = {  // depth 8: GS flag over the glideslope scale, one frame
    {kIcon,        kGsFlag.id,          {20, 129},        {}, {0, 0},                &hsiGauge, nullptr, GsFlagNext,            nullptr,            0x4083, 0, 0},
    {0x353, nullptr, 0, 0, 0}, 0, 1, HsiClampUnitGsFlag};

NeedleElement RightKnob = {  // depth 9: PUSH CARD SET knob, turns with its variable
    {kNeedle,      kRightKnob.id,       kRightKnobAt,     {}, kRightKnob.pivot,      &hsiGauge, nullptr, RightKnobNext,         nullptr,            0x4083, 0, 0},
    {0x6B, nullptr, 0, 0, 0}, nullptr, 0, 0, nullptr};

NeedleElement LeftKnob = {  // depth 10: course knob, turns with its variable
    {kNeedle,      kLeftKnob.id,        kLeftKnobAt,      {}, kLeftKnob.pivot,       &hsiGauge, nullptr, LeftKnobNext,          nullptr,            0x4083, 0, 0},
    {0x2D, nullptr, 0, 0, 0}, nullptr, 0, 0, nullptr};

NeedleElement NavFlag = {  // depth 11: NAV flag, shown only with no TO/FROM indication
    {kNeedle,      kNavFlag.id,         kCentre,          {}, kNavFlag.pivot,        &hsiGauge, nullptr, nullptr,               nullptr,            0x4003, 0, 0},
    {0x2D, nullptr, 0, 0, 0}, nullptr, 0, 0, HsiNavFlagAngle};

Element* HsiElements[] = {&Bezel.base, nullptr};

// ---------------------------------------------------------------------------
// Mouse rectangles. Each knob half is 31 pixels wide, so columns 31 and 63
// of a knob answer to neither half.
//
//  type             x    y    w   h  cursor help   mouse flags  key event handler data
const MouseRect HsiMouse[] = {
    {kMouseParent,     0,   0,  0,  0, -1, 43830, 0,          0,       nullptr, 0},  // whole gauge
    {kMouseParent,     8, 280, 64, 64, -1, 43832, 0,          0,       nullptr, 0},  // left knob
    {kMouseChild,      0,   0, 31, 64,  2,     0, 0x20200000, 0x1007E, nullptr, 0},  //   left half lowers
    {kMouseChild,     32,   0, 31, 64,  1,     0, 0x20200000, 0x1007F, nullptr, 0},  //   right half raises
    {kMouseEndParent,  0,   0,  0,  0, -1,     0, 0,          0,       nullptr, 0},
    {kMouseParent,   287, 280, 64, 64, -1, 43827, 0,          0,       nullptr, 0},  // right knob
    {kMouseChild,      0,   0, 31, 64,  2,     0, 0x20200000, 0x10158, nullptr, 0},  //   left half lowers
    {kMouseChild,     32,   0, 31, 64,  1,     0, 0x20200000, 0x10157, nullptr, 0},  //   right half raises
    {kMouseEndParent,  0,   0,  0,  0, -1,     0, 0,          0,       nullptr, 0},
    {kMouseEndParent,  0,   0,  0,  0, -1,     0, 0,          0,       nullptr, 0},  // closes the whole gauge
    {kMouseEndList,    0,   0,  0,  0, -1,     0, 0,          0,       nullptr, 0},
};

}  // namespace

GaugeHeader hsiGauge = {kHeaderVersion, "hsi", HsiElements,
                        Routines::One, Routines::Two, Routines::Three, Routines::Four,
                        Routines::Five, Routines::Six, Routines::Seven,
                        120, HsiMouse, nullptr, nullptr, 0};

namespace {

// ---------------------------------------------------------------------------
// Value callbacks of the chain above

// The card turns against the heading. The result is left unwrapped: 360 at
// north draws the same as 0.
double HsiCardAngle(Element* element) {
  return DrawableAngle(360.0 - VarDouble(reinterpret_cast<NeedleElement*>(element)->var));
}

// What a member of HsiRelativeToHeading reads: a needle's own variable, or
// the deviation bar sprite's rotation variable.
double NeedleReading(Element* element) {
  return VarDouble(reinterpret_cast<NeedleElement*>(element)->var);
}
double RotationReading(Element* element) {
  return VarDouble(reinterpret_cast<SpriteElement*>(element)->rotation_var);
}

// Unwrapped: heading 350 and bug 30 give -320, which draws as 40 clockwise.
template <double (*Reading)(Element*), int64_t ShownFor>
double HsiRelativeToHeading(Element* element) {
  const double reading = Reading(element);
  if constexpr (ShownFor != kAlwaysShown) {
    ForwardLookupVar(&HsiToFromVar);
    ShowOnlyIf(element, VarU32(HsiToFromVar) == ShownFor);
  }
  ForwardLookupVar(&HsiHeadingVar);
  return DrawableAngle(reading - VarDouble(HsiHeadingVar));
}

// The upper bound is tested first, so a value on a bound passes unchanged.
// A reading that is not a number centres the pointer and leaves the GS flag
// showing, as a dead receiver would.
double ClampUnit(double value) {
  if (value > 1.0) return 1.0;
  if (value < -1.0) return -1.0;
  return std::isnan(value) ? 0.0 : value;
}

// HsiClampUnit, glideslope pointer: one unit is the pointer's full travel.
double HsiClampUnitGlideslope(Element* element) {
  return ClampUnit(VarDouble(reinterpret_cast<SliderElement*>(element)->y_var));
}

// HsiClampUnit, GS flag: a positive token variable 0x354 takes the flag out
// of view whatever the frame; otherwise a negative frame shows nothing.
double HsiClampUnitGsFlag(Element* element) {
  ForwardLookupVar(&HsiGsFlagVar);
  ShowOnlyIf(element, !(VarDouble(HsiGsFlagVar) > 0.0));
  return ClampUnit(VarDouble(reinterpret_cast<IconElement*>(element)->var));
}

}  // namespace
