// The host's catalogue of token variables, key events, failure keys and
// help texts, and the avionics model that answers the gauges' key events.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <set>
#include <sstream>

#include "model/avionics.h"
#include "model/catalogue.h"
#include "support/test_host.h"

namespace vantor::test {
namespace {

const char* const kModules[] = {"Radios", "Vantor2", "Vantor3", "Vantorhsi"};

std::string Hex(uint32_t v) {
  std::ostringstream s;
  s << "0x" << std::hex << v;
  return s.str();
}

std::string NameOf(uint32_t var) {
  const VariableInfo* info = FindVariable(var);
  return info ? std::string(info->name) : Hex(var);
}

// A parked aircraft with the avionics model on top of it.
struct Aircraft {
  VariableStore vars;
  Avionics avionics{vars};
  Aircraft() { PrepareVariables(vars); }
  uint32_t Bcd(uint32_t var) const { return static_cast<uint32_t>(IntegerBitsOf(vars.Get(var))); }
};

// ---------------------------------------------------------------------------
// The catalogue as a table

TEST(Catalogue, VariablesAreUniqueNamedAndStartInsideTheirRange) {
  std::set<uint32_t> ids;
  std::set<std::string_view> names;
  for (const VariableInfo& v : VariableCatalogue()) {
    SCOPED_TRACE(v.name);
    EXPECT_TRUE(ids.insert(v.id).second) << "id " << Hex(v.id) << " twice";
    EXPECT_TRUE(names.insert(v.name).second) << "name twice";
    EXPECT_FALSE(v.name.empty());
    for (char c : v.name) EXPECT_TRUE(std::isupper(static_cast<unsigned char>(c)) || std::isdigit(c) || c == '_');
    EXPECT_FALSE(v.unit.empty());
    EXPECT_FALSE(v.changed_by.empty());
    EXPECT_LE(v.min, v.max);
    EXPECT_GE(v.initial, v.min);
    EXPECT_LE(v.initial, v.max);
    EXPECT_EQ(FindVariable(v.id), &v);
    EXPECT_EQ(FindVariable(v.name), &v);
  }
  EXPECT_EQ(FindVariable(0x9999), nullptr);
  EXPECT_EQ(FindVariable("NO_SUCH_VARIABLE"), nullptr);
}

TEST(Catalogue, PreparedStoreHoldsEveryFormAndStartingValue) {
  VariableStore vars;
  PrepareVariables(vars);
  for (const VariableInfo& v : VariableCatalogue()) {
    SCOPED_TRACE(v.name);
    EXPECT_EQ(vars.FormOf(v.id), v.form);
    ASSERT_TRUE(vars.Has(v.id));
    EXPECT_EQ(vars.Get(v.id), v.initial);
  }
}

// What a pilot finds on the parked aircraft.
TEST(Catalogue, ParkedAircraft) {
  const struct {
    std::string_view name;
    double value;
  } cases[] = {
      {"BATTERY_SWITCH", 0},        {"AVIONICS_MASTER", 0},           {"KEY_SWITCH", 0},
      {"ENGINE_RPM", 0},            {"MIXTURE_LEVER", 0},             {"COM1_ACTIVE_FREQUENCY", 0x2280},
      {"COM2_ACTIVE_FREQUENCY", 0x2190}, {"NAV1_ACTIVE_FREQUENCY", 0x1030}, {"NAV2_ACTIVE_FREQUENCY", 0x1450},
      {"TRANSPONDER_CODE", 0x1200}, {"ADF_FREQUENCY", 0x0350},        {"DME1_DISTANCE", -1},
  };
  for (auto c : cases) {
    const VariableInfo* v = FindVariable(c.name);
    ASSERT_NE(v, nullptr) << c.name;
    EXPECT_EQ(v->initial, c.value) << c.name;
  }
  // The radio and code variables are read as packed digits.
  for (std::string_view name : {"COM1_ACTIVE_FREQUENCY", "NAV2_ACTIVE_FREQUENCY", "TRANSPONDER_CODE", "ADF_FREQUENCY",
                                "KEY_SWITCH", "FUEL_SELECTOR", "NAV1_TO_FROM"})
    EXPECT_EQ(FindVariable(name)->form, VarForm::U32) << name;
  EXPECT_EQ(FindVariable("NAV2_TO_FROM")->form, VarForm::U16);
}

TEST(Catalogue, KeyEventsAndFailureKeysAreUniqueAndDescribed) {
  std::set<uint32_t> events;
  for (const KeyEventInfo& k : KeyEventCatalogue()) {
    EXPECT_TRUE(events.insert(k.id).second) << Hex(k.id) << " twice";
    EXPECT_FALSE(k.name.empty()) << Hex(k.id);
    EXPECT_FALSE(k.effect.empty()) << Hex(k.id);
    EXPECT_EQ(FindKeyEvent(k.id), &k);
  }
  EXPECT_EQ(FindKeyEvent(0x10387), nullptr) << "the second COM's last knob is 0x10388";
  std::set<uint32_t> keys;
  for (const FailureKeyInfo& f : FailureKeyCatalogue()) {
    EXPECT_TRUE(keys.insert(f.key).second) << f.key << " twice";
    EXPECT_FALSE(f.system.empty()) << f.key;
    EXPECT_EQ(FindFailureKey(f.key), &f);
  }
}

TEST(Catalogue, HelpTexts) {
  EXPECT_NE(HelpText(42768).find("COM 1"), std::string_view::npos);
  EXPECT_NE(HelpText(43832).find("Course"), std::string_view::npos);
  EXPECT_EQ(HelpText(0), "");
  EXPECT_EQ(HelpText(12345), "");
}

// ---------------------------------------------------------------------------
// Everything the four modules read, send, fail and explain is catalogued

struct ModuleVocabulary {
  std::map<uint32_t, std::string> variables;  // id -> where it was found
  std::map<uint32_t, std::string> key_events;
  std::map<uint32_t, std::string> failure_keys;
  std::map<uint32_t, std::string> help_ids;
};

std::vector<const ModuleVar*> BoundVars(Element* e) {
  switch (e->kind) {
    case kNeedle: return {&reinterpret_cast<NeedleElement*>(e)->var};
    case kString: {
      auto* s = reinterpret_cast<StringElement*>(e);
      return {&s->vars[0], &s->vars[1], &s->vars[2]};
    }
    case kSlider: {
      auto* s = reinterpret_cast<SliderElement*>(e);
      return {&s->x_var, &s->y_var};
    }
    case kIcon: return {&reinterpret_cast<IconElement*>(e)->var};
    case kMovingImage: {
      auto* m = reinterpret_cast<MovingImageElement*>(e);
      return {&m->x_var, &m->y_var};
    }
    case kSprite: {
      auto* s = reinterpret_cast<SpriteElement*>(e);
      return {&s->x_var, &s->y_var, &s->rotation_var};
    }
    default: return {};
  }
}

void WalkElements(Element* e, const std::string& where, ModuleVocabulary& found) {
  if (e == nullptr) return;
  for (const ModuleVar* v : BoundVars(e))
    if (v->id != 0) found.variables.emplace(v->id, where);
  for (const FailureRecord* f = e->failures; f && f->key != 0; ++f) found.failure_keys.emplace(f->key, where);
  for (Element** child = e->children; child && *child; ++child) WalkElements(*child, where, found);
}

// Element variables from the records; module-level ones from what the
// callbacks and handlers look up while the gauge is updated and clicked;
// key events from event children and from what handlers send.
ModuleVocabulary Vocabulary() {
  ModuleVocabulary found;
  for (const char* name : kModules) {
    TestModule m(name);
    PrepareVariables(m.sink().vars);
    for (GaugeHeader* g : m.module().gauges()) {
      const std::string where = std::string(name) + "/" + g->name;
      WalkElements(g->elements[0], where, found);
      m.sink().lookups.clear();
      m.sink().key_events.clear();
      auto instance = m.NewInstance(g->name);
      m.Update(*instance);
      for (const MouseRect* r = g->mouse; r->type != kMouseEndList; ++r) {
        if (r->type == kMouseParent && r->help_id != 0) found.help_ids.emplace(r->help_id, where);
        if (r->type != kMouseChild) continue;
        if (r->handler) r->handler({0, 0}, r->mouse_flags);
        else found.key_events.emplace(r->key_event, where);
      }
      for (uint32_t id : m.sink().lookups) found.variables.emplace(id, where + " (looked up)");
      for (auto [event, value] : m.sink().key_events) found.key_events.emplace(event, where + " (handler)");
    }
  }
  return found;
}

const ModuleVocabulary& Found() {
  static const ModuleVocabulary found = Vocabulary();
  return found;
}

TEST(ModuleVocabulary, EveryVariableTheGaugesReadIsCatalogued) {
  ASSERT_GT(Found().variables.size(), 60u) << "the walk found too little to be a walk of the four modules";
  for (auto& [id, where] : Found().variables) EXPECT_NE(FindVariable(id), nullptr) << Hex(id) << " read by " << where;
  EXPECT_TRUE(Found().variables.count(0x10)) << "the ADF hundreds knob looks up the ADF frequency";
  EXPECT_TRUE(Found().variables.count(0x169)) << "the primer looks up whether the engine runs";
}

TEST(ModuleVocabulary, OnlyTheHostsOwnVariablesGoUnread) {
  std::vector<std::string_view> unread;
  for (const VariableInfo& v : VariableCatalogue())
    if (!Found().variables.count(v.id)) unread.push_back(v.name);
  EXPECT_EQ(unread, std::vector<std::string_view>{"ENGINE_PRIMER_STROKES"});
}

TEST(ModuleVocabulary, KeyEventsAreExactlyTheOnesTheGaugesSend) {
  for (auto& [id, where] : Found().key_events) EXPECT_NE(FindKeyEvent(id), nullptr) << Hex(id) << " sent by " << where;
  for (const KeyEventInfo& k : KeyEventCatalogue()) EXPECT_TRUE(Found().key_events.count(k.id)) << k.name << " is sent by no gauge";
  EXPECT_TRUE(Found().key_events.count(0x100b2)) << "the ADF hundreds knob sends the whole frequency";
}

TEST(ModuleVocabulary, FailureKeysAndHelpIdsAreExplained) {
  for (auto& [key, where] : Found().failure_keys) EXPECT_NE(FindFailureKey(key), nullptr) << key << " on " << where;
  for (const FailureKeyInfo& f : FailureKeyCatalogue()) EXPECT_TRUE(Found().failure_keys.count(f.key)) << f.key << " on no element";
  for (auto& [id, where] : Found().help_ids) EXPECT_NE(HelpText(id), "") << "help id " << id << " of " << where;
}

// ---------------------------------------------------------------------------
// Key events: what each one does to a parked aircraft

using Values = std::vector<std::pair<uint32_t, double>>;

struct EventCase {
  uint32_t event;
  uint32_t value;
  Values start;  // on top of the parked aircraft
  Values after;  // the first is the variable the catalogue's effect names
};

const EventCase kEventCases[] = {
    // Switches
    {0x10018, 0, {}, {{0x00b, 1}}},
    {0x10023, 0, {}, {{0x16d, 1}}},
    {0x100d6, 0, {}, {{0x00a, 1}}},
    {0x100d7, 0, {}, {{0x00e, 1}}},
    {0x10142, 0, {}, {{0x00d, 1}}},
    {0x102bd, 0, {}, {{0x16f, 1}}},
    {0x102bf, 0, {}, {{0x170, 1}}},
    {0x102c1, 0, {}, {{0x16c, 1}}},
    {0x102c2, 0, {}, {{0x16b, 1}}},
    {0x102f5, 0, {{0x2e4, 1}}, {{0x2e4, 0}}},
    {0x10347, 0, {}, {{0x350, 1}}},
    {0x1034b, 0, {}, {{0x26b, 1}}},
    {0x1039f, 0, {}, {{0x36a, 0}}},  // COM1 audio starts on
    {0x103a0, 0, {}, {{0x36b, 1}}},
    {0x10132, 0, {}, {{0x36d, 1}}},
    {0x10133, 0, {}, {{0x36e, 1}}},
    {0x10134, 0, {}, {{0x36f, 1}}},
    {0x10136, 0, {}, {{0x370, 1}}},
    {0x103ad, 0, {{0x371, 1}}, {{0x371, 0}}},
    // Fuel selector, levers, primer, key
    {0x101a3, 0, {}, {{0x133, 0}}},
    {0x101a5, 0, {{0x133, 3}}, {{0x133, 1}}},
    {0x101a6, 0, {}, {{0x133, 3}}},
    {0x1011c, 8000, {}, {{0x080, 8000}}},
    {0x100e7, 264, {}, {{0x081, 264}}},
    {0x1017f, 16383, {}, {{0x082, 16383}}},
    {0x102be, 0, {}, {{0x8001, 1}}},
    {0x10062, 0, {{0x084, 3}}, {{0x084, 2}}},
    {0x10063, 0, {{0x084, 2}}, {{0x084, 3}}},
    // Knobs that turn through north; the HSI's copies follow
    {0x1007e, 0, {}, {{0x02d, 359}, {0x356, 359}}},
    {0x1007f, 0, {{0x02d, 10}}, {{0x02d, 11}, {0x356, 11}}},
    {0x10158, 0, {}, {{0x06b, 359}, {0x357, 359}}},
    {0x10157, 0, {{0x06b, 359}}, {{0x06b, 0}, {0x357, 0}}},
    {0x10080, 0, {}, {{0x036, 359}}},
    {0x10081, 0, {{0x036, 359}}, {{0x036, 0}}},
    // Radios, from 122.80, 121.90, 110.30 and 114.50
    {0x10064, 0, {}, {{0x017, 0x2180}}},
    {0x10065, 0, {}, {{0x017, 0x2380}}},
    {0x10066, 0, {}, {{0x017, 0x2277}}},
    {0x10067, 0, {}, {{0x017, 0x2282}}},
    {0x10384, 0, {}, {{0x366, 0x2090}}},
    {0x10385, 0, {}, {{0x366, 0x2290}}},
    {0x10386, 0, {}, {{0x366, 0x2187}}},
    {0x10388, 0, {}, {{0x366, 0x2192}}},
    {0x10068, 0, {}, {{0x018, 0x0930}}},
    {0x10069, 0, {}, {{0x018, 0x1130}}},
    {0x1006a, 0, {}, {{0x018, 0x1025}}},
    {0x1006b, 0, {}, {{0x018, 0x1035}}},
    {0x1006c, 0, {}, {{0x01b, 0x1350}}},
    {0x1006d, 0, {}, {{0x01b, 0x1550}}},
    {0x1006e, 0, {}, {{0x01b, 0x1445}}},
    {0x1006f, 0, {}, {{0x01b, 0x1455}}},
    // Transponder 1200, ADF 350
    {0x10073, 0, {}, {{0x026, 0x2200}}},
    {0x10074, 0, {}, {{0x026, 0x1300}}},
    {0x10075, 0, {}, {{0x026, 0x1210}}},
    {0x10076, 0, {}, {{0x026, 0x1201}}},
    {0x10071, 0, {}, {{0x010, 0x0360}}},
    {0x10072, 0, {}, {{0x010, 0x0351}}},
    {0x100b2, 0x0450, {}, {{0x010, 0x0450}}},
    // Autopilot
    {0x1002c, 0, {}, {{0x067, 1}}},
    {0x1002c, 0, {{0x067, 1}, {0x06a, 1}, {0x069, 1}, {0x06c, 1}}, {{0x067, 0}, {0x06a, 0}, {0x069, 0}, {0x06c, 0}}},
    {0x10106, 0, {}, {{0x06a, 1}, {0x067, 1}}},
    {0x10106, 0, {{0x067, 1}, {0x06a, 1}, {0x069, 1}}, {{0x06a, 0}}},  // NAV and the master stay
    {0x100c1, 0, {{0x067, 1}, {0x070, 1}}, {{0x069, 1}, {0x070, 0}}},
    {0x100bc, 0, {{0x067, 1}, {0x069, 1}, {0x06a, 1}}, {{0x070, 1}, {0x069, 0}}},  // HDG stays
    {0x100c0, 0, {{0x070, 1}}, {{0x071, 1}, {0x070, 0}, {0x067, 1}}},
    {0x10107, 0, {}, {{0x06c, 1}, {0x067, 1}}},
    {0x10164, 0, {}, {{0x06d, 3100}}},
    {0x10165, 0, {}, {{0x06d, 2900}}},
    {0x10166, 0, {}, {{0x078, 100}}},
    {0x10167, 0, {}, {{0x078, -100}}},
};

TEST(KeyEvents, EachDoesWhatItsCatalogueEntrySaysAndNothingElse) {
  for (const EventCase& c : kEventCases) {
    const KeyEventInfo* info = FindKeyEvent(c.event);
    ASSERT_NE(info, nullptr) << Hex(c.event) << " is not catalogued";
    SCOPED_TRACE(std::string(info->name));
    Aircraft a;
    for (auto [var, value] : c.start) a.vars.Set(var, value);
    std::map<uint32_t, double> expected = a.vars.values();
    for (auto [var, value] : c.after) expected[var] = value;

    EXPECT_TRUE(a.avionics.KeyEvent(c.event, c.value));

    EXPECT_NE(info->effect.find(NameOf(c.after.front().first)), std::string_view::npos)
        << "the effect \"" << info->effect << "\" does not name " << NameOf(c.after.front().first);
    for (auto [var, value] : a.vars.values())
      EXPECT_EQ(value, expected[var]) << NameOf(var) << " (" << Hex(static_cast<uint32_t>(IntegerBitsOf(value)))
                                      << ", expected " << Hex(static_cast<uint32_t>(IntegerBitsOf(expected[var]))) << ")";
    EXPECT_EQ(a.vars.values().size(), expected.size()) << "a variable appeared from nowhere";
  }
}

TEST(KeyEvents, EveryCataloguedEventHasACase) {
  std::set<uint32_t> covered;
  for (const EventCase& c : kEventCases) covered.insert(c.event);
  for (const KeyEventInfo& k : KeyEventCatalogue()) EXPECT_TRUE(covered.count(k.id)) << k.name;
}

TEST(KeyEvents, UnknownEventsAreRefusedAndChangeNothing) {
  // Window ids and events of other aircraft are not the model's business.
  for (uint32_t event : {0u, 0x10387u, 0x20u, 0x10000u, 0xFFFFFFFFu}) {
    Aircraft a;
    const auto before = a.vars.values();
    EXPECT_FALSE(a.avionics.KeyEvent(event, 0x1234)) << Hex(event);
    EXPECT_EQ(a.vars.values(), before) << Hex(event);
  }
}

// ---------------------------------------------------------------------------
// Radio bands, digit wheels and limits

struct StepCase {
  uint32_t var;
  double start;
  uint32_t event;
  uint32_t value;
  double after;
};

void RunSteps(const std::vector<StepCase>& cases) {
  for (const StepCase& c : cases) {
    Aircraft a;
    a.vars.Set(c.var, c.start);
    a.avionics.KeyEvent(c.event, c.value);
    EXPECT_EQ(a.vars.Get(c.var), c.after) << FindKeyEvent(c.event)->name << " from " << c.start << " ("
                                          << Hex(static_cast<uint32_t>(IntegerBitsOf(c.start))) << ") gave "
                                          << Hex(static_cast<uint32_t>(IntegerBitsOf(a.vars.Get(c.var))));
  }
}

TEST(Radios, BandEdgesWrapAndDecimalsNeverCarry) {
  RunSteps({
      {0x017, 0x3695, 0x10065, 0, 0x1895},  // 136.95 up: 118.95
      {0x017, 0x1800, 0x10064, 0, 0x3600},  // 118.00 down: 136.00
      {0x017, 0x3597, 0x10065, 0, 0x3697},  // 135.97 up: 136.97, the top of the band
      {0x366, 0x2297, 0x10388, 0, 0x2200},  // 122.97 up: 122.00, not 123.00
      {0x366, 0x2200, 0x10386, 0, 0x2297},  // 122.00 down: 122.97, not 121.97
      {0x017, 0x2202, 0x10067, 0, 0x2205},  // 25 kHz channels: .02 .05 .07 .10
      {0x017, 0x2205, 0x10067, 0, 0x2207},
      {0x017, 0x2207, 0x10067, 0, 0x2210},
      {0x017, 0x2210, 0x10066, 0, 0x2207},
      {0x017, 0x2213, 0x10067, 0, 0x2215},  // off the channel grid: the next channel up
      {0x017, 0x2213, 0x10066, 0, 0x2212},  // and down
      {0x01b, 0x1795, 0x1006d, 0, 0x0895},  // 117.95 up: 108.95
      {0x018, 0x0850, 0x10068, 0, 0x1750},  // 108.50 down: 117.50
      {0x018, 0x1095, 0x1006b, 0, 0x1000},  // 110.95 up: 110.00
      {0x01b, 0x1000, 0x1006e, 0, 0x1095},  // 110.00 down: 110.95
      {0x018, 0x1007, 0x1006b, 0, 0x1010},  // 50 kHz channels, joined from off the grid
      {0x018, 0x1007, 0x1006a, 0, 0x1005},
      {0x017, 0x12280, 0x10065, 0, 0x2380},  // bits above the four digits are dropped
      {0x017, 0xA000, 0x10065, 0, 0x1800},   // no valid MHz: up starts the band
      {0x017, 0xA000, 0x10064, 0, 0x3600},   // and down ends it
      {0x017, 0x0950, 0x10065, 0, 0x1850},   // a NAV frequency in the COM: into the band
      {0x017, 0x22A0, 0x10067, 0, 0x2200},   // no valid decimals: the first channel
      {0x017, 0x22A0, 0x10066, 0, 0x2297},   // or the last
  });
}

TEST(Radios, TransponderDigitsRunZeroToSevenAndAdfDigitsZeroToNine) {
  RunSteps({
      {0x026, 0x7777, 0x10073, 0, 0x0777},
      {0x026, 0x7777, 0x10074, 0, 0x7077},
      {0x026, 0x7777, 0x10075, 0, 0x7707},
      {0x026, 0x7777, 0x10076, 0, 0x7770},
      {0x026, 0x1277, 0x10076, 0, 0x1270},  // no carry into the tens
      {0x026, 0x8000, 0x10073, 0, 0x0000},  // a digit no transponder shows
      {0x010, 0x0399, 0x10072, 0, 0x0390},
      {0x010, 0x0399, 0x10071, 0, 0x0309},
      {0x010, 0x0350, 0x100b2, 0x0950, 0x0950},
      {0x010, 0x0350, 0x100b2, 0x1799, 0x1799},
      {0x010, 0x0350, 0x100b2, 0x0A50, 0x0350},   // not BCD: refused
      {0x010, 0x0350, 0x100b2, 0x10350, 0x0350},  // more than four digits: refused
  });
}

TEST(Controls, LeversAndStepsStopAtTheirEnds) {
  RunSteps({
      {0x080, 5000, 0x1011c, 0, 0},
      {0x080, 0, 0x1011c, 20000, 16383},
      {0x082, 8000, 0x1017f, 0xFFFFFFFF, 0},  // a negative value from the handler
      {0x06d, 30000, 0x10164, 0, 30000},
      {0x06d, 29950, 0x10164, 0, 30000},
      {0x06d, 0, 0x10165, 0, 0},
      {0x078, 2000, 0x10166, 0, 2000},
      {0x078, -2000, 0x10167, 0, -2000},
      {0x084, 0, 0x10062, 0, 0},
      {0x084, 4, 0x10063, 0, 4},
      {0x084, 4, 0x10062, 0, 3},
      {0x8001, 6, 0x102be, 0, 6},
      {0x02d, 359.5, 0x1007f, 0, 0.5},
      {0x02d, std::numeric_limits<double>::quiet_NaN(), 0x1007f, 0, 1},
      {0x036, 720, 0x10080, 0, 359},
  });
}

// ---------------------------------------------------------------------------
// Time

TEST(KeySwitch, StartSpringsBackToBothWhenNoLongerHeld) {
  Aircraft a;
  a.vars.Set(0x084, 3);
  a.avionics.KeyEvent(0x10063, 0);
  EXPECT_EQ(a.vars.Get(0x084), 4);
  a.avionics.Tick(0.3);
  EXPECT_EQ(a.vars.Get(0x084), 4) << "still within the hold time";
  a.avionics.KeyEvent(0x10063, 0);  // the held button repeats
  a.avionics.Tick(0.3);
  EXPECT_EQ(a.vars.Get(0x084), 4) << "the repeat renewed the hold";
  a.avionics.Tick(0.3);
  EXPECT_EQ(a.vars.Get(0x084), 3) << "released: back to BOTH";
  a.avionics.Tick(5);
  EXPECT_EQ(a.vars.Get(0x084), 3);
}

TEST(KeySwitch, OtherPositionsStayPut) {
  for (double position : {0, 1, 2, 3}) {
    Aircraft a;
    a.vars.Set(0x084, position);
    a.avionics.Tick(10);
    EXPECT_EQ(a.vars.Get(0x084), position);
  }
}

TEST(KeySwitch, NoTimeOrBadTimeChangesNothing) {
  for (double seconds : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    Aircraft a;
    a.vars.Set(0x084, 3);
    a.avionics.KeyEvent(0x10063, 0);
    a.avionics.Tick(seconds);
    EXPECT_EQ(a.vars.Get(0x084), 4) << seconds;
  }
}

TEST(Primer, ARunningEngineBurnsThePrimedFuel) {
  Aircraft a;
  a.avionics.KeyEvent(0x102be, 0);
  a.avionics.KeyEvent(0x102be, 0);
  a.avionics.Tick(1);
  EXPECT_EQ(a.vars.Get(0x8001), 2) << "a stopped engine keeps it";
  a.vars.Set(0x169, 1);
  a.avionics.Tick(1);
  EXPECT_EQ(a.vars.Get(0x8001), 0);
}

// ---------------------------------------------------------------------------
// Power

TEST(Power, SwitchesDecideWhichBusesAreDark) {
  const struct {
    double battery, alternator, avionics;
    bool main_dark, avionics_dark;
  } cases[] = {
      {0, 0, 0, true, true},   {0, 0, 1, true, true},  {1, 0, 0, false, true},
      {1, 0, 1, false, false}, {0, 1, 1, true, true},  {1, 1, 1, false, false},
  };
  for (auto c : cases) {
    SCOPED_TRACE(::testing::Message() << "BAT " << c.battery << " ALT " << c.alternator << " AVIONICS " << c.avionics);
    Aircraft a;
    a.vars.Set(0x16c, c.battery);
    a.vars.Set(0x16b, c.alternator);
    a.vars.Set(0x2e4, c.avionics);
    FailureSet failures;
    failures.Set(9, true);  // a failed COM, set by the person
    failures.Set(14, true);
    failures.Set(20, !c.main_dark);  // the opposite of what is due, to be corrected
    failures.Set(21, !c.avionics_dark);
    a.avionics.PowerFailures(failures);
    EXPECT_EQ(failures.Active(20), c.main_dark);
    EXPECT_EQ(failures.Active(21), c.avionics_dark);
    EXPECT_TRUE(failures.Active(9)) << "other keys are left as they were";
    EXPECT_TRUE(failures.Active(14));
    EXPECT_EQ(failures.keys().size(), 2u + c.main_dark + c.avionics_dark);
  }
}

// ---------------------------------------------------------------------------
// The model behind real gauges

TEST(WithGauges, ClickingTheCom1KnobRetunesTheDisplay) {
  TestModule radios("Radios");
  VariableStore& vars = radios.sink().vars;
  PrepareVariables(vars);
  Avionics avionics(vars);
  auto* com = radios.As<StringElement>("RadioComNav1", {0});
  EXPECT_EQ(radios.Text(com), "122.80");
  radios.Click("RadioComNav1", 100, 120);  // right half of the MHz pair
  radios.Click("RadioComNav1", 240, 120);  // right half of the decimals pair
  for (auto [event, value] : radios.sink().key_events) EXPECT_TRUE(avionics.KeyEvent(event, value)) << Hex(event);
  EXPECT_EQ(radios.Text(com), "123.82");
}

TEST(WithGauges, AdfHundredsKnobAndTheModelAgree) {
  TestModule radios("Radios");
  VariableStore& vars = radios.sink().vars;
  PrepareVariables(vars);
  Avionics avionics(vars);
  vars.Set(0x10, 0x0950);
  for (uint32_t expected : {0x0150u, 0x0250u}) {
    radios.sink().key_events.clear();
    radios.Click("RadioAdf", 261, 83);
    for (auto [event, value] : radios.sink().key_events) EXPECT_TRUE(avionics.KeyEvent(event, value));
    EXPECT_EQ(vars.Get(0x10), expected);
  }
}

TEST(WithGauges, ADarkBusCoversTheRadios) {
  TestModule radios("Radios");
  VariableStore& vars = radios.sink().vars;
  PrepareVariables(vars);
  Avionics avionics(vars);
  auto instance = radios.NewInstance("RadioComNav1");
  const auto com_string = [&]() -> const ElementState& { return instance->elements().at(1); };
  const struct {
    double battery, avionics;
    FailureEffect effect;
  } cases[] = {{0, 1, FailureEffect::Covered}, {1, 0, FailureEffect::Covered}, {1, 1, FailureEffect::None}};
  for (auto c : cases) {
    vars.Set(0x16c, c.battery);
    vars.Set(0x2e4, c.avionics);
    FailureSet failures;
    avionics.PowerFailures(failures);
    radios.Update(*instance, failures);
    ASSERT_EQ(com_string().element, radios.ElementAt("RadioComNav1", {0}));
    EXPECT_EQ(com_string().failure, c.effect) << "battery " << c.battery << ", avionics " << c.avionics;
  }
}

// ---------------------------------------------------------------------------
// The generated reference

TEST(Docs, VariablesReferenceIsUpToDate) {
  const std::filesystem::path doc = std::filesystem::path(VANTOR_SOURCE_DIR) / "docs" / "variables.md";
  std::ifstream in(doc, std::ios::binary);
  std::stringstream committed;
  committed << in.rdbuf();
  const std::string expected = CatalogueMarkdown();
  if (committed.str() == expected) return;
  const std::filesystem::path fresh = std::filesystem::path(VANTOR_MODULE_DIR).parent_path() / "variables.md";
  std::ofstream(fresh, std::ios::binary) << expected;
  ADD_FAILURE() << doc << " differs from the catalogue. The expected file is written to " << fresh
                << "; copy it over:\n  cp " << fresh << " " << doc;
}

}  // namespace
}  // namespace vantor::test
