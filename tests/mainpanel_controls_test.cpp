// The controls of Vantor2 (Switch, Controls, Carbheat, Fuel_Selector,
// "Engine primer", Flap, SWavionics, Warning, the six window buttons,
// start, swnavlight, trim, swgpsnav), as the host loads them from the built
// module: their records and mouse lists, what a click sends, what each
// callback shows, and the pictures whose pixels follow rules of their own
// or must lie under the zone that clicks them.
#include <gtest/gtest.h>

#include <climits>
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

using KeyEvents = std::vector<std::pair<uint32_t, uint32_t>>;
using Failures = std::vector<std::pair<uint32_t, uint32_t>>;  // (key, action)

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

constexpr uint32_t kPureBlack = 0x000000;

class Vantor2Controls : public ::testing::Test {
 protected:
  TestModule m{"Vantor2"};

  RecordingSink& host() { return m.sink(); }

  const Image& Picture(int32_t id) {
    const Image* image = m.module().Bitmap(id);
    if (image == nullptr) {
      ADD_FAILURE() << "Vantor2 has no bitmap " << id;
      throw std::runtime_error("no bitmap");
    }
    return *image;
  }

  // The n-th child zone of a gauge's mouse list, placed in gauge pixels.
  PlacedArea Zone(const std::string& gauge, size_t n) {
    const MouseMap map = m.Mouse(gauge);
    if (n >= map.children().size()) {
      ADD_FAILURE() << gauge << " has no child zone " << n;
      throw std::runtime_error("no zone");
    }
    return map.children()[n];
  }

  MouseHandler Handler(const std::string& gauge, size_t n) {
    const MouseHandler handler = Zone(gauge, n).rect->handler;
    if (handler == nullptr) {
      ADD_FAILURE() << gauge << " zone " << n << " has no handler";
      throw std::runtime_error("no handler");
    }
    return handler;
  }

  // The frame an icon shows after a full host update of its gauge.
  int FrameShown(const std::string& gauge, const std::vector<int>& path) {
    auto instance = m.NewInstance(gauge);
    m.Update(*instance);
    for (const ElementState& s : instance->elements())
      if (s.path == path) return s.frame;
    ADD_FAILURE() << gauge << ": no element at that path";
    return -2;
  }
};

// ---------------------------------------------------------------------------
// Gauge headers and element records

TEST_F(Vantor2Controls, GaugeHeaders) {
  const struct {
    const char* name;
    uint32_t width_mm;
  } rows[] = {
      {"Switch", 184},   {"Controls", 100},  {"Carbheat", 100},  {"Fuel_Selector", 150}, {"Engine primer", 60},
      {"Flap", 60},      {"SWavionics", 50}, {"Warning", 100},   {"Toggle20", 30},       {"Toggle10", 30},
      {"Toggle75", 30},  {"Toggle125", 30},  {"Toggle200", 30},  {"Toggle30", 30},       {"start", 50},
      {"swnavlight", 30}, {"trim", 20},      {"swgpsnav", 30},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    GaugeHeader* g = m.Gauge(row.name);
    EXPECT_STREQ(g->name, row.name);
    EXPECT_EQ(g->version, 700u);
    EXPECT_EQ(g->default_width_mm, row.width_mm);
    EXPECT_EQ(g->callback, nullptr);
    ASSERT_NE(g->elements, nullptr);
    ASSERT_NE(g->elements[0], nullptr);
    EXPECT_EQ(g->elements[1], nullptr) << "one top-level element";
    EXPECT_NE(g->mouse, nullptr);
    for (auto routine : {g->routine1, g->routine3, g->routine4, g->routine6, g->routine7}) EXPECT_NE(routine, nullptr);
    EXPECT_NE(g->routine2, nullptr);
    EXPECT_NE(g->routine5, nullptr);
  }
}

struct ElementRow {
  const char* gauge;
  std::vector<int> path;
  uint32_t kind;
  int32_t bitmap;
  Point32 position;
  uint32_t token;  // the icon's variable or the slider's y variable; 0 for none
  uint32_t draw_flags;
  Failures failures;
  uint32_t frames = 0, switch_mode = 0;  // icons
  bool callback = false;                 // icons: a value callback instead of the plain variable
  double y_scale = 0;                    // sliders
};

const std::vector<ElementRow>& Elements() {
  static const std::vector<ElementRow> rows = {
      {"Controls", {}, kStaticImage, 256, {0, 0}, 0, 0x4001, {}},
      {"Controls", {0}, kSlider, 257, {-91, 220}, 0x80, 0x4003, {}, 0, 0, false, -0.012207779},
      {"Controls", {1}, kSlider, 258, {50, 220}, 0x81, 0x4003, {}, 0, 0, false, -0.012207779},
      {"Controls", {2}, kSlider, 259, {122, 220}, 0x82, 0x4003, {}, 0, 0, false, -0.012207779},
      {"Carbheat", {}, kStaticImage, 304, {0, 0}, 0, 0x4001, {}},
      {"Carbheat", {0}, kIcon, 306, {8, 0}, 0x16d, 0x4003, {{2, 2}}, 2, 0, false},
      {"Fuel_Selector", {}, kStaticImage, 320, {0, 0}, 0, 0x1, {}},
      {"Fuel_Selector", {0}, kIcon, 322, {0, 0}, 0x133, 0x3, {}, 3, 0, true},
      {"Engine primer", {}, kStaticImage, 342, {0, 0}, 0, 0x1, {}},
      {"Engine primer", {0}, kIcon, 343, {0, 0}, 0, 0x3, {}, 2, 0, true},
      {"start", {}, kStaticImage, 384, {0, 0}, 0, 0x1, {}},
      {"start", {0}, kIcon, 386, {17, 37}, 0x84, 0x3, {{2, 0}}, 5, 3, true},
      {"Switch", {}, kStaticImage, 276, {0, 0}, 0, 0x1, {}},
      {"Switch", {0}, kIcon, 290, {92, 26}, 0, 0x3, {}, 4, 0, true},
      {"Switch", {1}, kIcon, 294, {141, 26}, 0x16f, 0x3, {}, 2, 0, false},
      {"Switch", {2}, kIcon, 280, {190, 26}, 0xe, 0x3, {}, 2, 0, false},
      {"Switch", {3}, kIcon, 278, {235, 27}, 0x170, 0x3, {}, 2, 0, false},
      {"Switch", {4}, kIcon, 288, {280, 26}, 0xd, 0x3, {}, 2, 0, false},
      {"Switch", {5}, kIcon, 296, {324, 23}, 0xa, 0x3, {}, 2, 0, false},
      {"Switch", {6}, kIcon, 407, {379, 24}, 0xb, 0x3, {}, 2, 0, false},
      {"SWavionics", {}, kStaticImage, 354, {0, 0}, 0, 0x1, {}},
      {"SWavionics", {0}, kIcon, 356, {0, 0}, 0x2e4, 0x3, {}, 2, 0, false},
      {"swnavlight", {}, kStaticImage, 354, {0, 0}, 0, 0x1, {}},
      {"swnavlight", {0}, kIcon, 356, {0, 0}, 0x26b, 0x3, {}, 2, 0, false},
      {"swgpsnav", {}, kStaticImage, 404, {0, 0}, 0, 0x1, {}},
      {"swgpsnav", {0}, kIcon, 404, {0, 0}, 0x350, 0x3, {}, 2, 0, false},
      {"Warning", {}, kStaticImage, 368, {0, 0}, 0, 0x3, {}},
      {"Warning", {0}, kIcon, 370, {10, 6}, 0x17a, 0x7, {{20, 3}, {21, 3}}, 1, 0, true},
      {"Warning", {1}, kIcon, 371, {81, 6}, 0x17e, 0x7, {{20, 3}, {21, 3}}, 1, 0, true},
      {"Warning", {2}, kIcon, 372, {151, 5}, 0x17d, 0x7, {{20, 3}, {21, 3}}, 1, 0, true},
      {"Flap", {}, kStaticImage, 339, {0, 0}, 0, 0x1, {}},
      {"Flap", {0}, kSlider, 340, {0, 0}, 0x14a, 0x3, {}, 0, 0, false, 0.005798693},
      {"trim", {}, kStaticImage, 400, {0, 0}, 0, 0x81, {}},
      {"trim", {0}, kSlider, 401, {10, 44}, 0x30f, 0x83, {}, 0, 0, false, 100.0},
      {"Toggle20", {}, kStaticImage, 352, {0, 0}, 0, 0x1, {}},
      {"Toggle10", {}, kStaticImage, 352, {0, 0}, 0, 0x1, {}},
      {"Toggle75", {}, kStaticImage, 352, {0, 0}, 0, 0x1, {}},
      {"Toggle125", {}, kStaticImage, 352, {0, 0}, 0, 0x1, {}},
      {"Toggle200", {}, kStaticImage, 352, {0, 0}, 0, 0x1, {}},
      {"Toggle30", {}, kStaticImage, 352, {0, 0}, 0, 0x1, {}},
  };
  return rows;
}

Failures FailuresOf(const Element* e) {
  Failures out;
  for (const FailureRecord* f = e->failures; f && f->key != 0; ++f) {
    out.emplace_back(f->key, f->action);
    EXPECT_EQ(f->reserved, 0u);
  }
  return out;
}

TEST_F(Vantor2Controls, ElementRecordsAsListed) {
  for (const ElementRow& row : Elements()) {
    SCOPED_TRACE(std::string(row.gauge) + " element " + std::to_string(row.path.size() ? row.path[0] : -1));
    Element* e = m.ElementAt(row.gauge, row.path);
    EXPECT_EQ(e->kind, row.kind);
    EXPECT_EQ(e->bitmap_id, row.bitmap);
    EXPECT_EQ(e->position.x, row.position.x);
    EXPECT_EQ(e->position.y, row.position.y);
    EXPECT_EQ(e->pivot.x, 0);
    EXPECT_EQ(e->pivot.y, 0);
    EXPECT_EQ(e->gauge, m.Gauge(row.gauge));
    EXPECT_EQ(e->draw_flags, row.draw_flags);
    EXPECT_EQ(e->special_flags, 0u);
    EXPECT_EQ(FailuresOf(e), row.failures);
    if (row.kind == kIcon) {
      auto* icon = reinterpret_cast<IconElement*>(e);
      EXPECT_EQ(icon->var.id, row.token);
      EXPECT_EQ(icon->frames, row.frames);
      EXPECT_EQ(icon->switch_mode, row.switch_mode);
      EXPECT_EQ(icon->value != nullptr, row.callback);
    }
    if (row.kind == kSlider) {
      auto* slider = reinterpret_cast<SliderElement*>(e);
      EXPECT_EQ(slider->x_var.id, 0u);
      EXPECT_EQ(slider->x_scale, 0.0);
      EXPECT_EQ(slider->y_var.id, row.token);
      EXPECT_EQ(slider->y_scale, row.y_scale) << "stored as the decimal, exactly";
      EXPECT_EQ(slider->x_value, nullptr);
      EXPECT_EQ(slider->y_value, nullptr);
    }
  }
}

TEST_F(Vantor2Controls, EachBaseHoldsExactlyTheListedChildrenAndNoDeeperElements) {
  std::map<std::string, int> children;
  for (const ElementRow& row : Elements())
    if (row.path.size() == 1) ++children[row.gauge];
  for (const ElementRow& row : Elements()) {
    SCOPED_TRACE(row.gauge);
    Element* e = m.ElementAt(row.gauge, row.path);
    if (!row.path.empty()) {
      EXPECT_EQ(e->children, nullptr) << "children are leaves";
      continue;
    }
    int count = 0;
    for (Element** c = e->children; c && *c; ++c) ++count;
    EXPECT_EQ(count, children[row.gauge]);
  }
}

// ---------------------------------------------------------------------------
// Mouse lists, entry by entry as stored

std::vector<MouseRow> WindowButtonList() {
  return {Parent(0, 0, 0, 0, 0), Handler(0, 0, 49, 49, 5, kClick), kEndParent, kEndList};
}

const std::vector<std::pair<const char*, std::vector<MouseRow>>>& MouseLists() {
  static const std::vector<std::pair<const char*, std::vector<MouseRow>>> lists = {
      {"Controls",
       {Parent(0, 0, 0, 0, 43808), Handler(5, 5, 50, 200, 5, 0x20800000), Handler(51, 5, 50, 200, 5, 0x20800000),
        Handler(102, 5, 60, 200, 5, 0x20800000), kEndParent, kEndList}},
      {"Carbheat", {Parent(0, 0, 0, 0, 40975), Event(0, 0, 49, 211, 5, kClick, 0x10023), kEndParent, kEndList}},
      {"Fuel_Selector",
       {Parent(0, 0, 0, 0, 43821), Event(0, 70, 70, 70, 5, kClick, 0x101a3), Event(80, 0, 70, 70, 5, kClick, 0x101a5),
        Event(170, 80, 70, 70, 5, kClick, 0x101a6), kEndParent, kEndList}},
      {"Engine primer", {Parent(0, 0, 0, 0, 41021), Handler(0, 0, 50, 50, 5, kClick), kEndParent, kEndList}},
      {"start",
       {Parent(0, 0, 0, 0, 43845), Event(0, 15, 35, 44, 2, kClick, 0x10062), Event(40, 15, 35, 44, 1, 0x20200000, 0x10063),
        kEndParent, kEndList}},
      {"Switch",
       {Parent(0, 0, 0, 0, 0),
        Parent(92, 26, 28, 60, 43795),  Event(0, 0, 19, 59, 5, kClick, 0x102c1), kEndParent,
        Parent(111, 26, 15, 60, 43780), Event(0, 0, 19, 59, 5, kClick, 0x102c2), kEndParent,
        Parent(141, 26, 41, 66, 43879), Event(1, 1, 40, 65, 5, kClick, 0x102bd), kEndParent,
        Parent(190, 26, 38, 61, 43838), Event(1, 1, 37, 60, 5, kClick, 0x100d7), kEndParent,
        Parent(235, 27, 39, 62, 43837), Event(1, 1, 38, 61, 5, kClick, 0x102bf), kEndParent,
        Parent(280, 26, 41, 63, 43863), Event(1, 1, 40, 62, 5, kClick, 0x10142), kEndParent,
        Parent(324, 23, 40, 63, 43840), Event(1, 1, 30, 60, 5, kClick, 0x100d6), kEndParent,
        Parent(379, 24, 36, 36, 43842), Event(1, 1, 34, 64, 5, kClick, 0x10018), kEndParent,
        kEndParent, kEndList}},
      {"SWavionics", {Parent(0, 0, 0, 0, 43791), Event(10, 10, 50, 50, 5, kClick, 0x102f5), kEndParent, kEndList}},
      {"swnavlight", {Parent(0, 0, 0, 0, 43839), Event(10, 10, 50, 50, 5, kClick, 0x1034b), kEndParent, kEndList}},
      {"swgpsnav", {Parent(0, 0, 0, 0, 43853), Event(0, 0, 20, 20, 5, kClick, 0x10347), kEndParent, kEndList}},
      {"Warning", {Parent(0, 0, 0, 0, 0), kEndParent, kEndList}},
      {"Flap", {Parent(0, 0, 0, 0, 40981), kEndParent, kEndList}},
      {"trim", {Parent(0, 0, 0, 0, 41006), kEndParent, kEndList}},
      {"Toggle20", WindowButtonList()},
      {"Toggle10", WindowButtonList()},
      {"Toggle75", WindowButtonList()},
      {"Toggle125", WindowButtonList()},
      {"Toggle200", WindowButtonList()},
      {"Toggle30", WindowButtonList()},
  };
  return lists;
}

TEST_F(Vantor2Controls, MouseListsAsStored) {
  for (const auto& [gauge, entries] : MouseLists()) ExpectMouseList(m.Gauge(gauge)->mouse, gauge, entries);
}

// ---------------------------------------------------------------------------
// Clicks through the host's mouse dispatch

TEST_F(Vantor2Controls, EveryEventZoneSendsItsKeyEventWithoutModuleCode) {
  for (const auto& [gauge, entries] : MouseLists()) {
    const MouseMap map = m.Mouse(gauge);
    for (const PlacedArea& zone : map.children()) {
      if (zone.rect->handler != nullptr) continue;
      for (auto [dx, dy] : {std::pair{0, 0}, {zone.box.w / 2, zone.box.h / 2}, {zone.box.w - 1, zone.box.h - 1}}) {
        SCOPED_TRACE(std::string(gauge) + " at " + std::to_string(zone.box.x + dx) + "," + std::to_string(zone.box.y + dy));
        host().key_events.clear();
        host().lookups.clear();
        const ClickOutcome out = m.Click(gauge, zone.box.x + dx, zone.box.y + dy);
        EXPECT_TRUE(out.acted);
        EXPECT_EQ(host().key_events, (KeyEvents{{zone.rect->key_event, 0}}));
        EXPECT_TRUE(host().lookups.empty());
      }
    }
  }
}

// What a click at a gauge point does, from the panel's own layout: the
// overlap of the BAT and ALT areas, the ALT zone past its area, the strobe
// zone below its area, and the gaps between zones.
TEST_F(Vantor2Controls, WhatAClickAtEachPointSends) {
  const struct {
    const char* gauge;
    int32_t x, y;
    KeyEvents sent;
  } rows[] = {
      {"Switch", 92, 26, {{0x102c1, 0}}},     // BAT half, top left corner
      {"Switch", 110, 84, {{0x102c1, 0}}},    // BAT half, last column and row
      {"Switch", 111, 26, {{0x102c2, 0}}},    // where the BAT and ALT areas overlap: the ALT zone starts
      {"Switch", 119, 50, {{0x102c2, 0}}},
      {"Switch", 129, 50, {{0x102c2, 0}}},    // ALT zone, past the right edge of its own area
      {"Switch", 130, 50, {}},
      {"Switch", 110, 85, {}},                // below the BAT zone
      {"Switch", 161, 60, {{0x102bd, 0}}},    // fuel pump
      {"Switch", 141, 60, {}},                // the first column of its area lies outside its zone
      {"Switch", 208, 55, {{0x100d7, 0}}},    // landing light
      {"Switch", 254, 57, {{0x102bf, 0}}},    // anti-collision light
      {"Switch", 300, 57, {{0x10142, 0}}},    // pitot heat
      {"Switch", 339, 50, {{0x100d6, 0}}},    // panel lights wheel
      {"Switch", 354, 50, {{0x100d6, 0}}},
      {"Switch", 355, 50, {}},
      {"Switch", 396, 40, {{0x10018, 0}}},    // strobe toggle
      {"Switch", 396, 88, {{0x10018, 0}}},    // strobe zone, far below its area
      {"Switch", 396, 89, {}},
      {"Switch", 40, 50, {}},                 // the nav/radio light wheel is not ours to turn
      {"Carbheat", 0, 0, {{0x10023, 0}}},
      {"Carbheat", 48, 210, {{0x10023, 0}}},
      {"Carbheat", 24, 211, {}},
      {"Fuel_Selector", 35, 105, {{0x101a3, 0}}},
      {"Fuel_Selector", 115, 35, {{0x101a5, 0}}},
      {"Fuel_Selector", 205, 115, {{0x101a6, 0}}},
      {"Fuel_Selector", 75, 100, {}},         // between the left and upper ends
      {"Fuel_Selector", 118, 114, {}},        // the hub
      {"start", 10, 30, {{0x10062, 0}}},
      {"start", 34, 58, {{0x10062, 0}}},
      {"start", 37, 30, {}},                  // between the two halves
      {"start", 40, 15, {{0x10063, 0}}},
      {"start", 74, 58, {{0x10063, 0}}},
      {"start", 50, 60, {}},                  // below both halves
      {"SWavionics", 10, 10, {{0x102f5, 0}}},
      {"SWavionics", 59, 59, {{0x102f5, 0}}},
      {"SWavionics", 9, 30, {}},
      {"SWavionics", 60, 30, {}},
      {"swnavlight", 35, 35, {{0x1034b, 0}}},
      {"swnavlight", 30, 60, {}},
      {"swgpsnav", 10, 10, {{0x10347, 0}}},
      {"swgpsnav", 19, 18, {{0x10347, 0}}},
      {"Warning", 30, 30, {}},
      {"Flap", 20, 40, {}},
      {"trim", 15, 48, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.gauge) + " at " + std::to_string(row.x) + "," + std::to_string(row.y));
    host().key_events.clear();
    m.Click(row.gauge, row.x, row.y);
    EXPECT_EQ(host().key_events, row.sent);
  }
}

TEST_F(Vantor2Controls, HelpTextsOverEachArea) {
  const struct {
    const char* gauge;
    int32_t x, y;
    uint32_t help;
  } rows[] = {
      {"Switch", 100, 50, 43795}, {"Switch", 123, 50, 43780}, {"Switch", 160, 50, 43879}, {"Switch", 200, 50, 43838},
      {"Switch", 250, 50, 43837}, {"Switch", 300, 50, 43863}, {"Switch", 340, 50, 43840}, {"Switch", 390, 30, 43842},
      {"Switch", 20, 50, 0},      {"Controls", 90, 300, 43808}, {"Carbheat", 20, 20, 40975},
      {"Fuel_Selector", 120, 200, 43821}, {"Engine primer", 60, 60, 41021}, {"start", 40, 90, 43845},
      {"SWavionics", 2, 2, 43791}, {"swnavlight", 2, 2, 43839}, {"swgpsnav", 5, 5, 43853}, {"Warning", 30, 30, 0},
      {"Flap", 20, 40, 40981},    {"trim", 20, 40, 41006},     {"Toggle125", 10, 10, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.gauge) + " at " + std::to_string(row.x) + "," + std::to_string(row.y));
    EXPECT_EQ(m.Mouse(row.gauge).At(row.x, row.y).help_id, row.help);
  }
}

// ---------------------------------------------------------------------------
// Engine control levers

TEST_F(Vantor2Controls, LeverSetsItsEventFromThePointersHeight) {
  const struct {
    int32_t y;
    uint32_t sent;
  } rows[] = {
      {0, 16383},       {1, 16302},       {100, 8283},      {199, 264},  {202, 21},    {203, 0},
      {250, 0},         {404, 0},         {-1, 16383},      {-404, 16383},
      // Beyond 404 pixels the 16-bit product wraps, and does so the same way
      // for every point the host may pass.
      {405, 16383},     {65537, 16302},   {-405, 0},        {INT32_MAX, 16383}, {INT32_MIN, 16383},
  };
  const struct {
    size_t zone;
    uint32_t event;
  } levers[] = {{0, 0x1011c}, {1, 0x100e7}, {2, 0x1017f}};
  for (const auto& lever : levers) {
    const MouseHandler handler = Handler("Controls", lever.zone);
    for (const auto& row : rows) {
      SCOPED_TRACE("lever " + std::to_string(lever.zone) + " at y " + std::to_string(row.y));
      host().key_events.clear();
      for (uint32_t flags : {0x20800000u, 0u}) EXPECT_EQ(handler({3, row.y}, flags), 0);
      EXPECT_EQ(host().key_events, (KeyEvents{{lever.event, row.sent}, {lever.event, row.sent}}))
          << "the mouse flags change nothing";
    }
  }
}

// The throttle and propeller zones overlap at x 51 to 54; which lever a
// click there reaches is the host's choice, so no point here lies in it.
TEST_F(Vantor2Controls, LeverClickThroughTheHostMeasuresFromTheZonesTop) {
  const struct {
    int32_t x, y;
    KeyEvents sent;
  } rows[] = {
      {30, 5, {{0x1011c, 16383}}},   {30, 105, {{0x1011c, 8283}}}, {50, 204, {{0x1011c, 264}}},
      {75, 6, {{0x100e7, 16302}}},   {161, 5, {{0x1017f, 16383}}}, {130, 204, {{0x1017f, 264}}},
      {30, 4, {}},                   {30, 205, {}},                {162, 50, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
    host().key_events.clear();
    const ClickOutcome out = m.Click("Controls", row.x, row.y);
    EXPECT_EQ(host().key_events, row.sent);
    EXPECT_EQ(out.result, 0);
  }
}

TEST_F(Vantor2Controls, LeverKnobsRiseTwoHundredPixelsAtFullTravel) {
  for (auto [token, path] : {std::pair{0x80u, 0}, {0x81u, 1}, {0x82u, 2}}) {
    SCOPED_TRACE(path);
    for (auto [value, offset] : {std::pair{0.0, 0.0}, {16383.0, -200.0}, {8192.0, -100.0}}) {
      host().vars.Set(token, value);
      auto instance = m.NewInstance("Controls");
      m.Update(*instance);
      EXPECT_NEAR(instance->elements()[1 + path].offset_y, offset, 0.01);
      EXPECT_EQ(instance->elements()[1 + path].offset_x, 0.0);
    }
  }
}

// ---------------------------------------------------------------------------
// Fuel selector and key switch

TEST_F(Vantor2Controls, FuelSelectorFrames) {
  host().vars.DeclareForm(0x133, VarForm::U32);
  Element* handle = m.ElementAt("Fuel_Selector", {0});
  const struct {
    double position;
    double frame;
  } rows[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 1}, {-1, 1}, {2147483648.0, 1}, {-3, 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.position);
    host().vars.Set(0x133, row.position);
    EXPECT_EQ(m.CallValue(handle), row.frame);
    EXPECT_EQ(FrameShown("Fuel_Selector", {0}), static_cast<int>(row.frame));
  }
}

TEST_F(Vantor2Controls, KeySwitchFrames) {
  host().vars.DeclareForm(0x84, VarForm::U32);
  Element* key = m.ElementAt("start", {0});
  const struct {
    double position;
    double frame;
  } rows[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 0}, {-1, 0}, {4294967295.0, 0}, {4294967296.0 + 3, 3}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.position);
    host().vars.Set(0x84, row.position);
    EXPECT_EQ(m.CallValue(key), row.frame);
  }
}

// ---------------------------------------------------------------------------
// Primer

class PrimerClicks : public Vantor2Controls {
 protected:
  // Clicks the primer knob; returns the frame shown afterwards.
  double Click(double condition) {
    host().vars.Set(0x169, condition);
    host().key_events.clear();
    host().lookups.clear();
    const ClickOutcome out = m.Click("Engine primer", 20, 20);
    EXPECT_TRUE(out.acted);
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(host().lookups, std::vector<uint32_t>{0x169}) << "refreshes its variable once per click";
    return m.CallValue(m.ElementAt("Engine primer", {0}));
  }
};

TEST_F(PrimerClicks, ShowsTheKnobInAtLoad) {
  EXPECT_EQ(m.CallValue(m.ElementAt("Engine primer", {0})), 0);
  EXPECT_EQ(FrameShown("Engine primer", {0}), 0);
}

TEST_F(PrimerClicks, WhileTheVariableReadsZeroEverySecondClickPrimes) {
  const KeyEvents primed{{0x102be, 0}};
  const struct {
    double frame;
    KeyEvents sent;
  } clicks[] = {{1, primed}, {0, {}}, {1, primed}, {0, {}}, {1, primed}};
  for (size_t i = 0; i < std::size(clicks); ++i) {
    SCOPED_TRACE("click " + std::to_string(i + 1));
    EXPECT_EQ(Click(0), clicks[i].frame);
    EXPECT_EQ(host().key_events, clicks[i].sent);
  }
}

TEST_F(PrimerClicks, NegativeZeroCountsAsZero) {
  EXPECT_EQ(Click(-0.0), 1);
  EXPECT_EQ(host().key_events, (KeyEvents{{0x102be, 0}}));
}

TEST_F(PrimerClicks, WhileTheVariableIsNotZeroTheKnobMovesButNothingIsSent) {
  for (double condition : {1.0, -1.0, 0.5, kNaN, kInf}) {
    SCOPED_TRACE(condition);
    const double before = m.CallValue(m.ElementAt("Engine primer", {0}));
    EXPECT_EQ(Click(condition), 1 - before);
    EXPECT_TRUE(host().key_events.empty());
  }
}

TEST_F(PrimerClicks, LatchSetBeforeSurvivesClicksWhileTheVariableIsNotZero) {
  EXPECT_EQ(Click(0), 1);  // primes and sets the latch
  EXPECT_EQ(host().key_events.size(), 1u);
  EXPECT_EQ(Click(1), 0);  // moves the knob only
  EXPECT_TRUE(host().key_events.empty());
  EXPECT_EQ(Click(1), 1);
  EXPECT_TRUE(host().key_events.empty());
  EXPECT_EQ(Click(0), 0);  // back at 0: only clears the latch
  EXPECT_TRUE(host().key_events.empty());
  EXPECT_EQ(Click(0), 1);  // and now primes again
  EXPECT_EQ(host().key_events, (KeyEvents{{0x102be, 0}}));
}

TEST_F(PrimerClicks, OutsideItsZoneNothingHappens) {
  host().vars.Set(0x169, 0);
  for (auto [x, y] : {std::pair{50, 10}, {10, 50}, {60, 60}}) {
    m.Click("Engine primer", x, y);
    EXPECT_TRUE(host().key_events.empty());
    EXPECT_TRUE(host().lookups.empty());
  }
  EXPECT_EQ(m.CallValue(m.ElementAt("Engine primer", {0})), 0);
  m.Click("Engine primer", 49, 49);
  EXPECT_EQ(host().key_events, (KeyEvents{{0x102be, 0}}));
}

// ---------------------------------------------------------------------------
// Battery/alternator rocker and the annunciators

TEST_F(Vantor2Controls, BatAltRockerCombinesBothHalves) {
  Element* rocker = m.ElementAt("Switch", {0});
  const struct {
    double battery, alternator, frame;
  } rows[] = {
      {0, 0, 0},           {1, 0, 1},        {0, 1, 2},         {1, 1, 3},           {-0.0, 1, 2},
      {1, -0.0, 1},        {-0.0, -0.0, 0},  {2, 0, -1},        {1, 0.5, -1},        {0.5, 0, -1},
      {1.0000001, 0, -1},  {0, 0.9999999, -1}, {-1, 1, -1},     {kNaN, 0, -1},       {0, kNaN, -1},
      {kInf, 1, -1},       {1, -kInf, -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.battery) + " / " + std::to_string(row.alternator));
    host().vars.Set(0x16c, row.battery);
    host().vars.Set(0x16b, row.alternator);
    host().lookups.clear();
    EXPECT_EQ(m.CallValue(rocker), row.frame);
    EXPECT_EQ(host().lookups, (std::vector<uint32_t>{0x16c, 0x16b})) << "battery first, then alternator";
  }
}

TEST_F(Vantor2Controls, BatAltRockerShownByTheHost) {
  host().vars.Set(0x16c, 1);
  host().vars.Set(0x16b, 0);
  EXPECT_EQ(FrameShown("Switch", {0}), 1);
  host().vars.Set(0x16b, 1);
  EXPECT_EQ(FrameShown("Switch", {0}), 3);
  host().vars.Set(0x16c, 0.5);
  EXPECT_EQ(FrameShown("Switch", {0}), -1) << "the empty slot shows";
}

TEST_F(Vantor2Controls, PlainSwitchesShowTheirVariable) {
  const struct {
    const char* gauge;
    int child;
    uint32_t token;
  } rows[] = {{"Switch", 1, 0x16f}, {"Switch", 2, 0xe},       {"Switch", 3, 0x170},      {"Switch", 4, 0xd},
              {"Switch", 5, 0xa},   {"Switch", 6, 0xb},       {"SWavionics", 0, 0x2e4}, {"swnavlight", 0, 0x26b},
              {"swgpsnav", 0, 0x350}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.gauge) + " " + std::to_string(row.child));
    for (double value : {0.0, 1.0}) {
      host().vars.Set(row.token, value);
      EXPECT_EQ(FrameShown(row.gauge, {row.child}), static_cast<int>(value));
    }
  }
}

TEST_F(Vantor2Controls, AnnunciatorsLightAtOne) {
  const uint32_t tokens[] = {0x17a, 0x17e, 0x17d};
  for (int lamp = 0; lamp < 3; ++lamp) {
    SCOPED_TRACE(lamp);
    Element* e = m.ElementAt("Warning", {lamp});
    for (auto [value, result] : {std::pair{0.0, -1.0}, {1.0, 0.0}, {2.0, 1.0}}) {
      host().vars.Set(tokens[lamp], value);
      EXPECT_EQ(m.CallValue(e), result);
    }
    host().vars.Set(tokens[lamp], 1);
    EXPECT_EQ(FrameShown("Warning", {lamp}), 0) << "lit";
    host().vars.Set(tokens[lamp], 0);
    EXPECT_EQ(FrameShown("Warning", {lamp}), -1) << "dark: the unlit cap shows";
  }
}

// ---------------------------------------------------------------------------
// Window buttons

const std::pair<const char*, uint32_t> kWindowButtons[] = {
    {"Toggle20", 20}, {"Toggle10", 10}, {"Toggle75", 75}, {"Toggle125", 125}, {"Toggle200", 200}, {"Toggle30", 30},
};

TEST_F(Vantor2Controls, WindowButtonTogglesItsWindowOnceAndReturnsTheHostsAnswer) {
  for (const auto& [gauge, window] : kWindowButtons) {
    for (auto [x, y] : {std::pair{0, 0}, {24, 24}, {48, 0}, {0, 48}, {48, 48}}) {
      for (int32_t answer : {0, 1, -7, static_cast<int32_t>(window) * 3 + 1}) {
        SCOPED_TRACE(std::string(gauge) + " at " + std::to_string(x) + "," + std::to_string(y));
        host().window_calls.clear();
        host().window_result = answer;
        const ClickOutcome out = m.Click(gauge, x, y);
        EXPECT_EQ(host().window_calls, (std::vector<WindowCall>{{"toggle", window}}));
        EXPECT_EQ(out.result, answer);
        EXPECT_TRUE(host().key_events.empty());
      }
    }
  }
}

TEST_F(Vantor2Controls, WindowButtonsLastRowAndColumnDoNothing) {
  for (const auto& [gauge, window] : kWindowButtons) {
    for (auto [x, y] : {std::pair{49, 0}, {0, 49}, {49, 49}, {49, 24}, {24, 49}}) {
      SCOPED_TRACE(std::string(gauge) + " at " + std::to_string(x) + "," + std::to_string(y));
      host().window_calls.clear();
      const ClickOutcome out = m.Click(gauge, x, y);
      EXPECT_FALSE(out.acted);
      EXPECT_TRUE(host().window_calls.empty());
    }
  }
}

TEST_F(Vantor2Controls, TwoClicksToggleTwice) {
  m.Click("Toggle125", 10, 10);
  m.Click("Toggle125", 30, 40);
  EXPECT_EQ(host().window_calls, (std::vector<WindowCall>{{"toggle", 125}, {"toggle", 125}}));
}

TEST_F(Vantor2Controls, WindowHandlersIgnoreThePointAndFlags) {
  for (const auto& [gauge, window] : kWindowButtons) {
    SCOPED_TRACE(gauge);
    host().window_calls.clear();
    host().window_result = 42;
    const MouseHandler handler = Handler(gauge, 0);
    EXPECT_EQ(handler({INT32_MIN, INT32_MAX}, 0), 42);
    EXPECT_EQ(handler({-5, 9999}, 0xFFFFFFFF), 42);
    EXPECT_EQ(host().window_calls, (std::vector<WindowCall>{{"toggle", window}, {"toggle", window}}));
  }
}

// ---------------------------------------------------------------------------
// Flap and trim markers

TEST_F(Vantor2Controls, MarkersSlideWithTheirVariables) {
  const struct {
    const char* gauge;
    uint32_t token;
    double value, top;  // where the marker's top row lands on the gauge
  } rows[] = {
      {"Flap", 0x14a, 0, 0},      {"Flap", 0x14a, 8192, 47.5},  {"Flap", 0x14a, 16383, 95},
      {"trim", 0x30f, 0, 44},     {"trim", 0x30f, 0.2, 64},     {"trim", 0x30f, -0.44, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.gauge) + " " + std::to_string(row.value));
    host().vars.Set(row.token, row.value);
    auto instance = m.NewInstance(row.gauge);
    m.Update(*instance);
    const ElementState& marker = instance->elements()[1];
    EXPECT_NEAR(marker.element->position.y + marker.offset_y, row.top, 0.05);
    EXPECT_EQ(marker.offset_x, 0.0);
  }
}

// ---------------------------------------------------------------------------
// Pictures

TEST_F(Vantor2Controls, BitmapsAtTheirIdsAndSizes) {
  const struct {
    int32_t first, last, w, h;
  } rows[] = {
      {256, 256, 180, 326}, {257, 257, 139, 104}, {258, 258, 73, 107}, {259, 259, 86, 96},
      {304, 304, 49, 212},  {306, 307, 49, 212},  {320, 320, 240, 229}, {322, 324, 240, 229},
      {342, 344, 70, 70},   {384, 384, 81, 95},   {386, 390, 47, 58},   {276, 276, 453, 116},
      {290, 295, 41, 66},   {280, 281, 38, 61},   {278, 279, 39, 62},   {288, 289, 41, 63},
      {296, 297, 29, 71},   {407, 408, 37, 36},   {354, 354, 75, 73},   {356, 357, 75, 73},
      {404, 405, 20, 19},   {368, 368, 204, 61},  {370, 371, 48, 46},   {372, 372, 47, 48},
      {339, 339, 45, 95},   {340, 340, 14, 10},   {400, 400, 45, 94},   {401, 401, 14, 10},
      {352, 352, 50, 50},
  };
  for (const auto& row : rows)
    for (int32_t id = row.first; id <= row.last; ++id) {
      SCOPED_TRACE(id);
      const Image& p = Picture(id);
      EXPECT_EQ(p.width, row.w);
      EXPECT_EQ(p.height, row.h);
      const BitmapResource& res = m.module().file().bitmaps.at(static_cast<uint32_t>(id));
      EXPECT_EQ(res.language, 1033u);
      EXPECT_TRUE(res.bits_per_pixel == 24 || res.bits_per_pixel == 8);
    }
}

TEST_F(Vantor2Controls, SeeThroughPicturesArePureBlackEverywhere) {
  for (int32_t id : {256, 304, 320, 342, 339, 400, 352, 354}) {
    SCOPED_TRACE(id);
    const Image& p = Picture(id);
    int other = 0;
    for (uint32_t px : p.pixels) other += px != kPureBlack;
    EXPECT_EQ(other, 0);
  }
}

TEST_F(Vantor2Controls, FlapAndTrimMarkersRowByRow) {
  const uint32_t rows[10] = {0, 0, 0xC0C0C0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xC0C0C0, 0, 0};
  for (int32_t id : {340, 401}) {
    const Image& p = Picture(id);
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) ASSERT_EQ(p.at(x, y), rows[y]) << id << " at " << x << "," << y;
  }
  EXPECT_EQ(Picture(340).pixels, Picture(401).pixels);
}

TEST_F(Vantor2Controls, FramesOfEveryIconDiffer) {
  const std::vector<std::vector<int32_t>> icons = {
      {306, 307}, {322, 323, 324}, {343, 344}, {386, 387, 388, 389, 390}, {290, 291, 292, 293}, {294, 295},
      {280, 281}, {278, 279},      {288, 289}, {296, 297},                {407, 408},           {356, 357},
      {404, 405}};
  for (const auto& frames : icons)
    for (size_t a = 0; a < frames.size(); ++a)
      for (size_t b = a + 1; b < frames.size(); ++b)
        EXPECT_NE(Picture(frames[a]).pixels, Picture(frames[b]).pixels) << frames[a] << " and " << frames[b];
}

TEST_F(Vantor2Controls, PanelsWithoutHolesShowTheirSlotAndCaps) {
  // The switch panel is drawn everywhere: a pure black pixel would be a hole.
  const Image& panel = Picture(276);
  int holes = 0;
  for (uint32_t px : panel.pixels) holes += px == kPureBlack;
  EXPECT_EQ(holes, 0);
  // The slot under the master rocker is dark, so an undecided rocker leaves
  // a dark slot, not bare panel.
  for (int y = 30; y < 88; ++y)
    for (int x = 96; x < 129; ++x) {
      const uint32_t px = panel.at(x, y);
      ASSERT_LT(((px >> 16) & 0xFF) + ((px >> 8) & 0xFF) + (px & 0xFF), 60u) << x << "," << y;
    }
  // Lit caps are much brighter than the unlit caps they cover on the strip.
  const Image& strip = Picture(368);
  const struct {
    int32_t id, x, y;
  } lamps[] = {{370, 10, 6}, {371, 81, 6}, {372, 151, 5}};
  auto brightness = [](const Image& p, int x0, int y0, int w, int h) {
    double sum = 0;
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) {
        const uint32_t px = p.at(x, y);
        sum += ((px >> 16) & 0xFF) + ((px >> 8) & 0xFF) + (px & 0xFF);
      }
    return sum / (w * h);
  };
  for (const auto& lamp : lamps) {
    const Image& lit = Picture(lamp.id);
    EXPECT_GT(brightness(lit, 0, 0, lit.width, lit.height),
              2 * brightness(strip, lamp.x, lamp.y, lit.width, lit.height))
        << lamp.id;
  }
}

// Every pixel a frame draws, placed where the host draws it, must lie in
// the zones that click it: what the pilot sees is what the pointer finds.
TEST_F(Vantor2Controls, ClickablePartsLieUnderTheirZones) {
  const struct {
    const char* gauge;
    std::vector<int> path;
    std::vector<int32_t> frames;
    std::vector<size_t> zones;
  } rows[] = {
      {"Switch", {0}, {290, 291, 292, 293}, {0, 1}},
      {"Switch", {1}, {294, 295}, {2}},
      {"Switch", {2}, {280, 281}, {3}},
      {"Switch", {3}, {278, 279}, {4}},
      {"Switch", {4}, {288, 289}, {5}},
      {"Switch", {5}, {296, 297}, {6}},
      {"Switch", {6}, {407, 408}, {7}},
      {"Carbheat", {0}, {306, 307}, {0}},
      {"Engine primer", {0}, {343, 344}, {0}},
      {"SWavionics", {0}, {356, 357}, {0}},
      {"swnavlight", {0}, {356, 357}, {0}},
      {"swgpsnav", {}, {404}, {0}},
      {"swgpsnav", {0}, {404, 405}, {0}},
  };
  for (const auto& row : rows) {
    const Point32 at = m.ElementAt(row.gauge, row.path)->position;
    std::vector<Box> boxes;
    for (size_t z : row.zones) boxes.push_back(Zone(row.gauge, z).box);
    for (int32_t id : row.frames) {
      SCOPED_TRACE(std::string(row.gauge) + " picture " + std::to_string(id));
      const Image& p = Picture(id);
      int drawn = 0, outside = 0;
      std::vector<int> per_zone(boxes.size(), 0);
      for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
          if (p.at(x, y) == kPureBlack) continue;
          ++drawn;
          bool inside = false;
          for (size_t b = 0; b < boxes.size(); ++b)
            if (boxes[b].Contains(at.x + x, at.y + y)) inside = true, ++per_zone[b];
          outside += !inside;
        }
      EXPECT_GT(drawn, 150) << "a real picture, not an empty one";
      EXPECT_EQ(outside, 0);
      for (size_t b = 0; b < boxes.size(); ++b) EXPECT_GT(per_zone[b], 50) << "zone " << row.zones[b];
    }
  }
}

TEST_F(Vantor2Controls, LeverKnobsStayInsideTheirLeversColumns) {
  for (size_t lever = 0; lever < 3; ++lever) {
    Element* knob = m.ElementAt("Controls", {static_cast<int>(lever)});
    const Box zone = Zone("Controls", lever).box;
    const Image& p = Picture(knob->bitmap_id);
    int drawn = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        if (p.at(x, y) == kPureBlack) continue;
        ++drawn;
        const int gx = knob->position.x + x;
        ASSERT_TRUE(gx >= zone.x && gx < zone.x + zone.w) << "knob " << lever << " column " << gx;
      }
    EXPECT_GT(drawn, 800) << "knob " << lever;
    // At full travel the knob's top lies in the lever's zone, where a click
    // at the top of the zone puts it.
    int top = p.height;
    for (int y = 0; y < p.height && top == p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (p.at(x, y) != kPureBlack) {
          top = y;
          break;
        }
    const double full = knob->position.y + 16383 * -0.012207779 + top;
    EXPECT_GE(full, zone.y);
    EXPECT_LT(full, zone.y + zone.h);
  }
}

// The handle of each position reaches into that position's zone and no other.
TEST_F(Vantor2Controls, FuelSelectorHandlePointsIntoItsOwnZoneOnly) {
  for (size_t frame = 0; frame < 3; ++frame) {
    const Image& p = Picture(322 + static_cast<int32_t>(frame));
    std::vector<int> in_zone(3, 0);
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (p.at(x, y) != kPureBlack)
          for (size_t z = 0; z < 3; ++z) in_zone[z] += Zone("Fuel_Selector", z).box.Contains(x, y);
    for (size_t z = 0; z < 3; ++z) {
      if (z == frame) {
        EXPECT_GT(in_zone[z], 100) << "frame " << frame;
      } else {
        EXPECT_EQ(in_zone[z], 0) << "frame " << frame << " reaches zone " << z;
      }
    }
  }
}

// The key turns clockwise; its bow lies under the half that turns it
// further that way.
TEST_F(Vantor2Controls, KeyTurnsClockwiseUnderItsHalves) {
  const Point32 at = m.ElementAt("start", {0})->position;
  const Box left = Zone("start", 0).box, right = Zone("start", 1).box;
  int previous_x = -1;
  for (int frame = 0; frame < 5; ++frame) {
    SCOPED_TRACE(frame);
    const Image& p = Picture(386 + frame);
    int tip_x = -1, tip_y = -1;  // the topmost drawn pixel: the end of the bow
    for (int y = 0; y < p.height && tip_y < 0; ++y)
      for (int x = 0; x < p.width; ++x)
        if (p.at(x, y) != kPureBlack) {
          tip_x = at.x + x;
          tip_y = at.y + y;
          break;
        }
    ASSERT_GE(tip_y, 0);
    EXPECT_GT(tip_x, previous_x);
    previous_x = tip_x;
    if (frame < 2) {
      EXPECT_TRUE(left.Contains(tip_x, tip_y)) << tip_x << "," << tip_y;
    } else if (frame > 2) {
      EXPECT_TRUE(right.Contains(tip_x, tip_y)) << tip_x << "," << tip_y;
    } else {
      EXPECT_TRUE(tip_y >= left.y && tip_y < left.y + left.h) << "upright, between the halves' heights";
    }
  }
}

TEST_F(Vantor2Controls, CarbHeatKnobAtTheTopWhenInAndTheBottomWhenPulled) {
  auto lowest = [](const Image& p) {
    for (int y = p.height - 1; y >= 0; --y)
      for (int x = 0; x < p.width; ++x)
        if (p.at(x, y) != kPureBlack) return y;
    return -1;
  };
  EXPECT_LT(lowest(Picture(306)), 70);
  EXPECT_GT(lowest(Picture(307)), 170);
}

}  // namespace
}  // namespace vantor::test
