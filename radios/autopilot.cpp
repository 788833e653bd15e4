// RadioAP: the autopilot control head. A button is lit while the simulator
// reports its mode engaged; the window shows the lateral and heading modes,
// the selected altitude and the selected vertical speed. Every click is a
// host key event, so the gauge keeps nothing between updates.
#include <cstdio>

#include "records.h"
#include "text.h"

namespace radios {
namespace {

using namespace autopilot;

double ApHeadingModeText(Element* element);
double ApLateralModeText(Element* element);
double ApAltitudeText(Element* element);
double ApVerticalSpeedText(Element* element);

constexpr uint32_t kClick = 0x20000000;
constexpr uint32_t kStep = 0x20200000;

struct AutopilotRecords {
  StaticImageElement face;
  Element* face_children[11];
  IconElement800 ap, hdg, nav, apr, rev, alt;
  StringElement heading, lateral, altitude, vertical_speed;
  FailureRecord failures[3];
  Element* top[2];
  MouseRect mouse[27];
};

constexpr Element LitButton(const ModeButton& b, GaugeHeader* gauge, const FailureRecord* failures) {
  return Base(kIcon, b.lit_bitmap, Corner(b.icon), gauge, nullptr, failures, 0x7);
}
// A mode button's help area and the press zone inside it.
constexpr MouseRect ButtonArea(const ModeButton& b, uint32_t help_id) {
  return Parent(At(Corner(b.icon), kButtonArea), help_id);
}

constinit AutopilotRecords Ap = {
    .face = {Base(kStaticImage, 320, {0, 0}, &RadioAPGauge, Ap.face_children, nullptr, 0x1)},
    .face_children = {&Ap.ap.icon.base, &Ap.hdg.icon.base, &Ap.nav.icon.base, &Ap.apr.icon.base,
                      &Ap.rev.icon.base, &Ap.alt.icon.base, &Ap.heading.base, &Ap.lateral.base,
                      &Ap.altitude.base, &Ap.vertical_speed.base, nullptr},
    .ap = Icon(LitButton(kAp, &RadioAPGauge, Ap.failures), 0x67, 1, VarMinusOne),    // lit AP button
    .hdg = Icon(LitButton(kHdg, &RadioAPGauge, Ap.failures), 0x6a, 1, VarMinusOne),  // lit HDG button
    .nav = Icon(LitButton(kNav, &RadioAPGauge, Ap.failures), 0x69, 1, VarMinusOne),  // lit NAV button
    .apr = Icon(LitButton(kApr, &RadioAPGauge, Ap.failures), 0x70, 1, VarMinusOne),  // lit APR button
    .rev = Icon(LitButton(kRev, &RadioAPGauge, Ap.failures), 0x71, 1, VarMinusOne),  // lit REV button
    .alt = Icon(LitButton(kAlt, &RadioAPGauge, Ap.failures), 0x6c, 1, VarMinusOne),  // lit ALT button
    .heading = Text(Base(kString, -1, Corner(kHeadingText), &RadioAPGauge, nullptr, Ap.failures, 0x6, 0x2),
                    0x6a, 0, 0, SizeOf(kHeadingText), 3, nullptr, ApHeadingModeText),        // lower left
    .lateral = Text(Base(kString, -1, Corner(kLateralText), &RadioAPGauge, nullptr, Ap.failures, 0x6, 0),
                    0x69, 0x70, 0x71, SizeOf(kLateralText), 3, nullptr, ApLateralModeText),  // upper left
    .altitude = Text(Base(kString, -1, Corner(kAltitudeText), &RadioAPGauge, nullptr, Ap.failures, 0x6, 0x1),
                     0x6d, 0, 0, SizeOf(kAltitudeText), 9, nullptr, ApAltitudeText),         // upper right
    .vertical_speed = Text(Base(kString, -1, Corner(kVerticalSpeedText), &RadioAPGauge, nullptr, Ap.failures, 0x6, 0),
                           0x78, 0, 0, SizeOf(kVerticalSpeedText), 9, nullptr, ApVerticalSpeedText),  // lower right
    .failures = {{20, 3, 0}, {21, 3, 0}, {0, 0, 0}},
    .top = {&Ap.face.base, nullptr},
    .mouse = {
        Parent(kWholeGauge, 0),
        ButtonArea(kNav, 44421),
        KeyChild(kButtonPress, kCursorPush, kClick, 0x100c1),   // press NAV
        kEndParent,
        ButtonArea(kApr, 44419),
        KeyChild(kButtonPress, kCursorPush, kClick, 0x100bc),   // press APR
        kEndParent,
        ButtonArea(kRev, 44418),
        KeyChild(kButtonPress, kCursorPush, kClick, 0x100c0),   // press REV
        kEndParent,
        ButtonArea(kAp, 43790),
        KeyChild(kButtonPress, kCursorPush, kClick, 0x1002c),   // press AP
        kEndParent,
        ButtonArea(kAlt, 44428),
        KeyChild(kButtonPress, kCursorPush, kClick, 0x10107),   // press ALT
        kEndParent,
        ButtonArea(kHdg, 44423),
        KeyChild(kButtonPress, kCursorPush, kClick, 0x10106),   // press HDG
        kEndParent,
        Parent(kAltitudeArea, 44429),                            // over the altitude digits
        KeyChild(kAltitudeDown, kCursorLower, kStep, 0x10165),  // left half: lowers the altitude
        KeyChild(kAltitudeUp, kCursorRaise, kStep, 0x10164),    // right half: raises it
        kEndParent,
        KeyChild(kUpButton, kCursorRaise, kStep, 0x10166),      // UP button
        KeyChild(kDnButton, kCursorLower, kStep, 0x10167),      // DN button
        kEndParent,
        kEndList,
    },
};

// Writes the label and the value as at least five digits, a minus sign
// counted in the five. The nine places hold -9999 to 99999; any other value
// (NaN and the infinities among them) shows the label with five dashes, so
// the display never shows a wrong number.
void WriteSelection(StringElement* s, const char* label, double value) {
  char text[32];
  if (value > -10000.0 && value < 100000.0)
    std::snprintf(text, sizeof text, "%s%05d", label, TruncToInt32(value));
  else
    std::snprintf(text, sizeof text, "%s-----", label);
  WriteElementText(s, text);
}

double ApAltitudeText(Element* element) {
  auto* s = reinterpret_cast<StringElement*>(element);
  const double altitude = VarDouble(s->vars[0]);
  WriteSelection(s, "ALT ", altitude);
  return altitude;
}

double ApVerticalSpeedText(Element* element) {
  auto* s = reinterpret_cast<StringElement*>(element);
  const double vertical_speed = VarDouble(s->vars[0]);
  WriteSelection(s, "VS  ", vertical_speed);  // two blanks: both texts are nine places
  return vertical_speed;
}

// NAV before APR before back course: the first engaged mode wins.
double ApLateralModeText(Element* element) {
  auto* s = reinterpret_cast<StringElement*>(element);
  const double nav = VarDouble(s->vars[0]);
  if (nav > 0.0)
    WriteElementText(s, "NAV");
  else if (VarDouble(s->vars[1]) > 0.0)
    WriteElementText(s, "APR");
  else if (VarDouble(s->vars[2]) > 0.0)
    WriteElementText(s, "BC ");
  else
    WriteElementText(s, "  ");
  return nav;
}

double ApHeadingModeText(Element* element) {
  auto* s = reinterpret_cast<StringElement*>(element);
  const double heading = VarDouble(s->vars[0]);
  WriteElementText(s, heading > 0.0 ? "HDG" : "   ");
  return heading;
}

}  // namespace
}  // namespace radios

constinit GaugeHeader RadioAPGauge = radios::Header("RadioAP", radios::Ap.top, radios::Ap.mouse);
