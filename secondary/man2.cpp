// Man2: manifold pressure gauge that a click in its middle shows or hides.
// Hidden, nothing of it shows: its all-black base is transparent.
#include "dials.h"
#include "gauges.h"

// 0 hides face and needle, 1 shows them. Module-wide: every copy follows it.
static uint8_t ManifoldShown = 0;

namespace {

extern IconElement Man2Face;
extern NeedleElement Man2Needle;

Element* Man2BaseChildren[] = {&Man2Face.base, nullptr};
Element* Man2FaceChildren[] = {&Man2Needle.base, nullptr};

double Man2PressureValue(Element* element);

// depth 0: all-black base, invisible
StaticImageElement Man2Base = {
    {kStaticImage, 288, {0, 0}, {}, {}, &Man2Gauge, nullptr, Man2BaseChildren, nullptr, 0x4001, 0, 0}};
// depth 1: face, 10 to 35 inches of mercury
IconElement Man2Face = {
    {kIcon, 293, {0, 0}, {}, {}, &Man2Gauge, nullptr, Man2FaceChildren, nullptr, 0x4083, 0, 0},
    {0, nullptr, 0, 0, 0}, 0, 1, nullptr};
// depth 2: needle, the same picture as the tachometer's
NeedleElement Man2Needle = {
    {kNeedle, 290, kDialPivot, {}, kDialNeedleHub, &Man2Gauge, nullptr, nullptr, nullptr, 0x4003, 0, 0},
    {0x187, nullptr, 0, 0, 0}, ManifoldScale, Entries(ManifoldScale), 6, Man2PressureValue};

Element* Man2Elements[] = {&Man2Base.base, nullptr};

// The host reports manifold pressure in lb/ft²; the dial reads inches of
// mercury and the needle rests on its stops beyond 0 and 35.
double Man2PressureValue(Element* element) {
  const double inhg = VarDouble(reinterpret_cast<NeedleElement*>(element)->var) * 0.014139;
  if (inhg > 35) return 35;
  if (inhg < 0) return 0;
  return inhg;
}

int32_t Man2SwitchDisplay(MousePoint, uint32_t);

// The centre area stays live while the gauge is hidden, so a second click
// brings it back.
const MouseRect Man2Mouse[] = {
    {kMouseParent,     0,  0,   0,   0, -1, 43846,          0, 0, nullptr,           0},
    {kMouseChild,     50, 50, 200, 200,  5,     0, 0x20000000, 0, Man2SwitchDisplay, 0},  // centre: show or hide
    {kMouseEndParent,  0,  0,   0,   0, -1,     0,          0, 0, nullptr,           0},
    {kMouseEndList,    0,  0,   0,   0, -1,     0,          0, 0, nullptr,           0},
};

// The click only records the choice; the next service id 6 shows it.
int32_t Man2SwitchDisplay(MousePoint, uint32_t) {
  ManifoldShown = 1 - ManifoldShown;
  return 0;
}

// On service id 6 face and needle (depths 1 and 2) follow ManifoldShown.
void Man2GaugeCallback(GaugeHeader* gauge, uint32_t service_id, uint32_t) {
  if (service_id != 6) return;
  Element* top = gauge->elements[0];
  auto apply = ManifoldShown ? ClearChainElementFlags : SetChainElementFlags;
  for (uint32_t depth = 1; depth <= 2; ++depth) apply(top, depth, kHidden);
}

}  // namespace

GaugeHeader Man2Gauge = {kHeaderVersion, "Man2", Man2Elements,
                         Routines::One, Routines::Two, Routines::Three, Routines::Four,
                         Routines::Five, Routines::Six, Routines::Seven,
                         20, Man2Mouse, Man2GaugeCallback, nullptr, 0};
