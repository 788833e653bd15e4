// hsi, the horizontal situation indicator of Vantorhsi, loaded from the
// built module and driven through the host core.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/mouse_rows.h"
#include "support/test_host.h"

namespace vantor::test {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// The element chain, by depth.
enum Depth {
  kBezel, kCard, kBug, kCourse, kFromArrow, kToArrow, kBar, kGlideslope, kGsFlag, kRightKnob, kLeftKnob,
  kNavFlag, kChainLength
};

const char* const kDepthNames[kChainLength] = {
    "bezel", "card", "heading bug", "course pointer", "FROM arrow", "TO arrow", "deviation bar",
    "glideslope pointer", "GS flag", "right knob", "left knob", "NAV flag"};

class Hsi : public ::testing::Test {
 protected:
  Hsi() { m.sink().vars.DeclareForm(0x2B, VarForm::U32); }

  Element* At(int depth) const { return m.ElementAt("hsi", std::vector<int>(depth, 0)); }
  void Set(uint32_t id, double value) { m.sink().vars.Set(id, value); }
  double Value(int depth, const std::string& role = "") { return m.CallValue(At(depth), role); }
  bool Hidden(int depth) const { return (At(depth)->draw_flags & kHidden) != 0; }

  TestModule m{"Vantorhsi"};
};

// ---------------------------------------------------------------------------
// Records

struct ChainRow {
  uint32_t kind;
  int32_t bitmap;
  Point32 position;
  Point32 pivot;
  uint32_t variable;  // needle and icon: their variable; slider: y; sprite: rotation
  uint32_t draw_flags;
  std::vector<std::pair<uint32_t, uint32_t>> failures;  // (key, action)
  bool callback;
};

using Failures = std::vector<std::pair<uint32_t, uint32_t>>;
const Failures kTurning = {{11, 1}, {20, 1}};
const Failures kNav = {{11, 1}, {14, 2}, {20, 1}, {21, 2}};

const ChainRow kChain[kChainLength] = {
    // kind        bitmap  position    pivot       variable flags   failures                         callback
    {kStaticImage, 272, {0, 0},     {0, 0},     0,     0x4083, {},                              false},
    {kNeedle,      281, {178, 184}, {127, 127}, 0x54,  0x4083, kTurning,                        true},
    {kNeedle,      278, {178, 184}, {15, 130},  0x357, 0x4083, kTurning,                        true},
    {kNeedle,      280, {178, 184}, {87, 109},  0x356, 0x4083, kNav,                            true},
    {kNeedle,      277, {178, 184}, {-20, 60},  0x356, 0x4083, kNav,                            true},
    {kNeedle,      276, {178, 184}, {-20, 60},  0x356, 0x4083, kNav,                            true},
    {kSprite,      288, {50, 62},   {178, 184}, 0x356, 0x4083, kNav,                            true},
    {kSlider,      279, {27, 176},  {0, 0},     0x352, 0x4083, {{14, 2}, {20, 1}, {21, 2}},     true},
    {kIcon,        290, {20, 129},  {0, 0},     0x353, 0x4083, {},                              true},
    {kNeedle,      275, {319, 314}, {32, 32},   0x6B,  0x4083, {},                              false},
    {kNeedle,      274, {40, 326},  {32, 32},   0x2D,  0x4083, {},                              false},
    {kNeedle,      292, {178, 184}, {-20, 70},  0x2D,  0x4003, {},                              true},
};

uint32_t VariableOf(Element* e) {
  switch (e->kind) {
    case kNeedle: return reinterpret_cast<NeedleElement*>(e)->var.id;
    case kSlider: return reinterpret_cast<SliderElement*>(e)->y_var.id;
    case kIcon: return reinterpret_cast<IconElement*>(e)->var.id;
    case kSprite: return reinterpret_cast<SpriteElement*>(e)->rotation_var.id;
    default: return 0;
  }
}

bool HasCallback(Element* e) {
  switch (e->kind) {
    case kNeedle: return reinterpret_cast<NeedleElement*>(e)->value != nullptr;
    case kSlider: return reinterpret_cast<SliderElement*>(e)->y_value != nullptr;
    case kIcon: return reinterpret_cast<IconElement*>(e)->value != nullptr;
    case kSprite: return reinterpret_cast<SpriteElement*>(e)->rotation_value != nullptr;
    default: return false;
  }
}

Failures FailuresOf(const Element* e) {
  Failures out;
  for (const FailureRecord* f = e->failures; f != nullptr && f->key != 0; ++f) {
    out.emplace_back(f->key, f->action);
    EXPECT_EQ(f->reserved, 0u);
  }
  return out;
}

TEST_F(Hsi, ElementChainIsTwelveDeepWithEachElementAsListed) {
  GaugeHeader* g = m.Gauge("hsi");
  EXPECT_EQ(g->version, 700u);
  EXPECT_EQ(g->default_width_mm, 120u);
  EXPECT_EQ(g->callback, nullptr);
  ASSERT_NE(g->elements[0], nullptr);
  EXPECT_EQ(g->elements[1], nullptr);

  for (int depth = 0; depth < kChainLength; ++depth) {
    SCOPED_TRACE(::testing::Message() << "hsi depth " << depth << " (" << kDepthNames[depth] << ")");
    const ChainRow& row = kChain[depth];
    Element* e = At(depth);
    EXPECT_EQ(e->kind, row.kind);
    EXPECT_EQ(e->bitmap_id, row.bitmap);
    EXPECT_EQ(e->position.x, row.position.x);
    EXPECT_EQ(e->position.y, row.position.y);
    EXPECT_EQ(e->pivot.x, row.pivot.x);
    EXPECT_EQ(e->pivot.y, row.pivot.y);
    EXPECT_EQ(VariableOf(e), row.variable);
    EXPECT_EQ(e->draw_flags, row.draw_flags);
    EXPECT_EQ(FailuresOf(e), row.failures);
    if (row.failures.empty()) {
      EXPECT_EQ(e->failures, nullptr);
    }
    EXPECT_EQ(HasCallback(e), row.callback);
    EXPECT_EQ(e->gauge, g);
    EXPECT_EQ(e->special_flags, 0u);
    if (depth + 1 < kChainLength) {
      ASSERT_NE(e->children, nullptr);
      EXPECT_EQ(e->children[0], At(depth + 1));
      EXPECT_EQ(e->children[1], nullptr) << "each element has exactly one child";
    } else {
      EXPECT_EQ(e->children, nullptr) << "the NAV flag ends the chain";
    }
    if (e->kind == kNeedle) {
      const auto* n = reinterpret_cast<NeedleElement*>(e);
      EXPECT_EQ(n->table, nullptr);
      EXPECT_EQ(n->table_entries, 0u);
      EXPECT_EQ(n->max_degrees_per_update, 0u);
    }
  }
}

TEST_F(Hsi, SpriteSliderAndIconParameters) {
  const auto* bar = reinterpret_cast<SpriteElement*>(At(kBar));
  EXPECT_EQ(bar->x_var.id, 0x28u);
  EXPECT_DOUBLE_EQ(bar->x_scale, -0.632813);
  EXPECT_EQ(bar->y_var.id, 0u);
  EXPECT_DOUBLE_EQ(bar->rotation_scale, -1.0);
  EXPECT_FLOAT_EQ(bar->texture_scale_x, 1.5f);
  EXPECT_FLOAT_EQ(bar->texture_scale_y, 1.5f);
  EXPECT_EQ(bar->x_value, nullptr);
  EXPECT_EQ(bar->y_value, nullptr);

  const auto* gs = reinterpret_cast<SliderElement*>(At(kGlideslope));
  EXPECT_EQ(gs->x_var.id, 0u);
  EXPECT_DOUBLE_EQ(gs->x_scale, 1.0);
  EXPECT_DOUBLE_EQ(gs->y_scale, 50.0);
  EXPECT_EQ(gs->x_value, nullptr);

  const auto* flag = reinterpret_cast<IconElement*>(At(kGsFlag));
  EXPECT_EQ(flag->switch_mode, 0u);
  EXPECT_EQ(flag->frames, 1u);
}

TEST_F(Hsi, ModuleHoldsEveryPictureAtItsSize) {
  const std::map<uint32_t, std::pair<int, int>> expected = {
      {272, {354, 351}}, {274, {64, 64}},   {275, {64, 64}},   {276, {30, 36}},   {277, {30, 36}},
      {278, {32, 31}},   {279, {15, 19}},   {280, {177, 218}}, {281, {256, 256}}, {288, {256, 256}},
      {289, {256, 256}}, {290, {22, 98}},   {292, {40, 42}}};
  const auto& bitmaps = m.module().file().bitmaps;
  EXPECT_EQ(bitmaps.size(), expected.size());
  for (const auto& [id, size] : expected) {
    SCOPED_TRACE(::testing::Message() << "bitmap " << id);
    auto it = bitmaps.find(id);
    ASSERT_NE(it, bitmaps.end());
    EXPECT_EQ(it->second.width, size.first);
    EXPECT_EQ(it->second.height, size.second);
  }
}

// The deviation bar is seen only through the near-black part of its window,
// which must lie over the course pointer's disc and leave the card clear.
TEST_F(Hsi, DeviationWindowShowsTheBarOnlyOverTheInnerDisc) {
  const Image* window = m.module().Bitmap(289);
  ASSERT_NE(window, nullptr);
  const double cx = 178 - 50 + 0.5, cy = 184 - 62 + 0.5;  // the card's centre in window pixels
  const uint32_t kSeeThrough = 0x010101;
  int see_through = 0;
  for (int y = 0; y < window->height; ++y)
    for (int x = 0; x < window->width; ++x) {
      if (window->at(x, y) != kSeeThrough) continue;
      ++see_through;
      const double r = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      ASSERT_LT(r, 87.0) << "see-through pixel (" << x << "," << y << ") lies over the card";
    }
  // Two dots either side are 2 * 127 * 0.632813 / 2 pixels apart: the bar
  // must still be seen at full deflection.
  EXPECT_EQ(window->at(static_cast<int>(cx + 80.37), static_cast<int>(cy) + 20), kSeeThrough);
  EXPECT_EQ(window->at(static_cast<int>(cx - 80.37), static_cast<int>(cy) - 20), kSeeThrough);
  EXPECT_GT(see_through, 20000);
}

TEST_F(Hsi, MouseListAsStored) {
  ExpectMouseList(m.Gauge("hsi")->mouse, "hsi",
                  {Parent(0, 0, 0, 0, 43830),
                   Parent(8, 280, 64, 64, 43832),
                   Event(0, 0, 31, 64, 2, kStep, 0x1007E),   // left knob: left half lowers
                   Event(32, 0, 31, 64, 1, kStep, 0x1007F),  //   right half raises
                   kEndParent,
                   Parent(287, 280, 64, 64, 43827),
                   Event(0, 0, 31, 64, 2, kStep, 0x10158),   // right knob: left half lowers
                   Event(32, 0, 31, 64, 1, kStep, 0x10157),  //   right half raises
                   kEndParent,
                   kEndParent,
                   kEndList});
}

// ---------------------------------------------------------------------------
// Clicks

TEST_F(Hsi, EachKnobHalfSendsItsKeyEvent) {
  struct Case {
    const char* where;
    int32_t x, y;
    uint32_t key_event;  // 0: no event
    int32_t cursor;
    uint32_t help;
  };
  const Case cases[] = {
      {"left knob, left half, top-left corner", 8, 280, 0x1007E, 2, 43832},
      {"left knob, left half, last column", 38, 343, 0x1007E, 2, 43832},
      {"left knob, column 31 between the halves", 39, 300, 0, -1, 43832},
      {"left knob, right half, first column", 40, 280, 0x1007F, 1, 43832},
      {"left knob, right half, last column", 70, 343, 0x1007F, 1, 43832},
      {"left knob, column 63", 71, 300, 0, -1, 43832},
      {"right knob, left half", 287, 310, 0x10158, 2, 43827},
      {"right knob, column 31 between the halves", 318, 310, 0, -1, 43827},
      {"right knob, right half", 319, 310, 0x10157, 1, 43827},
      {"right knob, right half, bottom-right corner", 349, 343, 0x10157, 1, 43827},
      {"right knob, column 63", 350, 310, 0, -1, 43827},
      {"under the left knob", 30, 344, 0, -1, 43830},
      {"card centre", 178, 184, 0, -1, 43830},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "hsi click on " << c.where << " (" << c.x << "," << c.y << ")");
    m.sink().key_events.clear();
    m.sink().lookups.clear();
    const ClickOutcome out = m.Click("hsi", c.x, c.y);
    EXPECT_EQ(out.hit.cursor, c.cursor);
    EXPECT_EQ(out.hit.help_id, c.help);
    EXPECT_TRUE(m.sink().lookups.empty()) << "a click on an event area runs no module code";
    if (c.key_event == 0) {
      EXPECT_EQ(out.hit.kind, MouseHit::None);
      EXPECT_TRUE(m.sink().key_events.empty());
      continue;
    }
    EXPECT_EQ(out.hit.kind, MouseHit::Event);
    EXPECT_TRUE(out.acted);
    ASSERT_EQ(m.sink().key_events.size(), 1u);
    EXPECT_EQ(m.sink().key_events[0].first, c.key_event);
  }
}

// ---------------------------------------------------------------------------
// Compass card

TEST_F(Hsi, CardTurnsByThreeSixtyMinusHeading) {
  struct Case {
    double heading, angle;
  };
  const Case cases[] = {
      {0, 360},       {90, 270},  {350, 10},   {360, 0},    {359.5, 0.5},
      {-10, 370},     {720, -360},  // never wrapped
      {1e300, -1e300},              // huge but finite: passed on as computed
      {kNaN, 0},      {kInf, 0},  {-kInf, 0},  // a dead heading source leaves the card as drawn
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "hsi card at heading " << c.heading);
    Set(0x54, c.heading);
    EXPECT_EQ(Value(kCard), c.angle);
  }
}

// ---------------------------------------------------------------------------
// Pointers that ride on the card

struct Member {
  int depth;
  uint32_t reads;
  const char* role;
};
const Member kRelativeToHeading[] = {
    {kBug, 0x357, ""},      {kCourse, 0x356, ""}, {kFromArrow, 0x356, ""},
    {kToArrow, 0x356, ""},  {kBar, 0x356, "rotation"}, {kNavFlag, 0x2D, ""},
};

TEST_F(Hsi, PointersTurnByTheirAngleMinusTheHeading) {
  struct Case {
    double value, heading, angle;
  };
  const Case cases[] = {
      {30, 350, -320},  // 40 degrees right of the lubber mark, unwrapped
      {350, 30, 320},
      {0, 0, 0},
      {720, 0, 720},
      {0, 360, -360},
      {1e300, 0, 1e300},
      {kNaN, 10, 0},
      {10, kNaN, 0},
      {kInf, 10, 0},
      {10, -kInf, 0},
      {kInf, kInf, 0},
      {1.7e308, -1.7e308, 0},  // overflows to infinity
  };
  for (const Member& member : kRelativeToHeading) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << "hsi " << kDepthNames[member.depth] << " at " << c.value
                                        << " with heading " << c.heading);
      // The other pointers' variables hold a value no case expects, so a
      // member reading the wrong one shows up.
      for (uint32_t id : {0x357u, 0x356u, 0x2Du}) Set(id, 12345);
      Set(member.reads, c.value);
      Set(0x54, c.heading);
      EXPECT_EQ(Value(member.depth, member.role), c.angle);
    }
  }
}

// Nothing is cached: every call refreshes the module's own variables.
TEST_F(Hsi, CallbacksRefreshTheVariablesTheyReadOnEveryCall) {
  struct Case {
    int depth;
    const char* role;
    std::vector<uint32_t> lookups;
  };
  const Case cases[] = {
      {kCard, "", {}},  // the card reads its own element variable, refreshed by the host
      {kBug, "", {0x54}},
      {kCourse, "", {0x54}},
      {kFromArrow, "", {0x2B, 0x54}},
      {kToArrow, "", {0x2B, 0x54}},
      {kBar, "rotation", {0x54}},
      {kGlideslope, "y", {}},
      {kGsFlag, "", {0x354}},
      {kNavFlag, "", {0x2B, 0x54}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "hsi " << kDepthNames[c.depth]);
    for (int call = 0; call < 2; ++call) {
      m.sink().lookups.clear();
      Value(c.depth, c.role);
      EXPECT_EQ(m.sink().lookups, c.lookups);
    }
  }
  Set(0x357, 100);
  Set(0x54, 10);
  EXPECT_EQ(Value(kBug), 90);
  Set(0x54, 20);
  EXPECT_EQ(Value(kBug), 80) << "a changed heading must show at the next call";
}

// Exactly one of the FROM arrow, TO arrow and NAV flag is drawn for each
// TO/FROM state, none for a state outside 0 to 2; the flags are set and
// cleared anew on every update, so the rows run on one instance in order.
TEST_F(Hsi, ToFromStateShowsOneIndicator) {
  struct Case {
    double state;
    bool from, to, nav;  // drawn
  };
  const Case cases[] = {
      {0, false, false, true},   {1, false, true, false},     {2, true, false, false},
      {3, false, false, false},  {1, false, true, false},     {0, false, false, true},
      {-1, false, false, false},  // 0xFFFFFFFF
      {256, false, false, false}, {65536, false, false, false},  // only a full 32-bit reading is 0
      {2, true, false, false},
  };
  auto instance = m.NewInstance("hsi");
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "hsi with TO/FROM state " << c.state);
    Set(0x2B, c.state);
    m.Update(*instance);
    const auto& s = instance->elements();
    ASSERT_EQ(s.size(), static_cast<size_t>(kChainLength));
    EXPECT_EQ(s[kFromArrow].drawn(), c.from);
    EXPECT_EQ(s[kToArrow].drawn(), c.to);
    EXPECT_EQ(s[kNavFlag].drawn(), c.nav);
    for (int depth : {kBezel, kCard, kBug, kCourse, kBar, kGlideslope, kRightKnob, kLeftKnob})
      EXPECT_TRUE(s[depth].drawn()) << kDepthNames[depth] << " is hidden";
  }
}

// Members without a visibility rule leave their draw flags as they find them.
TEST_F(Hsi, PointersWithoutARuleNeverTouchTheirFlags) {
  for (const Member& member : kRelativeToHeading) {
    if (member.depth == kFromArrow || member.depth == kToArrow || member.depth == kNavFlag) continue;
    SCOPED_TRACE(::testing::Message() << "hsi " << kDepthNames[member.depth]);
    for (double state : {0.0, 1.0, 2.0, 3.0}) {
      Set(0x2B, state);
      At(member.depth)->draw_flags |= kHidden;
      Value(member.depth, member.role);
      EXPECT_TRUE(Hidden(member.depth));
      At(member.depth)->draw_flags &= ~kHidden;
      Value(member.depth, member.role);
      EXPECT_FALSE(Hidden(member.depth));
    }
  }
}

// ---------------------------------------------------------------------------
// Glideslope

TEST_F(Hsi, GlideslopePointerStopsOneUnitEitherSide) {
  struct Case {
    double value, shown;  // shown: the callback's value; the pointer moves 50 px per unit
  };
  const Case cases[] = {
      {0, 0},    {0.25, 0.25}, {1, 1},   {1.7, 1},  {-1, -1}, {-2, -1},
      {1e300, 1}, {kInf, 1},   {-kInf, -1}, {kNaN, 0},
  };
  auto instance = m.NewInstance("hsi");
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "hsi glideslope at " << c.value);
    Set(0x352, c.value);
    EXPECT_EQ(Value(kGlideslope, "y"), c.shown);
    m.Update(*instance);
    const ElementState& s = instance->elements()[kGlideslope];
    EXPECT_EQ(s.offset_y, 50 * c.shown);
    EXPECT_EQ(s.offset_x, 0);
  }
}

// A positive 0x354 hides the GS flag whatever 0x353 holds; otherwise 0x353,
// clamped to -1..1, is the frame, and a negative frame shows nothing.
TEST_F(Hsi, GsFlagRule) {
  struct Case {
    double hide, value;  // token variables 0x354 and 0x353
    bool hidden;
    double frame_value;
    int frame;  // as the host shows it
  };
  const Case cases[] = {
      {0, 0, false, 0, 0},        {1, 0, true, 0, 0},         {0, -0.3, false, -0.3, -1},
      {0, -4, false, -1, -1},     {0.001, -4, true, -1, -1},  {-1, 0, false, 0, 0},
      {0, 7, false, 1, 0},        {1e300, 0, true, 0, 0},     {kInf, 0, true, 0, 0},
      {-kInf, 0, false, 0, 0},    {kNaN, 0, false, 0, 0},     {0, kNaN, false, 0, 0},
      {0, kInf, false, 1, 0},     {0, -kInf, false, -1, -1},  {0, 0.5, false, 0.5, 0},
  };
  auto instance = m.NewInstance("hsi");
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "hsi GS flag with 0x354 = " << c.hide << ", 0x353 = " << c.value);
    Set(0x354, c.hide);
    Set(0x353, c.value);
    EXPECT_EQ(Value(kGsFlag), c.frame_value);
    EXPECT_EQ(Hidden(kGsFlag), c.hidden);
    m.Update(*instance);
    const ElementState& s = instance->elements()[kGsFlag];
    EXPECT_EQ(s.drawn(), !c.hidden);
    EXPECT_EQ(s.frame, c.frame);
    EXPECT_TRUE(instance->elements()[kGlideslope].drawn()) << "the flag hides only itself";
  }
}

// ---------------------------------------------------------------------------
// One update of the whole instrument

TEST_F(Hsi, UpdateTurnsEveryPointerAgainstTheHeading) {
  Set(0x54, 350);   // heading
  Set(0x357, 30);   // heading bug
  Set(0x356, 60);   // course
  Set(0x2D, 45);    // NAV OBS, turning the left knob and the NAV flag
  Set(0x6B, 120);   // right knob
  Set(0x28, 127);   // full deflection
  Set(0x2B, 0);
  auto instance = m.NewInstance("hsi");
  m.Update(*instance);
  const auto& s = instance->elements();
  EXPECT_EQ(s[kCard].angle, 10);
  EXPECT_EQ(s[kBug].angle, -320);
  EXPECT_EQ(s[kCourse].angle, -290);
  EXPECT_EQ(s[kFromArrow].angle, -290);
  EXPECT_EQ(s[kToArrow].angle, -290);
  EXPECT_EQ(s[kBar].rotation_value, -290);
  EXPECT_DOUBLE_EQ(s[kBar].offset_x, 127 * -0.632813);
  EXPECT_EQ(s[kRightKnob].angle, 120);
  EXPECT_EQ(s[kLeftKnob].angle, 45);
  EXPECT_EQ(s[kNavFlag].angle, 45 - 350);
}

}  // namespace
}  // namespace vantor::test
