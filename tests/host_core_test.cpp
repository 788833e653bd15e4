// The host core's reading of mouse lists and its element arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/test_host.h"

namespace vantor::test {
namespace {

MouseRect Parent(int x, int y, uint32_t w, uint32_t h, uint32_t help = 0) {
  return {kMouseParent, x, y, w, h, -1, help, 0, 0, nullptr, 0};
}
MouseRect EventChild(int x, int y, uint32_t w, uint32_t h, int cursor, uint32_t event) {
  return {kMouseChild, x, y, w, h, cursor, 0, 0x20200000, event, nullptr, 0};
}
MouseRect HandlerChild(int x, int y, uint32_t w, uint32_t h, MouseHandler handler, uint32_t flags = 0x20000000) {
  return {kMouseChild, x, y, w, h, 5, 0, flags, 0, handler, 0};
}
const MouseRect kEndParent{kMouseEndParent, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0};
const MouseRect kEndList{kMouseEndList, 0, 0, 0, 0, -1, 0, 0, 0, nullptr, 0};

MousePoint g_last_point{-1, -1};
int g_handler_calls = 0;
int32_t RecordPoint(MousePoint p, uint32_t) {
  g_last_point = p;
  ++g_handler_calls;
  return 7;
}

// A tuning area: two zones with a gap of two pixels between them.
const MouseRect kTuning[] = {
    Parent(0, 0, 0, 0),
    Parent(25, 90, 240, 80, 42768),
    EventChild(0, 0, 59, 79, 2, 0x10064),
    EventChild(61, 0, 58, 79, 1, 0x10065),
    kEndParent,
    HandlerChild(300, 10, 40, 20, RecordPoint),
    kEndParent,
    kEndList,
};

TEST(MouseMap, ChildBoxesAddTheirParentsOrigins) {
  const MouseMap map(kTuning, 600, 265);
  ASSERT_EQ(map.children().size(), 3u);
  const Box b = map.children()[1].box;
  EXPECT_EQ(b.x, 86);
  EXPECT_EQ(b.y, 90);
  EXPECT_EQ(b.x + b.w - 1, 143);
  EXPECT_EQ(b.y + b.h - 1, 168);
  EXPECT_EQ(map.parents()[0].box.w, 600) << "(0, 0, 0, 0) is the whole gauge";
}

TEST(MouseMap, WhatThePointerFinds) {
  const MouseMap map(kTuning, 600, 265);
  const struct {
    int x, y;
    MouseHit::Kind kind;
    int cursor;
    uint32_t help, event;
  } cases[] = {
      {25, 90, MouseHit::Event, 2, 42768, 0x10064},    // first pixel of the lower zone
      {83, 168, MouseHit::Event, 2, 42768, 0x10064},   // its last pixel
      {84, 100, MouseHit::None, -1, 42768, 0},         // the gap: help text, no action
      {85, 100, MouseHit::None, -1, 42768, 0},
      {86, 100, MouseHit::Event, 1, 42768, 0x10065},
      {143, 168, MouseHit::Event, 1, 42768, 0x10065},
      {144, 100, MouseHit::None, -1, 42768, 0},
      {10, 10, MouseHit::None, -1, 0, 0},              // the whole gauge carries no help
      {300, 10, MouseHit::Handler, 5, 0, 0},
  };
  for (auto c : cases) {
    const MouseHit hit = map.At(c.x, c.y);
    SCOPED_TRACE(::testing::Message() << "(" << c.x << ", " << c.y << ")");
    EXPECT_EQ(hit.kind, c.kind);
    EXPECT_EQ(hit.cursor, c.cursor);
    EXPECT_EQ(hit.help_id, c.help);
    if (c.kind == MouseHit::Event) EXPECT_EQ(hit.child->key_event, c.event);
  }
}

TEST(MouseClick, EventChildSendsItsKeyEventAndRunsNoModuleCode) {
  RecordingSink sink;
  g_handler_calls = 0;
  const ClickOutcome out = Click(MouseMap(kTuning, 600, 265), 100, 120, kMouseLeftSingle, sink);
  EXPECT_TRUE(out.acted);
  EXPECT_EQ(sink.key_events, (std::vector<std::pair<uint32_t, uint32_t>>{{0x10065, 0}}));
  EXPECT_EQ(g_handler_calls, 0);
  EXPECT_TRUE(sink.lookups.empty());
}

TEST(MouseClick, GapDoesNothing) {
  RecordingSink sink;
  const ClickOutcome out = Click(MouseMap(kTuning, 600, 265), 84, 120, kMouseLeftSingle, sink);
  EXPECT_FALSE(out.acted);
  EXPECT_TRUE(sink.key_events.empty());
}

TEST(MouseClick, HandlerGetsThePointRelativeToItsOwnBox) {
  RecordingSink sink;
  g_handler_calls = 0;
  const ClickOutcome out = Click(MouseMap(kTuning, 600, 265), 317, 29, kMouseLeftSingle, sink);
  EXPECT_EQ(g_handler_calls, 1);
  EXPECT_EQ(g_last_point.x, 17);
  EXPECT_EQ(g_last_point.y, 19);
  EXPECT_EQ(out.result, 7);
}

TEST(MouseClick, ActionNotInTheChildsFlagsDoesNothing) {
  RecordingSink sink;
  g_handler_calls = 0;
  Click(MouseMap(kTuning, 600, 265), 317, 29, kMouseDrag, sink);
  EXPECT_EQ(g_handler_calls, 0);
}

// A list with one end-of-parent too many, overlapping children and a child
// reaching past the gauge still reads.
TEST(MouseMap, OddListsRead) {
  const MouseRect list[] = {
      Parent(0, 0, 0, 0, 43805),
      HandlerChild(50, 50, 200, 200, RecordPoint),
      Parent(2, 232, 64, 64, 43891),
      EventChild(0, 0, 32, 64, 2, 0x10080),
      EventChild(32, 0, 32, 64, 1, 0x10081),
      kEndParent,
      kEndParent,
      kEndParent,  // one more than there are parents
      EventChild(290, 290, 40, 40, 1, 0x10099),
      kEndList,
  };
  const MouseMap map(list, 302, 302);
  EXPECT_EQ(map.children().size(), 4u);
  EXPECT_EQ(map.At(60, 240).child->key_event, 0x10081u) << "the knob inside the larger area wins";
  EXPECT_EQ(map.At(60, 240).help_id, 43891u) << "the inner parent's help text";
  EXPECT_EQ(map.At(100, 100).kind, MouseHit::Handler);
  EXPECT_EQ(map.At(100, 100).help_id, 43805u);
  EXPECT_EQ(map.At(320, 320).child->key_event, 0x10099u);
}

TEST(MouseMap, ListWithoutEndStopsAtTheLimit) {
  std::vector<MouseRect> list(MouseMap::kMaxEntries + 10, EventChild(0, 0, 1, 1, 1, 1));
  EXPECT_EQ(MouseMap(list.data(), 10, 10).children().size(), size_t(MouseMap::kMaxEntries));
}

// A needle on a three-point table, pivot at the origin: points east, south
// and west of it, so the needle sweeps half a turn clockwise.
NeedleElement TableNeedle(NonlinearityEntry* table, uint32_t n) {
  NeedleElement needle{};
  needle.base.kind = kNeedle;
  needle.table = table;
  needle.table_entries = n;
  return needle;
}

TEST(NeedleTable, AnglesFollowTheTablePoints) {
  NonlinearityEntry up[] = {{{100, 0}, 0, 0}, {{0, 100}, 50, 0}, {{-100, 0}, 100, 0}};
  NonlinearityEntry down[] = {{{100, 0}, 127, 0}, {{0, 100}, 0, 0}, {{-100, 0}, -128, 0}};
  const NeedleElement a = TableNeedle(up, 3), d = TableNeedle(down, 3);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const NeedleElement* needle;
    double value, angle;
  } cases[] = {
      {&a, 0, 0},     {&a, 50, 90},   {&a, 100, 180}, {&a, 25, 45}, {&a, 75, 135},
      {&a, -10, 0},   {&a, 1e300, 180}, {&a, nan, 0},                  // ends clamp
      {&d, 127, 0},   {&d, 0, 90},    {&d, -128, 180}, {&d, 63.5, 45}, {&d, 500, 0}, {&d, -500, 180},
  };
  for (auto c : cases) EXPECT_NEAR(TableAngle(*c.needle, c.value), c.angle, 1e-9) << c.value;
}

// A needle that sweeps across the -180/180 seam keeps turning the same way.
TEST(NeedleTable, SweepAcrossTheSeamStaysUnwrapped) {
  NonlinearityEntry t[] = {{{-100, 10}, 0, 0}, {{-100, -10}, 10, 0}};
  const NeedleElement n = TableNeedle(t, 2);
  const double a0 = TableAngle(n, 0), a1 = TableAngle(n, 10);
  EXPECT_NEAR(std::fabs(a1 - a0), 2 * std::atan2(10, 100) * 180 / M_PI, 1e-9);
}

TEST(IconFrames, WhatAResultShows) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double value;
    uint32_t frames;
    int frame;
  } cases[] = {{0, 1, 0},  {-1, 1, -1}, {-0.5, 2, -1}, {1, 1, 0}, {2, 3, 2}, {1.7, 3, 1},
               {99, 3, 2}, {nan, 3, -1}, {1e300, 5, 4}, {0, 0, -1}};
  for (auto c : cases) EXPECT_EQ(IconFrame(c.value, c.frames), c.frame) << c.value << " of " << c.frames;
}

TEST(VariableForms, IntegerFormsAreDefinedForEveryDouble) {
  VariableStore vars;
  vars.DeclareForm(0x17, VarForm::U32);
  vars.DeclareForm(0x36, VarForm::U16);
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    uint32_t id;
    double value;
    uint64_t bits;
  } cases[] = {{0x17, 0x1800, 0x1800},       {0x17, 0x12345, 0x12345},   {0x17, -1, 0xFFFFFFFF},
               {0x17, std::nan(""), 0},      {0x17, inf, 0xFFFFFFFF},    {0x17, 4294967296.0 + 5, 5},
               {0x36, 0x10001, 1},           {0x36, 2.9, 2}};
  for (auto c : cases) {
    vars.Set(c.id, c.value);
    ModuleVar v{c.id, nullptr, 0, 0xDEADBEEFDEADBEEF, 0};
    vars.Refresh(v);
    EXPECT_EQ(v.current, c.bits) << std::hex << c.id << " " << c.value;
  }
  ModuleVar unbound{0, nullptr, 0, 42, 0};
  vars.Refresh(unbound);
  EXPECT_EQ(unbound.current, 42u) << "token variable 0 is never refreshed";
}

}  // namespace
}  // namespace vantor::test
