// Drawing: pixel probes on real gauges, and on small fixtures of the
// test's own element records over a real module's pictures where a claim
// needs one element alone.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "render/gauge_renderer.h"
#include "render/text.h"
#include "render/window_canvas.h"
#include "support/test_host.h"

// Fontconfig keeps the fonts it has matched in caches of its own that it
// frees only in FcFini, which nothing may call while Cairo holds faces;
// LeakSanitizer would report them when the test program ends. The hook is
// read only by sanitizer builds.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace vantor {
namespace {

using test::TestModule;

constexpr double kRadians = M_PI / 180;

// ---------------------------------------------------------------------------
// Pixels

// 0xAARRGGBB as Cairo keeps it (premultiplied: opaque pixels read plainly).
uint32_t PixelAt(cairo_surface_t* s, int x, int y) {
  if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(s) || y >= cairo_image_surface_get_height(s)) return 0;
  const unsigned char* row = cairo_image_surface_get_data(s) + static_cast<size_t>(y) * cairo_image_surface_get_stride(s);
  return reinterpret_cast<const uint32_t*>(row)[x];
}
int Alpha(uint32_t argb) { return argb >> 24; }
int Channel(uint32_t argb, int shift) { return (argb >> shift) & 0xFF; }
bool Close(uint32_t a, uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16, 24})
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
  return true;
}
uint32_t Opaque(uint32_t rgb) { return 0xFF000000 | rgb; }
bool Bright(uint32_t argb) { return Channel(argb, 16) >= 180 && Channel(argb, 8) >= 180 && Channel(argb, 0) >= 160; }
bool Dark(uint32_t argb) { return Channel(argb, 16) <= 60 && Channel(argb, 8) <= 60 && Channel(argb, 0) <= 60; }

// A gauge drawn alone at its own size over nothing (transparent).
SurfacePtr Draw(const GaugeInstance& gauge, const RenderOptions& options = {}, GaugeRenderer* renderer = nullptr) {
  GaugeRenderer own;
  SurfacePtr s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, gauge.width(), gauge.height()));
  cairo_t* cr = cairo_create(s.get());
  (renderer ? *renderer : own).Draw(cr, gauge, options);
  EXPECT_EQ(cairo_status(cr), CAIRO_STATUS_SUCCESS) << gauge.name();
  cairo_destroy(cr);
  cairo_surface_flush(s.get());
  return s;
}

// Pixels of two drawings that differ, with a predicate on where.
int DifferencesWhere(cairo_surface_t* a, cairo_surface_t* b, const std::function<bool(int, int)>& where) {
  int count = 0;
  for (int y = 0; y < cairo_image_surface_get_height(a); ++y)
    for (int x = 0; x < cairo_image_surface_get_width(a); ++x)
      if (where(x, y) && PixelAt(a, x, y) != PixelAt(b, x, y)) ++count;
  return count;
}

// ---------------------------------------------------------------------------
// Fixtures: the test's own records, drawn from a real module's pictures

Element Picture(int32_t id, int32_t x, int32_t y, uint32_t flags, Element** children = nullptr) {
  Element e{};
  e.kind = kStaticImage;
  e.bitmap_id = id;
  e.position = {x, y};
  e.draw_flags = flags;
  e.children = children;
  return e;
}

class Fixture {
 public:
  Fixture(TestModule& module, Element* base) : module_(module) {
    header_.version = 700;
    header_.name = "fixture";
    top_[0] = base;
    header_.elements = top_;
  }
  std::unique_ptr<GaugeInstance> Updated(const FailureSet& failures = {}) {
    auto gauge = std::make_unique<GaugeInstance>(module_.module(), &header_, &module_.sink());
    module_.Update(*gauge, failures);
    return gauge;
  }

 private:
  TestModule& module_;
  GaugeHeader header_{};
  Element* top_[2] = {nullptr, nullptr};
};

// ---------------------------------------------------------------------------
// Needles

// The tachometer needle of Vor2rpm, alone over the gauge's all-black base:
// its real record (picture, pivot, table, callback) in a tree of its own,
// so that the display switch of the real gauge plays no part.
struct TachometerAlone {
  TestModule module{"Vantor3"};
  NeedleElement needle = *module.As<NeedleElement>("Vor2rpm", {0, 0});
  Element* children[2] = {&needle.base, nullptr};
  Element base = *module.ElementAt("Vor2rpm", {});
  Fixture fixture{module, &base};

  TachometerAlone() {
    needle.base.children = nullptr;
    base.children = children;
  }
};

// Largest distance, in pixels, between the middle of the drawn needle and
// the ray from the pivot toward a point, sampled across the needle every
// 5 pixels from 30 to 100 pixels out; infinite where no needle is drawn.
double LargestOffsetFromRay(cairo_surface_t* s, Point32 pivot, Point32 toward) {
  const double cx = pivot.x + 0.5, cy = pivot.y + 0.5;
  const double len = std::hypot(toward.x - pivot.x, toward.y - pivot.y);
  const double ux = (toward.x - pivot.x) / len, uy = (toward.y - pivot.y) / len;
  double worst = 0;
  for (double d = 30; d <= 100; d += 5) {
    double weight = 0, moment = 0;
    for (double t = -10; t <= 10; t += 0.25) {
      const double px = cx + d * ux - t * uy, py = cy + d * uy + t * ux;
      const int a = Alpha(PixelAt(s, static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py))));
      weight += a;
      moment += a * t;
    }
    if (weight == 0) return std::numeric_limits<double>::infinity();
    worst = std::max(worst, std::fabs(moment / weight));
  }
  return worst;
}

// The direction the drawn needle points, degrees clockwise from +x: the
// centre of its pixels between 30 and 100 pixels from the pivot.
double DrawnAngle(cairo_surface_t* s, Point32 pivot) {
  double sx = 0, sy = 0;
  for (int y = pivot.y - 100; y <= pivot.y + 100; ++y) {
    for (int x = pivot.x - 100; x <= pivot.x + 100; ++x) {
      const double dx = x - pivot.x, dy = y - pivot.y, d = std::hypot(dx, dy);
      if (d < 30 || d > 100) continue;
      const int a = Alpha(PixelAt(s, x, y));
      sx += a * dx;
      sy += a * dy;
    }
  }
  return std::atan2(sy, sx) / kRadians;
}

double AngleBetween(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

TEST(RenderNeedle, PointsAtEachTablePointAtItsValue) {
  TachometerAlone t;
  const NeedleElement& n = t.needle;
  ASSERT_NE(n.table, nullptr);
  ASSERT_GE(n.table_entries, 3u);
  for (uint32_t i = 0; i < n.table_entries; ++i) {
    const NonlinearityEntry& entry = n.table[i];
    t.module.sink().vars.Set(n.var.id, entry.value);
    auto gauge = t.fixture.Updated();
    SurfacePtr drawn = Draw(*gauge);
    EXPECT_LE(LargestOffsetFromRay(drawn.get(), n.base.position, entry.point), 2.0)
        << "tachometer at " << entry.value << " RPM should point at (" << entry.point.x << ", " << entry.point.y
        << ")";
  }
}

TEST(RenderNeedle, RateLimitReachesAFarTargetInTheRightNumberOfUpdates) {
  TachometerAlone t;
  const NeedleElement& n = t.needle;
  ASSERT_EQ(n.max_degrees_per_update, 6u);
  const NonlinearityEntry& first = n.table[0];
  const NonlinearityEntry& last = n.table[n.table_entries - 1];
  auto direction = [&](const NonlinearityEntry& e) {
    return std::atan2(e.point.y - n.base.position.y, e.point.x - n.base.position.x) / kRadians;
  };

  t.module.sink().vars.Set(n.var.id, first.value);
  auto gauge = t.fixture.Updated();  // the first update shows the value at once
  const double start = DrawnAngle(Draw(*gauge).get(), n.base.position);
  EXPECT_LE(AngleBetween(start, direction(first)), 1.5);

  // The tachometer sweeps clockwise from 0 to 3000 RPM, the long way round.
  const double sweep = gauge->elements()[1].angle - TableAngle(n, first.value);
  const double target_sweep = TableAngle(n, last.value) - TableAngle(n, first.value);
  ASSERT_EQ(sweep, 0);
  ASSERT_GT(target_sweep, 180.0);
  const int updates = static_cast<int>(std::ceil(target_sweep / 6.0));

  t.module.sink().vars.Set(n.var.id, last.value);
  for (int k = 1; k <= updates; ++k) {
    t.module.Update(*gauge);
    const double drawn = DrawnAngle(Draw(*gauge).get(), n.base.position);
    const double expected = k < updates ? start + 6.0 * k : direction(last);
    EXPECT_LE(AngleBetween(drawn, expected), 1.5) << "after update " << k << " of " << updates;
  }
}

// ---------------------------------------------------------------------------
// Transparency and hiding

TEST(RenderTransparency, BlackUnderFlag1LeavesTheWindowBackgroundVisible) {
  TestModule main("Vantor2");
  Element base = *main.ElementAt("Wiskey", {});
  ASSERT_EQ(base.draw_flags, 0x1u);
  base.children = nullptr;  // the bare all-black base, without its card
  struct Case {
    uint32_t flags;
    uint32_t expected;
  };
  const uint32_t ground = 0x336699;
  for (const Case& c : {Case{0x1, ground}, Case{0x0, 0x000000}}) {
    base.draw_flags = c.flags;
    Fixture fixture(main, &base);
    auto gauge = fixture.Updated();
    WindowCanvas window(200, 200);
    Image background{4, 4, std::vector<uint32_t>(16, ground)};
    window.SetBackground(background);
    window.Place(gauge.get(), 30, 40);
    window.Render({});
    int wrong = 0;
    for (int y = 40; y < 40 + gauge->height(); ++y)
      for (int x = 30; x < 30 + gauge->width(); ++x)
        if (PixelAt(window.surface(), x, y) != Opaque(c.expected)) ++wrong;
    EXPECT_EQ(wrong, 0) << "Wiskey base with draw flags " << c.flags;
  }
}

TEST(RenderHidden, HidesOnlyTheElementThatCarriesTheFlag) {
  TestModule secondary("Vantor3");
  const Image& to = *secondary.module().Bitmap(276);
  const Image& from = *secondary.module().Bitmap(277);
  struct Case {
    uint32_t parent_flags, child_flags;
    bool parent_drawn, child_drawn;
  };
  for (const Case& c : {Case{0, 0, true, true}, Case{kHidden, 0, false, true}, Case{0, kHidden, true, false}}) {
    Element child = Picture(277, 60, 10, c.child_flags);
    Element* parent_children[] = {&child, nullptr};
    Element parent = Picture(276, 10, 10, c.parent_flags, parent_children);
    Element* base_children[] = {&parent, nullptr};
    Element base = Picture(288, 0, 0, 0x1, base_children);  // all black: nothing of its own
    Fixture fixture(secondary, &base);
    SurfacePtr drawn = Draw(*fixture.Updated());
    auto shows = [&](const Image& picture, int at_x, int at_y) {
      for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
          if (PixelAt(drawn.get(), at_x + x, at_y + y) != Opaque(picture.at(x, y))) return false;
      return true;
    };
    auto empty = [&](const Image& picture, int at_x, int at_y) {
      for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
          if (PixelAt(drawn.get(), at_x + x, at_y + y) != 0) return false;
      return true;
    };
    EXPECT_TRUE(c.parent_drawn ? shows(to, 10, 10) : empty(to, 10, 10)) << "parent flags " << c.parent_flags;
    EXPECT_TRUE(c.child_drawn ? shows(from, 60, 10) : empty(from, 60, 10)) << "child flags " << c.child_flags;
  }
}

// ---------------------------------------------------------------------------
// Pictures seen through windows

// Pixels of a window area that break the window rule, for a picture
// shifted by (dx, dy) inside it: where the window is (1, 1, 1) the picture
// shows (black picture pixels under flag 0x1 show what lies below), other
// window colours are drawn themselves, and pure black shows what lies below.
int WindowRuleBreaks(cairo_surface_t* drawn, cairo_surface_t* below, Point32 at, const Image& picture,
                     const Image& window, int dx, int dy, bool keyed) {
  int breaks = 0;
  for (int y = 0; y < window.height; ++y) {
    for (int x = 0; x < window.width; ++x) {
      const uint32_t w = window.at(x, y) & 0xFFFFFF;
      const uint32_t under = PixelAt(below, at.x + x, at.y + y);
      uint32_t expected = Opaque(w);
      if (w == 0) {
        expected = under;
      } else if (w == 0x010101) {
        const int px = x - dx, py = y - dy;
        const bool inside = px >= 0 && py >= 0 && px < picture.width && py < picture.height;
        const uint32_t p = inside ? picture.at(px, py) & 0xFFFFFF : 0;
        expected = !inside || (keyed && p == 0) ? under : Opaque(p);
      }
      if (!Close(PixelAt(drawn, at.x + x, at.y + y), expected, 1)) ++breaks;
    }
  }
  return breaks;
}

TEST(RenderMovingImage, WindowBlackHidesNearBlackShowsOtherColoursLieOver) {
  // The VOR card and its window, as a moving image: the window has all
  // three kinds of pixel.
  TestModule secondary("Vantor3");
  const Image& card = *secondary.module().Bitmap(280);
  const Image& window = *secondary.module().Bitmap(281);
  int black = 0, see_through = 0, marks = 0;
  for (uint32_t p : window.pixels) (p == 0 ? black : p == 0x010101 ? see_through : marks) += 1;
  ASSERT_GT(black, 1000);
  ASSERT_GT(see_through, 1000);
  ASSERT_GT(marks, 1000);

  for (uint32_t flags : {0x0u, 0x1u}) {
    MovingImageElement moving{};
    moving.base = Picture(280, 18, 16, flags);
    moving.base.kind = kMovingImage;
    Element* children[] = {&moving.base, nullptr};
    Element face = Picture(272, 0, 0, 0x0, children);
    Fixture with(secondary, &face);
    Element bare_face = Picture(272, 0, 0, 0x0);
    Fixture without(secondary, &bare_face);
    SurfacePtr drawn = Draw(*with.Updated());
    SurfacePtr below = Draw(*without.Updated());
    EXPECT_EQ(WindowRuleBreaks(drawn.get(), below.get(), {18, 16}, card, window, 0, 0, flags & 0x1), 0)
        << "moving image with draw flags " << flags;
  }
}

TEST(RenderMovingImage, CompassShowsTheCardColumnsOfItsHeadingUnderTheLubberLine) {
  TestModule main("Vantor2");
  auto* card = main.As<MovingImageElement>("Wiskey", {0});
  const Image& strip = *main.module().Bitmap(card->base.bitmap_id);
  const Image& window = *main.module().Bitmap(card->base.bitmap_id + 1);
  struct Case {
    double heading;
    int card_column_at_window_left;  // 1.6 card pixels per degree of 360 - heading
  };
  for (const Case& c : {Case{0, 576}, Case{90, 432}, Case{45, 504}, Case{180, 288}}) {
    main.sink().vars.Set(card->x_var.id, c.heading);
    auto gauge = main.NewInstance("Wiskey");
    main.Update(*gauge);
    SurfacePtr drawn = Draw(*gauge);
    SurfacePtr nothing(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, gauge->width(), gauge->height()));
    EXPECT_EQ(WindowRuleBreaks(drawn.get(), nothing.get(), card->base.position, strip, window,
                               -c.card_column_at_window_left, 0, true),
              0)
        << "Wiskey at heading " << c.heading;
  }
}

TEST(RenderMovingImage, DrumShowsTheDigitItsValueSelects) {
  TestModule radios("Radios");
  radios.sink().vars.DeclareForm(0x26, VarForm::U32);
  const Image& strip = *radios.module().Bitmap(289);
  const Image& window = *radios.module().Bitmap(290);
  constexpr int kDigitStep = 23;  // strip rows from one digit to the next
  // Each digit must look different in the window, or the probe proves nothing.
  for (int d = 0; d < 9; ++d) {
    int differing = 0;
    for (int y = 0; y < window.height; ++y)
      for (int x = 0; x < window.width; ++x)
        if (strip.at(x, y + d * kDigitStep) != strip.at(x, y + (d + 1) * kDigitStep)) ++differing;
    ASSERT_GT(differing, 20) << "digits " << d << " and " << d + 1 << " of the drum strip";
  }

  const std::vector<std::vector<int>> drums = {{0}, {0, 0}, {0, 0, 0}, {0, 0, 0, 0}};  // units .. thousands
  for (uint32_t code : {0x1200u, 0x7777u, 0x1207u, 0x9380u, 0x0000u}) {
    radios.sink().vars.Set(0x26, code);
    auto gauge = radios.NewInstance("RadioTrans");
    radios.Update(*gauge);
    SurfacePtr drawn = Draw(*gauge);
    SurfacePtr nothing(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, gauge->width(), gauge->height()));
    for (size_t n = 0; n < drums.size(); ++n) {
      const Element& drum = *radios.ElementAt("RadioTrans", drums[n]);
      const int digit = (code >> (4 * n)) & 0xF;
      EXPECT_EQ(WindowRuleBreaks(drawn.get(), nothing.get(), drum.position, strip, window, 0, -digit * kDigitStep,
                                 true),
                0)
          << "transponder code " << std::hex << code << ", drum " << std::dec << n << " should show " << digit;
    }
  }
}

// ---------------------------------------------------------------------------
// Sprites

// The VOR2 OBS card alone: its real record over the all-black base.
struct ObsCardAlone {
  TestModule module{"Vantor3"};
  SpriteElement card = *module.As<SpriteElement>("Vor2rpm", {0, 0, 0, 0});
  Element* children[2] = {&card.base, nullptr};
  Element base = *module.ElementAt("Vor2rpm", {});
  Fixture fixture{module, &base};

  ObsCardAlone() {
    card.base.children = nullptr;
    base.children = children;
  }
};

TEST(RenderSprite, TurnsTheTextureCounterClockwiseAboutTheTextureCentre) {
  ObsCardAlone t;
  const SpriteElement& card = t.card;
  ASSERT_EQ(card.base.kind, kSprite);
  ASSERT_EQ(card.rotation_scale, 1.0);
  const Image& texture = *t.module.module().Bitmap(card.base.bitmap_id);
  const Image& window = *t.module.module().Bitmap(card.base.bitmap_id + 1);
  const double scale = card.texture_scale_x;

  // Where the centre of texel (tx, ty) lands with the card turned by r.
  auto landing = [&](int tx, int ty, double r) {
    const double x = (tx + 0.5 - texture.width / 2.0) * scale, y = (ty + 0.5 - texture.height / 2.0) * scale;
    const double a = r * kRadians;
    return Point32{static_cast<int>(std::floor(card.base.pivot.x + 0.5 + x * std::cos(a) + y * std::sin(a))),
                   static_cast<int>(std::floor(card.base.pivot.y + 0.5 - x * std::sin(a) + y * std::cos(a)))};
  };
  auto block = [&](int tx, int ty, bool (*test)(uint32_t)) {
    for (int y = ty - 1; y <= ty + 1; ++y)
      for (int x = tx - 1; x <= tx + 1; ++x)
        if (x < 0 || y < 0 || x >= texture.width || y >= texture.height || !test(Opaque(texture.at(x, y))))
          return false;
    return true;
  };
  auto seen = [&](Point32 p) {
    const int x = p.x - card.base.position.x, y = p.y - card.base.position.y;
    return x >= 0 && y >= 0 && x < window.width && y < window.height && window.at(x, y) == 0x010101;
  };
  // A bright mark of the card whose opposite point is dark, both seen
  // through the window in every quarter turn.
  int tx = -1, ty = -1;
  for (int y = 1; y < texture.height - 1 && tx < 0; ++y) {
    for (int x = 1; x < texture.width - 1 && tx < 0; ++x) {
      if (!block(x, y, Bright) || !block(texture.width - 1 - x, texture.height - 1 - y, Dark)) continue;
      bool visible = true;
      for (double r : {0, 90, 180, 270}) visible = visible && seen(landing(x, y, r));
      if (visible) tx = x, ty = y;
    }
  }
  ASSERT_GE(tx, 0) << "no bright mark with a dark opposite on the OBS card";

  for (double obs : {0.0, 90.0, 180.0, -90.0, 450.0}) {
    t.module.sink().vars.Set(card.rotation_var.id, obs);
    SurfacePtr drawn = Draw(*t.fixture.Updated());
    const Point32 there = landing(tx, ty, obs), opposite = landing(tx, ty, obs + 180);
    EXPECT_TRUE(Bright(PixelAt(drawn.get(), there.x, there.y)))
        << "OBS " << obs << ": texel (" << tx << ", " << ty << ") should be at (" << there.x << ", " << there.y << ")";
    EXPECT_TRUE(Dark(PixelAt(drawn.get(), opposite.x, opposite.y))) << "OBS " << obs;
  }
}

// The deviation bar of the HSI turns with the course and slides toward the
// side the course lies on, as the VOR needle swings.
TEST(RenderSprite, HsiDeviationBarSlidesAcrossItsOwnTurnedAxis) {
  TestModule hsi("Vantorhsi");
  auto* bar = hsi.As<SpriteElement>("hsi", {0, 0, 0, 0, 0, 0});
  ASSERT_EQ(bar->base.kind, kSprite);
  const Point32 centre = bar->base.pivot;
  auto yellow = [](uint32_t p) {
    return Channel(p, 16) > 180 && Channel(p, 8) > 150 && Channel(p, 8) < 220 && Channel(p, 0) < 100;
  };
  struct Case {
    double course, cdi;
    bool across_x;  // the bar is vertical and is found along a row; else along a column
    double shift;   // from the centre, pixels, toward +x or +y
  };
  const double full = 63 * 0.632813;
  for (const Case& c : {Case{0, 63, true, full}, Case{0, -63, true, -full}, Case{0, 0, true, 0},
                        Case{90, 63, false, full}, Case{90, -63, false, -full}}) {
    hsi.sink().vars.Set(0x54, 0);  // heading
    hsi.sink().vars.Set(bar->rotation_var.id, c.course);
    hsi.sink().vars.Set(bar->x_var.id, c.cdi);
    auto gauge = hsi.NewInstance("hsi");
    hsi.Update(*gauge);
    SurfacePtr drawn = Draw(*gauge);
    // Probe 30 pixels below or left of the centre, clear of the aircraft
    // symbol and of the NAV flag (upper right while its variable is 0).
    double sum = 0;
    int count = 0;
    for (int d = -80; d <= 80; ++d) {
      const int x = c.across_x ? centre.x + d : centre.x - 30, y = c.across_x ? centre.y + 30 : centre.y + d;
      if (yellow(PixelAt(drawn.get(), x, y))) sum += d, ++count;
    }
    ASSERT_GT(count, 0) << "no deviation bar at course " << c.course << ", CDI " << c.cdi;
    EXPECT_NEAR(sum / count, c.shift, 3.0) << "course " << c.course << ", CDI " << c.cdi;
  }
}

// ---------------------------------------------------------------------------
// Sliders and icons

TEST(RenderSlider, GlideslopePointerMovesFiftyPixelsPerUnit) {
  TestModule hsi("Vantorhsi");
  auto* pointer = hsi.As<SliderElement>("hsi", {0, 0, 0, 0, 0, 0, 0});
  ASSERT_EQ(pointer->base.kind, kSlider);
  const Image& picture = *hsi.module().Bitmap(pointer->base.bitmap_id);
  struct Case {
    double glideslope;
    int drop;
  };
  for (const Case& c : {Case{0, 0}, Case{0.5, 25}, Case{1, 50}, Case{1.7, 50}, Case{-1, -50}, Case{-2, -50}}) {
    hsi.sink().vars.Set(pointer->y_var.id, c.glideslope);
    hsi.sink().vars.Set(0x354, 1);  // the GS flag hidden: it lies over the pointer's track
    auto gauge = hsi.NewInstance("hsi");
    hsi.Update(*gauge);
    SurfacePtr drawn = Draw(*gauge);
    int wrong = 0, probed = 0;
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        if ((picture.at(x, y) & 0xFFFFFF) == 0) continue;  // black is left out (flag 0x1)
        ++probed;
        const uint32_t p = PixelAt(drawn.get(), pointer->base.position.x + x, pointer->base.position.y + c.drop + y);
        if (!Close(p, Opaque(picture.at(x, y)), 1)) ++wrong;
      }
    }
    ASSERT_GT(probed, 20);
    EXPECT_EQ(wrong, 0) << "glideslope " << c.glideslope << " should put the pointer " << c.drop << " px down";
  }
}

TEST(RenderIcon, ShowsTheFrameItsValueSelectsAndNothingForMinusOne) {
  TestModule radios("Radios");
  const std::vector<int> path = {0};  // the marker lamps
  auto* lamps = radios.As<IconElement>("RadioAudio", path);
  ASSERT_EQ(lamps->base.kind, kIcon);
  ASSERT_EQ(lamps->frames, 3u);
  auto drawn_at = [&](double marker) {
    radios.sink().vars.Set(lamps->var.id, marker);
    auto gauge = radios.NewInstance("RadioAudio");
    radios.Update(*gauge);
    return Draw(*gauge);
  };
  SurfacePtr dark = drawn_at(0);
  struct Case {
    double marker;
    int frame;  // -1: none
  };
  for (const Case& c : {Case{0, -1}, Case{1, 0}, Case{2, 1}, Case{3, 2}}) {
    SurfacePtr drawn = drawn_at(c.marker);
    const Image& frame0 = *radios.module().Bitmap(lamps->base.bitmap_id);
    int wrong = 0;
    for (int y = 0; y < frame0.height; ++y) {
      for (int x = 0; x < frame0.width; ++x) {
        const int gx = lamps->base.position.x + x, gy = lamps->base.position.y + y;
        uint32_t expected = PixelAt(dark.get(), gx, gy);
        if (c.frame >= 0) {
          const uint32_t p = radios.module().Bitmap(lamps->base.bitmap_id + c.frame)->at(x, y) & 0xFFFFFF;
          if (p != 0) expected = Opaque(p);
        }
        if (!Close(PixelAt(drawn.get(), gx, gy), expected, 1)) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0) << "marker " << c.marker << " should show frame " << c.frame;
  }
}

// ---------------------------------------------------------------------------
// Strings

TEST(RenderText, QuartzIsASegmentDisplayWithLettersWhereTheTextHasThem) {
  struct Case {
    const char* face;
    const char* text;
    const char* family;
  };
  for (const Case& c : {Case{"Quartz", "123.45", "DSEG7 Classic"}, Case{"Quartz", " 12.9 NM", "DSEG14 Classic"},
                        Case{"Quartz", "ALT 05000", "DSEG14 Classic"}, Case{"Quartz", "----", "DSEG7 Classic"},
                        Case{"Quartz", "", "DSEG7 Classic"}, Case{"DejaVu Sans", "HDG", "DejaVu Sans"}})
    EXPECT_EQ(FontFamilyFor(c.face, c.text), c.family) << c.face << " \"" << c.text << "\"";
}

// The COM string of RadioComNav1, alone over the radio's face.
struct ComStringAlone {
  TestModule module{"Radios"};
  StringElement com = *module.As<StringElement>("RadioComNav1", {0});
  Element* children[2] = {&com.base, nullptr};
  Element face = *module.ElementAt("RadioComNav1", {});
  Element bare_face = *module.ElementAt("RadioComNav1", {});
  Fixture with{module, &face};
  Fixture without{module, &bare_face};

  ComStringAlone() {
    module.sink().vars.DeclareForm(com.vars[0].id, VarForm::U32);
    com.base.children = nullptr;
    face.children = children;
    bare_face.children = nullptr;
  }
};

TEST(RenderText, TextIsDrawnInsideItsBoxAndNothingOutsideIt) {
  ComStringAlone t;
  const StringElement& s = t.com;
  ASSERT_EQ(s.base.kind, kString);
  const int x0 = s.base.position.x, y0 = s.base.position.y;
  const int x1 = x0 + static_cast<int>(s.box_width), y1 = y0 + static_cast<int>(s.box_height);
  for (uint32_t frequency : {0x2345u, 0x1800u, 0x0800u, 0x9999u}) {
    t.module.sink().vars.Set(s.vars[0].id, frequency);
    SurfacePtr drawn = Draw(*t.with.Updated());
    SurfacePtr face = Draw(*t.without.Updated());
    int ink_x0 = 1 << 20, ink_y0 = 1 << 20, ink_x1 = -1, ink_y1 = -1;
    for (int y = 0; y < cairo_image_surface_get_height(drawn.get()); ++y) {
      for (int x = 0; x < cairo_image_surface_get_width(drawn.get()); ++x) {
        if (PixelAt(drawn.get(), x, y) == PixelAt(face.get(), x, y)) continue;
        ink_x0 = std::min(ink_x0, x), ink_y0 = std::min(ink_y0, y);
        ink_x1 = std::max(ink_x1, x), ink_y1 = std::max(ink_y1, y);
      }
    }
    ASSERT_GE(ink_x1, 0) << "no text drawn for " << std::hex << frequency;
    // Inside with a margin: the text fits, it is not cut off at the box.
    EXPECT_GE(ink_x0, x0 + 2) << std::hex << frequency;
    EXPECT_GE(ink_y0, y0 + 2) << std::hex << frequency;
    EXPECT_LE(ink_x1, x1 - 3) << std::hex << frequency;
    EXPECT_LE(ink_y1, y1 - 3) << std::hex << frequency;
    // Centred on one line, and large enough to read.
    EXPECT_NEAR((ink_y0 + ink_y1 + 1) / 2.0, (y0 + y1) / 2.0, 2.0) << std::hex << frequency;
    EXPECT_GE(ink_y1 - ink_y0 + 1, static_cast<int>(s.box_height) / 2) << std::hex << frequency;
  }
}

TEST(RenderText, HighlightedCharactersTakeTheHighlightColourWhileTheirSelectionIsActive) {
  ComStringAlone t;
  const StringElement& s = t.com;
  t.module.sink().vars.Set(s.vars[0].id, 0x2345);  // "123.45"
  auto white = [](uint32_t p) { return Channel(p, 16) > 200 && Channel(p, 8) > 200 && Channel(p, 0) > 200; };
  auto text_colour = [](uint32_t p) {  // 0x0060D0: red 208, green 96, blue 0
    return Channel(p, 16) > 150 && Channel(p, 8) > 50 && Channel(p, 8) < 140 && Channel(p, 0) < 60;
  };
  // Colours of the text's columns from left to right, runs collapsed: W
  // highlight, O text colour. The point (character 3) is in no range.
  auto runs = [&](cairo_surface_t* drawn) {
    std::string seen;
    for (int x = s.base.position.x; x < s.base.position.x + static_cast<int>(s.box_width); ++x) {
      bool w = false, o = false;
      for (int y = s.base.position.y; y < s.base.position.y + static_cast<int>(s.box_height); ++y) {
        const uint32_t p = PixelAt(drawn, x, y);
        w = w || white(p);
        o = o || text_colour(p);
      }
      if (w == o) continue;  // no ink, or a column where both meet
      const char c = w ? 'W' : 'O';
      if (seen.empty() || seen.back() != c) seen += c;
    }
    return seen;
  };
  struct Case {
    std::set<int> active;
    const char* runs;
  };
  for (const Case& c : {Case{{}, "O"}, Case{{4}, "WO"}, Case{{5}, "OW"}, Case{{4, 5}, "WOW"}, Case{{1}, "O"},
                        Case{{2, 3, 6}, "O"}}) {
    RenderOptions options;
    options.active_selections = c.active;
    SurfacePtr drawn = Draw(*t.with.Updated(), options);
    EXPECT_EQ(runs(drawn.get()), c.runs) << "COM 123.45 with selections " << ::testing::PrintToString(c.active);
  }
}

// ---------------------------------------------------------------------------
// Failures and light

TEST(RenderFailure, CoveredElementsLieUnderADarkCover) {
  TestModule radios("Radios");
  radios.sink().vars.DeclareForm(0x17, VarForm::U32);
  radios.sink().vars.Set(0x17, 0x2345);
  auto gauge = radios.NewInstance("RadioComNav1");
  radios.Update(*gauge);
  SurfacePtr normal = Draw(*gauge);
  FailureSet power;
  power.Set(20, true);  // action 3 on both frequency strings
  radios.Update(*gauge, power);
  SurfacePtr failed = Draw(*gauge);
  auto* com = radios.As<StringElement>("RadioComNav1", {0});
  auto* nav = radios.As<StringElement>("RadioComNav1", {1});
  auto in = [](const StringElement* s, int x, int y) {
    return x >= s->base.position.x && y >= s->base.position.y && x < s->base.position.x + int(s->box_width) &&
           y < s->base.position.y + int(s->box_height);
  };
  int uncovered = 0;
  for (const StringElement* s : {com, nav})
    for (int y = s->base.position.y; y < s->base.position.y + int(s->box_height); ++y)
      for (int x = s->base.position.x; x < s->base.position.x + int(s->box_width); ++x)
        if (PixelAt(failed.get(), x, y) != Opaque(0x141414)) ++uncovered;
  EXPECT_EQ(uncovered, 0);
  EXPECT_EQ(DifferencesWhere(normal.get(), failed.get(), [&](int x, int y) { return !in(com, x, y) && !in(nav, x, y); }),
            0)
      << "the cover reaches outside the strings' boxes";
}

TEST(RenderLight, EachDrawFlagTakesItsLightByDayAndNight) {
  TestModule secondary("Vantor3");
  const Image& picture = *secondary.module().Bitmap(276);  // the TO frame: white and grey
  const uint32_t flags[] = {0x0, kDrawFloodLit, kDrawSelfLuminous, kDrawInstrumentLit, 0x4002, 0x4006};
  Element copies[6];
  Element* children[7] = {};
  for (int i = 0; i < 6; ++i) {
    copies[i] = Picture(276, 40 * i, 0, flags[i]);
    children[i] = &copies[i];
  }
  Element base = Picture(288, 0, 0, 0x1, children);
  Fixture fixture(secondary, &base);
  auto gauge = fixture.Updated();

  struct Case {
    bool night, lights;
    Light expected[6];
  };
  const Light F = Light::Full, A = Light::Ambient, L = Light::Flood, I = Light::Instrument;
  for (const Case& c : {Case{false, false, {F, F, F, F, F, F}}, Case{false, true, {F, F, F, F, F, F}},
                        Case{true, false, {A, A, F, A, A, F}}, Case{true, true, {A, L, F, I, I, F}}}) {
    RenderOptions options;
    options.night = c.night;
    options.panel_lights = c.lights;
    SurfacePtr drawn = Draw(*gauge, options);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(LightFor(flags[i], options), c.expected[i]) << "flags " << std::hex << flags[i];
      int wrong = 0;
      for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
          if (PixelAt(drawn.get(), 40 * i + x, y) != Opaque(Lit(picture.at(x, y) & 0xFFFFFF, c.expected[i]))) ++wrong;
      EXPECT_EQ(wrong, 0) << "flags " << std::hex << flags[i] << (c.night ? " at night" : " by day")
                          << (c.lights ? ", panel lights on" : "");
    }
  }
  // Night is darker than day; the instruments' lamps are brighter than the flood light.
  EXPECT_LT(Lit(0xFFFFFF, A) & 0xFF, Lit(0xFFFFFF, L) & 0xFF);
  EXPECT_LT((Lit(0xFFFFFF, L) >> 8) & 0xFF, (Lit(0xFFFFFF, I) >> 8) & 0xFF);
}

TEST(RenderSmoothing, PicturesWithFlag80KeepTheirAverageBrightnessWhenDrawnSmall) {
  // The compass card's ticks are a pixel or two wide every 8 pixels: the
  // kind of detail that resampling from four pixels loses or exaggerates.
  TestModule main("Vantor2");
  const Image& card = *main.module().Bitmap(273);
  auto brightness = [](uint32_t rgb) { return Channel(rgb, 16) + Channel(rgb, 8) + Channel(rgb, 0); };
  double original = 0;
  for (uint32_t p : card.pixels) original += brightness(p);
  original /= card.pixels.size();

  std::vector<uint32_t> drawn_pixels[2];
  for (int smooth = 0; smooth < 2; ++smooth) {
    Element strip = Picture(273, 0, 0, smooth ? kDrawSmooth : 0x0);
    Fixture fixture(main, &strip);
    auto gauge = fixture.Updated();
    WindowCanvas window(card.width / 4, card.height / 4);
    window.Place(gauge.get(), 0, 0, card.width / 4.0, card.height / 4.0);
    window.Render({});
    double sum = 0;
    for (int y = 0; y < window.height(); ++y)
      for (int x = 0; x < window.width(); ++x) {
        drawn_pixels[smooth].push_back(PixelAt(window.surface(), x, y));
        sum += brightness(PixelAt(window.surface(), x, y));
      }
    if (smooth) EXPECT_NEAR(sum / (window.width() * window.height()), original, original * 0.03);
  }
  EXPECT_NE(drawn_pixels[0], drawn_pixels[1]) << "draw flag 0x80 changes nothing";
}

// ---------------------------------------------------------------------------
// Robustness

TEST(RenderRobustness, ExtremeValuesLeaveTheDrawingIntact) {
  TestModule hsi("Vantorhsi");
  auto gauge = hsi.NewInstance("hsi");
  hsi.Update(*gauge);
  SurfacePtr normal = Draw(*gauge);
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  for (uint32_t id : {0x54u, 0x356u, 0x357u, 0x28u, 0x352u, 0x6Bu, 0x2Du})
    for (double v : {1e300, -1e300, inf, -inf, nan}) {
      hsi.sink().vars.Set(id, v);
      hsi.Update(*gauge);
      SurfacePtr drawn = Draw(*gauge);  // expects Cairo's status to stay clean
      // The bezel's corner lies outside every moving part.
      EXPECT_EQ(PixelAt(drawn.get(), 5, 5), PixelAt(normal.get(), 5, 5)) << std::hex << id << " = " << v;
      hsi.sink().vars.Set(id, 0);
    }
}

// ---------------------------------------------------------------------------
// Windows

TEST(RenderWindow, PlacesAndScalesAGaugeAndReportsItsRectangle) {
  TestModule radios("Radios");
  radios.sink().vars.DeclareForm(0x26, VarForm::U32);
  auto gauge = radios.NewInstance("RadioTrans");
  const int w = gauge->width(), h = gauge->height();
  const Rect whole{0, 0, 1000, 400};
  struct Case {
    double width, height;
    Rect expected;
  };
  for (const Case& c : {Case{0, 0, {10, 20, w, h}}, Case{w / 2.0, 0, {10, 20, int(std::lround(w / 2.0)), int(std::lround(h / 2.0))}},
                        Case{0, h * 2.0, {10, 20, w * 2, h * 2}}, Case{100, 50, {10, 20, 100, 50}}}) {
    radios.sink().vars.Set(0x26, 0x1200);
    radios.Update(*gauge);
    WindowCanvas window(whole.width, whole.height);
    window.Place(gauge.get(), 10, 20, c.width, c.height);
    EXPECT_EQ(window.Render({}), std::vector<Rect>{whole});
    radios.Update(*gauge);  // nothing changed
    EXPECT_TRUE(window.Render({}).empty()) << "placed " << c.width << " x " << c.height;
    radios.sink().vars.Set(0x26, 0x4321);
    radios.Update(*gauge);
    EXPECT_EQ(window.Render({}), std::vector<Rect>{c.expected}) << "placed " << c.width << " x " << c.height;

    int outside = 0, inside = 0;
    for (int y = 0; y < whole.height; ++y) {
      for (int x = 0; x < whole.width; ++x) {
        if (Alpha(PixelAt(window.surface(), x, y)) == 0) continue;
        const bool in = x >= c.expected.x && y >= c.expected.y && x < c.expected.x + c.expected.width &&
                        y < c.expected.y + c.expected.height;
        ++(in ? inside : outside);
      }
    }
    EXPECT_EQ(outside, 0) << "placed " << c.width << " x " << c.height;
    EXPECT_GT(inside, c.expected.width * c.expected.height / 2) << "placed " << c.width << " x " << c.height;
  }
}

TEST(RenderWindow, IncrementalFramesRedrawOnlyChangedGaugesAndMatchAFullFrame) {
  TestModule radios("Radios");
  for (uint32_t id : {0x26u, 0x10u, 0x17u, 0x18u}) radios.sink().vars.DeclareForm(id, VarForm::U32);
  radios.sink().vars.Set(0x26, 0x1200);
  radios.sink().vars.Set(0x10, 0x0350);
  auto trans = radios.NewInstance("RadioTrans");
  auto adf = radios.NewInstance("RadioAdf");
  auto comnav = radios.NewInstance("RadioComNav1");
  std::vector<GaugeInstance*> gauges = {trans.get(), adf.get(), comnav.get()};
  auto update = [&] {
    for (GaugeInstance* g : gauges) radios.Update(*g);
  };
  Image ground{2, 2, {0x202830, 0x303840, 0x404850, 0x505860}};
  auto place = [&](WindowCanvas& w) {
    w.SetBackground(ground);
    w.Place(trans.get(), 0, 0);
    w.Place(adf.get(), 0, 140, 300);  // scaled, keeping proportions
    w.Place(comnav.get(), 250, 140, 300, 200);  // over the ADF's right end
  };
  const Rect trans_rect{0, 0, trans->width(), trans->height()};
  const Rect adf_rect{0, 140, 300, static_cast<int>(std::lround(300.0 * adf->height() / adf->width()))};
  const Rect comnav_rect{250, 140, 300, 200};
  ASSERT_TRUE(adf_rect.Overlaps(comnav_rect));
  WindowCanvas incremental(700, 400);
  place(incremental);
  update();
  incremental.Render({});

  struct Step {
    std::function<void()> change;
    std::vector<Rect> dirty;
  };
  const std::vector<Step> steps = {
      {[&] { radios.sink().vars.Set(0x26, 0x7777); }, {trans_rect}},
      {[&] { radios.sink().vars.Set(0x10, 0x0951); }, {adf_rect}},
      {[] {}, {}},
      {[&] { radios.sink().vars.Set(0x26, 0x1201), radios.sink().vars.Set(0x17, 0x1800); }, {trans_rect, comnav_rect}},
      {[&] { incremental.SetSelections(comnav.get(), {4}); }, {comnav_rect}},
      // Overlapping changes come back as one rectangle, sent once.
      {[&] { radios.sink().vars.Set(0x10, 0x0222), radios.sink().vars.Set(0x17, 0x1901); },
       {adf_rect.Union(comnav_rect)}},
  };
  for (size_t i = 0; i < steps.size(); ++i) {
    steps[i].change();
    update();
    EXPECT_EQ(incremental.Render({}), steps[i].dirty) << "step " << i;

    WindowCanvas full(700, 400);
    place(full);
    if (i >= 4) full.SetSelections(comnav.get(), {4});
    full.Render({});
    EXPECT_EQ(DifferencesWhere(incremental.surface(), full.surface(), [](int, int) { return true; }), 0)
        << "step " << i << ": the incremental frame differs from a full one";
  }
  // New options redraw the whole window.
  RenderOptions night;
  night.night = true;
  EXPECT_EQ(incremental.Render(night), (std::vector<Rect>{{0, 0, 700, 400}}));
}

TEST(RenderWindow, SelectionsOfOneGaugeLightOnlyItsOwnDigits) {
  TestModule radios("Radios");
  radios.sink().vars.DeclareForm(0x17, VarForm::U32);
  radios.sink().vars.Set(0x17, 0x2345);
  auto tuned = radios.NewInstance("RadioComNav1");
  auto other = radios.NewInstance("RadioComNav1");
  radios.Update(*tuned);
  radios.Update(*other);
  const int w = tuned->width(), h = tuned->height();
  WindowCanvas window(2 * w, h);
  window.Place(tuned.get(), 0, 0);
  window.Place(other.get(), w, 0);
  window.Render({});
  auto* com = radios.As<StringElement>("RadioComNav1", {0});
  auto white_in_com = [&](int left) {
    int white = 0;
    for (int y = com->base.position.y; y < com->base.position.y + int(com->box_height); ++y)
      for (int x = com->base.position.x; x < com->base.position.x + int(com->box_width); ++x)
        if (Bright(PixelAt(window.surface(), left + x, y)) && Channel(PixelAt(window.surface(), left + x, y), 0) > 200)
          ++white;
    return white;
  };
  struct Step {
    std::set<int> selections;
    bool lit;
  };
  for (const Step& step : {Step{{4}, true}, Step{{4}, true}, Step{{}, false}}) {
    const bool changes = (white_in_com(0) > 0) != step.lit;
    const std::vector<Rect> dirty = changes ? std::vector<Rect>{{0, 0, w, h}} : std::vector<Rect>{};
    window.SetSelections(tuned.get(), step.selections);
    radios.Update(*tuned);
    radios.Update(*other);
    EXPECT_EQ(window.Render({}), dirty) << ::testing::PrintToString(step.selections);
    EXPECT_EQ(white_in_com(0) > 0, step.lit) << ::testing::PrintToString(step.selections);
    EXPECT_EQ(white_in_com(w), 0) << "the other radio lights too";
  }
}

TEST(RenderWindow, EachPictureIsConvertedOnceWhateverTheFrames) {
  TestModule radios("Radios");
  auto gauge = radios.NewInstance("RadioTrans");
  auto renderer = std::make_shared<GaugeRenderer>();
  WindowCanvas window(500, 200, renderer);
  window.Place(gauge.get(), 0, 0);
  radios.Update(*gauge);
  window.Render({});
  const size_t after_first = renderer->pictures().built();
  EXPECT_GT(after_first, 0u);
  for (uint32_t code : {0x1234u, 0x5678u, 0x0000u}) {
    radios.sink().vars.Set(0x26, code);
    radios.Update(*gauge);
    window.Render({}, true);
  }
  EXPECT_EQ(renderer->pictures().built(), after_first);
}

TEST(RenderWindow, WritesAndReadsBackPng) {
  TestModule radios("Radios");
  auto gauge = radios.NewInstance("RadioAdf");
  radios.Update(*gauge);
  WindowCanvas window(gauge->width(), gauge->height());
  window.Place(gauge.get(), 0, 0);
  window.Render({});
  const std::string path = ::testing::TempDir() + "render_test_adf.png";
  window.WritePng(path);
  WindowCanvas reread(gauge->width(), gauge->height());
  reread.SetBackground(path);
  reread.Render({});
  EXPECT_EQ(DifferencesWhere(window.surface(), reread.surface(), [&](int x, int y) {
              return Alpha(PixelAt(window.surface(), x, y)) == 0xFF;
            }),
            0);
  EXPECT_THROW(reread.SetBackground(path + ".missing"), std::runtime_error);
}

}  // namespace
}  // namespace vantor
