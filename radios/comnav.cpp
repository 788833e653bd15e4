// RadioComNav1 and RadioComNav2: a COM transceiver (left) and a NAV
// receiver (right) on one face. Each set shows its active frequency and
// sends the host's tuning events; the host does the tuning, so the gauge
// holds no state. The two pairs share one shape and differ only in the row
// of numbers below.
#include <cstdio>

#include "records.h"
#include "text.h"

namespace radios {
namespace {

double FormatRadioFrequency(Element* element);

// What tells the two radio pairs apart.
struct ComNavPair {
  GaugeHeader* gauge;
  int32_t face;                // bitmap: the NAV set lettered 1 or 2
  uint32_t com_var, nav_var;   // BCD frequencies
  uint32_t nav_failure_key;
  uint32_t com_help, nav_help;
  uint32_t com_keys[4];        // MHz down, MHz up, decimals down, decimals up
  uint32_t nav_keys[4];
};

constexpr ComNavPair kPair1 = {&RadioComNav1Gauge, 257, 0x17,  0x18, 14, 42768, 42772,
                               {0x10064, 0x10065, 0x10066, 0x10067},
                               {0x10068, 0x10069, 0x1006a, 0x1006b}};
// The fourth COM event of the second pair really is 0x10388, not 0x10387.
constexpr ComNavPair kPair2 = {&RadioComNav2Gauge, 273, 0x366, 0x1b, 15, 42770, 42774,
                               {0x10384, 0x10385, 0x10386, 0x10388},
                               {0x1006c, 0x1006d, 0x1006e, 0x1006f}};

// Characters 0-2 are the leading 1 and the MHz digits, 4-5 the decimals.
// COM lights the two ranges under separate selections, NAV under one.
constexpr HighlightEntry kComHighlights[] = {{4, 0, 2}, {5, 4, 5}, {0, 0, 0}};
constexpr HighlightEntry kNavHighlights[] = {{1, 0, 2}, {1, 4, 5}, {0, 0, 0}};

struct ComNavRecords {
  FailureRecord com_failures[4];
  FailureRecord nav_failures[4];
  StaticImageElement face;
  Element* face_children[3];
  StringElement com;
  StringElement nav;
  Element* top[2];
  MouseRect mouse[15];
};

// `self` is the object being initialised: the records point at each other.
constexpr ComNavRecords MakeComNav(ComNavRecords* self, const ComNavPair& p) {
  using namespace comnav;
  constexpr uint32_t kStep = 0x20200000;
  return {
      .com_failures = {{20, 3, 0}, {21, 3, 0}, {9, 0, 0}, {0, 0, 0}},
      .nav_failures = {{20, 3, 0}, {21, 3, 0}, {p.nav_failure_key, 0, 0}, {0, 0, 0}},
      .face = {Base(kStaticImage, p.face, {0, 0}, p.gauge, self->face_children, nullptr, 0x1)},
      .face_children = {&self->com.base, &self->nav.base, nullptr},
      .com = Text(Base(kString, -1, kComText, p.gauge, nullptr, self->com_failures, 0x7),
                  p.com_var, 0, 0, kTextBox, 6, kComHighlights, FormatRadioFrequency),
      .nav = Text(Base(kString, -1, kNavText, p.gauge, nullptr, self->nav_failures, 0x7),
                  p.nav_var, 0, 0, kTextBox, 6, kNavHighlights, FormatRadioFrequency),
      .top = {&self->face.base, nullptr},
      .mouse = {
          Parent(kWholeGauge, 0),                                         // encloses the two areas
          Parent(kComArea, p.com_help),                                   // COM tuning area
          KeyChild(kComZones[0], kCursorLower, kStep, p.com_keys[0]),     // MHz, left half: steps down
          KeyChild(kComZones[1], kCursorRaise, kStep, p.com_keys[1]),     // MHz, right half: steps up
          KeyChild(kComZones[2], kCursorLower, kStep, p.com_keys[2]),     // decimals, left half: steps down
          KeyChild(kComZones[3], kCursorRaise, kStep, p.com_keys[3]),     // decimals, right half: steps up
          kEndParent,
          Parent(kNavArea, p.nav_help),                                   // NAV tuning area
          KeyChild(kNavZones[0], kCursorLower, kStep, p.nav_keys[0]),     // MHz, left half: steps down
          KeyChild(kNavZones[1], kCursorRaise, kStep, p.nav_keys[1]),     // MHz, right half: steps up
          KeyChild(kNavZones[2], kCursorLower, kStep, p.nav_keys[2]),     // decimals, left half: steps down
          KeyChild(kNavZones[3], kCursorRaise, kStep, p.nav_keys[3]),     // decimals, right half: steps up
          kEndParent,
          kEndParent,
          kEndList,
      },
  };
}

constinit ComNavRecords ComNav1 = MakeComNav(&ComNav1, kPair1);
constinit ComNavRecords ComNav2 = MakeComNav(&ComNav2, kPair2);

// The host keeps a frequency as four BCD digits in the low 16 bits, tens of
// MHz first; the hundreds digit is always 1 and not stored.
double FormatRadioFrequency(Element* element) {
  auto* s = reinterpret_cast<StringElement*>(element);
  const uint32_t v = VarU32(s->vars[0]);
  const uint32_t tens = (v >> 12) & 0xF, units = (v >> 8) & 0xF;
  const uint32_t tenths = (v >> 4) & 0xF, hundredths = v & 0xF;
  if (tens > 9 || units > 9 || tenths > 9 || hundredths > 9) {
    // A nibble above 9 is no digit: show no frequency rather than a wrong one.
    WriteElementText(s, "---.--");
  } else {
    char text[16];
    std::snprintf(text, sizeof text, "1%u%u.%u%u", tens, units, tenths, hundredths);
    WriteElementText(s, text);
  }
  return v;
}

}  // namespace
}  // namespace radios

constinit GaugeHeader RadioComNav1Gauge = radios::Header("RadioComNav1", radios::ComNav1.top, radios::ComNav1.mouse);
constinit GaugeHeader RadioComNav2Gauge = radios::Header("RadioComNav2", radios::ComNav2.top, radios::ComNav2.mouse);
