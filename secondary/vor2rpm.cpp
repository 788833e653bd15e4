// Vor2rpm: one instrument position that shows either the second VOR
// indicator or the engine tachometer. A click in the middle of the face
// swaps them; the OBS knob at the lower left works whichever is shown.
#include "dials.h"
#include "gauges.h"

// Which instrument the face shows: 0 the VOR indicator, 1 the tachometer.
// Module-wide, so every copy of the gauge on the panels swaps together.
static uint8_t RpmSelected = 0;

namespace {

// The eight elements form one chain, each the only child of the one above,
// so the gauge callback can reach any of them by its depth.
extern StaticImageElement Vor2rpmBase;
extern IconElement TachFace;
extern NeedleElement TachNeedle;
extern IconElement VorFace;
extern SpriteElement ObsCard;
extern IconElement ToFromFlag;
extern NeedleElement DeviationNeedle;
extern StaticImageElement CourseIndex;

Element* Vor2rpmBaseChildren[]     = {&TachFace.base, nullptr};
Element* TachFaceChildren[]        = {&TachNeedle.base, nullptr};
Element* TachNeedleChildren[]      = {&VorFace.base, nullptr};
Element* VorFaceChildren[]         = {&ObsCard.base, nullptr};
Element* ObsCardChildren[]         = {&ToFromFlag.base, nullptr};
Element* ToFromFlagChildren[]      = {&DeviationNeedle.base, nullptr};
Element* DeviationNeedleChildren[] = {&CourseIndex.base, nullptr};

const FailureRecord Nav2Failures[] = {{20, 2, 0}, {15, 2, 0}, {0, 0, 0}};

double Vor2rpmRpmValue(Element* element);
double Vor2rpmToFromFrame(Element* element);

// depth 0: all-black base, invisible
StaticImageElement Vor2rpmBase = {
    {kStaticImage, 288, {0, 0}, {}, {}, &Vor2rpmGauge, nullptr, Vor2rpmBaseChildren, nullptr, 0x1, 0, 0}};
// depth 1: tachometer face, 5 to 30 hundred RPM
IconElement TachFace = {
    {kIcon, 289, {0, 0}, {}, {}, &Vor2rpmGauge, nullptr, TachFaceChildren, nullptr, 0x4083, 0, 0},
    {0, nullptr, 0, 0, 0}, 0, 1, nullptr};
// depth 2: tachometer needle
NeedleElement TachNeedle = {
    {kNeedle, 290, kDialPivot, {}, kDialNeedleHub, &Vor2rpmGauge, nullptr, TachNeedleChildren, nullptr, 0x4003, 0, 0},
    {0x186, nullptr, 0, 0, 0}, RpmScale, Entries(RpmScale), 6, Vor2rpmRpmValue};
// depth 3: VOR face: bezel, inner dial, arc of deviation dots
IconElement VorFace = {
    {kIcon, 272, {0, 0}, {}, {}, &Vor2rpmGauge, nullptr, VorFaceChildren, nullptr, 0x4003, 0, 0},
    {0, nullptr, 0, 0, 0}, 0, 1, nullptr};
// depth 4: OBS card turning behind the fixed inner dial (bitmap 281)
SpriteElement ObsCard = {
    {kSprite, 280, kCardWindow, {}, kCardCentre, &Vor2rpmGauge, nullptr, ObsCardChildren, nullptr, 0x4081, 0, 0},
    {0, nullptr, 0, 0, 0}, 0.0,      // x: fixed
    {0, nullptr, 0, 0, 0}, 0.0,      // y: fixed
    {0x36, nullptr, 0, 0, 0}, 1.0,   // rotation: OBS course
    kCardScale, kCardScale, nullptr, nullptr, nullptr};
// depth 5: TO/FROM window, frames TO, FROM, OFF
IconElement ToFromFlag = {
    {kIcon, 276, kToFromWindow, {}, {}, &Vor2rpmGauge, nullptr, ToFromFlagChildren, Nav2Failures, 0x4003, 0, 0},
    {0x34, nullptr, 0, 0, 0}, 0, 3, Vor2rpmToFromFrame};
// depth 6: deviation needle hanging from above the centre
NeedleElement DeviationNeedle = {
    {kNeedle, 274, kDeviationPivot, {}, kDeviationNeedleHub, &Vor2rpmGauge, nullptr, DeviationNeedleChildren, Nav2Failures, 0x4003, 0, 0},
    {0x32, nullptr, 0, 0, 0}, DeviationScale, Entries(DeviationScale), 6, nullptr};
// depth 7: yellow course index, over the card and the needle's upper end
StaticImageElement CourseIndex = {
    {kStaticImage, 273, {141, 55}, {}, {}, &Vor2rpmGauge, nullptr, nullptr, nullptr, 0x4001, 0, 0}};

Element* Vor2rpmElements[] = {&Vor2rpmBase.base, nullptr};

// The tachometer needle rests on its stops rather than wrapping round the dial.
double Vor2rpmRpmValue(Element* element) {
  const double rpm = VarDouble(reinterpret_cast<NeedleElement*>(element)->var);
  if (rpm > 3000) return 3000;
  if (rpm < 0) return 0;
  return rpm;
}

// The receiver reports 0 off, 1 TO, 2 FROM in the low word; anything else
// leaves the window empty.
double Vor2rpmToFromFrame(Element* element) {
  switch (VarU16(reinterpret_cast<IconElement*>(element)->var)) {
    case 1: return 0;   // TO
    case 2: return 1;   // FROM
    case 0: return 2;   // OFF
    default: return -1;
  }
}

int32_t Vor2rpmSwitchDisplay(MousePoint, uint32_t);

const MouseRect Vor2rpmMouse[] = {
    {kMouseParent,             0,          0,            0,            0, -1,     0,          0,       0, nullptr,              0},
    {kMouseChild,             50,         50,          200,          200,  5,     0, 0x20000000,       0, Vor2rpmSwitchDisplay, 0},  // centre: swap instruments
    {kMouseParent,    kObsKnob.x, kObsKnob.y, kObsKnobSize, kObsKnobSize, -1, 43891,          0,       0, nullptr,              0},  // OBS knob, (2,232) 64 x 64
    {kMouseChild,              0,          0,           32,           64,  2,     0, 0x20200000, 0x10080, nullptr,              0},  // left half: course down
    {kMouseChild,             32,          0,           32,           64,  1,     0, 0x20200000, 0x10081, nullptr,              0},  // right half: course up
    {kMouseEndParent,          0,          0,            0,            0, -1,     0,          0,       0, nullptr,              0},  // closes the knob
    {kMouseEndParent,          0,          0,            0,            0, -1,     0,          0,       0, nullptr,              0},  // closes the whole gauge
    {kMouseEndList,            0,          0,            0,            0, -1,     0,          0,       0, nullptr,              0},
};

// The click only records the choice; the next service id 6 shows it.
int32_t Vor2rpmSwitchDisplay(MousePoint, uint32_t) {
  RpmSelected = 1 - RpmSelected;
  return 0;
}

// On service id 6 the hidden flag follows RpmSelected: depths 1 and 2 are
// the tachometer, 3 to 7 the VOR indicator. The base at depth 0 stays.
void Vor2rpmGaugeCallback(GaugeHeader* gauge, uint32_t service_id, uint32_t) {
  if (service_id != 6) return;
  Element* top = gauge->elements[0];
  auto tachometer = RpmSelected ? ClearChainElementFlags : SetChainElementFlags;
  auto vor = RpmSelected ? SetChainElementFlags : ClearChainElementFlags;
  for (uint32_t depth = 1; depth <= 2; ++depth) tachometer(top, depth, kHidden);
  for (uint32_t depth = 3; depth <= 7; ++depth) vor(top, depth, kHidden);
}

}  // namespace

GaugeHeader Vor2rpmGauge = {kHeaderVersion, "Vor2rpm", Vor2rpmElements,
                            Routines::One, Routines::Two, Routines::Three, Routines::Four,
                            Routines::Five, Routines::Six, Routines::Seven,
                            100, Vor2rpmMouse, Vor2rpmGaugeCallback, nullptr, 0};
