// The instruments of Vantor2 (EngineL, EngineR, Wiskey, TempAir, Amps), as
// the host loads them from the built module: their records, what each
// needle and the compass card show for a reading, and the pictures whose
// pixels must follow rules of their own or meet a needle's calibration.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/test_host.h"

namespace vantor::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

uint8_t Red(uint32_t rgb) { return (rgb >> 16) & 0xFF; }
uint8_t Green(uint32_t rgb) { return (rgb >> 8) & 0xFF; }
uint8_t Blue(uint32_t rgb) { return rgb & 0xFF; }
// Dial marks are near-white on dark faces.
bool IsMark(uint32_t rgb) { return Red(rgb) >= 200 && Green(rgb) >= 200 && Blue(rgb) >= 200; }
bool IsDark(uint32_t rgb) { return Red(rgb) < 100 && Green(rgb) < 100 && Blue(rgb) < 100; }

std::string Hex(uint32_t rgb) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06X", rgb);
  return buf;
}

class Vantor2Instruments : public ::testing::Test {
 protected:
  TestModule m{"Vantor2"};

  const Image& Picture(int32_t id) {
    const Image* image = m.module().Bitmap(id);
    if (image == nullptr) {
      ADD_FAILURE() << "Vantor2 has no bitmap " << id;
      throw std::runtime_error("no bitmap");
    }
    return *image;
  }
};

// ---------------------------------------------------------------------------
// Records

struct TableRow {
  int32_t x, y;
  double value;
};

struct ElementRow {
  const char* what;
  uint32_t kind;
  int32_t bitmap;
  Point32 position;
  Point32 pivot;
  uint32_t token;  // the needle's variable; the moving image's x variable
  uint32_t draw_flags;
  std::vector<std::pair<uint32_t, uint32_t>> failures;  // (key, action)
  std::vector<TableRow> table;                          // needles only
};

struct GaugeRecords {
  const char* gauge;
  uint32_t help_id;
  std::vector<ElementRow> chain;  // depth 0 first; every element has one child but the last
};

const std::vector<std::pair<uint32_t, uint32_t>> kCluster = {{20, 2}, {10, 1}};

const std::vector<GaugeRecords>& Records() {
  static const std::vector<GaugeRecords> rows = {
      {"EngineL", 0,
       {
           {"strip", kStaticImage, 260, {0, 0}, {0, 0}, 0, 0x4002, kCluster, {}},
           {"oil temperature", kNeedle, 262, {242, 94}, {8, 5}, 0x1a0, 0x4003, kCluster,
            {{219, 24, 75}, {248, 24, 180}, {298, 24, 260}}},
           {"oil pressure", kNeedle, 262, {554, 94}, {8, 5}, 0x1a2, 0x4003, kCluster,
            {{502, 24, 25}, {555, 24, 60}, {608, 24, 90}}},
           {"overlay", kStaticImage, 261, {0, 0}, {0, 0}, 0, 0x4001, kCluster, {}},
       }},
      {"EngineR", 0,
       {
           {"strip", kStaticImage, 263, {0, 0}, {0, 0}, 0, 0x4002, kCluster, {}},
           {"left main fuel", kNeedle, 262, {85, 94}, {8, 5}, 0x130, 0x4003, kCluster,
            {{33, 24, 0}, {77, 24, 20}, {115, 24, 30}, {138, 24, 40}}},
           {"fuel pressure", kNeedle, 262, {398, 94}, {8, 5}, 0x1a9, 0x4003, kCluster,
            {{342, 24, 0}, {397, 24, 5}, {430, 24, 8}, {450, 24, 10}}},
           {"right main fuel", kNeedle, 262, {710, 94}, {8, 5}, 0x12f, 0x4003, kCluster,
            {{655, 24, 0}, {698, 24, 20}, {735, 24, 30}, {760, 24, 40}}},
           {"overlay", kStaticImage, 261, {0, 0}, {0, 0}, 0, 0x4001, kCluster, {}},
       }},
      {"Wiskey", 43895,
       {
           {"background", kStaticImage, 272, {0, 0}, {0, 0}, 0, 0x1, {}, {}},
           {"compass card", kMovingImage, 273, {22, 41}, {0, 0}, 0x53, 0x3, {{12, 1}}, {}},
       }},
      {"TempAir", 43546,
       {
           {"face", kStaticImage, 309, {0, 0}, {0, 0}, 0, 0x1, {}, {}},
           {"needle", kNeedle, 310, {150, 150}, {10, 10}, 0x15e, 0x3, {{20, 2}},
            {{92, 237, -60}, {52, 118, 0}, {156, 50, 60}, {250, 132, 120}, {229, 216, 160}}},
       }},
      {"Amps", 0,
       {
           {"face", kStaticImage, 336, {0, 0}, {0, 0}, 0, 0x4001, kCluster, {}},
           {"needle", kNeedle, 337, {151, 220}, {1, 5}, 0x2ee, 0x4003, kCluster,
            {{63, 105, 0}, {120, 80, 20}, {183, 80, 40}, {241, 106, 60}}},
       }},
  };
  return rows;
}

TEST_F(Vantor2Instruments, ElementChainsAsTheDataSheetGivesThem) {
  for (const GaugeRecords& g : Records()) {
    GaugeHeader* header = m.Gauge(g.gauge);
    Element* e = header->elements[0];
    for (size_t depth = 0; depth < g.chain.size(); ++depth) {
      const ElementRow& row = g.chain[depth];
      SCOPED_TRACE(std::string(g.gauge) + " " + row.what);
      ASSERT_NE(e, nullptr);
      EXPECT_EQ(e->kind, row.kind);
      EXPECT_EQ(e->bitmap_id, row.bitmap);
      EXPECT_EQ(e->position.x, row.position.x);
      EXPECT_EQ(e->position.y, row.position.y);
      EXPECT_EQ(e->pivot.x, row.pivot.x);
      EXPECT_EQ(e->pivot.y, row.pivot.y);
      EXPECT_EQ(e->previous_position.x, 0);
      EXPECT_EQ(e->previous_position.y, 0);
      EXPECT_EQ(e->gauge, header);
      EXPECT_EQ(e->previous, nullptr);
      EXPECT_EQ(e->draw_flags, row.draw_flags);
      EXPECT_EQ(e->special_flags, 0u);
      EXPECT_EQ(e->reserved, 0u);

      std::vector<std::pair<uint32_t, uint32_t>> failures;
      for (const FailureRecord* f = e->failures; f != nullptr && f->key != 0; ++f) {
        failures.emplace_back(f->key, f->action);
        EXPECT_EQ(f->reserved, 0u);
      }
      EXPECT_EQ(failures, row.failures);
      if (row.failures.empty()) {
        EXPECT_EQ(e->failures, nullptr) << "no failure list at all";
      }

      if (row.kind == kNeedle) {
        auto* n = reinterpret_cast<NeedleElement*>(e);
        EXPECT_EQ(n->var.id, row.token);
        EXPECT_EQ(n->max_degrees_per_update, 6u);
        EXPECT_NE(n->value, nullptr);
        ASSERT_EQ(n->table_entries, row.table.size());
        for (size_t i = 0; i < row.table.size(); ++i) {
          SCOPED_TRACE("table entry " + std::to_string(i));
          EXPECT_EQ(n->table[i].point.x, row.table[i].x);
          EXPECT_EQ(n->table[i].point.y, row.table[i].y);
          EXPECT_EQ(n->table[i].value, row.table[i].value);
          EXPECT_EQ(n->table[i].host_work, 0u);
        }
      }
      if (row.kind == kMovingImage) {
        auto* card = reinterpret_cast<MovingImageElement*>(e);
        EXPECT_EQ(card->x_var.id, row.token);
        EXPECT_EQ(card->x_min, 0.0);
        EXPECT_EQ(card->x_max, 360.0);
        EXPECT_EQ(card->y_var.id, 0u) << "the card's y is bound to nothing";
        EXPECT_EQ(card->y_min, 0.0);
        EXPECT_EQ(card->y_max, 0.0);
        EXPECT_NE(card->x_value, nullptr);
        EXPECT_NE(card->y_value, nullptr);
      }

      const bool last = depth + 1 == g.chain.size();
      if (last) {
        EXPECT_EQ(e->children, nullptr) << "the chain ends here";
        e = nullptr;
      } else {
        ASSERT_NE(e->children, nullptr);
        ASSERT_NE(e->children[0], nullptr);
        EXPECT_EQ(e->children[1], nullptr) << "a chain: exactly one child";
        e = e->children[0];
      }
    }
  }
}

TEST_F(Vantor2Instruments, DisplayOnlyMouseListsGiveAtMostAHelpText) {
  for (const GaugeRecords& g : Records()) {
    SCOPED_TRACE(g.gauge);
    const MouseRect* list = m.Gauge(g.gauge)->mouse;
    const uint32_t types[] = {kMouseParent, kMouseEndParent, kMouseEndList};
    for (int i = 0; i < 3; ++i) {
      const MouseRect& r = list[i];
      EXPECT_EQ(r.type, types[i]) << "entry " << i;
      EXPECT_EQ(r.x, 0);
      EXPECT_EQ(r.y, 0);
      EXPECT_EQ(r.width, 0u);
      EXPECT_EQ(r.height, 0u);
      EXPECT_EQ(r.cursor, -1);
      EXPECT_EQ(r.help_id, i == 0 ? g.help_id : 0u);
      EXPECT_EQ(r.mouse_flags, 0u);
      EXPECT_EQ(r.key_event, 0u);
      EXPECT_EQ(r.handler, nullptr);
      EXPECT_EQ(r.handler_data, 0u);
    }
    const ClickOutcome click = m.Click(g.gauge, 40, 20);
    EXPECT_EQ(click.hit.kind, MouseHit::None) << "no click area";
    EXPECT_EQ(click.hit.help_id, g.help_id);
    EXPECT_TRUE(m.sink().key_events.empty());
  }
}

TEST_F(Vantor2Instruments, BitmapsAtTheirIdsAndSizes) {
  const struct {
    int32_t id;
    int width, height;
  } sizes[] = {
      {260, 800, 109}, {261, 800, 109}, {262, 72, 10},   {263, 800, 109}, {272, 118, 124}, {273, 651, 30},
      {274, 75, 30},   {309, 302, 302}, {310, 138, 21},  {336, 302, 302}, {337, 140, 10},
  };
  for (const auto& s : sizes) {
    const Image& image = Picture(s.id);
    EXPECT_EQ(image.width, s.width) << "bitmap " << s.id;
    EXPECT_EQ(image.height, s.height) << "bitmap " << s.id;
  }
}

// ---------------------------------------------------------------------------
// What the needles and the card show

struct Reading {
  double value;  // the token variable
  double shows;  // the callback's answer
};

struct CallbackRow {
  const char* what;
  const char* gauge;
  std::vector<int> path;
  const char* role;  // "" for needles; "x" or "y" for the compass card
  uint32_t token;
  double first_mark, last_mark;  // a reading shown on one of these must be exactly it
  std::vector<Reading> readings;
};

void PrintTo(const CallbackRow& row, std::ostream* os) { *os << row.what; }

const std::vector<Reading> kFuelReadings = {
    {-5, 0}, {0, 0}, {25.5, 25.5}, {40, 40}, {55, 40}, {kNaN, 0}, {kInf, 40}, {-kInf, 0},
};

const std::vector<CallbackRow>& Callbacks() {
  static const std::vector<CallbackRow> rows = {
      // Degrees Rankine in, °F out, 75 to 260.
      {"OilTempValue", "EngineL", {0}, "", 0x1a0, 75, 260,
       {{459.67 + 300, 260}, {459.67 + 260, 260}, {459.67 + 180, 180}, {459.67 + 100, 100}, {0, 75},
        {kNaN, 75}, {kInf, 260}, {-kInf, 75}, {1e308, 260}}},
      // Pounds per square foot in, psi out, 25 to 90.
      {"OilPressValue", "EngineL", {0, 0}, "", 0x1a2, 25, 90,
       {{3600, 25}, {12960, 90}, {8640, 60}, {0, 25}, {20000, 90}, {kNaN, 25}, {kInf, 90}, {-kInf, 25}}},
      {"FuelQuantityValue, left tank", "EngineR", {0}, "", 0x130, 0, 40, kFuelReadings},
      {"FuelQuantityValue, right tank", "EngineR", {0, 0, 0}, "", 0x12f, 0, 40, kFuelReadings},
      // 1440 to the psi, 0 to 10.
      {"FuelPressValue", "EngineR", {0, 0}, "", 0x1a9, 0, 10,
       {{14400, 10}, {7200, 5}, {720, 0.5}, {0, 0}, {-1, 0}, {30000, 10}, {kNaN, 0}, {kInf, 10}, {-kInf, 0}}},
      // value × 256 × 1.8 + 32, -60 to 160.
      {"AirTempValue", "TempAir", {0}, "", 0x15e, -60, 160,
       {{0, 32}, {0.25, 147.2}, {0.5, 160}, {-0.25, -60}, {-0.125, -25.6}, {kNaN, -60}, {kInf, 160},
        {-kInf, -60}, {1e306, 160}}},
      {"AmpsValue", "Amps", {0}, "", 0x2ee, 0, 60,
       {{60, 60}, {75, 60}, {-3, 0}, {25.5, 25.5}, {0, 0}, {kNaN, 0}, {kInf, 60}, {-kInf, 0}}},
      // 360 minus the heading; any heading the card cannot show gives 0.
      {"CompassCardX", "Wiskey", {0}, "x", 0x53, 0, 360,
       {{0, 360}, {360, 0}, {90, 270}, {180, 180}, {359.5, 0.5}, {400, 0}, {-10, 0}, {kNaN, 0}, {kInf, 0},
        {-kInf, 0}}},
  };
  return rows;
}

class ReadingsShown : public ::testing::TestWithParam<CallbackRow> {
 protected:
  TestModule m{"Vantor2"};
};

TEST_P(ReadingsShown, ClampedToTheDial) {
  const CallbackRow& row = GetParam();
  Element* e = m.ElementAt(row.gauge, row.path);
  for (const Reading& r : row.readings) {
    m.sink().vars.Set(row.token, r.value);
    const double shown = m.CallValue(e, row.role);
    const std::string claim = std::string(row.gauge) + " " + row.what + ": reading " +
                              std::to_string(r.value) + " shows " + std::to_string(shown) + ", not " +
                              std::to_string(r.shows);
    // On a bound the answer must be the bound itself: a reading a hair
    // past it that slipped through unclamped would pass a tolerant check.
    if (r.shows == row.first_mark || r.shows == row.last_mark)
      EXPECT_EQ(shown, r.shows) << claim;
    else
      EXPECT_DOUBLE_EQ(shown, r.shows) << claim;
  }
}

INSTANTIATE_TEST_SUITE_P(Vantor2, ReadingsShown, ::testing::ValuesIn(Callbacks()),
                         [](const ::testing::TestParamInfo<CallbackRow>& info) {
                           std::string name;
                           for (const char* c = info.param.what; *c; ++c)
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

TEST_F(Vantor2Instruments, BothFuelNeedlesAgreeOnEqualReadings) {
  Element* left = m.ElementAt("EngineR", {0});
  Element* right = m.ElementAt("EngineR", {0, 0, 0});
  for (double gallons : {-1.0, 0.0, 7.25, 20.0, 33.3, 40.0, 41.0}) {
    m.sink().vars.Set(0x130, gallons);
    m.sink().vars.Set(0x12f, gallons);
    EXPECT_EQ(m.CallValue(left), m.CallValue(right)) << gallons << " gallons";
  }
}

TEST_F(Vantor2Instruments, CompassCardNeverMovesVertically) {
  auto* card = m.As<MovingImageElement>("Wiskey", {0});
  for (double held : {0.0, 1.0, -7.5, 360.0, kNaN, kInf}) {
    SetVarDouble(card->y_var, held);
    m.sink().vars.Set(0x53, held);
    EXPECT_EQ(card->y_value(&card->base), 1.0) << "y variable holding " << held;
  }
}

// A full host update: a reading off the dial rests each cluster needle on
// the direction of its first or last calibration point.
TEST_F(Vantor2Instruments, ClusterNeedlesRestOnTheEndMarks) {
  const struct {
    const char* gauge;
    std::vector<int> path;
    uint32_t token;
  } needles[] = {
      {"EngineL", {0}, 0x1a0}, {"EngineL", {0, 0}, 0x1a2}, {"EngineR", {0}, 0x130},
      {"EngineR", {0, 0}, 0x1a9}, {"EngineR", {0, 0, 0}, 0x12f},
  };
  for (double reading : {-1e9, 1e9}) {
    for (const auto& n : needles) m.sink().vars.Set(n.token, reading);
    for (const char* gauge : {"EngineL", "EngineR"}) {
      auto instance = m.NewInstance(gauge);
      m.Update(*instance);
      for (const auto& n : needles) {
        if (std::string(n.gauge) != gauge) continue;
        auto* needle = m.As<NeedleElement>(gauge, n.path);
        const NonlinearityEntry& end = needle->table[reading < 0 ? 0 : needle->table_entries - 1];
        const double expected = std::atan2(end.point.y - needle->base.position.y,
                                           end.point.x - needle->base.position.x) * 180 / M_PI;
        for (const ElementState& s : instance->elements()) {
          if (s.element == &needle->base) {
            EXPECT_NEAR(s.angle, expected, 1e-9) << gauge << " token 0x" << std::hex << n.token
                                                 << " reading " << std::dec << reading;
          }
        }
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Pictures with pixel rules

TEST_F(Vantor2Instruments, CompassBackgroundIsPureBlackEverywhere) {
  const Image& background = Picture(272);
  for (int y = 0; y < background.height; ++y)
    for (int x = 0; x < background.width; ++x)
      ASSERT_EQ(background.at(x, y), kBlack) << "bitmap 272 at (" << x << ", " << y << ")";
}

TEST_F(Vantor2Instruments, ClusterOverlayHidesOnlyThePivotsAndTails) {
  const Image& overlay = Picture(261);
  const uint32_t bezel = overlay.at(0, 93);
  EXPECT_TRUE(Red(bezel) == Green(bezel) && Green(bezel) == Blue(bezel) && Red(bezel) >= 160)
      << "bezel line light grey, not " << Hex(bezel);
  for (int y = 0; y < overlay.height; ++y) {
    const uint32_t expected = y <= 92 ? kBlack : y <= 95 ? bezel : 0x101010;
    for (int x = 0; x < overlay.width; ++x)
      ASSERT_EQ(overlay.at(x, y), expected) << "bitmap 261 at (" << x << ", " << y << ")";
  }
}

TEST_F(Vantor2Instruments, StripsRepeatTheOverlaysLowerEdge) {
  const Image& overlay = Picture(261);
  for (int32_t id : {260, 263}) {
    const Image& strip = Picture(id);
    for (int y = 93; y < strip.height; ++y)
      for (int x = 0; x < strip.width; ++x)
        ASSERT_EQ(strip.at(x, y), overlay.at(x, y)) << "bitmap " << id << " at (" << x << ", " << y << ")";
  }
}

TEST_F(Vantor2Instruments, CompassWindowIsNearBlackWithAWhiteLubberLine) {
  const Image& window = Picture(274);
  for (int y = 0; y < window.height; ++y)
    for (int x = 0; x < window.width; ++x) {
      const uint32_t expected = x >= 36 && x <= 38 ? kWhite : 0x010101;
      ASSERT_EQ(window.at(x, y), expected) << "bitmap 274 at (" << x << ", " << y << ")";
    }
}

TEST_F(Vantor2Instruments, CompassCardTicksEveryEightPixelsFromColumnFive) {
  const Image& card = Picture(273);
  // The lowest rows hold every tick, short and long, and nothing else white.
  for (int y = 24; y < card.height; ++y)
    for (int x = 0; x < card.width; ++x) {
      const bool tick = x % 8 == 5;
      ASSERT_EQ(card.at(x, y) == kWhite, tick) << "bitmap 273 at (" << x << ", " << y << ")";
    }
}

TEST_F(Vantor2Instruments, CompassCardHasNoSeeThroughPixels) {
  // The card is drawn with pure black left out; a pure black pixel would
  // be a hole showing the panel through the card.
  const Image& card = Picture(273);
  for (int y = 0; y < card.height; ++y)
    for (int x = 0; x < card.width; ++x)
      ASSERT_NE(card.at(x, y), kBlack) << "bitmap 273 at (" << x << ", " << y << ")";
}

// Columns of label ink above the ticks, between two columns.
std::vector<int> InkColumns(const Image& card, int from, int to) {
  std::vector<int> columns;
  for (int x = std::max(from, 0); x <= std::min(to, card.width - 1); ++x)
    for (int y = 0; y < 16; ++y)
      if (Red(card.at(x, y)) >= 128) {
        columns.push_back(x);
        break;
      }
  return columns;
}

TEST_F(Vantor2Instruments, CompassCardLabelsCentredEveryFortyEightPixels) {
  const Image& card = Picture(273);
  for (int k = 0; k <= 12; ++k) {
    const int centre = 37 + 48 * k;
    const std::vector<int> ink = InkColumns(card, centre - 23, centre + 23);
    ASSERT_FALSE(ink.empty()) << "no label over column " << centre;
    EXPECT_NEAR((ink.front() + ink.back()) / 2.0, centre, 1.0) << "label over column " << centre;
    EXPECT_TRUE(InkColumns(card, centre + 24, centre + 24).empty())
        << "labels run together after column " << centre;
  }
  // The two N labels are one picture, 576 pixels apart.
  for (int y = 0; y < 16; ++y)
    for (int dx = -20; dx <= 20; ++dx)
      ASSERT_EQ(card.at(37 + dx, y), card.at(613 + dx, y)) << "N labels differ at dx " << dx << ", row " << y;
  // The card's right edge cuts the start of the label after the last N.
  EXPECT_FALSE(InkColumns(card, card.width - 4, card.width - 1).empty());
}

TEST_F(Vantor2Instruments, RoundFacesHaveNoHolesAndSeeThroughCorners) {
  for (int32_t id : {309, 336}) {
    const Image& face = Picture(id);
    EXPECT_EQ(face.at(0, 0), kBlack) << "bitmap " << id << ": corners are left out";
    EXPECT_EQ(face.at(301, 301), kBlack) << "bitmap " << id << ": corners are left out";
    for (int y = 0; y < face.height; ++y)
      for (int x = 0; x < face.width; ++x)
        if (std::hypot(x + 0.5 - 151, y + 0.5 - 151) < 140) {
          ASSERT_NE(face.at(x, y), kBlack) << "bitmap " << id << ": hole at (" << x << ", " << y << ")";
        }
  }
}

// Needle pictures are drawn with pure black left out: their background must
// be pure black, and the bar must run right from the hub through it.
TEST_F(Vantor2Instruments, NeedlesRunRightFromTheirHubsOnASeeThroughGround) {
  const struct {
    int32_t id;
    Point32 hub;
  } needles[] = {{262, {8, 5}}, {310, {10, 10}}, {337, {1, 5}}};
  for (const auto& n : needles) {
    const Image& needle = Picture(n.id);
    SCOPED_TRACE("bitmap " + std::to_string(n.id));
    EXPECT_EQ(needle.at(0, 0), kBlack);
    EXPECT_EQ(needle.at(needle.width - 1, 0), kBlack);
    EXPECT_EQ(needle.at(needle.width - 1, needle.height - 1), kBlack);
    EXPECT_NE(needle.at(n.hub.x, n.hub.y), kBlack) << "the hub is drawn";
    for (int x = n.hub.x + 40; x < needle.width - 4; x += 8)
      EXPECT_TRUE(IsMark(needle.at(x, n.hub.y))) << "light bar at x " << x << ": " << Hex(needle.at(x, n.hub.y));
    EXPECT_FALSE(IsMark(needle.at(needle.width / 2, 0))) << "a bar, not a block";
  }
  // The ammeter's bar sits on a stub that is black yet drawn.
  const uint32_t stub = Picture(337).at(12, 5);
  EXPECT_TRUE(IsDark(stub) && stub != kBlack) << "stub of bitmap 337: " << Hex(stub);
}

// ---------------------------------------------------------------------------
// Needles meet their marks

struct DialRow {
  const char* gauge;
  std::vector<int> path;
  int32_t face;
};

const DialRow kDials[] = {
    {"EngineL", {0}, 260},    {"EngineL", {0, 0}, 260}, {"EngineR", {0}, 263}, {"EngineR", {0, 0}, 263},
    {"EngineR", {0, 0, 0}, 263}, {"TempAir", {0}, 309}, {"Amps", {0}, 336},
};

// The pixel at a radius along a direction (degrees clockwise from +x) from
// the needle's pivot, measured from pixel centres.
Point32 Toward(const NeedleElement& n, double degrees, double radius) {
  const double a = degrees * M_PI / 180;
  return {static_cast<int32_t>(std::floor(n.base.position.x + 0.5 + radius * std::cos(a))),
          static_cast<int32_t>(std::floor(n.base.position.y + 0.5 + radius * std::sin(a)))};
}

TEST_F(Vantor2Instruments, EveryCalibrationPointLiesOnANarrowMark) {
  for (const DialRow& d : kDials) {
    auto* n = m.As<NeedleElement>(d.gauge, d.path);
    const Image& face = Picture(d.face);
    for (uint32_t i = 0; i < n->table_entries; ++i) {
      const NonlinearityEntry& e = n->table[i];
      const std::string where = std::string(d.gauge) + " bitmap " + std::to_string(d.face) + ", value " +
                                std::to_string(e.value) + " at (" + std::to_string(e.point.x) + ", " +
                                std::to_string(e.point.y) + ")";
      EXPECT_TRUE(IsMark(face.at(e.point.x, e.point.y))) << where << ": " << Hex(face.at(e.point.x, e.point.y));
      // Three degrees either side, at the same radius, is dial face.
      const double dx = e.point.x - n->base.position.x, dy = e.point.y - n->base.position.y;
      const double degrees = std::atan2(dy, dx) * 180 / M_PI, radius = std::hypot(dx, dy);
      for (double side : {-3.0, 3.0}) {
        const Point32 beside = Toward(*n, degrees + side, radius);
        EXPECT_TRUE(IsDark(face.at(beside.x, beside.y))) << where << ": mark too wide or face too light";
      }
    }
  }
}

// Whether a thin, smoothed mark crosses the pixel at a point or one of its
// neighbours: a mark between calibration points runs at any angle, so the
// pixel under its centre line may be only partly covered.
bool MarkWithinAPixel(const Image& face, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const uint32_t rgb = face.at(x + dx, y + dy);
      if (Red(rgb) >= 128 && Green(rgb) >= 128 && Blue(rgb) >= 128) return true;
    }
  return false;
}

// The marks printed between calibration points lie where the host turns the
// needle for their values.
TEST_F(Vantor2Instruments, MarksBetweenCalibrationPointsFollowTheNeedle) {
  const struct {
    const char* gauge;
    int32_t face;
    double radius;  // inside every mark of the scale
    std::vector<double> values;
  } scales[] = {
      {"TempAir", 309, 112, {-50, -40, -30, -20, -10, 10, 20, 30, 40, 50, 70, 80, 90, 100, 110, 130, 140, 150}},
      {"Amps", 336, 140, {5, 10, 15, 25, 30, 35, 45, 50, 55}},
  };
  for (const auto& s : scales) {
    auto* n = m.As<NeedleElement>(s.gauge, {0});
    const Image& face = Picture(s.face);
    for (double v : s.values) {
      const Point32 p = Toward(*n, TableAngle(*n, v), s.radius);
      EXPECT_TRUE(MarkWithinAPixel(face, p.x, p.y)) << s.gauge << " value " << v << " at (" << p.x << ", " << p.y << ")";
    }
  }
}

}  // namespace
}  // namespace vantor::test
