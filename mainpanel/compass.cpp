// Wiskey: the magnetic compass. Its card strip slides sideways behind a
// small window with a lubber line; the rest of the gauge is see-through.
#include <cmath>

#include "compass_card.h"
#include "gauges.h"

namespace {

extern MovingImageElement CompassCard;

double CompassCardX(Element* card);
double CompassCardY(Element* card);

Element* CompassFaceChildren[] = {&CompassCard.base, nullptr};

const FailureRecord CompassCardFailures[] = {{12, 1, 0}, {0, 0, 0}};

// depth 0: all pure black, so only the panel shows round the card
StaticImageElement CompassFace = {
    {kStaticImage, 272, {0, 0}, {}, {}, &WiskeyGauge, nullptr, CompassFaceChildren, nullptr, 0x1, 0, 0}};
// depth 1: the card (273), seen through its window (274) at gauge x 22..96, y 41..70
MovingImageElement CompassCard = {
    {kMovingImage, 273, {22, 41}, {}, {}, &WiskeyGauge, nullptr, nullptr, CompassCardFailures, 0x3, 0, 0},
    {0x53, nullptr, 0, 0, 0}, 0, kCompassCardRange,  // x: heading
    {0, nullptr, 0, 0, 0}, 0, 0,                     // y: bound to nothing, never moves
    CompassCardX, CompassCardY};

Element* CompassElements[] = {&CompassFace.base, nullptr};

// The card moves left as the value grows, so the value is 360 minus the
// heading: heading 0 brings the N at the card's right end under the lubber
// line. A heading the card cannot show, NaN among them, parks it at 0
// (the N at the left end), never at 360.
double CompassCardX(Element* card) {
  const double travel = 360 - VarDouble(reinterpret_cast<MovingImageElement*>(card)->x_var);
  if (travel < 0) return 0;
  if (travel > 360) return 0;
  if (std::isnan(travel)) return 0;
  return travel;
}

// The card never moves vertically; with a y range of 0 to 0 any answer
// keeps it in place.
double CompassCardY(Element*) { return 1; }

const MouseRect CompassMouse[] = {
    {kMouseParent,    0, 0, 0, 0, -1, 43895, 0, 0, nullptr, 0},
    {kMouseEndParent, 0, 0, 0, 0, -1,     0, 0, 0, nullptr, 0},
    {kMouseEndList,   0, 0, 0, 0, -1,     0, 0, 0, nullptr, 0},
};

}  // namespace

GaugeHeader WiskeyGauge = {kHeaderVersion, "Wiskey", CompassElements,
                           Routines::One, Routines::Two, Routines::Three, Routines::Four,
                           Routines::Five, Routines::Six, Routines::Seven,
                           50, CompassMouse, nullptr, nullptr, 0};
