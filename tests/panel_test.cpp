// The running panel: clicks through placed, scaled gauges, window buttons,
// levers, power, highlights and scenario time.
#include <gtest/gtest.h>

#include <cmath>

#include "app/session.h"
#include "model/catalogue.h"
#include "support/test_host.h"

namespace vantor::test {
namespace {

std::unique_ptr<Panel> DefaultPanel(const std::string& scenario = "none") {
  return OpenSession({"", VANTOR_MODULE_DIR, scenario});
}

const PlacedGauge& Placed(const Panel& panel, const std::string& gauge) {
  for (const PanelWindow& w : panel.windows())
    for (const PlacedGauge& g : w.gauges)
      if (g.placement->gauge == gauge) return g;
  throw std::runtime_error("the default panel does not place " + gauge);
}

uint32_t WindowOf(const Panel& panel, const std::string& gauge) {
  for (const PanelWindow& w : panel.windows())
    for (const PlacedGauge& g : w.gauges)
      if (g.placement->gauge == gauge) return w.config->id;
  throw std::runtime_error("the default panel does not place " + gauge);
}

// The window point over a gauge point, taking the placement's scale.
std::pair<int, int> WindowPoint(const PlacedGauge& g, double gx, double gy) {
  return {g.rect.x + static_cast<int>(std::ceil(gx * g.scale_x)), g.rect.y + static_cast<int>(std::ceil(gy * g.scale_y))};
}

// The centre of the first child of a gauge's mouse list with these flags.
std::pair<int, int> ChildCentre(const PlacedGauge& g, uint32_t flags, size_t nth = 0) {
  size_t seen = 0;
  for (const PlacedArea& c : g.mouse->children())
    if ((c.rect->mouse_flags & flags) == flags && seen++ == nth)
      return WindowPoint(g, c.box.x + c.box.w / 2.0, c.box.y + c.box.h / 2.0);
  throw std::runtime_error("no such child");
}

// The first mouse child of a gauge that follows drags: a lever.
const PlacedArea* FirstLever(const PlacedGauge& g) {
  for (const PlacedArea& c : g.mouse->children())
    if (c.rect->mouse_flags & kMouseDrag) return &c;
  return nullptr;
}

TEST(Panel, TuningARadioThroughItsScaledPlacement) {
  auto panel = DefaultPanel();
  const PlacedGauge& radio = Placed(*panel, "RadioComNav1");
  ASSERT_NE(radio.scale_x, 1.0) << "the radio stack shows the radios scaled";
  const uint32_t window = WindowOf(*panel, "RadioComNav1");
  const double before = panel->vars().Get(0x17);
  const auto [x, y] = WindowPoint(radio, 100, 120);  // COM MHz, right half
  const ClickReport r = panel->Click(window, x, y);
  EXPECT_EQ(r.hit, MouseHit::Event);
  EXPECT_EQ(r.key_events, (std::vector<std::pair<uint32_t, uint32_t>>{{0x10065, 0}}));
  EXPECT_EQ(r.pointer.cursor, 1);
  EXPECT_FALSE(r.pointer.help_text.empty());
  EXPECT_EQ(panel->vars().Get(0x17), before + 0x100) << "one MHz up";
  EXPECT_EQ(radio.selections, std::set<int>{4}) << "the MHz digits light while tuned";
  panel->Advance(kHighlightSeconds + 0.1);
  EXPECT_TRUE(radio.selections.empty());
}

TEST(Panel, WindowButtonsOpenAndCloseTheirWindows) {
  auto panel = DefaultPanel();
  for (const char* button : {"Toggle10", "Toggle20", "Toggle30", "Toggle75", "Toggle125", "Toggle200"}) {
    SCOPED_TRACE(button);
    const uint32_t id = static_cast<uint32_t>(std::stoul(std::string(button).substr(6)));
    const PlacedGauge& g = Placed(*panel, button);
    const auto [x, y] = ChildCentre(g, kMouseLeftSingle);
    const bool was = panel->Window(id)->visible;
    const uint64_t layout = panel->layout_version();
    ClickReport r = panel->Click(WindowOf(*panel, button), x, y);
    ASSERT_EQ(r.windows.size(), 1u);
    EXPECT_EQ(r.windows[0].op, "toggle");
    EXPECT_EQ(r.windows[0].id, id);
    EXPECT_EQ(r.result, 1) << "the handler passes the service's result on";
    EXPECT_NE(panel->Window(id)->visible, was);
    EXPECT_GT(panel->layout_version(), layout);
    panel->Click(WindowOf(*panel, button), x, y);
    EXPECT_EQ(panel->Window(id)->visible, was);
  }
}

TEST(Panel, MagnifierSwapsTheMainPanelForItsCloseUp) {
  auto panel = DefaultPanel();
  ASSERT_TRUE(panel->Window(0)->visible);
  ASSERT_FALSE(panel->Window(21)->visible);
  const PlacedGauge& open = Placed(*panel, "ToggleOpen");
  auto [x, y] = ChildCentre(open, kMouseLeftSingle);
  ClickReport r = panel->Click(WindowOf(*panel, "ToggleOpen"), x, y);
  ASSERT_EQ(r.windows.size(), 2u);
  EXPECT_EQ(r.windows[0].op, "close");
  EXPECT_EQ(r.windows[1].op, "open");
  EXPECT_FALSE(panel->Window(0)->visible);
  EXPECT_TRUE(panel->Window(21)->visible);
  const PlacedGauge& close = Placed(*panel, "ToggleClose");
  std::tie(x, y) = ChildCentre(close, kMouseLeftSingle);
  panel->Click(21, x, y);
  EXPECT_TRUE(panel->Window(0)->visible);
  EXPECT_FALSE(panel->Window(21)->visible);
}

TEST(Panel, LeversFollowThePointerWhileDragged) {
  auto panel = DefaultPanel();
  const PlacedGauge& controls = Placed(*panel, "Controls");
  const uint32_t window = WindowOf(*panel, "Controls");
  const PlacedArea* lever = FirstLever(controls);
  ASSERT_NE(lever, nullptr);
  std::vector<double> readings;
  for (double f : {0.1, 0.5, 0.9}) {
    auto [x, y] = WindowPoint(controls, lever->box.x + lever->box.w / 2.0, lever->box.y + f * lever->box.h);
    const ClickReport r = panel->Click(window, x, y, kMouseDrag);
    ASSERT_EQ(r.key_events.size(), 1u);
    readings.push_back(r.key_events[0].second);
  }
  EXPECT_NE(readings[0], readings[1]);
  EXPECT_NE(readings[1], readings[2]);
  EXPECT_EQ(readings[0] > readings[1], readings[1] > readings[2]) << "the lever moves one way as the pointer does";
}

TEST(Panel, AHeldLeverFollowsThePointerPastItsZone) {
  auto panel = DefaultPanel();
  const PlacedGauge& controls = Placed(*panel, "Controls");
  const uint32_t window = WindowOf(*panel, "Controls");
  const PlacedArea* lever = FirstLever(controls);
  ASSERT_NE(lever, nullptr);
  const double cx = lever->box.x + lever->box.w / 2.0;
  auto [x, y] = WindowPoint(controls, cx, lever->box.y + lever->box.h / 2.0);
  ASSERT_TRUE(panel->Click(window, x, y).acted);  // the press holds the lever
  std::vector<uint32_t> ends;
  for (double gy : {lever->box.y - 40.0, lever->box.y + lever->box.h + 40.0}) {
    std::tie(x, y) = WindowPoint(controls, cx + 30, gy);  // off the zone, and off to the side
    const ClickReport r = panel->Click(window, x, y, kMouseDrag);
    ASSERT_EQ(r.key_events.size(), 1u) << "the held lever still takes the drag";
    ends.push_back(r.key_events[0].second);
  }
  EXPECT_EQ(std::min(ends[0], ends[1]), 0u) << "past one end the lever stops closed";
  EXPECT_EQ(std::max(ends[0], ends[1]), 16383u) << "past the other it stops fully open";
  // A click elsewhere lets go: a drag over nothing moves nothing.
  panel->Click(window, controls.rect.x - 5, controls.rect.y - 5);
  EXPECT_TRUE(panel->Click(window, x, y, kMouseDrag).key_events.empty());
}

TEST(Panel, ADarkBusDarkensTheRadios) {
  auto panel = DefaultPanel();
  panel->Window(10);  // the radio stack
  auto com_failure = [&] {
    panel->Update(true);
    const PlacedGauge& radio = Placed(*panel, "RadioComNav1");
    return radio.instance->elements()[1].failure;
  };
  panel->vars().Set(0x16c, 0);  // battery off
  EXPECT_NE(com_failure(), FailureEffect::None);
  panel->vars().Set(0x16c, 1);
  panel->vars().Set(0x2e4, 1);  // avionics master on
  EXPECT_EQ(com_failure(), FailureEffect::None);
  panel->failures().Set(9, true);  // the person fails the COM radios
  EXPECT_EQ(com_failure(), FailureEffect::Freeze);
}

TEST(Panel, ScenarioTimeLoopsAndRejectsNonsense) {
  auto panel = DefaultPanel("");
  ASSERT_TRUE(panel->scenario().has_value());
  const double end = panel->scenario()->duration();
  ASSERT_GT(end, 60);
  panel->Seek(end + 100);
  EXPECT_EQ(panel->time(), end);
  panel->Seek(-5);
  EXPECT_EQ(panel->time(), 0);
  panel->Play();
  panel->SetSpeed(10);
  panel->Advance(end / 10 + 1);
  EXPECT_NEAR(panel->time(), 10, 1e-6) << "playback loops at the end";
  EXPECT_THROW(panel->SetSpeed(0), std::invalid_argument);
  EXPECT_THROW(panel->SetSpeed(std::nan("")), std::invalid_argument);
  EXPECT_THROW(panel->Seek(std::nan("")), std::invalid_argument);
}

TEST(Panel, EveryGaugeIsPlacedAndDrawn) {
  auto panel = DefaultPanel("");
  std::set<std::string> placed;
  for (const PanelWindow& w : panel->windows())
    for (const PlacedGauge& g : w.gauges) placed.insert(g.placement->module + "!" + g.placement->gauge);
  size_t gauges = 0;
  for (const auto& [name, module] : panel->modules()) {
    for (GaugeHeader* g : module->gauges()) EXPECT_TRUE(placed.count(name + "!" + g->name)) << g->name;
    gauges += module->gauges().size();
  }
  EXPECT_EQ(gauges, 37u);
  panel->Seek(200);
  panel->Update(true);
  for (const PanelWindow& w : panel->windows()) EXPECT_FALSE(panel->Render(w.config->id, true).empty());
}

TEST(Assignments, ByNameOrNumber) {
  EXPECT_EQ(ParseAssignment("COM1_ACTIVE_FREQUENCY=8832"), (std::pair<uint32_t, double>{0x17, 8832}));
  EXPECT_EQ(ParseAssignment("0x17=1.5"), (std::pair<uint32_t, double>{0x17, 1.5}));
  EXPECT_EQ(ParseAssignment("23=2"), (std::pair<uint32_t, double>{23, 2}));
  for (const char* bad : {"COM1", "NO_SUCH_VAR=1", "0x17=", "0x17=abc", "0x17=nan", "0x17=1e999", "=3", "0x1FFFFFFFF=1"})
    EXPECT_THROW(ParseAssignment(bad), std::invalid_argument) << bad;
}

}  // namespace
}  // namespace vantor::test
