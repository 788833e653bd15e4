// RadioDME: speed in knots on the left of the window, distance in nautical
// miles on the right. Unlike the other radios the DME keeps two switches of
// its own, a power switch and an R1/R2 source selector; they belong to the
// module, so every copy of the gauge on the panels switches together.
#include <cstdio>

#include "records.h"
#include "text.h"

namespace radios {
namespace {

// Module state: zero when the module loads (off, source R1), never reset.
uint8_t DmePower = 0;   // 0 off: both texts empty, switch drawn at OFF; 1 on
uint8_t DmeSource = 0;  // 0 R1: speed 0x20, distance 0x1f; 1 R2: speed 0x24, distance 0x23

double DmePowerFrame(Element* element);
double DmeSourceFrame(Element* element);
double DmeDistanceText(Element* element);
double DmeSpeedText(Element* element);
int32_t DmeSwitchOff(MousePoint point, uint32_t mouse_flags);
int32_t DmeSwitchOn(MousePoint point, uint32_t mouse_flags);
int32_t DmeToggleSource(MousePoint point, uint32_t mouse_flags);

using namespace dme;
constexpr uint32_t kClick = 0x20000000;

// The texts hang below the selector, the speed below the distance.
struct DmeRecords {
  StaticImageElement face;
  Element* face_children[3];
  IconElement800 power;
  IconElement800 source;
  Element* source_children[2];
  StringElement distance;
  Element* distance_children[2];
  StringElement speed;
  FailureRecord text_failures[4];
  Element* top[2];
  MouseRect mouse[8];
};

constinit DmeRecords Dme = {
    .face = {Base(kStaticImage, 356, {0, 0}, &RadioDMEGauge, Dme.face_children, nullptr, 0x1)},
    .face_children = {&Dme.power.icon.base, &Dme.source.icon.base, nullptr},
    .power = Icon(Base(kIcon, 360, Corner(kPowerSwitch), &RadioDMEGauge, nullptr, nullptr, 0x4001),
                  0, 2, DmePowerFrame),      // 360 at OFF, 361 on
    .source = Icon(Base(kIcon, 358, Corner(kSourceSelector), &RadioDMEGauge, Dme.source_children, nullptr, 0x4001),
                   0, 2, DmeSourceFrame),    // 358 lever up to R1, 359 down to R2
    .source_children = {&Dme.distance.base, nullptr},
    .distance = Text(Base(kString, -1, Corner(kDistanceText), &RadioDMEGauge, Dme.distance_children, Dme.text_failures, 0x7),
                     0x1f, 0x23, 0x163, SizeOf(kDistanceText), 8, nullptr, DmeDistanceText),
    .distance_children = {&Dme.speed.base, nullptr},
    .speed = Text(Base(kString, -1, Corner(kSpeedText), &RadioDMEGauge, nullptr, Dme.text_failures, 0x7),
                  0x20, 0x24, 0x163, SizeOf(kSpeedText), 7, nullptr, DmeSpeedText),
    .text_failures = {{20, 3, 0}, {21, 3, 0}, {13, 0, 0}, {0, 0, 0}},
    .top = {&Dme.face.base, nullptr},
    .mouse = {
        Parent(kWholeGauge, 42756),
        HandlerChild(kPowerOff, kCursorLower, kClick, DmeSwitchOff),    // left part of the power switch
        HandlerChild(kPowerOn, kCursorRaise, kClick, DmeSwitchOn),      // right part of the power switch
        Parent(kSourceArea, 42760),                                      // source selector
        HandlerChild(kSourcePress, kCursorPush, kClick, DmeToggleSource),
        kEndParent,
        kEndParent,
        kEndList,
    },
};

double DmePowerFrame(Element*) { return DmePower; }
double DmeSourceFrame(Element*) { return DmeSource; }

// The speed is read as the low 16 bits of its whole knots, so a small
// negative speed wraps to a large number and shows dashes.
uint16_t WholeKnots(const ModuleVar& var) { return static_cast<uint16_t>(TruncToInt32(VarDouble(var))); }

double DmeSpeedText(Element* element) {
  auto* s = reinterpret_cast<StringElement*>(element);
  const uint16_t r1 = WholeKnots(s->vars[0]);
  const uint16_t r2 = WholeKnots(s->vars[1]);
  if (DmePower == 0) {
    WriteElementText(s, "");
  } else {
    const uint16_t knots = DmeSource == 0 ? r1 : r2;
    char text[16];
    if (knots >= 1 && knots <= 649)
      std::snprintf(text, sizeof text, "%4d KT", knots);
    else
      std::snprintf(text, sizeof text, "---- KT");
    WriteElementText(s, text);
  }
  return r1;
}

double DmeDistanceText(Element* element) {
  auto* s = reinterpret_cast<StringElement*>(element);
  const double r1 = VarDouble(s->vars[0]);
  const double r2 = VarDouble(s->vars[1]);
  if (DmePower == 0) {
    WriteElementText(s, "");
    return r1;
  }
  const double miles = DmeSource == 0 ? r1 : r2;
  char text[16];
  // The host's "no distance" is -1.0. Three places hold 0 to 999 miles, and
  // no other negative distance, NaN or infinity means anything to a pilot:
  // all of them show dashes.
  if (miles >= 0.0 && miles < 1000.0) {
    const int32_t whole = TruncToInt32(miles);
    const int32_t tenths = TruncToInt32((miles - whole) * 10.0);  // cut off, never carried up
    std::snprintf(text, sizeof text, "%3d.%1d NM", whole, tenths);
  } else {
    std::snprintf(text, sizeof text, "---.- NM");
  }
  WriteElementText(s, text);
  return r1;
}

// Clicking the side the switch is already on changes nothing.
int32_t DmeSwitchOff(MousePoint, uint32_t) {
  DmePower = 0;
  return 0;
}
int32_t DmeSwitchOn(MousePoint, uint32_t) {
  DmePower = 1;
  return 0;
}
int32_t DmeToggleSource(MousePoint, uint32_t) {
  DmeSource = 1 - DmeSource;
  return 0;
}

}  // namespace
}  // namespace radios

constinit GaugeHeader RadioDMEGauge = radios::Header("RadioDME", radios::Dme.top, radios::Dme.mouse);
