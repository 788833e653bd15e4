// The console: one JSON command per line in, one answer per line out.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/console.h"
#include "support/test_host.h"

namespace vantor::test {
namespace {

using nlohmann::json;

std::vector<json> RunCommands(const std::vector<json>& commands, const std::string& extra_lines = "") {
  std::stringstream in, out;
  for (const json& c : commands) in << c.dump() << "\n";
  in << extra_lines;
  EXPECT_EQ(RunConsole(in, out), 0);
  std::vector<json> answers;
  std::string line;
  while (std::getline(out, line)) answers.push_back(json::parse(line));
  return answers;
}

TEST(Console, LoadSetUpdateAndClickARadio) {
  const auto a = RunCommands({
      {{"load", ModulePath("Radios")}},
      {{"set", {{"var", 0x17}, {"value", 0x2280}}}},  // the catalogue reads COM 1 as u32
      {{"update", "RadioComNav1"}},
      {{"click", {{"gauge", "RadioComNav1"}, {"x", 100}, {"y", 120}}}},
      {{"update", "RadioComNav1"}},
      {{"click", {{"gauge", "RadioComNav1"}, {"x", 84}, {"y", 120}}}},
  });
  ASSERT_EQ(a.size(), 6u);
  EXPECT_EQ(a[0]["ok"], true);
  EXPECT_EQ(a[0]["gauges"].size(), 7u);
  EXPECT_EQ(a[0]["gauges"][0], "RadioComNav1");
  EXPECT_EQ(a[1], json({{"ok", true}}));
  const json& com = a[2]["elements"][1];
  EXPECT_EQ(com["path"], json({0}));
  EXPECT_EQ(com["kind"], "string");
  EXPECT_EQ(com["text"], "122.80");
  EXPECT_EQ(com["value"], 0x2280);
  EXPECT_EQ(com["draw_flags"], 7);
  EXPECT_EQ(com["hidden"], false);
  EXPECT_EQ(a[3]["hit"], "event");
  EXPECT_EQ(a[3]["cursor"], 1);
  EXPECT_EQ(a[3]["help_id"], 42768);
  EXPECT_EQ(a[3]["key_events"], json({{0x10065, 0}}));
  EXPECT_EQ(a[4]["elements"][1]["text"], "123.80") << "the key event reached the avionics model";
  EXPECT_EQ(a[5]["hit"], "none") << "the gap between the two MHz zones";
  EXPECT_EQ(a[5]["key_events"], json::array());
}

TEST(Console, HandlersWindowsAndServiceCalls) {
  const auto a = RunCommands({
      {{"load", ModulePath("Vantor3")}},
      {{"click", {{"gauge", "ToggleOpen"}, {"x", 10}, {"y", 10}}}},
      {{"gauge_callback", {{"gauge", "Vor2rpm"}, {"service", 6}, {"arg", 0}}}},
      {{"routine", {{"gauge", "Man2"}, {"n", 2}, {"arg", 4294967295u}}}},
      {{"routine", {{"gauge", "Man2"}, {"n", 7}}}},
  });
  ASSERT_EQ(a.size(), 5u);
  EXPECT_EQ(a[1]["hit"], "handler");
  EXPECT_EQ(a[1]["windows"], json({{"close", 0, 1}, {"open", 21, 1}}));
  EXPECT_EQ(a[1]["result"], 1);
  EXPECT_EQ(a[2]["service_calls"], json::array());
  EXPECT_EQ(a[3]["service_calls"], json({{{"service", 2}, {"element", {"Vor2rpm", json::array()}}, {"arg", 4294967295u}}}));
  EXPECT_EQ(a[4]["service_calls"][0]["service"], 8) << "routine 7 goes to element-list service 8";
}

TEST(Console, ResetStartsModulesAfresh) {
  const json update = {{"update", "Vor2rpm"}};
  const auto a = RunCommands({
      {{"load", ModulePath("Vantor3")}},
      update,
      {{"click", {{"gauge", "Vor2rpm"}, {"x", 150}, {"y", 150}}}},  // the centre switches to the VOR display
      update,
      {{"reset", true}},
      update,
  });
  ASSERT_EQ(a.size(), 6u);
  auto hidden = [](const json& answer) {
    std::vector<bool> h;
    for (const json& e : answer["elements"]) h.push_back(e["hidden"]);
    return h;
  };
  EXPECT_NE(hidden(a[1]), hidden(a[3])) << "the click switched the display";
  EXPECT_EQ(a[4], json({{"ok", true}}));
  EXPECT_EQ(hidden(a[1]), hidden(a[5])) << "fresh module state after the reset";
}

TEST(Console, ErrorsAnswerAndTheConsoleGoesOn) {
  const auto a = RunCommands(
      {
          {{"update", "RadioComNav1"}},
          {{"fly", true}},
          {{"set", {{"var", 0x17}, {"value", 1}, {"form", "float"}}}},
          {{"set", {{"var", "COM1"}, {"value", 1}}}},
          {{"load", "/nowhere/Radios.gau"}},
          {{"load", ModulePath("Radios")}},
          {{"load", ModulePath("Radios")}},
          {{"routine", {{"gauge", "RadioAP"}, {"n", 9}}}},
      },
      "{not json\n\n");
  ASSERT_EQ(a.size(), 9u);
  const char* expected[] = {"no loaded gauge is named \"RadioComNav1\"", "unknown command \"fly\"", "form must be",
                            "bad command", "no such module file", nullptr, "already loaded", "routine n must be 1 to 7",
                            "bad command"};
  for (size_t i = 0; i < a.size(); ++i) {
    if (expected[i] == nullptr) {
      EXPECT_EQ(a[i]["ok"], true);
      continue;
    }
    EXPECT_EQ(a[i]["ok"], false) << i;
    EXPECT_NE(std::string(a[i]["error"]).find(expected[i]), std::string::npos) << a[i].dump();
  }
}

}  // namespace
}  // namespace vantor::test
