// Scenarios: the track file's errors with file and line, how a track's value
// runs between and beyond its keys, and the default flight.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <set>

#include "model/catalogue.h"
#include "scenario/scenario.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

// A few names, as a catalogue would give them.
std::optional<uint32_t> LocalNames(std::string_view name) {
  static const std::map<std::string_view, uint32_t> names = {
      {"ENGINE_RPM", 0x186}, {"KEY_SWITCH", 0x84}, {"GYRO_HEADING", 0x54}};
  auto found = names.find(name);
  if (found == names.end()) return std::nullopt;
  return found->second;
}

class ScenarioFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vantor_scenario_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& text) {
    const fs::path path = dir_ / "flight.scn";
    std::ofstream(path) << text;
    return path.string();
  }
  Scenario Load(const std::string& text) { return LoadScenario(Write(text), LocalNames); }

  fs::path dir_;
};

TEST_F(ScenarioFiles, EveryFaultNamesFileLineAndCause) {
  const struct {
    const char* what;
    const char* text;
    int line;
    std::string message;
  } cases[] = {
      {"unknown name", "# start\ntrack ENGINE_RPN linear\n0 0\n", 2, "unknown variable ENGINE_RPN"},
      {"not an id", "track 0x18G linear\n0 0\n", 1, "unknown variable 0x18G"},
      {"bad time", "track ENGINE_RPM linear\n0 0\n1O 800\n", 3, "bad number '1O' for the time"},
      {"bad value", "track ENGINE_RPM linear\n0 0\n10 8OO\n", 3, "bad number '8OO' for the value"},
      {"infinite value", "track ENGINE_RPM linear\n0 inf\n", 2, "bad number 'inf' for the value"},
      {"nan value", "track ENGINE_RPM linear\n0 nan\n", 2, "bad number 'nan' for the value"},
      {"bad hex value", "track 0x17 step\n0 0x22G0\n", 2, "bad number '0x22G0' for the value"},
      {"time going back", "track ENGINE_RPM linear\n0 0\n10 800\n9 900\n", 4,
       "time 9 comes before the previous key's (times must increase)"},
      {"time three times", "track ENGINE_RPM linear\n0 0\n5 1\n5 2\n5 3\n", 5,
       "time 5 is written a third time (twice makes a jump)"},
      {"negative time", "track ENGINE_RPM linear\n-1 0\n", 2, "time -1 is before the start"},
      {"empty track", "track ENGINE_RPM linear\n\ntrack KEY_SWITCH step\n0 1\n", 1, "track ENGINE_RPM has no keys"},
      {"empty last track", "track KEY_SWITCH step\n0 1\ntrack 0x186 linear # rpm\n", 3, "track 0x186 has no keys"},
      {"unknown keyword", "track ENGINE_RPM linear\n0 0\nhold 10\n", 3,
       "unknown keyword 'hold' (expected track, or a time and a value)"},
      {"key before any track", "0 0\n", 1, "a key before any track"},
      {"three numbers", "track ENGINE_RPM linear\n0 0 1\n", 2, "expected: time value"},
      {"no interpolation", "track ENGINE_RPM\n0 0\n", 1, "expected: track VARIABLE linear|step|angle"},
      {"unknown interpolation", "track ENGINE_RPM cubic\n0 0\n", 1,
       "unknown interpolation 'cubic' (expected linear, step or angle)"},
      {"second track", "track ENGINE_RPM linear\n0 0\ntrack 390 step\n0 1\n", 3,
       "second track for 390 (the first is at line 1)"},
  };
  for (const auto& c : cases) {
    const std::string path = Write(c.text);
    try {
      LoadScenario(path, LocalNames);
      ADD_FAILURE() << c.what << ": loaded without an error";
    } catch (const ConfigError& e) {
      EXPECT_EQ(e.line(), c.line) << c.what << ": " << e.what();
      EXPECT_EQ(e.message().substr(0, c.message.size()), c.message) << c.what << ": " << e.what();
      EXPECT_EQ(std::string(e.what()).rfind(path + ":" + std::to_string(c.line) + ": ", 0), 0u) << e.what();
    }
  }
}

TEST_F(ScenarioFiles, AFileWithoutTracksIsRefusedAsAWhole) {
  const std::string path = Write("# nothing to play\n\n");
  try {
    LoadScenario(path, LocalNames);
    ADD_FAILURE() << "loaded";
  } catch (const ConfigError& e) {
    EXPECT_STREQ(e.what(), (path + ": no track in the file").c_str());
  }
  EXPECT_THROW(LoadScenario((dir_ / "absent.scn").string(), LocalNames), ConfigError);
}

TEST_F(ScenarioFiles, VariablesByNameOrByNumber) {
  Scenario s = Load(
      "track ENGINE_RPM linear\n0 1\n"
      "track 0x17 step   # COM 1, BCD\n0 0x2280\n"
      "track 132 step\n0 3\n");
  ASSERT_EQ(s.tracks().size(), 3u);
  EXPECT_EQ(s.tracks()[0].id, 0x186u);
  EXPECT_EQ(s.tracks()[1].id, 0x17u);
  EXPECT_EQ(s.tracks()[1].keys[0].value, double(0x2280));
  EXPECT_EQ(s.tracks()[2].id, 132u);
  EXPECT_EQ(s.tracks()[2].line, 5);
  // Numbers are ids whatever the resolver knows.
  EXPECT_EQ(LoadScenario(Write("track 0x186 linear\n0 1\n"), nullptr).tracks()[0].id, 0x186u);
}

// One row per claim: a time and the value the track has then.
struct At {
  double time, value;
};

void ExpectValues(const Track& track, std::initializer_list<At> rows) {
  for (const At& row : rows) EXPECT_NEAR(track.ValueAt(row.time), row.value, 1e-9) << track.variable << " at " << row.time;
}

TEST_F(ScenarioFiles, LinearTracksRunStraightBetweenKeysAndHoldBeyond) {
  Scenario s = Load("track ENGINE_RPM linear\n10 1000\n20 2000\n30 1500\n30 0\n40 100\n");
  const Track& t = s.tracks()[0];
  ExpectValues(t, {{0, 1000},  {10, 1000}, {12.5, 1250}, {20, 2000}, {25, 1750},  // before, at and between keys
                   {29.99, 1500.5}, {30, 0}, {35, 50},                          // the jump at 30
                   {40, 100}, {1e9, 100}});                                   // beyond the last key
  EXPECT_EQ(t.ValueAt(std::numeric_limits<double>::quiet_NaN()), 1000);
  EXPECT_EQ(s.duration(), 40);
}

TEST_F(ScenarioFiles, StepTracksHoldEachKeyUntilTheNext) {
  Scenario s = Load("track KEY_SWITCH step\n5 3\n6 4\n9 3\n");
  ExpectValues(s.tracks()[0], {{0, 3}, {5.9, 3}, {6, 4}, {8.99, 4}, {9, 3}, {100, 3}});
}

TEST_F(ScenarioFiles, AngleTracksTurnTheShorterWayRound) {
  Scenario s = Load("track GYRO_HEADING angle\n0 350\n10 10\n20 270\n30 -90\n40 400\n");
  ExpectValues(s.tracks()[0], {{0, 350}, {5, 0}, {7.5, 5},        // across north, not back through south
                               {15, 320}, {20, 270}, {25, 270},  // 10 to 270 goes left; -90 is 270
                               {35, 335}, {40, 40}, {50, 40}});  // and 400 is 040
}

TEST_F(ScenarioFiles, ApplySetsEveryTrackAndDurationIsTheLastKey) {
  Scenario s = Load("track ENGINE_RPM linear\n0 0\n60 2400\ntrack KEY_SWITCH step\n0 0\n90 3\n");
  EXPECT_EQ(s.duration(), 90);
  VariableStore vars;
  vars.Set(0x999, 7);
  s.Apply(30, vars);
  EXPECT_EQ(vars.Get(0x186), 1200);
  EXPECT_EQ(vars.Get(0x84), 0);
  s.Apply(120, vars);
  EXPECT_EQ(vars.Get(0x186), 2400);
  EXPECT_EQ(vars.Get(0x84), 3);
  EXPECT_EQ(vars.Get(0x999), 7);  // a variable no track names is left alone
}

// ---------------------------------------------------------------------------
// The default flight

std::optional<uint32_t> CatalogueNames(std::string_view name) {
  if (const VariableInfo* v = FindVariable(name)) return v->id;
  return std::nullopt;
}

class DefaultFlight : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    flight_ = std::make_unique<Scenario>(
        LoadScenario(std::string(VANTOR_DEFAULT_PANEL_DIR) + "/default-flight.scn", CatalogueNames));
  }
  static void TearDownTestSuite() { flight_.reset(); }
  static const Track* TrackOf(std::string_view name) {
    for (const Track& t : flight_->tracks())
      if (t.variable == name) return &t;
    return nullptr;
  }
  static std::unique_ptr<Scenario> flight_;
};
std::unique_ptr<Scenario> DefaultFlight::flight_;

TEST_F(DefaultFlight, IsAShortFlightFromColdAndDarkToShutdown) {
  EXPECT_GE(flight_->duration(), 180);
  EXPECT_LE(flight_->duration(), 600);
  for (double t : {0.0, flight_->duration()}) {
    VariableStore vars;
    flight_->Apply(t, vars);
    EXPECT_EQ(vars.Get(FindVariable("ENGINE_RPM")->id), 0) << "at " << t;
    EXPECT_EQ(vars.Get(FindVariable("BATTERY_SWITCH")->id), 0) << "at " << t;
    EXPECT_EQ(vars.Get(FindVariable("KEY_SWITCH")->id), 0) << "at " << t;
  }
}

// Whatever the simulator alone would move, the flight moves.
TEST_F(DefaultFlight, DrivesEveryVariableOnlyTheWorldChanges) {
  for (const VariableInfo& v : VariableCatalogue()) {
    if (v.changed_by.find("scenario") == std::string_view::npos || v.min == v.max) continue;
    EXPECT_NE(TrackOf(v.name), nullptr) << v.name << " has no track";
  }
}

// Every value stays within what the panel is meant to show, and each
// instrument's variable travels over most of its dial.
TEST_F(DefaultFlight, MovesEveryInstrumentThroughItsRange) {
  std::map<uint32_t, std::pair<double, double>> seen;  // id → lowest, highest
  for (double t = 0; t <= flight_->duration(); t += 0.25) {
    VariableStore vars;
    flight_->Apply(t, vars);
    for (const auto& [id, value] : vars.values()) {
      const VariableInfo* info = FindVariable(id);
      ASSERT_NE(info, nullptr) << "variable " << id;
      EXPECT_GE(value, info->min) << info->name << " at " << t;
      EXPECT_LE(value, info->max) << info->name << " at " << t;
      auto [it, fresh] = seen.emplace(id, std::make_pair(value, value));
      it->second = {std::min(it->second.first, value), std::max(it->second.second, value)};
    }
  }
  const struct {
    const char* name;
    double share;  // of the catalogue's range, at least
  } instruments[] = {
      {"OIL_TEMPERATURE", 0.5},        {"OIL_PRESSURE", 0.9},      {"FUEL_LEFT_MAIN_QUANTITY", 0.8},
      {"FUEL_RIGHT_MAIN_QUANTITY", 0.5}, {"FUEL_PRESSURE", 0.9},   {"ENGINE_RPM", 0.85},
      {"MANIFOLD_PRESSURE", 0.5},      {"EXHAUST_GAS_TEMPERATURE", 0.8}, {"OUTSIDE_AIR_TEMPERATURE", 0.2},
      {"AMMETER", 0.8},                {"MAGNETIC_COMPASS_HEADING", 0.9}, {"GYRO_HEADING", 0.9},
      {"NAV1_CDI_DEVIATION", 0.9},     {"NAV2_CDI_DEVIATION", 0.9}, {"NAV1_TO_FROM", 1},
      {"NAV2_TO_FROM", 1},             {"HSI_GLIDESLOPE_DEVIATION", 0.55}, {"DME1_DISTANCE", 0.08},
      {"DME1_SPEED", 0.1},             {"FLAPS_POSITION", 1},      {"ELEVATOR_TRIM", 1},
      {"MARKER_BEACON", 1},            {"LOW_VACUUM_WARNING", 1},  {"LOW_OIL_PRESSURE_WARNING", 1},
      {"LOW_VOLTAGE_WARNING", 1},      {"HSI_GLIDESLOPE_FLAG", 1}, {"KEY_SWITCH", 1},
      {"THROTTLE_LEVER", 1},           {"MIXTURE_LEVER", 1},       {"CARB_HEAT", 1},
  };
  for (const auto& i : instruments) {
    const VariableInfo* info = FindVariable(i.name);
    ASSERT_NE(info, nullptr) << i.name;
    ASSERT_EQ(seen.count(info->id), 1u) << i.name << " never set";
    const auto [low, high] = seen[info->id];
    EXPECT_GE(high - low, i.share * (info->max - info->min) - 1e-9) << i.name << " runs only " << low << " to " << high;
  }
}

// The NAV flag, TO and FROM each show while tracking the VOR, and the DME
// shows no station (dashes) before it is in range and a distance after.
TEST_F(DefaultFlight, NavigationIndicationsAllShow) {
  std::set<double> to_from;
  std::set<bool> dme_station;
  for (double t = 0; t <= flight_->duration(); t += 0.25) {
    to_from.insert(TrackOf("NAV1_TO_FROM")->ValueAt(t));
    dme_station.insert(TrackOf("DME1_DISTANCE")->ValueAt(t) >= 0);
    const double distance = TrackOf("DME1_DISTANCE")->ValueAt(t);
    EXPECT_TRUE(distance == -1 || distance >= 0) << "DME distance " << distance << " at " << t;
  }
  EXPECT_EQ(to_from, (std::set<double>{0, 1, 2}));
  EXPECT_EQ(dme_station, (std::set<bool>{false, true}));
}

}  // namespace
}  // namespace vantor
