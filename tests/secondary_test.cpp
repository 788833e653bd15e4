// Vantor3 as the panel host drives it: the VOR2/tachometer and manifold
// pressure gauges that a click shows and hides, the EGT gauge, the trim
// wheel that turns with the trim, and the two window-swapping buttons.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "support/mouse_rows.h"
#include "support/test_host.h"

namespace vantor::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kDegrees = 180.0 / M_PI;

class Vantor3 : public ::testing::Test {
 protected:
  TestModule m{"Vantor3"};

  Element* Depth(const char* gauge, int depth) { return m.ElementAt(gauge, std::vector<int>(depth, 0)); }
  // Draw flags of every element of a chain, top first.
  std::vector<uint32_t> ChainFlags(const char* gauge, int length) {
    std::vector<uint32_t> flags;
    for (int d = 0; d < length; ++d) flags.push_back(Depth(gauge, d)->draw_flags);
    return flags;
  }
  // Which depths of a chain carry the hidden flag.
  std::vector<bool> HiddenDepths(const char* gauge, int length) {
    std::vector<bool> hidden;
    for (uint32_t flags : ChainFlags(gauge, length)) hidden.push_back((flags & kHidden) != 0);
    return hidden;
  }
  void Service(const char* gauge, uint32_t service_id) {
    GaugeHeader* g = m.Gauge(gauge);
    g->callback(g, service_id, 0xFFFFFFFF);
  }
};

// ---------------------------------------------------------------------------
// Element records

struct ElementRow {
  const char* gauge;
  int depth;
  uint32_t kind;
  int32_t bitmap;
  Point32 position, pivot;
  uint32_t draw_flags;
  std::vector<std::pair<uint32_t, uint32_t>> failures;  // (key, action)
};

TEST_F(Vantor3, ElementChainsAsRecorded) {
  const std::vector<ElementRow> rows = {
      {"Vor2rpm", 0, kStaticImage, 288, {0, 0}, {0, 0}, 0x1, {}},
      {"Vor2rpm", 1, kIcon, 289, {0, 0}, {0, 0}, 0x4083, {}},
      {"Vor2rpm", 2, kNeedle, 290, {150, 150}, {14, 10}, 0x4003, {}},
      {"Vor2rpm", 3, kIcon, 272, {0, 0}, {0, 0}, 0x4003, {}},
      {"Vor2rpm", 4, kSprite, 280, {18, 16}, {150, 150}, 0x4081, {}},
      {"Vor2rpm", 5, kIcon, 276, {179, 139}, {0, 0}, 0x4003, {{20, 2}, {15, 2}}},
      {"Vor2rpm", 6, kNeedle, 274, {149, 50}, {-25, 5}, 0x4003, {{20, 2}, {15, 2}}},
      {"Vor2rpm", 7, kStaticImage, 273, {141, 55}, {0, 0}, 0x4001, {}},
      {"Man2", 0, kStaticImage, 288, {0, 0}, {0, 0}, 0x4001, {}},
      {"Man2", 1, kIcon, 293, {0, 0}, {0, 0}, 0x4083, {}},
      {"Man2", 2, kNeedle, 290, {150, 150}, {14, 10}, 0x4003, {}},
      {"Egt", 0, kStaticImage, 353, {0, 0}, {0, 0}, 0x4001, {}},
      {"Egt", 1, kNeedle, 355, {143, 210}, {8, 5}, 0x4003, {{20, 2}, {2, 2}}},
      {"Egt", 2, kStaticImage, 357, {0, 0}, {0, 0}, 0x4003, {}},
      {"TrimMove", 0, kStaticImage, 320, {0, 0}, {0, 0}, 0x1, {}},
      {"TrimMove", 1, kIcon, 322, {0, 0}, {0, 0}, 0x1, {}},
      {"ToggleOpen", 0, kStaticImage, 336, {0, 0}, {0, 0}, 0x1, {}},
      {"ToggleClose", 0, kStaticImage, 337, {0, 0}, {0, 0}, 0x1, {}},
  };
  for (const ElementRow& r : rows) {
    SCOPED_TRACE(::testing::Message() << r.gauge << " depth " << r.depth);
    const Element* e = Depth(r.gauge, r.depth);
    EXPECT_EQ(e->kind, r.kind);
    EXPECT_EQ(e->bitmap_id, r.bitmap);
    EXPECT_EQ(e->position.x, r.position.x);
    EXPECT_EQ(e->position.y, r.position.y);
    EXPECT_EQ(e->pivot.x, r.pivot.x);
    EXPECT_EQ(e->pivot.y, r.pivot.y);
    EXPECT_EQ(e->draw_flags, r.draw_flags);
    EXPECT_EQ(e->gauge, m.Gauge(r.gauge));
    EXPECT_EQ(e->special_flags, 0u);
    EXPECT_EQ(e->previous, nullptr);
    std::vector<std::pair<uint32_t, uint32_t>> failures;
    for (const FailureRecord* f = e->failures; f && f->key != 0; ++f) {
      failures.emplace_back(f->key, f->action);
      EXPECT_EQ(f->reserved, 0u);
    }
    EXPECT_EQ(failures, r.failures);
    if (e->children) {
      EXPECT_NE(e->children[0], nullptr);
      EXPECT_EQ(e->children[1], nullptr) << "a chain: one child each";
    }
  }
  // Each chain ends where its table ends.
  const std::pair<const char*, int> chains[] = {{"Vor2rpm", 8}, {"Man2", 3},       {"Egt", 3},
                                                 {"TrimMove", 2}, {"ToggleOpen", 1}, {"ToggleClose", 1}};
  for (auto [gauge, length] : chains)
    EXPECT_EQ(Depth(gauge, length - 1)->children, nullptr) << gauge;
}

struct VariableRow {
  const char* gauge;
  int depth;
  uint32_t variable;
  uint32_t frames;  // icons only
};

TEST_F(Vantor3, ElementVariables) {
  const VariableRow rows[] = {
      {"Vor2rpm", 1, 0, 1},     {"Vor2rpm", 2, 0x186, 0}, {"Vor2rpm", 3, 0, 1}, {"Vor2rpm", 5, 0x34, 3},
      {"Vor2rpm", 6, 0x32, 0},  {"Man2", 1, 0, 1},        {"Man2", 2, 0x187, 0}, {"Egt", 1, 0x19D, 0},
      {"TrimMove", 1, 0, 5},
  };
  for (const VariableRow& r : rows) {
    SCOPED_TRACE(::testing::Message() << r.gauge << " depth " << r.depth);
    Element* e = Depth(r.gauge, r.depth);
    if (e->kind == kIcon) {
      const auto* icon = reinterpret_cast<IconElement*>(e);
      EXPECT_EQ(icon->var.id, r.variable);
      EXPECT_EQ(icon->frames, r.frames);
      EXPECT_EQ(icon->switch_mode, 0u);
    } else {
      const auto* needle = reinterpret_cast<NeedleElement*>(e);
      EXPECT_EQ(needle->var.id, r.variable);
      EXPECT_EQ(needle->max_degrees_per_update, 6u);
    }
  }
  const auto* card = m.As<SpriteElement>("Vor2rpm", {0, 0, 0, 0});
  EXPECT_EQ(card->rotation_var.id, 0x36u);
  EXPECT_EQ(card->rotation_scale, 1.0);
  EXPECT_EQ(card->x_var.id, 0u);
  EXPECT_EQ(card->y_var.id, 0u);
  EXPECT_EQ(card->x_scale, 0.0);
  EXPECT_EQ(card->y_scale, 0.0);
  EXPECT_EQ(card->texture_scale_x, 0.95f);
  EXPECT_EQ(card->texture_scale_y, 0.95f);
  EXPECT_EQ(card->rotation_value, nullptr);
}

struct TableRow {
  int32_t x, y;
  double value;
};

TEST_F(Vantor3, NeedleTablesInRecordOrder) {
  const struct {
    const char* gauge;
    int depth;
    std::vector<TableRow> rows;
  } tables[] = {
      {"Vor2rpm", 2,
       {{114, 260, 0}, {45, 192, 500}, {56, 86, 1000}, {147, 32, 1500}, {239, 78, 2000}, {263, 179, 2500},
        {193, 258, 3000}}},
      {"Vor2rpm", 6, {{210, 192, 127}, {149, 200, 0}, {78, 192, -128}}},  // the one descending table
      {"Man2", 2,
       {{60, 220, 0}, {42, 149, 10}, {61, 81, 15}, {116, 41, 20}, {186, 42, 25}, {243, 82, 30}, {265, 149, 35}}},
      {"Egt", 1, {{49, 122, 500}, {143, 80, 1100}, {236, 122, 1700}}},
  };
  for (const auto& t : tables) {
    SCOPED_TRACE(::testing::Message() << t.gauge << " depth " << t.depth);
    const auto* n = m.As<NeedleElement>(t.gauge, std::vector<int>(t.depth, 0));
    ASSERT_EQ(n->table_entries, t.rows.size());
    for (size_t i = 0; i < t.rows.size(); ++i) {
      EXPECT_EQ(n->table[i].point.x, t.rows[i].x) << "entry " << i;
      EXPECT_EQ(n->table[i].point.y, t.rows[i].y) << "entry " << i;
      EXPECT_EQ(n->table[i].value, t.rows[i].value) << "entry " << i;
    }
  }
}

// ---------------------------------------------------------------------------
// Mouse rectangles, entry by entry

TEST_F(Vantor3, MouseListsAsStored) {
  ExpectMouseList(m.Gauge("Vor2rpm")->mouse, "Vor2rpm",
                  {{kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, false},
                   {kMouseChild, 50, 50, 200, 200, 5, 0, 0x20000000, 0, true},
                   {kMouseParent, 2, 232, 64, 64, -1, 43891, 0, 0, false},
                   {kMouseChild, 0, 0, 32, 64, 2, 0, 0x20200000, 0x10080, false},
                   {kMouseChild, 32, 0, 32, 64, 1, 0, 0x20200000, 0x10081, false},
                   kEndParent, kEndParent, kEndList});
  ExpectMouseList(m.Gauge("Man2")->mouse, "Man2",
                  {{kMouseParent, 0, 0, 0, 0, -1, 43846, 0, 0, false},
                   {kMouseChild, 50, 50, 200, 200, 5, 0, 0x20000000, 0, true},
                   kEndParent, kEndList});
  // One end-of-parent more than there are parents.
  ExpectMouseList(m.Gauge("Egt")->mouse, "Egt",
                  {{kMouseParent, 0, 0, 0, 0, -1, 43805, 0, 0, false}, kEndParent, kEndParent, kEndList});
  ExpectMouseList(m.Gauge("TrimMove")->mouse, "TrimMove",
                  {{kMouseParent, 0, 0, 0, 0, -1, 41006, 0, 0, false}, kEndParent, kEndList});
  for (const char* button : {"ToggleOpen", "ToggleClose"}) {
    SCOPED_TRACE(button);
    ExpectMouseList(m.Gauge(button)->mouse, button,
                    {{kMouseParent, 0, 0, 0, 0, -1, 0, 0, 0, false},
                     {kMouseChild, 0, 0, 49, 49, 5, 0, 0x20000000, 0, true},
                     kEndParent, kEndList});
  }
}

// ---------------------------------------------------------------------------
// Pictures

TEST_F(Vantor3, EveryBitmapAtItsSize) {
  const struct {
    int32_t id;
    int w, h;
  } bitmaps[] = {
      {272, 302, 302}, {273, 19, 19},   {274, 154, 7},   {276, 31, 28},   {277, 31, 28},  {278, 31, 28},
      {280, 256, 256}, {281, 265, 265}, {288, 302, 302}, {289, 302, 302}, {290, 138, 21}, {293, 302, 302},
      {320, 10, 93},   {322, 10, 93},   {323, 10, 93},   {324, 10, 93},   {325, 10, 93},  {326, 10, 93},
      {336, 30, 30},   {337, 30, 30},   {353, 302, 315}, {355, 138, 21},  {357, 302, 315},
  };
  for (const auto& b : bitmaps) {
    const Image* image = m.module().Bitmap(b.id);
    ASSERT_NE(image, nullptr) << "bitmap " << b.id;
    EXPECT_EQ(image->width, b.w) << "bitmap " << b.id;
    EXPECT_EQ(image->height, b.h) << "bitmap " << b.id;
  }
}

int CountPixels(const Image& image, uint32_t colour) {
  int n = 0;
  for (uint32_t p : image.pixels) n += p == colour;
  return n;
}

TEST_F(Vantor3, InvisibleBasesAreAllBlackAndEverythingElseIsDrawn) {
  for (int32_t id : {288, 320}) {
    const Image* base = m.module().Bitmap(id);
    EXPECT_EQ(CountPixels(*base, 0x000000), base->width * base->height) << "bitmap " << id;
  }
  for (int32_t id : {272, 273, 274, 276, 277, 278, 280, 281, 289, 290, 293, 322, 336, 337, 353, 355, 357}) {
    const Image* image = m.module().Bitmap(id);
    const int total = image->width * image->height;
    EXPECT_LT(CountPixels(*image, 0x000000) + CountPixels(*image, 0x010101), total) << "bitmap " << id;
  }
}

// The card's window shows the card through near-black on the ring, keeps the
// fixed inner dial in its own colours and hides the card everywhere else.
TEST_F(Vantor3, CardWindowShowsTheCardOnlyOnItsRing) {
  const Image* window = m.module().Bitmap(281);
  auto at_gauge = [&](int x, int y) { return window->at(x - 18, y - 16); };
  const struct {
    int x, y;
    const char* what;
    bool card, hidden;
  } spots[] = {
      {150, 40, "ring, top", true, false},   {150, 262, "ring, bottom", true, false},
      {40, 150, "ring, left", true, false},  {262, 150, "ring, right", true, false},
      {100, 100, "inner dial", false, false}, {150, 120, "inner dial", false, false},
      {20, 18, "corner", false, true},        {280, 280, "corner", false, true},
  };
  for (const auto& s : spots) {
    const uint32_t p = at_gauge(s.x, s.y);
    EXPECT_EQ(p == 0x010101, s.card) << s.what << " (" << s.x << ", " << s.y << ")";
    EXPECT_EQ(p == 0x000000, s.hidden) << s.what << " (" << s.x << ", " << s.y << ")";
  }
}

// Consecutive trim wheel frames differ, and stepping from the last frame
// to the first is one more such step rather than a jump back.
TEST_F(Vantor3, TrimWheelFramesAllDiffer) {
  for (int32_t a = 322; a <= 326; ++a)
    for (int32_t b = a + 1; b <= 326; ++b)
      EXPECT_NE(m.module().Bitmap(a)->pixels, m.module().Bitmap(b)->pixels) << a << " and " << b;
}

// ---------------------------------------------------------------------------
// Vor2rpm

TEST_F(Vantor3, Vor2rpmRpmClamp) {
  auto* needle = Depth("Vor2rpm", 2);
  const struct {
    double rpm, shown;
  } cases[] = {{-50, 0}, {-0.001, 0}, {0, 0}, {1234.5, 1234.5}, {3000, 3000}, {3000.001, 3000}, {3200, 3000},
               {-kInf, 0}, {kInf, 3000}};
  for (auto c : cases) {
    m.sink().vars.Set(0x186, c.rpm);
    EXPECT_EQ(m.CallValue(needle), c.shown) << "RPM " << c.rpm;
  }
}

// The clamped value lands on the table's end points.
TEST_F(Vantor3, Vor2rpmNeedleRestsOnTheEndPoints) {
  const struct {
    double rpm;
    int x, y;
  } cases[] = {{-50, 114, 260}, {3200, 193, 258}, {1500, 147, 32}};
  for (auto c : cases) {
    m.sink().vars.Set(0x186, c.rpm);
    auto instance = m.NewInstance("Vor2rpm");
    m.Update(*instance);
    const double expected = std::atan2(c.y - 150.0, c.x - 150.0) * kDegrees;
    EXPECT_NEAR(std::remainder(instance->elements()[2].angle - expected, 360.0), 0, 1e-9) << "RPM " << c.rpm;
  }
}

// The receiver's state is read from the low word alone, even when the host
// stores a wider number.
TEST_F(Vantor3, Vor2rpmToFromFrames) {
  m.sink().vars.DeclareForm(0x34, VarForm::U32);
  auto* flag = Depth("Vor2rpm", 5);
  const struct {
    double state;
    double frame;
    const char* shows;
  } cases[] = {
      {0, 2, "OFF"}, {1, 0, "TO"}, {2, 1, "FROM"}, {3, -1, "nothing"}, {0x10001, 0, "TO (low word 1)"},
      {0x10002, 1, "FROM (low word 2)"}, {0x10000, 2, "OFF (low word 0)"}, {0xFFFF, -1, "nothing"},
  };
  for (auto c : cases) {
    m.sink().vars.Set(0x34, c.state);
    EXPECT_EQ(m.CallValue(flag), c.frame) << "state " << c.state << " should show " << c.shows;
  }
}

TEST_F(Vantor3, Vor2rpmNothingIsHiddenBeforeTheFirstServiceSix) {
  EXPECT_EQ(HiddenDepths("Vor2rpm", 8), std::vector<bool>(8, false));
}

TEST_F(Vantor3, Vor2rpmServiceSixAppliesTheChoiceAlongTheChain) {
  const std::vector<bool> vor = {false, true, true, false, false, false, false, false};
  const std::vector<bool> tachometer = {false, false, false, true, true, true, true, true};
  Service("Vor2rpm", 6);
  EXPECT_EQ(HiddenDepths("Vor2rpm", 8), vor) << "the VOR indicator is shown after loading";
  m.Click("Vor2rpm", 150, 150);
  EXPECT_EQ(HiddenDepths("Vor2rpm", 8), vor) << "the click itself redraws nothing";
  Service("Vor2rpm", 6);
  EXPECT_EQ(HiddenDepths("Vor2rpm", 8), tachometer);
  Service("Vor2rpm", 6);
  EXPECT_EQ(HiddenDepths("Vor2rpm", 8), tachometer) << "re-applying changes nothing";
  m.Click("Vor2rpm", 51, 51);
  Service("Vor2rpm", 6);
  EXPECT_EQ(HiddenDepths("Vor2rpm", 8), vor) << "two centre clicks return to the VOR indicator";
}

TEST_F(Vantor3, Vor2rpmHidingKeepsTheOtherDrawFlags) {
  const std::vector<uint32_t> recorded = ChainFlags("Vor2rpm", 8);
  Service("Vor2rpm", 6);
  m.Click("Vor2rpm", 150, 150);
  Service("Vor2rpm", 6);
  const std::vector<uint32_t> flags = ChainFlags("Vor2rpm", 8);
  for (int d = 0; d < 8; ++d) EXPECT_EQ(flags[d] & ~kHidden, recorded[d]) << "depth " << d;
}

TEST_F(Vantor3, Vor2rpmOtherServiceIdsChangeNoDrawFlag) {
  for (int clicks = 0; clicks < 2; ++clicks) {
    Service("Vor2rpm", 6);
    const std::vector<uint32_t> before = ChainFlags("Vor2rpm", 8);
    m.Click("Vor2rpm", 150, 150);  // the choice now differs from what is shown
    for (uint32_t id : {0u, 2u, 7u, 1u, 5u, 0xFFFFFFFFu}) {
      Service("Vor2rpm", id);
      EXPECT_EQ(ChainFlags("Vor2rpm", 8), before) << "service id " << id << " after " << clicks << " clicks";
    }
  }
}

// The choice belongs to the module, and the hidden flags to the records:
// a gauge removed and created again shows what the old one showed.
TEST_F(Vantor3, Vor2rpmChoiceSurvivesARecreatedGauge) {
  auto first = m.NewInstance("Vor2rpm");
  m.Update(*first);
  m.Click("Vor2rpm", 150, 150);
  m.Update(*first);
  EXPECT_TRUE(first->elements()[3].hidden);
  first.reset();

  auto second = m.NewInstance("Vor2rpm");
  EXPECT_EQ(HiddenDepths("Vor2rpm", 8), (std::vector<bool>{false, false, false, true, true, true, true, true}))
      << "creation (service id 2) leaves the flags as they were";
  m.Update(*second);
  std::vector<bool> hidden;
  for (const ElementState& s : second->elements()) hidden.push_back(s.hidden);
  EXPECT_EQ(hidden, (std::vector<bool>{false, false, false, true, true, true, true, true}));
}

TEST_F(Vantor3, Vor2rpmCopiesSwitchTogether) {
  auto left = m.NewInstance("Vor2rpm");
  auto right = m.NewInstance("Vor2rpm");
  m.Update(*left);
  m.Update(*right);
  m.Click("Vor2rpm", 150, 150);
  m.Update(*right);
  m.Update(*left);
  EXPECT_FALSE(left->elements()[1].hidden);
  EXPECT_FALSE(right->elements()[1].hidden);
  EXPECT_TRUE(left->elements()[4].hidden);
  EXPECT_TRUE(right->elements()[4].hidden);
}

TEST_F(Vantor3, Vor2rpmKnobWorksUnderBothInstruments) {
  for (bool tachometer : {false, true}) {
    if (tachometer) m.Click("Vor2rpm", 150, 150);
    Service("Vor2rpm", 6);
    m.sink().key_events.clear();
    m.Click("Vor2rpm", 2, 232);     // left half, first pixel
    m.Click("Vor2rpm", 33, 295);    // left half, last pixel
    m.Click("Vor2rpm", 34, 232);    // right half, first pixel
    m.Click("Vor2rpm", 65, 295);    // right half, last pixel
    const std::vector<std::pair<uint32_t, uint32_t>> expected = {
        {0x10080, 0}, {0x10080, 0}, {0x10081, 0}, {0x10081, 0}};
    EXPECT_EQ(m.sink().key_events, expected) << (tachometer ? "tachometer" : "VOR") << " shown";
  }
}

// ---------------------------------------------------------------------------
// Man2 and Egt

TEST_F(Vantor3, Man2PressureValue) {
  auto* needle = Depth("Man2", 2);
  const double standard_atmosphere = 2116.2166;  // lb/ft²
  m.sink().vars.Set(0x187, standard_atmosphere);
  EXPECT_NEAR(m.CallValue(needle), 29.92, 0.005) << "one standard atmosphere";
  const struct {
    double lb_ft2, inhg;
  } cases[] = {
      {0, 0},          {-1, 0},      {-kInf, 0},   {707.26, 707.26 * 0.014139}, {1000, 1000 * 0.014139},
      {2475, 2475 * 0.014139},       {2476, 35},   {3000, 35},                  {1e12, 35}, {kInf, 35},
  };
  for (auto c : cases) {
    m.sink().vars.Set(0x187, c.lb_ft2);
    EXPECT_EQ(m.CallValue(needle), c.inhg) << c.lb_ft2 << " lb/ft²";
  }
}

TEST_F(Vantor3, Man2ServiceSixFollowsTheClicks) {
  EXPECT_EQ(HiddenDepths("Man2", 3), (std::vector<bool>{false, false, false}));
  const std::vector<bool> hidden = {false, true, true}, shown = {false, false, false};
  Service("Man2", 6);
  EXPECT_EQ(HiddenDepths("Man2", 3), hidden) << "hidden after loading";
  for (uint32_t id : {0u, 2u, 7u}) {
    m.Click("Man2", 150, 150);
    Service("Man2", id);
    EXPECT_EQ(HiddenDepths("Man2", 3), hidden) << "service id " << id;
    m.Click("Man2", 150, 150);
  }
  m.Click("Man2", 249, 249);  // the centre area stays live while hidden
  Service("Man2", 6);
  EXPECT_EQ(HiddenDepths("Man2", 3), shown);
  for (uint32_t id : {0u, 2u, 7u}) {
    m.Click("Man2", 150, 150);
    Service("Man2", id);
    EXPECT_EQ(HiddenDepths("Man2", 3), shown) << "service id " << id;
    m.Click("Man2", 150, 150);
  }
  m.Click("Man2", 50, 50);
  Service("Man2", 6);
  EXPECT_EQ(HiddenDepths("Man2", 3), hidden);
}

TEST_F(Vantor3, Man2ChoiceSurvivesARecreatedGauge) {
  auto first = m.NewInstance("Man2");
  m.Click("Man2", 150, 150);
  m.Update(*first);
  first.reset();
  auto second = m.NewInstance("Man2");
  m.Update(*second);
  EXPECT_FALSE(second->elements()[1].hidden);
  EXPECT_FALSE(second->elements()[2].hidden);
}

TEST_F(Vantor3, EgtValue) {
  auto* needle = Depth("Egt", 1);
  const struct {
    double rankine, fahrenheit;
  } cases[] = {{459.67, 500},    {0, 500},         {959.67, 500},    {959.68, 500.01}, {1559.67, 1100},
               {2159.67, 1700},  {2159.68, 1700},  {2500, 1700},     {1859.67, 1400},  {kInf, 1700},
               {-kInf, 500}};
  for (auto c : cases) {
    m.sink().vars.Set(0x19D, c.rankine);
    EXPECT_NEAR(m.CallValue(needle), c.fahrenheit, 1e-9) << c.rankine << " °R";
  }
}

TEST_F(Vantor3, EgtHasAHelpTextAndNoClickArea) {
  const MouseMap map = m.Mouse("Egt");
  EXPECT_TRUE(map.children().empty());
  EXPECT_EQ(map.At(150, 150).help_id, 43805u);
  EXPECT_EQ(map.At(0, 314).help_id, 43805u);
}

// ---------------------------------------------------------------------------
// TrimMove

// Captures the module-level variable the wheel refreshes, to read back the
// reading it stores there.
class TrimSink : public RecordingSink {
 public:
  ModuleVar* trim = nullptr;
  void LookupVar(ModuleVar* var) override {
    trim = var;
    RecordingSink::LookupVar(var);
  }
};

class TrimWheel : public Vantor3 {
 protected:
  TrimSink sink;
  ActiveSink active{&sink};

  double Frame(double trim) {
    sink.vars.Set(0x30F, trim);
    auto* wheel = m.As<IconElement>("TrimMove", {0});
    return wheel->value(&wheel->base);
  }
  // A trim position that reads exactly `reading`, away from any step edge.
  static double TrimFor(int reading) { return (reading + (reading < 0 ? -0.5 : 0.5)) / 2000.0; }
  double Reading(double trim) {
    Frame(trim);
    EXPECT_NE(sink.trim, nullptr);
    EXPECT_EQ(sink.trim->id, 0x30Fu);
    return VarDouble(*sink.trim);
  }
};

TEST_F(TrimWheel, Readings) {
  const struct {
    double trim, reading;
  } cases[] = {
      {0.01, 20},       {-0.0004, 0},   {0.0636, 127},    {0.0641, -128}, {-0.0641, -128},
      {-0.00055, -1},   {0.12805, 0},   {0.12855, 1},     {-0.06455, 127},
      {1073742, 96},    {-1073742, -96}, {1e300, 0},      {kNaN, 0},      {kInf, 0},  {-kInf, 0},
  };
  for (auto c : cases) EXPECT_EQ(Reading(c.trim), c.reading) << "trim " << c.trim;
}

TEST_F(TrimWheel, FirstCallOnlyPrimes) {
  EXPECT_EQ(Frame(TrimFor(100)), 0) << "the trim moved before the first update";
  EXPECT_EQ(Frame(TrimFor(100)), 0) << "priming leaves the frame counter alone";
}

TEST_F(TrimWheel, OneFramePerUpdateWhileTheTrimMoves) {
  EXPECT_EQ(Frame(TrimFor(6)), 0);
  const struct {
    int reading;
    double frame;
  } steps[] = {{5, 1}, {4, 2}, {3, 3}, {4, 2}, {5, 1}, {5, 1}, {-100, 2}, {120, 1}};
  for (auto s : steps) EXPECT_EQ(Frame(TrimFor(s.reading)), s.frame) << "reading " << s.reading;
}

TEST_F(TrimWheel, FramesWrapAtBothEnds) {
  Frame(TrimFor(10));
  for (int reading : {9, 8, 7}) Frame(TrimFor(reading));
  EXPECT_EQ(Frame(TrimFor(6)), 4);
  EXPECT_EQ(Frame(TrimFor(5)), 0) << "a fall at frame 4";
  EXPECT_EQ(Frame(TrimFor(6)), 4) << "a rise at frame 0";
  EXPECT_EQ(Frame(TrimFor(7)), 3);
}

TEST_F(TrimWheel, RiseAcrossTheWrapTurnsLikeAFall) {
  Frame(0.0636);
  EXPECT_EQ(Frame(0.0641), 1) << "127 to -128";
}

TEST_F(TrimWheel, ValuesWithoutANumberStandStill) {
  EXPECT_EQ(Frame(kNaN), 0);
  EXPECT_EQ(Frame(kInf), 0) << "reads 0 as NaN did";
  EXPECT_EQ(Frame(-kInf), 0);
  EXPECT_EQ(Frame(TrimFor(1)), 4);
  EXPECT_EQ(Frame(kNaN), 0) << "1 to 0 is a fall";
}

TEST_F(TrimWheel, TwoCopiesShareOneCounter) {
  auto left = m.NewInstance("TrimMove");
  auto right = m.NewInstance("TrimMove");
  auto frame = [&](GaugeInstance& g, int reading) {
    sink.vars.Set(0x30F, TrimFor(reading));
    g.Update({sink.vars, {}, &sink});
    return g.elements()[1].frame;
  };
  EXPECT_EQ(frame(*left, 50), 0);   // primes
  EXPECT_EQ(frame(*right, 49), 1);  // the second copy steps on from the first's reading
  EXPECT_EQ(frame(*left, 48), 2);
  EXPECT_EQ(frame(*right, 48), 2);
  EXPECT_EQ(frame(*right, 60), 1);
}

// ---------------------------------------------------------------------------
// Window buttons

// Answers the window services differently, so the button's answer shows
// which call it came from.
class WindowSink : public RecordingSink {
 public:
  int32_t ClosePanelWindow(uint32_t id) override {
    RecordingSink::ClosePanelWindow(id);
    return -3;
  }
  int32_t OpenPanelWindow(uint32_t id) override {
    RecordingSink::OpenPanelWindow(id);
    return 1000 + static_cast<int32_t>(id);
  }
};

TEST_F(Vantor3, WindowButtonsCloseThenOpen) {
  const struct {
    const char* button;
    uint32_t closes, opens;
  } buttons[] = {{"ToggleOpen", 0, 21}, {"ToggleClose", 21, 0}};
  for (const auto& b : buttons) {
    for (auto [x, y] : {std::pair{0, 0}, std::pair{15, 15}, std::pair{29, 29}}) {
      WindowSink sink;
      const ClickOutcome out = Click(m.Mouse(b.button), x, y, kMouseLeftSingle, sink);
      SCOPED_TRACE(::testing::Message() << b.button << " at (" << x << ", " << y << ")");
      ASSERT_EQ(out.hit.kind, MouseHit::Handler);
      EXPECT_EQ(out.result, 1000 + static_cast<int32_t>(b.opens));
      EXPECT_EQ(sink.window_calls, (std::vector<WindowCall>{{"close", b.closes}, {"open", b.opens}}));
      EXPECT_TRUE(sink.key_events.empty());
    }
  }
}

}  // namespace
}  // namespace vantor::test
