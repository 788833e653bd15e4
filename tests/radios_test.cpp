// The radio stack (Radios.gau) as the host sees it: its records, what each
// display shows for what the simulator holds, and what each click does.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/mouse_rows.h"
#include "support/test_host.h"

namespace vantor::test {
namespace {

using Failures = std::vector<std::pair<uint32_t, uint32_t>>;  // (key, action)

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

// ---------------------------------------------------------------------------
// Records

// One element of a gauge's tree, reached by child indices from the top.
struct ElementRow {
  std::vector<int> path;
  uint32_t kind;
  int32_t bitmap;
  int32_t x, y;
  std::vector<uint32_t> vars;  // string: 3; icon: 1; moving image: x then y
  uint32_t draw_flags;
  uint32_t special_flags;
  Failures failures;
  int children;
  bool callback;
};

std::vector<uint32_t> VarsOf(Element* e) {
  switch (e->kind) {
    case kString: {
      auto* s = reinterpret_cast<StringElement*>(e);
      return {s->vars[0].id, s->vars[1].id, s->vars[2].id};
    }
    case kIcon: return {reinterpret_cast<IconElement*>(e)->var.id};
    case kMovingImage: {
      auto* m = reinterpret_cast<MovingImageElement*>(e);
      return {m->x_var.id, m->y_var.id};
    }
    default: return {};
  }
}

bool HasCallback(Element* e) {
  switch (e->kind) {
    case kString: return reinterpret_cast<StringElement*>(e)->value != nullptr;
    case kIcon: return reinterpret_cast<IconElement*>(e)->value != nullptr;
    case kMovingImage: {
      auto* m = reinterpret_cast<MovingImageElement*>(e);
      return m->x_value == nullptr && m->y_value != nullptr;  // only the y value has one
    }
    default: return false;
  }
}

Failures FailuresOf(const Element* e) {
  Failures out;
  for (const FailureRecord* f = e->failures; f && f->key != 0; ++f) {
    EXPECT_EQ(f->reserved, 0u);
    out.emplace_back(f->key, f->action);
  }
  return out;
}

int ChildCount(const Element* e) {
  int n = 0;
  while (e->children && e->children[n]) ++n;
  return n;
}

void ExpectTree(TestModule& m, const std::string& gauge, const std::vector<ElementRow>& rows) {
  GaugeHeader* header = m.Gauge(gauge);
  EXPECT_EQ(header->elements[1], nullptr) << gauge << " has one top-level element";
  for (const ElementRow& row : rows) {
    std::string where = gauge + " element at [";
    for (int i : row.path) where += std::to_string(i) + " ";
    where += "]";
    SCOPED_TRACE(where);
    Element* e = m.ElementAt(gauge, row.path);
    EXPECT_EQ(e->kind, row.kind);
    EXPECT_EQ(e->bitmap_id, row.bitmap);
    EXPECT_EQ(e->position.x, row.x);
    EXPECT_EQ(e->position.y, row.y);
    EXPECT_EQ(VarsOf(e), row.vars);
    EXPECT_EQ(e->draw_flags, row.draw_flags);
    EXPECT_EQ(e->special_flags, row.special_flags);
    EXPECT_EQ(FailuresOf(e), row.failures);
    EXPECT_EQ(ChildCount(e), row.children);
    EXPECT_EQ(HasCallback(e), row.callback);
    EXPECT_EQ(e->gauge, header) << "every element names its own gauge";
    EXPECT_EQ(e->pivot.x, 0);
    EXPECT_EQ(e->pivot.y, 0);
    EXPECT_EQ(e->previous, nullptr);
    EXPECT_EQ(e->reserved, 0u);
  }
}

// String parameters that differ between texts.
struct TextRow {
  std::vector<int> path;
  uint32_t width, height, chars;
};

void ExpectTexts(TestModule& m, const std::string& gauge, const std::vector<TextRow>& rows) {
  for (const TextRow& row : rows) {
    SCOPED_TRACE(gauge);
    auto* s = m.As<StringElement>(gauge, row.path);
    EXPECT_EQ(s->box_width, row.width);
    EXPECT_EQ(s->box_height, row.height);
    EXPECT_EQ(s->chars, row.chars);
  }
}

TEST(RadiosRecords, GaugeHeaders) {
  TestModule m("Radios");
  EXPECT_EQ(m.module().module_version(), 0x800u);
  const char* names[] = {"RadioComNav1", "RadioComNav2", "RadioTrans", "RadioAdf",
                         "RadioAP",      "RadioDME",     "RadioAudio"};
  ASSERT_EQ(m.module().gauges().size(), 7u);
  for (size_t i = 0; i < 7; ++i) {
    GaugeHeader* g = m.module().gauges()[i];
    SCOPED_TRACE(names[i]);
    EXPECT_STREQ(g->name, names[i]);
    EXPECT_EQ(g->version, 800u);
    EXPECT_EQ(g->default_width_mm, 200u);
    EXPECT_EQ(g->callback, nullptr);
  }
}

TEST(RadiosRecords, BitmapsAtTheirSizes) {
  TestModule m("Radios");
  const struct {
    uint32_t id;
    int w, h;
  } bitmaps[] = {
      {257, 600, 265}, {273, 600, 265},                                  // COM/NAV pairs
      {288, 479, 125}, {289, 20, 231}, {290, 20, 24}, {304, 479, 134},   // transponder, drum, ADF
      {320, 500, 130}, {338, 32, 20}, {340, 34, 20}, {342, 33, 20},      // autopilot
      {344, 34, 20},   {352, 33, 20},  {354, 32, 20},
      {356, 495, 110}, {358, 17, 38},  {359, 17, 38}, {360, 70, 32}, {361, 70, 32},  // DME
      {368, 603, 147}, {370, 111, 32}, {371, 111, 32}, {372, 111, 32}, {374, 24, 32},  // audio
  };
  const auto& have = m.module().file().bitmaps;
  EXPECT_EQ(have.size(), std::size(bitmaps));
  for (const auto& b : bitmaps) {
    auto it = have.find(b.id);
    ASSERT_NE(it, have.end()) << "no bitmap " << b.id;
    EXPECT_EQ(it->second.width, b.w) << "bitmap " << b.id;
    EXPECT_EQ(it->second.height, b.h) << "bitmap " << b.id;
  }
}

TEST(RadiosRecords, EveryTextIsAmberQuartzCentredOnOneLine) {
  TestModule m("Radios");
  int texts = 0;
  for (GaugeHeader* g : m.module().gauges()) {
    auto instance = m.NewInstance(g->name);
    for (const ElementState& state : instance->elements()) {
      if (state.element->kind != kString) continue;
      ++texts;
      SCOPED_TRACE(g->name);
      auto* s = reinterpret_cast<StringElement*>(state.element);
      EXPECT_EQ(s->base.bitmap_id, -1);
      EXPECT_EQ(s->text_color, 0x0060D0u);
      EXPECT_EQ(s->background_color, 0u);
      EXPECT_EQ(s->highlight_color, 0xFFFFFFu);
      EXPECT_STREQ(s->font_face, "Quartz");
      EXPECT_EQ(s->weight, 400u);
      EXPECT_EQ(s->charset, 1u);
      EXPECT_EQ(s->format_flags, 0x25u);
      for (const ModuleVar& v : s->vars) {
        EXPECT_EQ(v.value_ref, nullptr);
        EXPECT_EQ(v.type, 0u);
      }
    }
  }
  EXPECT_EQ(texts, 4 + 4 + 2) << "four frequencies, four autopilot texts, two DME texts";
}

TEST(RadiosRecords, IconsAndDrums) {
  TestModule m("Radios");
  const struct {
    const char* gauge;
    std::vector<int> path;
    uint32_t frames;
  } icons[] = {
      {"RadioAP", {0}, 1}, {"RadioAP", {1}, 1}, {"RadioAP", {2}, 1},
      {"RadioAP", {3}, 1}, {"RadioAP", {4}, 1}, {"RadioAP", {5}, 1},
      {"RadioDME", {0}, 2}, {"RadioDME", {1}, 2},
      {"RadioAudio", {0}, 3}, {"RadioAudio", {1}, 1}, {"RadioAudio", {2}, 1}, {"RadioAudio", {3}, 1},
      {"RadioAudio", {4}, 1}, {"RadioAudio", {5}, 1}, {"RadioAudio", {6}, 1}, {"RadioAudio", {7}, 1},
  };
  for (const auto& row : icons) {
    SCOPED_TRACE(row.gauge);
    auto* icon = m.As<IconElement800>(row.gauge, row.path);
    EXPECT_EQ(icon->icon.frames, row.frames);
    EXPECT_EQ(icon->icon.switch_mode, 0u);
    for (uint32_t word : icon->trailing) EXPECT_EQ(word, 0u);
  }
  // The lamps of the autopilot and the audio panel share one callback.
  ValueCallback lamp = m.As<IconElement>("RadioAP", {0})->value;
  for (int i = 0; i < 6; ++i) EXPECT_EQ(m.As<IconElement>("RadioAP", {i})->value, lamp);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(m.As<IconElement>("RadioAudio", {i})->value, lamp);

  const struct {
    const char* gauge;
    std::vector<int> path;
  } drums[] = {{"RadioTrans", {0}}, {"RadioTrans", {0, 0}}, {"RadioTrans", {0, 0, 0}},
               {"RadioTrans", {0, 0, 0, 0}}, {"RadioAdf", {0}}, {"RadioAdf", {0, 0}},
               {"RadioAdf", {0, 0, 0}}};
  for (const auto& row : drums) {
    auto* d = m.As<MovingImageElement>(row.gauge, row.path);
    EXPECT_EQ(d->x_min, 0.0);
    EXPECT_EQ(d->x_max, 0.0);
    EXPECT_EQ(d->y_min, 0.0);
    EXPECT_EQ(d->y_max, 9.0);
  }
  // The transponder and ADF drums share their digit callbacks, digit by digit.
  for (std::vector<int> path : {std::vector<int>{0}, {0, 0}, {0, 0, 0}})
    EXPECT_EQ(m.As<MovingImageElement>("RadioTrans", path)->y_value,
              m.As<MovingImageElement>("RadioAdf", path)->y_value);
}

struct ComNavCase {
  const char* gauge;
  int32_t face;
  uint32_t com_var, nav_var, nav_failure;
  uint32_t com_help, nav_help;
  uint32_t com_keys[4], nav_keys[4];
};
const ComNavCase kComNavCases[] = {
    {"RadioComNav1", 257, 0x17, 0x18, 14, 42768, 42772,
     {0x10064, 0x10065, 0x10066, 0x10067}, {0x10068, 0x10069, 0x1006a, 0x1006b}},
    {"RadioComNav2", 273, 0x366, 0x1b, 15, 42770, 42774,
     {0x10384, 0x10385, 0x10386, 0x10388}, {0x1006c, 0x1006d, 0x1006e, 0x1006f}},
};

TEST(RadiosRecords, ComNav) {
  TestModule m("Radios");
  for (const ComNavCase& c : kComNavCases) {
    ExpectTree(m, c.gauge, {
        {{}, kStaticImage, c.face, 0, 0, {}, 0x1, 0, {}, 2, false},
        {{0}, kString, -1, 60, 40, {c.com_var, 0, 0}, 0x7, 0, {{20, 3}, {21, 3}, {9, 0}}, 0, true},
        {{1}, kString, -1, 365, 40, {c.nav_var, 0, 0}, 0x7, 0, {{20, 3}, {21, 3}, {c.nav_failure, 0}}, 0, true},
    });
    ExpectTexts(m, c.gauge, {{{0}, 180, 60, 6}, {{1}, 180, 60, 6}});
    ExpectMouseList(m.Gauge(c.gauge)->mouse, c.gauge, {
        Parent(0, 0, 0, 0, 0),
        Parent(25, 90, 240, 80, c.com_help),
        Event(0, 0, 59, 79, 2, kStep, c.com_keys[0]),
        Event(61, 0, 58, 79, 1, kStep, c.com_keys[1]),
        Event(160, 0, 39, 79, 2, kStep, c.com_keys[2]),
        Event(200, 0, 39, 79, 1, kStep, c.com_keys[3]),
        kEndParent,
        Parent(330, 90, 240, 80, c.nav_help),
        Event(0, 0, 59, 79, 2, kStep, c.nav_keys[0]),
        Event(61, 0, 59, 79, 1, kStep, c.nav_keys[1]),
        Event(160, 0, 39, 79, 2, kStep, c.nav_keys[2]),
        Event(200, 0, 39, 79, 1, kStep, c.nav_keys[3]),
        kEndParent,
        kEndParent,
        kEndList,
    });
    auto highlights = [](const HighlightEntry* h) {
      std::vector<std::vector<int>> out;
      for (; h && h->selection != 0; ++h) out.push_back({h->selection, h->first, h->last});
      return out;
    };
    const std::vector<std::vector<int>> com{{4, 0, 2}, {5, 4, 5}}, nav{{1, 0, 2}, {1, 4, 5}};
    EXPECT_EQ(highlights(m.As<StringElement>(c.gauge, {0})->highlights), com);
    EXPECT_EQ(highlights(m.As<StringElement>(c.gauge, {1})->highlights), nav);
    EXPECT_EQ(m.As<StringElement>(c.gauge, {0})->value, m.As<StringElement>(c.gauge, {1})->value)
        << "one callback formats every frequency";
  }
}

TEST(RadiosRecords, TransponderAndAdf) {
  TestModule m("Radios");
  const Failures upper{{20, 0}, {17, 0}}, adf{{20, 2}, {21, 2}};
  ExpectTree(m, "RadioTrans", {
      {{}, kStaticImage, 288, 0, 0, {}, 0x3, 0, {}, 1, false},
      {{0}, kMovingImage, 289, 426, 24, {0, 0x26}, 0x3, 0, {}, 1, true},             // units
      {{0, 0}, kMovingImage, 289, 338, 24, {0, 0x26}, 0x3, 0, upper, 1, true},       // tens
      {{0, 0, 0}, kMovingImage, 289, 249, 24, {0, 0x26}, 0x3, 0, upper, 1, true},    // hundreds
      {{0, 0, 0, 0}, kMovingImage, 289, 155, 24, {0, 0x26}, 0x3, 0, upper, 0, true}, // thousands
  });
  ExpectMouseList(m.Gauge("RadioTrans")->mouse, "RadioTrans", {
      Parent(0, 0, 0, 0, 42762),
      Event(144, 52, 40, 40, 1, kStep, 0x10073),
      Event(240, 52, 40, 40, 1, kStep, 0x10074),
      Event(330, 52, 40, 40, 1, kStep, 0x10075),
      Event(420, 52, 40, 40, 1, kStep, 0x10076),
      kEndParent,
      kEndList,
  });
  ExpectTree(m, "RadioAdf", {
      {{}, kStaticImage, 304, 0, 0, {}, 0x3, 0, {}, 1, false},
      {{0}, kMovingImage, 289, 425, 30, {0, 0x10}, 0x3, 0, adf, 1, true},
      {{0, 0}, kMovingImage, 289, 335, 30, {0, 0x10}, 0x3, 0, adf, 1, true},
      {{0, 0, 0}, kMovingImage, 289, 245, 30, {0, 0x10}, 0x3, 0, adf, 0, true},
  });
  ExpectMouseList(m.Gauge("RadioAdf")->mouse, "RadioAdf", {
      Parent(0, 0, 0, 0, 42776),
      Handler(241, 63, 40, 40, 1, kStep),
      Event(332, 63, 40, 40, 1, kStep, 0x10071),
      Event(420, 63, 40, 40, 1, kStep, 0x10072),
      kEndParent,
      kEndList,
  });
}

TEST(RadiosRecords, Autopilot) {
  TestModule m("Radios");
  const Failures f{{20, 3}, {21, 3}};
  ExpectTree(m, "RadioAP", {
      {{}, kStaticImage, 320, 0, 0, {}, 0x1, 0, {}, 10, false},
      {{0}, kIcon, 340, 20, 92, {0x67}, 0x7, 0, f, 0, true},     // AP
      {{1}, kIcon, 344, 88, 92, {0x6a}, 0x7, 0, f, 0, true},     // HDG
      {{2}, kIcon, 352, 164, 92, {0x69}, 0x7, 0, f, 0, true},    // NAV
      {{3}, kIcon, 342, 234, 92, {0x70}, 0x7, 0, f, 0, true},    // APR
      {{4}, kIcon, 354, 310, 92, {0x71}, 0x7, 0, f, 0, true},    // REV
      {{5}, kIcon, 338, 388, 92, {0x6c}, 0x7, 0, f, 0, true},    // ALT
      {{6}, kString, -1, 118, 42, {0x6a, 0, 0}, 0x6, 0x2, f, 0, true},         // heading mode
      {{7}, kString, -1, 118, 10, {0x69, 0x70, 0x71}, 0x6, 0, f, 0, true},     // lateral mode
      {{8}, kString, -1, 220, 10, {0x6d, 0, 0}, 0x6, 0x1, f, 0, true},         // altitude
      {{9}, kString, -1, 220, 42, {0x78, 0, 0}, 0x6, 0, f, 0, true},           // vertical speed
  });
  ExpectTexts(m, "RadioAP", {{{6}, 60, 36, 3}, {{7}, 60, 36, 3}, {{8}, 180, 36, 9}, {{9}, 180, 36, 9}});
  ExpectMouseList(m.Gauge("RadioAP")->mouse, "RadioAP", {
      Parent(0, 0, 0, 0, 0),
      Parent(164, 92, 35, 21, 44421), Event(0, 0, 34, 20, 5, kClick, 0x100c1), kEndParent,  // NAV
      Parent(234, 92, 35, 21, 44419), Event(0, 0, 34, 20, 5, kClick, 0x100bc), kEndParent,  // APR
      Parent(310, 92, 35, 21, 44418), Event(0, 0, 34, 20, 5, kClick, 0x100c0), kEndParent,  // REV
      Parent(20, 92, 35, 21, 43790), Event(0, 0, 34, 20, 5, kClick, 0x1002c), kEndParent,   // AP
      Parent(388, 92, 35, 21, 44428), Event(0, 0, 34, 20, 5, kClick, 0x10107), kEndParent,  // ALT
      Parent(88, 92, 35, 21, 44423), Event(0, 0, 34, 20, 5, kClick, 0x10106), kEndParent,   // HDG
      Parent(310, 20, 100, 40, 44429),
      Event(0, 0, 40, 25, 2, kStep, 0x10165),
      Event(42, 0, 40, 25, 1, kStep, 0x10164),
      kEndParent,
      Event(446, 35, 35, 23, 1, kStep, 0x10166),  // UP
      Event(446, 73, 35, 23, 2, kStep, 0x10167),  // DN
      kEndParent,
      kEndList,
  });
}

TEST(RadiosRecords, Dme) {
  TestModule m("Radios");
  const Failures f{{20, 3}, {21, 3}, {13, 0}};
  ExpectTree(m, "RadioDME", {
      {{}, kStaticImage, 356, 0, 0, {}, 0x1, 0, {}, 2, false},
      {{0}, kIcon, 360, 285, 78, {0}, 0x4001, 0, {}, 0, true},                     // power switch
      {{1}, kIcon, 358, 389, 42, {0}, 0x4001, 0, {}, 1, true},                     // source selector
      {{1, 0}, kString, -1, 160, 25, {0x1f, 0x23, 0x163}, 0x7, 0, f, 1, true},     // distance
      {{1, 0, 0}, kString, -1, 10, 25, {0x20, 0x24, 0x163}, 0x7, 0, f, 0, true},   // speed
  });
  ExpectTexts(m, "RadioDME", {{{1, 0}, 144, 35, 8}, {{1, 0, 0}, 126, 35, 7}});
  EXPECT_EQ(m.As<StringElement>("RadioDME", {1, 0})->highlights, nullptr);
  ExpectMouseList(m.Gauge("RadioDME")->mouse, "RadioDME", {
      Parent(0, 0, 0, 0, 42756),
      Handler(290, 78, 20, 60, 2, kClick),
      Handler(315, 78, 20, 60, 1, kClick),
      Parent(366, 30, 50, 60, 42760),
      Handler(0, 0, 50, 60, 5, kClick),
      kEndParent,
      kEndParent,
      kEndList,
  });
}

TEST(RadiosRecords, Audio) {
  TestModule m("Radios");
  const Failures f{{20, 2}, {21, 2}};
  ExpectTree(m, "RadioAudio", {
      {{}, kStaticImage, 368, 0, 0, {}, 0x1, 0, {}, 8, false},
      {{0}, kIcon, 370, 40, 15, {0x162}, 0x7, 0, f, 0, true},   // marker lamps
      {{1}, kIcon, 374, 189, 90, {0x36a}, 0x7, 0, f, 0, true},  // COM1
      {{2}, kIcon, 374, 229, 90, {0x36b}, 0x7, 0, f, 0, true},  // COM2
      {{3}, kIcon, 374, 269, 90, {0x36d}, 0x7, 0, f, 0, true},  // NAV1
      {{4}, kIcon, 374, 310, 90, {0x36e}, 0x7, 0, f, 0, true},  // NAV2
      {{5}, kIcon, 374, 397, 90, {0x36f}, 0x7, 0, f, 0, true},  // DME, listed before ADF
      {{6}, kIcon, 374, 356, 90, {0x370}, 0x7, 0, f, 0, true},  // ADF
      {{7}, kIcon, 374, 437, 90, {0x371}, 0x7, 0, f, 0, true},  // MKR
  });
  ExpectMouseList(m.Gauge("RadioAudio")->mouse, "RadioAudio", {
      Parent(0, 0, 0, 0, 0),
      Parent(40, 15, 34, 34, 43849), kEndParent,
      Parent(75, 15, 34, 34, 43847), kEndParent,
      Parent(115, 15, 34, 34, 43848), kEndParent,
      Event(189, 90, 24, 30, 5, kClick, 0x1039f),
      Event(229, 90, 24, 30, 5, kClick, 0x103a0),
      Event(269, 90, 24, 30, 5, kClick, 0x10132),
      Event(310, 90, 24, 30, 5, kClick, 0x10133),
      Event(397, 90, 24, 30, 5, kClick, 0x10134),
      Event(437, 90, 24, 30, 5, kClick, 0x103ad),
      Event(356, 90, 24, 30, 5, kClick, 0x10136),
      kEndParent,
      kEndList,
  });
}

// ---------------------------------------------------------------------------
// COM/NAV frequencies

class RadioFixture : public ::testing::Test {
 protected:
  TestModule m{"Radios"};

  void SetBcd(uint32_t id, uint32_t value) {
    m.sink().vars.DeclareForm(id, VarForm::U32);
    m.sink().vars.Set(id, value);
  }
  std::string Text(const std::string& gauge, const std::vector<int>& path) {
    return m.Text(m.As<StringElement>(gauge, path));
  }
  double Value(const std::string& gauge, const std::vector<int>& path) {
    return m.CallValue(m.ElementAt(gauge, path), "y");
  }
  // A click through the host's mouse dispatch; returns the key events sent.
  std::vector<std::pair<uint32_t, uint32_t>> ClickAt(const std::string& gauge, int x, int y) {
    m.sink().key_events.clear();
    m.Click(gauge, x, y);
    return m.sink().key_events;
  }
};

using FrequencyText = RadioFixture;

TEST_F(FrequencyText, ShowsTheFourBcdDigitsAfterALeadingOne) {
  const struct {
    uint32_t value;
    const char* text;
  } cases[] = {
      {0x1800, "118.00"}, {0x3597, "135.97"}, {0x0800, "108.00"}, {0x0000, "100.00"},
      {0x12345, "123.45"},  // bits above 15 play no part
      {0x9999, "199.99"},   {0xFFFF0800, "108.00"},
  };
  for (const ComNavCase& c : kComNavCases) {
    for (const auto& row : cases) {
      SetBcd(c.com_var, row.value);
      SetBcd(c.nav_var, row.value);
      EXPECT_EQ(Text(c.gauge, {0}), row.text) << c.gauge << " COM at 0x" << std::hex << row.value;
      EXPECT_EQ(Text(c.gauge, {1}), row.text) << c.gauge << " NAV at 0x" << std::hex << row.value;
    }
  }
}

TEST_F(FrequencyText, ReturnsTheWholeVariable) {
  const uint32_t values[] = {0x12345, 0x1800, 0, 0xFFFFFFFF};
  for (uint32_t v : values) {
    SetBcd(0x17, v);
    EXPECT_EQ(Value("RadioComNav1", {0}), static_cast<double>(v)) << std::hex << v;
  }
}

TEST_F(FrequencyText, AnInvalidDigitShowsDashesThatFit) {
  const uint32_t values[] = {0xA000, 0x0A00, 0x00A0, 0x000A, 0xFFFF, 0x1F99, 0x999F};
  for (uint32_t v : values) {
    SetBcd(0x18, v);
    EXPECT_EQ(Text("RadioComNav1", {1}), "---.--") << "NAV at 0x" << std::hex << v;
  }
}

// ---------------------------------------------------------------------------
// Transponder and ADF drums

using Drums = RadioFixture;

TEST_F(Drums, ShowTheDigitsOfTheCode) {
  const struct {
    const char* gauge;
    uint32_t var;
    uint32_t value;
    std::vector<double> left_to_right;
  } cases[] = {
      {"RadioTrans", 0x26, 0x1200, {1, 2, 0, 0}},
      {"RadioTrans", 0x26, 0x7777, {7, 7, 7, 7}},
      {"RadioTrans", 0x26, 0x19876, {9, 8, 7, 6}},
      {"RadioAdf", 0x10, 0x0350, {3, 5, 0}},
      {"RadioAdf", 0x10, 0x1350, {3, 5, 0}},  // the thousands nibble is not shown
  };
  for (const auto& c : cases) {
    SetBcd(c.var, c.value);
    // The chain runs from the units drum (depth 1) to the leftmost drum.
    std::vector<double> shown;
    std::vector<int> path;
    for (size_t i = 0; i < c.left_to_right.size(); ++i) {
      path.push_back(0);
      shown.insert(shown.begin(), Value(c.gauge, path));
    }
    EXPECT_EQ(shown, c.left_to_right) << c.gauge << " at 0x" << std::hex << c.value;
  }
}

TEST_F(Drums, ADigitStepMovesTheStripOneWindowOfTwentyThreePixels) {
  SetBcd(0x26, 0x0009);
  auto instance = m.NewInstance("RadioTrans");
  m.Update(*instance);
  EXPECT_DOUBLE_EQ(instance->elements()[1].offset_y, -207.0) << "units drum at 9";
  EXPECT_DOUBLE_EQ(instance->elements()[2].offset_y, 0.0) << "tens drum at 0";
  SetBcd(0x26, 0x0010);
  m.Update(*instance);
  EXPECT_DOUBLE_EQ(instance->elements()[2].offset_y, -23.0) << "tens drum at 1";
}

using AdfHundredsKnob = RadioFixture;

TEST_F(AdfHundredsKnob, StepsTheHundredsDigitOneToNineAndSendsTheFrequency) {
  const struct {
    uint32_t held, sent;
  } cases[] = {
      {0x0350, 0x0450}, {0x0950, 0x0150},  // 9 wraps to 1, never to 0
      {0x0050, 0x0150}, {0x0150, 0x0250}, {0x0850, 0x0950},
      {0x1350, 0x0450},  // the thousands nibble is dropped
      {0xFFFF0327, 0x0427},  // so is everything above it
      {0x0A50, 0x0150}, {0x0B50, 0x0250}, {0x0C50, 0x0350},  // invalid nibbles fold back first
      {0x0D50, 0x0450}, {0x0E50, 0x0550}, {0x0F50, 0x0650},
      {0x02FA, 0x03FA},  // the tens and units go back untouched
  };
  for (const auto& c : cases) {
    SetBcd(0x10, c.held);
    m.sink().lookups.clear();
    const auto sent = ClickAt("RadioAdf", 261, 83);
    EXPECT_EQ(m.sink().lookups, std::vector<uint32_t>{0x10}) << "reads the ADF frequency first";
    const std::vector<std::pair<uint32_t, uint32_t>> want{{0x100B2, c.sent}};
    EXPECT_EQ(sent, want) << "ADF at 0x" << std::hex << c.held;
  }
}

TEST_F(AdfHundredsKnob, EachClickReadsTheFrequencyAfresh) {
  SetBcd(0x10, 0x0350);
  EXPECT_EQ(ClickAt("RadioAdf", 250, 70)[0].second, 0x0450u);
  // The host has not acted yet: the second click steps from the same value.
  EXPECT_EQ(ClickAt("RadioAdf", 270, 95)[0].second, 0x0450u);
  // Once it has, the next click steps on from there.
  SetBcd(0x10, 0x0450);
  EXPECT_EQ(ClickAt("RadioAdf", 261, 83)[0].second, 0x0550u);
}

TEST_F(AdfHundredsKnob, ReturnsZero) {
  SetBcd(0x10, 0x0350);
  EXPECT_EQ(m.Click("RadioAdf", 261, 83).result, 0);
}

// ---------------------------------------------------------------------------
// Autopilot

using AutopilotText = RadioFixture;

TEST_F(AutopilotText, SelectedAltitude) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {300, "ALT 00300"},   {500.7, "ALT 00500"},   {0, "ALT 00000"},  {12345, "ALT 12345"},
      {99999.9, "ALT 99999"}, {-9999.9, "ALT -9999"}, {-0.5, "ALT 00000"},
      // Values the nine places cannot hold show no number at all.
      {100000, "ALT -----"}, {-10000, "ALT -----"}, {1e300, "ALT -----"}, {-1e300, "ALT -----"},
      {kInf, "ALT -----"},   {-kInf, "ALT -----"},  {kNaN, "ALT -----"},  {4294967296.0, "ALT -----"},
  };
  for (const auto& c : cases) {
    m.sink().vars.Set(0x6d, c.value);
    EXPECT_EQ(Text("RadioAP", {8}), c.text) << "altitude " << c.value;
  }
  m.sink().vars.Set(0x6d, 500.7);
  EXPECT_EQ(Value("RadioAP", {8}), 500.7) << "returns the altitude unchanged";
}

TEST_F(AutopilotText, SelectedVerticalSpeed) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {-500, "VS  -0500"}, {700, "VS  00700"}, {-99.9, "VS  -0099"}, {0, "VS  00000"},
      {-9999, "VS  -9999"}, {99999, "VS  99999"}, {-10000.5, "VS  -----"}, {kNaN, "VS  -----"},
      {kInf, "VS  -----"}, {-kInf, "VS  -----"}, {1e300, "VS  -----"},
  };
  for (const auto& c : cases) {
    m.sink().vars.Set(0x78, c.value);
    EXPECT_EQ(Text("RadioAP", {9}), c.text) << "vertical speed " << c.value;
  }
  m.sink().vars.Set(0x78, -99.9);
  EXPECT_EQ(Value("RadioAP", {9}), -99.9);
}

TEST_F(AutopilotText, LateralModeNavBeforeAprBeforeBackCourse) {
  const struct {
    double nav, apr, rev;
    const char* text;
  } cases[] = {
      {1, 1, 0, "NAV"}, {0, 1, 1, "APR"}, {0, 0, 1, "BC "}, {0, 0, 0, "  "},
      {1, 1, 1, "NAV"}, {1, 0, 1, "NAV"}, {-1, -1, -1, "  "}, {kNaN, kNaN, 1, "BC "},
  };
  for (const auto& c : cases) {
    m.sink().vars.Set(0x69, c.nav);
    m.sink().vars.Set(0x70, c.apr);
    m.sink().vars.Set(0x71, c.rev);
    EXPECT_EQ(Text("RadioAP", {7}), c.text) << c.nav << ", " << c.apr << ", " << c.rev;
  }
  m.sink().vars.Set(0x69, 0.5);
  EXPECT_EQ(Value("RadioAP", {7}), 0.5) << "returns the NAV variable";
}

TEST_F(AutopilotText, HeadingMode) {
  const struct {
    double hdg;
    const char* text;
  } cases[] = {{1, "HDG"}, {0, "   "}, {-1, "   "}, {kNaN, "   "}};
  for (const auto& c : cases) {
    m.sink().vars.Set(0x6a, c.hdg);
    EXPECT_EQ(Text("RadioAP", {6}), c.text) << c.hdg;
  }
}

TEST_F(AutopilotText, EngagedModesLightTheirButtons) {
  const uint32_t modes[] = {0x67, 0x6a, 0x69, 0x70, 0x71, 0x6c};  // AP HDG NAV APR REV ALT
  auto instance = m.NewInstance("RadioAP");
  for (int lit = 0; lit < 6; ++lit) {
    for (int i = 0; i < 6; ++i) m.sink().vars.Set(modes[i], i == lit ? 1 : 0);
    m.Update(*instance);
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(instance->elements()[1 + i].frame, i == lit ? 0 : -1) << "button " << i << ", lit " << lit;
  }
}

// ---------------------------------------------------------------------------
// DME

class DmeTest : public RadioFixture {
 protected:
  void SwitchOn() { m.Click("RadioDME", 325, 100); }
  void SwitchOff() { m.Click("RadioDME", 300, 100); }
  void ToggleSource() { m.Click("RadioDME", 390, 60); }
  std::string Speed() { return Text("RadioDME", {1, 0, 0}); }
  std::string Distance() { return Text("RadioDME", {1, 0}); }
  double Frame(int icon) { return m.CallValue(m.ElementAt("RadioDME", {icon})); }
};

TEST_F(DmeTest, RightAfterLoadingItIsOffOnR1) {
  const double values[] = {0, 120, -1, kNaN};
  for (double v : values) {
    for (uint32_t id : {0x20u, 0x24u, 0x1fu, 0x23u}) m.sink().vars.Set(id, v);
    EXPECT_EQ(Speed(), "") << v;
    EXPECT_EQ(Distance(), "") << v;
  }
  EXPECT_EQ(Frame(0), 0.0) << "switch at OFF";
  EXPECT_EQ(Frame(1), 0.0) << "lever toward R1";
}

TEST_F(DmeTest, SpeedOnR1) {
  SwitchOn();
  const struct {
    double knots;
    const char* text;
  } cases[] = {
      {0, "---- KT"},    {1, "   1 KT"},   {649.9, " 649 KT"}, {650, "---- KT"}, {-5, "---- KT"},
      {0.9, "---- KT"},  {120.5, " 120 KT"}, {65537, "   1 KT"},  // the low 16 bits of the knots
      {kNaN, "---- KT"}, {kInf, "---- KT"}, {-kInf, "---- KT"}, {1e300, "---- KT"}, {-1e300, "---- KT"},
  };
  for (const auto& c : cases) {
    m.sink().vars.Set(0x20, c.knots);
    EXPECT_EQ(Speed(), c.text) << c.knots << " kt";
  }
}

TEST_F(DmeTest, DistanceOnR1) {
  SwitchOn();
  const struct {
    double miles;
    const char* text;
  } cases[] = {
      {-1.0, "---.- NM"}, {0, "  0.0 NM"}, {5, "  5.0 NM"}, {123.45, "123.4 NM"},
      {12.96, " 12.9 NM"},  // tenths are cut off, never carried up
      {999.99, "999.9 NM"}, {-0.0, "  0.0 NM"},
      // Beyond three places, below zero or no number at all: dashes.
      {1000, "---.- NM"}, {-0.5, "---.- NM"}, {-12.3, "---.- NM"}, {std::nextafter(-1.0, 0.0), "---.- NM"},
      {kNaN, "---.- NM"}, {kInf, "---.- NM"}, {-kInf, "---.- NM"}, {1e300, "---.- NM"},
  };
  for (const auto& c : cases) {
    m.sink().vars.Set(0x1f, c.miles);
    EXPECT_EQ(Distance(), c.text) << c.miles << " NM";
  }
  m.sink().vars.Set(0x1f, std::nextafter(1000.0, 0.0));
  EXPECT_EQ(Distance(), "999.9 NM") << "the last tenth below 1000 never rounds up to ten";
}

TEST_F(DmeTest, SourceR2ShowsTheSecondReceiverButReturnsTheFirst) {
  m.sink().vars.Set(0x20, 100);
  m.sink().vars.Set(0x1f, 10.5);
  m.sink().vars.Set(0x24, 200);
  m.sink().vars.Set(0x23, 20.25);
  SwitchOn();
  ToggleSource();
  EXPECT_EQ(Frame(1), 1.0) << "lever toward R2";
  EXPECT_EQ(Speed(), " 200 KT");
  EXPECT_EQ(Distance(), " 20.2 NM");
  EXPECT_EQ(m.CallValue(m.ElementAt("RadioDME", {1, 0, 0})), 100.0);
  EXPECT_EQ(m.CallValue(m.ElementAt("RadioDME", {1, 0})), 10.5);
  ToggleSource();
  EXPECT_EQ(Frame(1), 0.0) << "two clicks bring the source back to R1";
  EXPECT_EQ(Speed(), " 100 KT");
  EXPECT_EQ(Distance(), " 10.5 NM");
}

TEST_F(DmeTest, ReturnValuesIgnoreThePowerSwitch) {
  m.sink().vars.Set(0x20, -5.7);  // the 16-bit number of -5 knots
  m.sink().vars.Set(0x1f, 42.5);
  EXPECT_EQ(m.CallValue(m.ElementAt("RadioDME", {1, 0, 0})), 65531.0);
  EXPECT_EQ(m.CallValue(m.ElementAt("RadioDME", {1, 0})), 42.5);
  SwitchOn();
  EXPECT_EQ(m.CallValue(m.ElementAt("RadioDME", {1, 0, 0})), 65531.0);
  EXPECT_EQ(m.CallValue(m.ElementAt("RadioDME", {1, 0})), 42.5);
}

TEST_F(DmeTest, PowerSwitchHalves) {
  m.sink().vars.Set(0x20, 90);
  SwitchOn();
  SwitchOn();
  EXPECT_EQ(Frame(0), 1.0) << "two clicks on the ON side leave it on";
  EXPECT_EQ(Speed(), "  90 KT");
  SwitchOff();
  EXPECT_EQ(Frame(0), 0.0);
  EXPECT_EQ(Speed(), "");
  EXPECT_EQ(Distance(), "");
  // The halves reach below the face, to y 137.
  m.Click("RadioDME", 330, 137);
  EXPECT_EQ(Frame(0), 1.0);
  EXPECT_TRUE(m.sink().key_events.empty()) << "the DME's switches send nothing to the host";
}

TEST_F(DmeTest, HandlersReturnZero) {
  EXPECT_EQ(m.Click("RadioDME", 325, 100).result, 0);
  EXPECT_EQ(m.Click("RadioDME", 300, 100).result, 0);
  EXPECT_EQ(m.Click("RadioDME", 390, 60).result, 0);
}

TEST_F(DmeTest, TwoCopiesSwitchTogether) {
  m.sink().vars.Set(0x20, 150);
  m.sink().vars.Set(0x24, 250);
  auto left = m.NewInstance("RadioDME");
  auto right = m.NewInstance("RadioDME");
  m.Update(*left);
  m.Update(*right);
  EXPECT_EQ(right->elements()[4].text, "");
  SwitchOn();       // clicked on one copy...
  ToggleSource();
  m.Update(*left);
  m.Update(*right);
  for (GaugeInstance* copy : {left.get(), right.get()}) {  // ...both follow
    EXPECT_EQ(copy->elements()[1].frame, 1) << "switch on";
    EXPECT_EQ(copy->elements()[2].frame, 1) << "lever at R2";
    EXPECT_EQ(copy->elements()[4].text, " 250 KT");
  }
}

// ---------------------------------------------------------------------------
// Audio panel

using AudioPanel = RadioFixture;

TEST_F(AudioPanel, MarkerVariableLightsOneLamp) {
  auto instance = m.NewInstance("RadioAudio");
  const struct {
    double marker;
    int frame;
  } cases[] = {{0, -1}, {1, 0}, {2, 1}, {3, 2}};
  for (const auto& c : cases) {
    m.sink().vars.Set(0x162, c.marker);
    m.Update(*instance);
    EXPECT_EQ(instance->elements()[1].frame, c.frame) << "marker " << c.marker;
  }
}

TEST_F(AudioPanel, SwitchesFlipUpWhileTheirVariableReadsOne) {
  const uint32_t vars[] = {0x36a, 0x36b, 0x36d, 0x36e, 0x36f, 0x370, 0x371};  // element order
  auto instance = m.NewInstance("RadioAudio");
  for (int on = 0; on < 7; ++on) {
    for (int i = 0; i < 7; ++i) m.sink().vars.Set(vars[i], i == on ? 1 : 0);
    m.Update(*instance);
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(instance->elements()[2 + i].frame, i == on ? 0 : -1) << "switch " << i << ", on " << on;
  }
}

TEST_F(AudioPanel, AdfAndDmeSwitchesSendTheirOwnEvents) {
  // The DME switch stands before the ADF switch in the element list, but
  // each click sends the event of the switch under the pointer.
  const std::vector<std::pair<uint32_t, uint32_t>> adf{{0x10136, 0}}, dme{{0x10134, 0}};
  EXPECT_EQ(ClickAt("RadioAudio", 368, 105), adf);
  EXPECT_EQ(ClickAt("RadioAudio", 409, 105), dme);
}

TEST_F(AudioPanel, LampsAndAutoSwitchSendNothing) {
  const struct {
    int x, y;
    uint32_t help;
  } spots[] = {{57, 32, 43849}, {92, 32, 43847}, {132, 32, 43848}, {161, 105, 0}};
  for (const auto& s : spots) {
    const ClickOutcome out = m.Click("RadioAudio", s.x, s.y);
    EXPECT_EQ(out.hit.kind, MouseHit::None) << s.x << ", " << s.y;
    EXPECT_EQ(out.hit.help_id, s.help) << s.x << ", " << s.y;
    EXPECT_TRUE(m.sink().key_events.empty());
  }
}

// ---------------------------------------------------------------------------
// Every event zone of every radio, through the host's mouse dispatch

using RadioClicks = RadioFixture;

TEST_F(RadioClicks, EveryEventZoneSendsItsKeyEvent) {
  const struct {
    const char* gauge;
    int x, y;
    uint32_t key;
  } zones[] = {
      {"RadioComNav1", 54, 129, 0x10064},  {"RadioComNav1", 114, 129, 0x10065},
      {"RadioComNav1", 204, 129, 0x10066}, {"RadioComNav1", 244, 129, 0x10067},
      {"RadioComNav1", 359, 129, 0x10068}, {"RadioComNav1", 420, 129, 0x10069},
      {"RadioComNav1", 509, 129, 0x1006a}, {"RadioComNav1", 549, 129, 0x1006b},
      {"RadioComNav2", 54, 129, 0x10384},  {"RadioComNav2", 114, 129, 0x10385},
      {"RadioComNav2", 204, 129, 0x10386}, {"RadioComNav2", 244, 129, 0x10388},
      {"RadioComNav2", 359, 129, 0x1006c}, {"RadioComNav2", 420, 129, 0x1006d},
      {"RadioComNav2", 509, 129, 0x1006e}, {"RadioComNav2", 549, 129, 0x1006f},
      {"RadioTrans", 164, 72, 0x10073},    {"RadioTrans", 260, 72, 0x10074},
      {"RadioTrans", 350, 72, 0x10075},    {"RadioTrans", 440, 72, 0x10076},
      {"RadioAdf", 352, 83, 0x10071},      {"RadioAdf", 440, 83, 0x10072},
      {"RadioAP", 37, 102, 0x1002c},       {"RadioAP", 105, 102, 0x10106},
      {"RadioAP", 181, 102, 0x100c1},      {"RadioAP", 251, 102, 0x100bc},
      {"RadioAP", 327, 102, 0x100c0},      {"RadioAP", 405, 102, 0x10107},
      {"RadioAP", 330, 32, 0x10165},       {"RadioAP", 372, 32, 0x10164},
      {"RadioAP", 463, 46, 0x10166},       {"RadioAP", 463, 84, 0x10167},
      {"RadioAudio", 201, 105, 0x1039f},   {"RadioAudio", 241, 105, 0x103a0},
      {"RadioAudio", 281, 105, 0x10132},   {"RadioAudio", 322, 105, 0x10133},
      {"RadioAudio", 368, 105, 0x10136},   {"RadioAudio", 409, 105, 0x10134},
      {"RadioAudio", 449, 105, 0x103ad},
  };
  std::map<std::string, size_t> per_gauge;
  for (const auto& z : zones) {
    ++per_gauge[z.gauge];
    const std::vector<std::pair<uint32_t, uint32_t>> want{{z.key, 0}};
    EXPECT_EQ(ClickAt(z.gauge, z.x, z.y), want) << z.gauge << " at " << z.x << ", " << z.y;
  }
  // The table above covers every event child the gauges have.
  for (GaugeHeader* g : m.module().gauges()) {
    size_t events = 0;
    const MouseMap map = m.Mouse(g->name);
    for (const PlacedArea& child : map.children())
      if (child.rect->key_event != 0) ++events;
    EXPECT_EQ(events, per_gauge[g->name]) << g->name;
  }
}

TEST_F(RadioClicks, GapsBetweenTuningZonesDoNothing) {
  const struct {
    int x, y;
  } gaps[] = {{84, 129}, {85, 129}, {224, 129}, {389, 129}, {390, 129}, {529, 129}, {54, 169}};
  for (const auto& g : gaps)
    EXPECT_TRUE(ClickAt("RadioComNav1", g.x, g.y).empty()) << g.x << ", " << g.y;
}

// ---------------------------------------------------------------------------
// No value overflows a text

using RadioTexts = RadioFixture;

TEST_F(RadioTexts, NoVariableValueOverflowsAText) {
  const double values[] = {kNaN, kInf, -kInf, 1e300, -1e300, 4294967296.0 * 5 + 7, -2147483649.0,
                           2147483648.0, 65535, 0xFFFF, 0xABCD, -1, 0};
  const std::vector<std::pair<const char*, std::vector<int>>> texts = {
      {"RadioComNav1", {0}}, {"RadioComNav1", {1}}, {"RadioComNav2", {0}}, {"RadioComNav2", {1}},
      {"RadioAP", {6}},      {"RadioAP", {7}},      {"RadioAP", {8}},      {"RadioAP", {9}},
      {"RadioDME", {1, 0}},  {"RadioDME", {1, 0, 0}},
  };
  // Every DME switch state: off R1, on R1, on R2, off R2.
  const std::vector<std::pair<int, int>> dme_clicks = {{0, 0}, {325, 100}, {390, 60}, {300, 100}};
  for (uint32_t id : {0x17u, 0x366u, 0x18u, 0x1bu}) m.sink().vars.DeclareForm(id, VarForm::U32);
  for (const auto& [cx, cy] : dme_clicks) {
    if (cx != 0) m.Click("RadioDME", cx, cy);
    for (double v : values) {
      for (uint32_t id : {0x17u, 0x366u, 0x18u, 0x1bu, 0x6au, 0x69u, 0x70u, 0x71u, 0x6du, 0x78u, 0x20u,
                          0x24u, 0x1fu, 0x23u})
        m.sink().vars.Set(id, v);
      for (const auto& [gauge, path] : texts) {
        auto* s = m.As<StringElement>(gauge, path);
        const std::string text = m.Text(s);
        EXPECT_LE(text.size(), s->chars) << gauge << " with " << v << ": \"" << text << "\"";
        EXPECT_EQ(s->text[s->chars], '\0');
        // Each display says "no value" in its own shape (point, label, unit)
        // instead of falling back on a row of dashes.
        EXPECT_NE(text, std::string(s->chars, '-')) << gauge << " with " << v;
      }
    }
  }
}

}  // namespace
}  // namespace vantor::test
