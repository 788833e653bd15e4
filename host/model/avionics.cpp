#include "model/avionics.h"

#include <algorithm>
#include <cmath>

#include "model/catalogue.h"

namespace vantor {
namespace {

// ---------------------------------------------------------------------------
// Two-position switches: each event flips its variable between 0 and 1.

constexpr struct {
  uint32_t event, var;
} kSwitches[] = {
  {0x10018, 0x00b},  // strobe toggle
  {0x10023, 0x16d},  // carburettor heat knob
  {0x100d6, 0x00a},  // panel lights wheel
  {0x100d7, 0x00e},  // landing light
  {0x10142, 0x00d},  // pitot heat
  {0x102bd, 0x16f},  // fuel pump
  {0x102bf, 0x170},  // anti-collision beacon
  {0x102c1, 0x16c},  // BAT half of the master rocker
  {0x102c2, 0x16b},  // ALT half of the master rocker
  {0x102f5, 0x2e4},  // avionics master
  {0x10347, 0x350},  // N/G key: the HSI follows NAV 1 or the GPS
  {0x1034b, 0x26b},  // navigation lights
  {0x1039f, 0x36a},  // audio COM1
  {0x103a0, 0x36b},  // audio COM2
  {0x10132, 0x36d},  // audio NAV1
  {0x10133, 0x36e},  // audio NAV2
  {0x10134, 0x36f},  // audio DME
  {0x10136, 0x370},  // audio ADF
  {0x103ad, 0x371},  // audio MKR
};

// Fuel selector handle positions. 2 is shown as BOTH too but no click sets it.
constexpr struct {
  uint32_t event, var;
  double position;
} kSelectors[] = {
  {0x101a3, 0x133, 0},  // handle left: left tank
  {0x101a5, 0x133, 1},  // handle up: both tanks
  {0x101a6, 0x133, 3},  // handle right: right tank
};

// Levers take the value the lever handler computed from the click height.
constexpr struct {
  uint32_t event, var;
} kLevers[] = {
  {0x1011c, 0x080},  // throttle, black knob
  {0x100e7, 0x081},  // propeller, blue knob
  {0x1017f, 0x082},  // mixture, red knob
};

// Steps that stop at the ends of the variable's catalogued range.
constexpr struct {
  uint32_t event, var;
  double step;
} kSteps[] = {
  {0x10062, 0x084,   -1},  // key one position left: START, BOTH, L, R, OFF
  {0x10063, 0x084,   +1},  // key one position right
  {0x10164, 0x06d, +100},  // selected altitude up
  {0x10165, 0x06d, -100},  // selected altitude down
  {0x10166, 0x078, +100},  // vertical speed UP
  {0x10167, 0x078, -100},  // vertical speed DN
  {0x102be, 0x8001,  +1},  // primer stroke
};

// Course and heading knobs turn through north. The HSI keeps its own copy
// of the course and the bug, which follows the knob.
constexpr struct {
  uint32_t event, var, follower;
  double step;
} kTurnKnobs[] = {
  {0x1007e, 0x02d, 0x356, -1},  // HSI course knob, left half
  {0x1007f, 0x02d, 0x356, +1},  // HSI course knob, right half
  {0x10158, 0x06b, 0x357, -1},  // HSI heading knob, left half
  {0x10157, 0x06b, 0x357, +1},  // HSI heading knob, right half
  {0x10080, 0x036, 0,     -1},  // VOR 2 course knob, left half
  {0x10081, 0x036, 0,     +1},  // VOR 2 course knob, right half
};

// ---------------------------------------------------------------------------
// Radios. A band's decimals are channels: k of n per MHz lies k * 100 / n
// hundredths above the whole MHz, cut to two digits, so the COM's 25 kHz
// channels show .00 .02 .05 .07 .10 and so on.

struct Band {
  int low_mhz, high_mhz;
  int channels;  // per MHz
};
constexpr Band kComBand{118, 136, 40};
constexpr Band kNavBand{108, 117, 20};

enum class Knob { Mhz, Decimals };

constexpr struct {
  uint32_t event, var;
  const Band* band;
  Knob knob;
  int direction;
} kFrequencyKnobs[] = {
  {0x10064, 0x017, &kComBand, Knob::Mhz,      -1},  // COM 1
  {0x10065, 0x017, &kComBand, Knob::Mhz,      +1},
  {0x10066, 0x017, &kComBand, Knob::Decimals, -1},
  {0x10067, 0x017, &kComBand, Knob::Decimals, +1},
  {0x10384, 0x366, &kComBand, Knob::Mhz,      -1},  // COM 2
  {0x10385, 0x366, &kComBand, Knob::Mhz,      +1},
  {0x10386, 0x366, &kComBand, Knob::Decimals, -1},
  {0x10388, 0x366, &kComBand, Knob::Decimals, +1},
  {0x10068, 0x018, &kNavBand, Knob::Mhz,      -1},  // NAV 1
  {0x10069, 0x018, &kNavBand, Knob::Mhz,      +1},
  {0x1006a, 0x018, &kNavBand, Knob::Decimals, -1},
  {0x1006b, 0x018, &kNavBand, Knob::Decimals, +1},
  {0x1006c, 0x01b, &kNavBand, Knob::Mhz,      -1},  // NAV 2
  {0x1006d, 0x01b, &kNavBand, Knob::Mhz,      +1},
  {0x1006e, 0x01b, &kNavBand, Knob::Decimals, -1},
  {0x1006f, 0x01b, &kNavBand, Knob::Decimals, +1},
};

// Drum knobs advance one BCD digit; it wraps at the radix without a carry.
constexpr struct {
  uint32_t event, var;
  int digit;  // 0 units ... 3 thousands
  int radix;
} kDigitKnobs[] = {
  {0x10073, 0x026, 3, 8},   // transponder thousands
  {0x10074, 0x026, 2, 8},   // transponder hundreds
  {0x10075, 0x026, 1, 8},   // transponder tens
  {0x10076, 0x026, 0, 8},   // transponder units
  {0x10071, 0x010, 1, 10},  // ADF tens
  {0x10072, 0x010, 0, 10},  // ADF units
};

constexpr uint32_t kAdfSet = 0x100b2;  // the ADF hundreds knob sends the whole frequency
constexpr uint32_t kAdfFrequency = 0x010;

// ---------------------------------------------------------------------------
// Autopilot. NAV, APR and REV steer the same way and exclude one another;
// a mode button pressed with the autopilot off engages it in that mode.

constexpr uint32_t kApButton = 0x1002c;
constexpr uint32_t kApMaster = 0x067;

constexpr struct {
  uint32_t event, var;
  bool lateral;
} kApModes[] = {
  {0x10106, 0x06a, false},  // HDG
  {0x100c1, 0x069, true},   // NAV
  {0x100bc, 0x070, true},   // APR
  {0x100c0, 0x071, true},   // REV (back course)
  {0x10107, 0x06c, false},  // ALT
};

// ---------------------------------------------------------------------------
// Power and engine

constexpr uint32_t kKeySwitch = 0x084;
constexpr double kKeyBoth = 3, kKeyStart = 4;
constexpr uint32_t kBatterySwitch = 0x16c;
constexpr uint32_t kAvionicsMaster = 0x2e4;
constexpr uint32_t kEngineCombustion = 0x169;
constexpr uint32_t kPrimerStrokes = 0x8001;
constexpr uint32_t kMainBusFailure = 20;
constexpr uint32_t kAvionicsBusFailure = 21;

template <class Table>
auto Row(const Table& table, uint32_t event) -> decltype(&table[0]) {
  auto row = std::find_if(std::begin(table), std::end(table), [&](const auto& r) { return r.event == event; });
  return row == std::end(table) ? nullptr : &*row;
}

double Clamped(uint32_t var, double value) {
  const VariableInfo* info = FindVariable(var);
  return info ? std::clamp(value, info->min, info->max) : value;
}

uint32_t Bcd(const VariableStore& vars, uint32_t var) { return IntegerBitsOf(vars.Get(var)) & 0xFFFF; }
int DigitOf(uint32_t bcd, int digit) { return (bcd >> (4 * digit)) & 0xF; }
uint32_t WithDigit(uint32_t bcd, int digit, int value) {
  return (bcd & ~(0xFu << (4 * digit))) | (static_cast<uint32_t>(value) << (4 * digit));
}

// The leading 1 of the MHz is not stored; a tens nibble above 9 (no valid
// frequency) counts as outside the band and steps to its near end.
uint32_t StepMhz(uint32_t bcd, const Band& band, int direction) {
  const int mhz = 100 + 10 * DigitOf(bcd, 3) + DigitOf(bcd, 2);
  int next;
  if (direction > 0) next = (mhz < band.low_mhz || mhz >= band.high_mhz) ? band.low_mhz : mhz + 1;
  else next = (mhz <= band.low_mhz || mhz > band.high_mhz) ? band.high_mhz : mhz - 1;
  return WithDigit(WithDigit(bcd, 3, (next - 100) / 10), 2, next % 10);
}

// Steps to the next channel above or below the decimals shown, so that a
// frequency set off the channel grid joins it at the first click.
uint32_t StepDecimals(uint32_t bcd, const Band& band, int direction) {
  const int shown = 10 * DigitOf(bcd, 1) + DigitOf(bcd, 0);
  auto hundredths = [&](int k) { return k * 100 / band.channels; };
  int channel = direction > 0 ? 0 : band.channels - 1;  // the wrap, unless a channel lies beyond
  for (int k = 0; k < band.channels; ++k) {
    if (direction > 0 && hundredths(k) > shown) { channel = k; break; }
    if (direction < 0 && hundredths(k) < shown) channel = k;
  }
  const int h = hundredths(channel);
  return WithDigit(WithDigit(bcd, 1, h / 10), 0, h % 10);
}

bool ValidBcd(uint32_t value) {
  for (int d = 0; d < 4; ++d)
    if (DigitOf(value, d) > 9) return false;
  return true;
}

double Turned(double degrees, double step) {
  if (!std::isfinite(degrees)) degrees = 0;
  const double turned = std::fmod(degrees + step, 360.0);
  return turned < 0 ? turned + 360.0 : turned;
}

}  // namespace

Avionics::Avionics(VariableStore& vars) : vars_(vars) {}

bool Avionics::KeyEvent(uint32_t event, uint32_t value) {
  auto toggle = [&](uint32_t var) { vars_.Set(var, vars_.Get(var) != 0 ? 0 : 1); };

  if (auto s = Row(kSwitches, event)) {
    toggle(s->var);
  } else if (auto s = Row(kSelectors, event)) {
    vars_.Set(s->var, s->position);
  } else if (auto l = Row(kLevers, event)) {
    vars_.Set(l->var, Clamped(l->var, static_cast<int32_t>(value)));
  } else if (auto s = Row(kSteps, event)) {
    vars_.Set(s->var, Clamped(s->var, vars_.Get(s->var) + s->step));
    if (s->var == kKeySwitch && vars_.Get(kKeySwitch) == kKeyStart) start_released_for_ = 0;
  } else if (auto k = Row(kTurnKnobs, event)) {
    const double turned = Turned(vars_.Get(k->var), k->step);
    vars_.Set(k->var, turned);
    if (k->follower != 0) vars_.Set(k->follower, turned);
  } else if (auto f = Row(kFrequencyKnobs, event)) {
    const uint32_t bcd = Bcd(vars_, f->var);
    vars_.Set(f->var, f->knob == Knob::Mhz ? StepMhz(bcd, *f->band, f->direction)
                                           : StepDecimals(bcd, *f->band, f->direction));
  } else if (auto d = Row(kDigitKnobs, event)) {
    const uint32_t bcd = Bcd(vars_, d->var);
    const int digit = DigitOf(bcd, d->digit) + 1;
    vars_.Set(d->var, WithDigit(bcd, d->digit, digit < d->radix ? digit : 0));
  } else if (event == kAdfSet) {
    if (ValidBcd(value & 0xFFFF) && (value >> 16) == 0) vars_.Set(kAdfFrequency, value);
  } else if (event == kApButton) {
    toggle(kApMaster);
    if (vars_.Get(kApMaster) == 0)
      for (const auto& mode : kApModes) vars_.Set(mode.var, 0);
  } else if (auto m = Row(kApModes, event)) {
    toggle(m->var);
    if (vars_.Get(m->var) != 0) {
      vars_.Set(kApMaster, 1);
      if (m->lateral)
        for (const auto& other : kApModes)
          if (other.lateral && other.var != m->var) vars_.Set(other.var, 0);
    }
  } else {
    return false;
  }
  return true;
}

void Avionics::Tick(double seconds) {
  if (!(seconds > 0) || !std::isfinite(seconds)) return;
  if (vars_.Get(kKeySwitch) == kKeyStart) {
    start_released_for_ += seconds;
    if (start_released_for_ >= kStarterHoldSeconds) vars_.Set(kKeySwitch, kKeyBoth);
  }
  if (vars_.Get(kEngineCombustion) != 0) vars_.Set(kPrimerStrokes, 0);
}

void Avionics::PowerFailures(FailureSet& failures) const {
  // The alternator's field is fed from the battery bus, so the ALT half
  // alone powers nothing: the battery switch decides the main bus.
  const bool main_bus = vars_.Get(kBatterySwitch) != 0;
  const bool avionics_bus = main_bus && vars_.Get(kAvionicsMaster) != 0;
  failures.Set(kMainBusFailure, !main_bus);
  failures.Set(kAvionicsBusFailure, !avionics_bus);
}

}  // namespace vantor
