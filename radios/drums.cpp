// RadioTrans and RadioAdf: BCD numbers on mechanical digit drums. The
// transponder shows the four-digit code of token variable 0x26 and each
// knob sends the event that advances its digit; the ADF shows the hundreds,
// tens and units of token variable 0x10, and its hundreds knob works out
// the new frequency itself.
#include "records.h"

namespace radios {
namespace {

// The ADF frequency as the hundreds knob reads it; refreshed on every click.
ModuleVar AdfFrequencyVar = {0x10, nullptr, 0, 0, 0};

// The drums' callbacks: DrumDigit0 picks the units digit, DrumDigit3 the
// thousands.
template <int N>
double DrumDigit(Element* element);
constexpr ValueCallback DrumDigit0 = DrumDigit<0>;
constexpr ValueCallback DrumDigit1 = DrumDigit<1>;
constexpr ValueCallback DrumDigit2 = DrumDigit<2>;
constexpr ValueCallback DrumDigit3 = DrumDigit<3>;
int32_t AdfHundredsKnob(MousePoint point, uint32_t mouse_flags);

constexpr int32_t kStrip = drum::kStripBitmap;
constexpr uint32_t kStep = 0x20200000;

// Each drum is the only child of the one before it.
struct TransponderRecords {
  StaticImageElement face;
  Element* face_children[2];
  MovingImageElement units;
  Element* units_children[2];
  MovingImageElement tens;
  Element* tens_children[2];
  MovingImageElement hundreds;
  Element* hundreds_children[2];
  MovingImageElement thousands;
  FailureRecord upper_failures[3];
  Element* top[2];
  MouseRect mouse[7];
};

constinit TransponderRecords Trans = {
    .face = {Base(kStaticImage, 288, {0, 0}, &RadioTransGauge, Trans.face_children, nullptr, 0x3)},
    .face_children = {&Trans.units.base, nullptr},
    .units = Drum(Base(kMovingImage, kStrip, transponder::kDrums[0], &RadioTransGauge,
                       Trans.units_children, nullptr, 0x3),
                  0x26, DrumDigit0),                                      // units digit
    .units_children = {&Trans.tens.base, nullptr},
    .tens = Drum(Base(kMovingImage, kStrip, transponder::kDrums[1], &RadioTransGauge,
                      Trans.tens_children, Trans.upper_failures, 0x3),
                 0x26, DrumDigit1),                                       // tens digit
    .tens_children = {&Trans.hundreds.base, nullptr},
    .hundreds = Drum(Base(kMovingImage, kStrip, transponder::kDrums[2], &RadioTransGauge,
                          Trans.hundreds_children, Trans.upper_failures, 0x3),
                     0x26, DrumDigit2),                                   // hundreds digit
    .hundreds_children = {&Trans.thousands.base, nullptr},
    .thousands = Drum(Base(kMovingImage, kStrip, transponder::kDrums[3], &RadioTransGauge,
                           nullptr, Trans.upper_failures, 0x3),
                      0x26, DrumDigit3),                                  // thousands digit
    // The units drum has no failure list; the three upper drums share this one.
    .upper_failures = {{20, 0, 0}, {17, 0, 0}, {0, 0, 0}},
    .top = {&Trans.face.base, nullptr},
    .mouse = {
        Parent(kWholeGauge, 42762),
        KeyChild(transponder::kKnobs[3], kCursorRaise, kStep, 0x10073),  // thousands knob
        KeyChild(transponder::kKnobs[2], kCursorRaise, kStep, 0x10074),  // hundreds knob
        KeyChild(transponder::kKnobs[1], kCursorRaise, kStep, 0x10075),  // tens knob
        KeyChild(transponder::kKnobs[0], kCursorRaise, kStep, 0x10076),  // units knob
        kEndParent,
        kEndList,
    },
};

struct AdfRecords {
  StaticImageElement face;
  Element* face_children[2];
  MovingImageElement units;
  Element* units_children[2];
  MovingImageElement tens;
  Element* tens_children[2];
  MovingImageElement hundreds;
  FailureRecord failures[3];
  Element* top[2];
  MouseRect mouse[6];
};

constinit AdfRecords Adf = {
    .face = {Base(kStaticImage, 304, {0, 0}, &RadioAdfGauge, Adf.face_children, nullptr, 0x3)},
    .face_children = {&Adf.units.base, nullptr},
    .units = Drum(Base(kMovingImage, kStrip, adf::kDrums[0], &RadioAdfGauge, Adf.units_children,
                       Adf.failures, 0x3),
                  0x10, DrumDigit0),                                      // units digit
    .units_children = {&Adf.tens.base, nullptr},
    .tens = Drum(Base(kMovingImage, kStrip, adf::kDrums[1], &RadioAdfGauge, Adf.tens_children,
                      Adf.failures, 0x3),
                 0x10, DrumDigit1),                                       // tens digit
    .tens_children = {&Adf.hundreds.base, nullptr},
    .hundreds = Drum(Base(kMovingImage, kStrip, adf::kDrums[2], &RadioAdfGauge, nullptr,
                          Adf.failures, 0x3),
                     0x10, DrumDigit2),                                   // hundreds digit
    .failures = {{20, 2, 0}, {21, 2, 0}, {0, 0, 0}},
    .top = {&Adf.face.base, nullptr},
    .mouse = {
        Parent(kWholeGauge, 42776),
        HandlerChild(adf::kKnobs[2], kCursorRaise, kStep, AdfHundredsKnob),  // hundreds knob
        KeyChild(adf::kKnobs[1], kCursorRaise, kStep, 0x10071),              // tens knob
        KeyChild(adf::kKnobs[0], kCursorRaise, kStep, 0x10072),              // units knob
        kEndParent,
        kEndList,
    },
};

// Digit N of the drum's BCD variable. A nibble above 9 is passed on as it
// is: how a drum shows a value past its range is the host's affair.
template <int N>
double DrumDigit(Element* element) {
  const auto* drum = reinterpret_cast<MovingImageElement*>(element);
  return (VarU32(drum->y_var) >> (4 * N)) & 0xF;
}

// The hundreds digit never becomes 0: it runs 1 to 9 and then back to 1.
// The tens and units go back unchanged, the thousands as 0.
int32_t AdfHundredsKnob(MousePoint, uint32_t) {
  // Read afresh on every click: a second quick click steps from whatever
  // the host holds by then.
  Services()->LookupVar(&AdfFrequencyVar);
  const uint32_t v = VarU32(AdfFrequencyVar);
  uint32_t hundreds = (v >> 8) & 0xF;
  const uint32_t tens = (v >> 4) & 0xF, units = v & 0xF;
  if (hundreds > 9) hundreds -= 10;  // an invalid digit A-F folds onto 0-5 first
  hundreds = hundreds == 9 ? 1 : hundreds + 1;
  Services()->TriggerKeyEvent(0x100B2, (hundreds << 8) | (tens << 4) | units);
  return 0;
}

}  // namespace
}  // namespace radios

constinit GaugeHeader RadioTransGauge = radios::Header("RadioTrans", radios::Trans.top, radios::Trans.mouse);
constinit GaugeHeader RadioAdfGauge = radios::Header("RadioAdf", radios::Adf.top, radios::Adf.mouse);
