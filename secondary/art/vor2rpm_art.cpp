// Pictures of Vor2rpm: the tachometer face and needle, the VOR face, the
// OBS card with its fixed window, the TO/FROM frames, the deviation needle
// and the course index. Also the all-black base that Man2 shares.
#include <cmath>
#include <string>

#include "secondary_art.h"

using namespace art;
using namespace secondary_art;

namespace {

const Rgb kBezelFace = Byte(26, 26, 28);
const Rgb kCardWell = Byte(16, 16, 18);
const Rgb kInnerDialFace = Byte(34, 34, 38);
const Rgb kInnerDialRim = Byte(112, 112, 118);
const Rgb kCardFace = Byte(30, 30, 33);
const Rgb kFlagDark = Byte(40, 40, 44);

constexpr double kBezelRadius = 150;
// The OBS card is seen between these radii from the face's centre.
constexpr double kCardInner = 88;
constexpr double kCardOuter = 121;
// The card texture, before its 0.95 scale, spans the same ring.
constexpr double kTextureCentre = 128;
constexpr double kTextureInner = kCardInner / kCardScale + 1;
constexpr double kTextureOuter = 127;
// The deviation dots lie on this radius from the deviation needle's pivot.
constexpr double kDotRadius = 135;

// The knob is live under both instruments, so both faces show it.
void ObsKnob(cairo_t* cr) {
  const double half = kObsKnobSize / 2.0;
  Knob(cr, kObsKnob.x + half, kObsKnob.y + half, half - 4, Byte(70, 70, 76), 28);
}

void Bezel(cairo_t* cr) {
  const Spot c = Centre(kDialPivot);
  DialFace(cr, c.x, c.y, kBezelRadius, kBezelFace);
}

// 5 to 30 hundred RPM with a mark at every table point and every 100 RPM
// between; the needle rests at the unmarked 0 point.
void TachometerFace(Canvas& face) {
  cairo_t* cr = face.cr();
  const Spot c = Centre(kDialPivot);
  Bezel(cr);
  ScaleBand(cr, RpmScale, kDialPivot, 2100, 2600, 127, 5, kGreen);
  for (int rpm = 600; rpm < 3000; rpm += 100)
    if (rpm % 500 != 0) Tick(cr, c, ScaleAngle(RpmScale, kDialPivot, rpm), 113, 122, 1.5, kMarkWhite);
  for (const NonlinearityEntry& e : RpmScale) {
    if (e.value == 0) continue;
    const double a = ScaleAngle(RpmScale, kDialPivot, e.value);
    Tick(cr, c, a, 103, 122, 3.5, kMarkWhite);
    RadialLabel(cr, c, a, 88, std::to_string(static_cast<int>(e.value / 100)), 17, kMarkWhite);
  }
  Tick(cr, c, ScaleAngle(RpmScale, kDialPivot, 2700), 103, 131, 3.5, kRed);
  Label(cr, "RPM", c.x, c.y + 44, 15, kMarkWhite);
  Label(cr, "x100", c.x, c.y + 62, 11, kMarkWhite, false);
  ObsKnob(cr);
}

// The fixed inner dial, drawn on the VOR face and on the card's window
// picture alike so the two can never disagree. (dx, dy) moves gauge
// pixels into the picture.
void InnerDial(cairo_t* cr, double dx, double dy) {
  cairo_save(cr);
  cairo_translate(cr, dx, dy);
  const Spot c = Centre(kCardCentre);
  SetColour(cr, kInnerDialRim);
  cairo_arc(cr, c.x, c.y, kCardInner, 0, 2 * M_PI);
  cairo_fill(cr);
  SetColour(cr, kInnerDialFace);
  cairo_arc(cr, c.x, c.y, kCardInner - 2.5, 0, 2 * M_PI);
  cairo_fill(cr);

  // Course marks every 45 degrees; the top one is the yellow index element
  // and the bottom one the reciprocal triangle.
  for (int deg = 45; deg < 360; deg += 45) {
    if (deg == 180) continue;
    Tick(cr, c, (deg - 90) * M_PI / 180, kCardInner - 12, kCardInner - 3, 2.5, kMarkWhite);
  }
  SetColour(cr, kMarkWhite);
  cairo_move_to(cr, c.x, c.y + kCardInner - 14);
  cairo_line_to(cr, c.x - 7, c.y + kCardInner - 3);
  cairo_line_to(cr, c.x + 7, c.y + kCardInner - 3);
  cairo_close_path(cr);
  cairo_fill(cr);

  // Five dots each way, one per fifth of full deflection, on the arc the
  // needle's lower part sweeps.
  const Spot pivot = Centre(kDeviationPivot);
  for (int dot = -5; dot <= 5; ++dot) {
    if (dot == 0) continue;
    const double value = dot > 0 ? 127.0 * dot / 5 : 128.0 * dot / 5;
    const double a = ScaleAngle(DeviationScale, kDeviationPivot, value);
    SetColour(cr, kMarkWhite);
    cairo_arc(cr, pivot.x + kDotRadius * std::cos(a), pivot.y + kDotRadius * std::sin(a), 3.2, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  // Centre ring: the needle passes through it when on course.
  SetColour(cr, kMarkWhite);
  cairo_set_line_width(cr, 2);
  cairo_arc(cr, c.x, c.y, 10, 0, 2 * M_PI);
  cairo_stroke(cr);

  // Recess of the TO/FROM window, one pixel round the flag frames.
  SetColour(cr, Byte(90, 90, 96));
  cairo_rectangle(cr, kToFromWindow.x - 2, kToFromWindow.y - 2, 35, 32);
  cairo_fill(cr);
  SetColour(cr, Byte(12, 12, 14));
  cairo_rectangle(cr, kToFromWindow.x - 1, kToFromWindow.y - 1, 33, 30);
  cairo_fill(cr);

  Label(cr, "NAV 2", c.x - 46, c.y + 2, 11, kMarkWhite);
  cairo_restore(cr);
}

void VorFace(Canvas& face) {
  cairo_t* cr = face.cr();
  const Spot c = Centre(kCardCentre);
  Bezel(cr);
  SetColour(cr, kCardWell);
  cairo_arc(cr, c.x, c.y, kCardOuter, 0, 2 * M_PI);
  cairo_fill(cr);
  InnerDial(cr, 0, 0);
  Label(cr, "OBS", kObsKnob.x + kObsKnobSize / 2.0 + 40, kObsKnob.y + 52, 10, kMarkWhite);
  ObsKnob(cr);
}

// Compass rose on a ring: 0 (N) at the top, numbers every 30 degrees with
// their tops outward, marks every 5 degrees.
void ObsCard(Canvas& card) {
  cairo_t* cr = card.cr();
  const Spot c{kTextureCentre, kTextureCentre};
  SetColour(cr, kCardFace);
  cairo_arc(cr, c.x, c.y, kTextureOuter, 0, 2 * M_PI);
  cairo_arc_negative(cr, c.x, c.y, kTextureInner, 2 * M_PI, 0);
  cairo_fill(cr);
  for (int deg = 0; deg < 360; deg += 5) {
    const double a = (deg - 90) * M_PI / 180;
    const bool ten = deg % 10 == 0;
    Tick(cr, c, a, ten ? 115 : 120, kTextureOuter - 1, ten ? 2.2 : 1.4, kMarkWhite);
  }
  static const char* const kNames[] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
  for (int i = 0; i < 12; ++i) {
    const double turn = i * 30 * M_PI / 180;
    cairo_save(cr);
    cairo_translate(cr, c.x + 104 * std::sin(turn), c.y - 104 * std::cos(turn));
    cairo_rotate(cr, turn);
    Label(cr, kNames[i], 0, 0, 15, kMarkWhite);
    cairo_restore(cr);
  }
}

// The card's window, which does not turn: near-black where the card shows
// (the ring), the inner dial in its own colours over the card, pure black
// elsewhere so the face below stays in view.
void CardWindow(Canvas& window) {
  const double dx = -kCardWindow.x, dy = -kCardWindow.y;
  const Spot c = Centre(kCardCentre);
  cairo_t* cr = window.cr();
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  SetColour(cr, kNearBlack);
  cairo_arc(cr, c.x + dx, c.y + dy, kCardOuter, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
  InnerDial(cr, dx, dy);
}

// Yellow triangle pointing up at the course on the card. Its tip stops
// short of the card's numbers so the course under it stays readable.
void CourseIndex(Canvas& index) {
  cairo_t* cr = index.cr();
  const double w = index.width();
  cairo_move_to(cr, w / 2, 4);
  cairo_line_to(cr, w - 1.5, 18);
  cairo_line_to(cr, 1.5, 18);
  cairo_close_path(cr);
  SetColour(cr, kYellow);
  cairo_fill_preserve(cr);
  SetColour(cr, Byte(120, 96, 20));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// A plain white bar along the picture's middle row: the pivot lies 25
// pixels before its start, above the face's centre.
void DeviationNeedle(Canvas& needle) {
  cairo_t* cr = needle.cr();
  const double y = Centre(kDeviationNeedleHub).y;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColour(cr, kWhite);
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, 1.5, y);
  cairo_line_to(cr, needle.width() - 1.5, y);
  cairo_stroke(cr);
}

// TO: upper half white; FROM: lower half white; OFF: red and white stripes.
void ToFromFrame(Canvas& frame, int which) {
  cairo_t* cr = frame.cr();
  const double w = frame.width(), h = frame.height();
  frame.Fill(kFlagDark);
  if (which < 2) {
    const double top = which == 0 ? 0 : h / 2;
    frame.FillRect(0, top, w, h / 2, kMarkWhite);
    Label(cr, which == 0 ? "TO" : "FR", w / 2, top + h / 4, 10, kFlagDark);
  } else {
    frame.Fill(kWhite);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    SetColour(cr, kRed);
    cairo_set_line_width(cr, 5);
    for (double x = -h; x < w + h; x += 10) {
      cairo_move_to(cr, x, h);
      cairo_line_to(cr, x + h, 0);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
  }
}

}  // namespace

void DrawVor2rpmArt(ArtBook& book) {
  book.Add(288, 302, 302);  // all-black base of Vor2rpm and Man2
  TachometerFace(book.Add(289, 302, 302));
  // Tachometer and manifold pressure needle: white pointer reaching the
  // dial marks 122 pixels from the pivot.
  PointerNeedle(book.Add(290, 138, 21), kDialNeedleHub, 122, 12, 6, 7, kMarkWhite);
  VorFace(book.Add(272, 302, 302));
  CourseIndex(book.Add(273, 19, 19));
  DeviationNeedle(book.Add(274, 154, 7));
  for (int frame = 0; frame < 3; ++frame) ToFromFrame(book.Add(276 + frame, 31, 28), frame);
  ObsCard(book.Add(280, 256, 256));
  CardWindow(book.Add(281, 265, 265));
}
