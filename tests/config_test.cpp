// Panel configurations: what a panel builder's file means, the errors it
// earns with their file and line, and the default panel that ships.
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>

#include "config/panel_config.h"
#include "core/module.h"
#include "support/test_host.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test with a background picture in it.
class ConfigFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vantor_config_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    std::ofstream(dir_ / "panel.png") << "picture";
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& text, const std::string& name = "panel.cfg") {
    std::ofstream(dir_ / name) << text;
    return (dir_ / name).string();
  }

  fs::path dir_;
};

// A window that is complete but for what a case leaves out or adds.
const std::string kTitles = "[Window Titles]\nWindow00=Main panel\n";
const std::string kWindow = "[Window00]\nident=0\nsize_mm=640,480\nfile=panel.png\n";

struct BadFile {
  const char* what;
  std::string text;
  int line;
  std::string message;
};

TEST_F(ConfigFiles, EveryFaultNamesFileLineAndCause) {
  const BadFile cases[] = {
      {"key without value", kTitles + kWindow + "visible\n", 7, "syntax error: expected [Section] or key = value"},
      {"unclosed section", kTitles + "[Window00\nident=0\n", 3, "syntax error: expected [Section] or key = value"},
      {"bad x", kTitles + kWindow + "; the strip\ngauge00=Vantor2!EngineL, 1O, 5\n", 8, "bad number '1O' for the x position"},
      {"bad width", kTitles + kWindow + "gauge00=Vantor2!EngineL, 10, 5, wide\n", 7, "bad number 'wide' for the gauge width"},
      {"negative height", kTitles + kWindow + "gauge00=Vantor2!EngineL, 10, 5, 100, -3\n", 7,
       "the gauge height must be greater than 0, not -3"},
      {"no bang", kTitles + kWindow + "gauge00=Vantor2 EngineL, 10, 5\n", 7,
       "gauge00: expected Module!Gauge, not 'Vantor2 EngineL'"},
      {"too few fields", kTitles + kWindow + "gauge00=Vantor2!EngineL, 10\n", 7,
       "gauge00: expected Module!Gauge, x, y[, width[, height]]"},
      {"repeated gauge number", kTitles + kWindow + "gauge1=Vantor2!Amps, 1, 1\ngauge01=Vantor2!Flap, 2, 2\n", 8,
       "gauge01 repeats the number of the gauge line at line 7"},
      {"size with one number", kTitles + "[Window00]\nident=0\nsize_mm=640\n", 5, "size_mm: expected width, height"},
      {"zero size", kTitles + "[Window00]\nident=0\nsize_mm=0,480\n", 5, "the window width must be greater than 0, not 0"},
      {"ident by name", kTitles + "[Window00]\nident=MAIN_PANEL\n", 4, "bad number 'MAIN_PANEL' for the window id"},
      {"visible yes", kTitles + kWindow + "visible=yes\n", 7, "visible must be 0 or 1, not 'yes'"},
      {"no ident", kTitles + "\n[Window00]\nsize_mm=640,480\nfile=panel.png\n", 4, "[Window00] has no ident"},
      {"no file", kTitles + "[Window00]\nident=0\nsize_mm=640,480\n", 3, "[Window00] has no file"},
      {"no title", kTitles + kWindow + "[Window01]\nident=1\nsize_mm=10,10\nfile=panel.png\n", 7,
       "[Window01] has no title in [Window Titles]"},
      {"title without window", kTitles + "Window05=Radios\n" + kWindow, 3, "title for Window05, which has no [WindowNN] section"},
      {"duplicate window id", "[Window Titles]\nWindow00=A\nWindow01=B\n" + kWindow + "[Window01]\nsize_mm=10,10\nident=0x0\nfile=panel.png\n",
       10, "window id 0 is already used by [Window00]"},
      {"duplicate key", kTitles + kWindow + "Ident=3\n", 7, "duplicate key Ident (first at line 4)"},
      {"duplicate section", kTitles + kWindow + "[window00]\n", 7, "duplicate section [window00] (first at line 3)"},
      {"misspelt key", kTitles + kWindow + "visble=1\n", 7, "unknown key visble in [Window00]"},
      {"foreign section", kTitles + kWindow + "[Views]\n", 7, "unknown section [Views]: expected [Window Titles] or [WindowNN]"},
      {"key before any section", "ident=0\n" + kTitles + kWindow, 1, "key ident stands before any [section]"},
      {"continuation line", kTitles + kWindow + "gauge00=Vantor2!Amps, 1, 1\n   , 100, 100\n", 8,
       "duplicate key gauge00 (first at line 7)"},
      {"missing picture", kTitles + "[Window00]\nident=0\nsize_mm=640,480\nfile=art/main.png\n", 6,
       "background picture art/main.png not found"},
      {"line too long", kTitles + kWindow + "; " + std::string(200, '-') + "\n", 7, "line too long (at most 198 characters)"},
  };
  for (const BadFile& c : cases) {
    const std::string path = Write(c.text);
    try {
      LoadPanelConfig(path);
      ADD_FAILURE() << c.what << ": loaded without an error";
    } catch (const ConfigError& e) {
      EXPECT_EQ(e.line(), c.line) << c.what << ": " << e.what();
      EXPECT_EQ(e.message().substr(0, c.message.size()), c.message) << c.what;
      EXPECT_EQ(std::string(e.what()).rfind(path + ":" + std::to_string(c.line) + ": " + c.message, 0), 0u)
          << c.what << ": " << e.what();
    }
  }
}

TEST_F(ConfigFiles, AFileWithoutWindowsIsRefusedAsAWhole) {
  const std::string path = Write("; nothing yet\n" + kTitles.substr(0, 16));
  try {
    LoadPanelConfig(path);
    ADD_FAILURE() << "loaded";
  } catch (const ConfigError& e) {
    EXPECT_EQ(e.line(), 0);
    EXPECT_STREQ(e.what(), (path + ": no [WindowNN] section: the panel has no windows").c_str());
  }
}

TEST_F(ConfigFiles, AMissingFileIsAnError) {
  EXPECT_THROW(LoadPanelConfig((dir_ / "absent.cfg").string()), ConfigError);
}

TEST_F(ConfigFiles, AWindowReadsAsWritten) {
  const std::string path = Write(
      "\xEF\xBB\xBF; a panel\n"
      "[Window Titles]\n"
      "Window02 = Radio stack ; shown by the COM/NAV button\n"
      "Window00=Main panel\n"
      "\n"
      "[Window02]\n"
      "IDENT = 0x0A\n"
      "size_mm = 400, 470\n"
      "file = panel.png\n"
      "gauge02 = Radios!RadioComNav2, 20, 295, 360, 159\n"
      "gauge01=Vantor2!Engine primer,10,-4\n"
      "gauge00=Radios!RadioAudio, 19, 20, 362\n"
      "[Window00]\n"
      "ident=0\n"
      "size_mm=1280,560\n"
      "file=panel.png\n"
      "visible=1\n");
  PanelConfig config = LoadPanelConfig(path);
  ASSERT_EQ(config.windows.size(), 2u);

  const WindowConfig& main = config.windows[0];
  EXPECT_EQ(main.section, "Window00");
  EXPECT_EQ(main.title, "Main panel");
  EXPECT_TRUE(main.visible);
  EXPECT_EQ(main.line, 13);

  const WindowConfig& radios = config.windows[1];
  EXPECT_EQ(radios.id, 10u);
  EXPECT_EQ(radios.title, "Radio stack");
  EXPECT_EQ(radios.width, 400);
  EXPECT_EQ(radios.height, 470);
  EXPECT_FALSE(radios.visible);
  EXPECT_EQ(fs::path(radios.background), dir_ / "panel.png");
  ASSERT_EQ(radios.gauges.size(), 3u);
  // Drawn in gaugeNN order, whatever order the lines stand in.
  const GaugePlacement& audio = radios.gauges[0];
  EXPECT_EQ(audio.module, "Radios");
  EXPECT_EQ(audio.gauge, "RadioAudio");
  EXPECT_EQ(audio.x, 19);
  EXPECT_EQ(audio.width, 362);
  EXPECT_EQ(audio.height, 0);
  EXPECT_EQ(audio.line, 12);
  const GaugePlacement& primer = radios.gauges[1];
  EXPECT_EQ(primer.gauge, "Engine primer");
  EXPECT_EQ(primer.y, -4);
  EXPECT_EQ(primer.width, 0);
  EXPECT_EQ(primer.line, 11);
  EXPECT_EQ(radios.gauges[2].gauge, "RadioComNav2");
  EXPECT_EQ(radios.gauges[2].height, 159);

  EXPECT_EQ(config.Window(10), &radios);
  EXPECT_EQ(config.Window(20), nullptr);
  EXPECT_EQ(ModulesUsed(config), (std::set<std::string>{"Radios", "Vantor2"}));
}

TEST_F(ConfigFiles, PicturesNeedNotExistForTheProgramThatDrawsThem) {
  const std::string path = Write(kTitles + "[Window00]\nident=0\nsize_mm=640,480\nfile=later.png\n");
  EXPECT_THROW(LoadPanelConfig(path), ConfigError);
  EXPECT_EQ(fs::path(LoadPanelConfig(path, BackgroundCheck::Skip).windows[0].background), dir_ / "later.png");
}

TEST_F(ConfigFiles, GaugeLinesAreCheckedAgainstTheLoadedModules) {
  auto vantor2 = LoadedModule::Load(test::ModulePath("Vantor2"));
  const std::map<std::string, const LoadedModule*> modules = {{"Vantor2", vantor2.get()}};
  const struct {
    const char* line;
    std::string message;
  } cases[] = {
      {"gauge00=Vantor2!Enginel, 0, 0", "unknown gauge Vantor2!Enginel (did you mean Vantor2!EngineL?)"},
      {"gauge00=Vantor2!Altimeter, 0, 0", "unknown gauge Vantor2!Altimeter"},
      {"gauge00=Vantor9!EngineL, 0, 0", "unknown module Vantor9 in Vantor9!EngineL (loaded: Vantor2)"},
  };
  for (const auto& c : cases) {
    const std::string path = Write(kTitles + kWindow + "gauge01=Vantor2!Engine primer, 5, 5\n" + c.line + "\n");
    PanelConfig config = LoadPanelConfig(path);
    try {
      ValidatePanelConfig(config, modules);
      ADD_FAILURE() << c.line << ": accepted";
    } catch (const ConfigError& e) {
      EXPECT_EQ(std::string(e.what()), path + ":8: " + c.message);
    }
  }
  const std::string good = Write(kTitles + kWindow + "gauge00=Vantor2!Engine primer, 5, 5\n");
  EXPECT_NO_THROW(ValidatePanelConfig(LoadPanelConfig(good), modules));
}

TEST(PlacedSize, MissingSizesComeFromTheGauge) {
  const struct {
    int width, height;
    uint32_t default_width;
    PixelSize expected;
  } cases[] = {
      {300, 40, 250, {300, 40}},  // both given: as written
      {400, 0, 250, {400, 54}},   // height keeps the 800 x 109 picture's proportions
      {0, 0, 250, {250, 34}},     // neither: the default width
      {0, 20, 250, {250, 20}},
  };
  for (const auto& c : cases) {
    GaugePlacement p;
    p.width = c.width;
    p.height = c.height;
    PixelSize size = PlacedSize(p, c.default_width, 800, 109);
    EXPECT_EQ(size.width, c.expected.width) << c.width << " x " << c.height;
    EXPECT_EQ(size.height, c.expected.height) << c.width << " x " << c.height;
  }
}

// ---------------------------------------------------------------------------
// The default panel

class DefaultPanel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    config_ = std::make_unique<PanelConfig>(LoadPanelConfig(std::string(VANTOR_DEFAULT_PANEL_DIR) + "/default.cfg"));
    for (const char* name : {"Radios", "Vantor2", "Vantor3", "Vantorhsi"}) {
      modules_[name] = LoadedModule::Load(test::ModulePath(name));
      loaded_[name] = modules_[name].get();
    }
  }
  static void TearDownTestSuite() {
    loaded_.clear();
    modules_.clear();
    config_.reset();
  }

  // Places of each gauge, by "Module!Gauge", as (window id, placement).
  static std::map<std::string, std::vector<std::pair<uint32_t, const GaugePlacement*>>> Places() {
    std::map<std::string, std::vector<std::pair<uint32_t, const GaugePlacement*>>> places;
    for (const WindowConfig& w : config_->windows)
      for (const GaugePlacement& g : w.gauges) places[g.module + "!" + g.gauge].emplace_back(w.id, &g);
    return places;
  }

  static const BitmapResource& BasePicture(const GaugePlacement& g) {
    LoadedModule& m = *modules_.at(g.module);
    return m.file().bitmaps.at(static_cast<uint32_t>(m.gauge(g.gauge)->elements[0]->bitmap_id));
  }

  static std::unique_ptr<PanelConfig> config_;
  static std::map<std::string, std::unique_ptr<LoadedModule>> modules_;
  static std::map<std::string, const LoadedModule*> loaded_;
};
std::unique_ptr<PanelConfig> DefaultPanel::config_;
std::map<std::string, std::unique_ptr<LoadedModule>> DefaultPanel::modules_;
std::map<std::string, const LoadedModule*> DefaultPanel::loaded_;

constexpr uint32_t kMainPanel = 0, kCloseUp = 21;

TEST_F(DefaultPanel, LoadsAndNamesOnlyGaugesTheModulesHave) {
  EXPECT_NO_THROW(ValidatePanelConfig(*config_, loaded_));
  EXPECT_EQ(ModulesUsed(*config_), (std::set<std::string>{"Radios", "Vantor2", "Vantor3", "Vantorhsi"}));
}

// Every gauge has one place; the close-up repeats instruments of the main
// panel larger, and only its way back is its own.
TEST_F(DefaultPanel, PlacesEveryGaugeOnceOutsideTheCloseUp) {
  auto places = Places();
  int gauges = 0;
  for (const auto& [name, module] : loaded_) {
    for (const GaugeHeader* h : module->gauges()) {
      ++gauges;
      const std::string key = name + "!" + h->name;
      auto found = places.find(key);
      ASSERT_NE(found, places.end()) << key << " is on no window";
      const auto outside = std::count_if(found->second.begin(), found->second.end(),
                                         [](const auto& p) { return p.first != kCloseUp; });
      EXPECT_EQ(outside, key == "Vantor3!ToggleClose" ? 0 : 1) << key;
    }
  }
  EXPECT_EQ(gauges, 37);
  const WindowConfig* closeup = config_->Window(kCloseUp);
  ASSERT_NE(closeup, nullptr);
  for (const GaugePlacement& g : closeup->gauges) {
    if (g.gauge == "ToggleClose") continue;
    const auto& where = places.at(g.module + "!" + g.gauge);
    EXPECT_TRUE(std::any_of(where.begin(), where.end(), [](const auto& p) { return p.first == kMainPanel; }))
        << g.gauge << " is in the close-up but not on the main panel";
  }
}

// Clicks every window button where the default panel has it and checks the
// windows it names: they exist, the buttons that open a window stand on the
// main panel, and the way back from the close-up stands on the close-up.
TEST_F(DefaultPanel, EveryWindowTheButtonsNameExists) {
  auto places = Places();
  const struct {
    const char* module;
    const char* gauge;
  } buttons[] = {{"Vantor2", "Toggle20"}, {"Vantor2", "Toggle10"},  {"Vantor2", "Toggle75"},  {"Vantor2", "Toggle125"},
                 {"Vantor2", "Toggle200"}, {"Vantor2", "Toggle30"}, {"Vantor3", "ToggleOpen"}, {"Vantor3", "ToggleClose"}};
  std::set<uint32_t> named;
  for (const auto& b : buttons) {
    test::TestModule module(b.module);
    module.Click(b.gauge, 10, 10);
    ASSERT_FALSE(module.sink().window_calls.empty()) << b.gauge;
    const test::WindowCall& last = module.sink().window_calls.back();
    for (const test::WindowCall& call : module.sink().window_calls) {
      named.insert(call.id);
      EXPECT_NE(config_->Window(call.id), nullptr) << b.gauge << " " << call.op << "s window " << call.id;
    }
    const auto& where = places.at(std::string(b.module) + "!" + b.gauge);
    ASSERT_EQ(where.size(), 1u) << b.gauge;
    // The button that opens a window stays reachable: it lies on the window
    // it closes, or on the main panel, which it leaves open.
    const uint32_t home = last.op == "open" ? module.sink().window_calls.front().id : kMainPanel;
    EXPECT_EQ(where[0].first, home) << b.gauge;
  }
  EXPECT_EQ(named, (std::set<uint32_t>{0, 10, 20, 21, 30, 75, 125, 200}));
  for (const WindowConfig& w : config_->windows)
    EXPECT_EQ(w.visible, w.id == kMainPanel) << w.section << " (window " << w.id << ")";
}

TEST_F(DefaultPanel, EveryGaugeLiesInsideItsWindow) {
  for (const WindowConfig& w : config_->windows) {
    for (const GaugePlacement& g : w.gauges) {
      const BitmapResource& base = BasePicture(g);
      const PixelSize size = PlacedSize(g, loaded_.at(g.module)->gauge(g.gauge)->default_width_mm, base.width, base.height);
      EXPECT_GE(g.x, 0) << w.section << " " << g.gauge;
      EXPECT_GE(g.y, 0) << w.section << " " << g.gauge;
      EXPECT_LE(g.x + size.width, w.width) << w.section << " " << g.gauge;
      EXPECT_LE(g.y + size.height, w.height) << w.section << " " << g.gauge;
      // Scaled without distortion, within a pixel of the picture's shape.
      EXPECT_NEAR(double(size.height), double(size.width) * base.height / base.width, 1.0) << w.section << " " << g.gauge;
    }
  }
}

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
  double Luminance(int x, int y) const {
    const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2];
  }
};

Picture ReadPicture(const std::string& path) {
  Picture p;
  int channels = 0;
  stbi_uc* data = stbi_load(path.c_str(), &p.width, &p.height, &channels, 3);
  if (data == nullptr) return p;
  p.rgb.assign(data, data + static_cast<size_t>(p.width) * p.height * 3);
  stbi_image_free(data);
  return p;
}

TEST_F(DefaultPanel, BackgroundsAreDrawnAtTheirWindowsSize) {
  for (const WindowConfig& w : config_->windows) {
    Picture p = ReadPicture(w.background);
    EXPECT_EQ(p.width, w.width) << w.background;
    EXPECT_EQ(p.height, w.height) << w.background;
  }
}

// A gauge whose base picture is pure black draws only its moving parts: the
// background must carry what it lacks (a scale, lettering, a cut-out, the
// picture under a window button). Around such a gauge a good share of the
// panel is far from the plain panel sheet's tone.
TEST_F(DefaultPanel, ThePanelShowsWhatInvisibleGaugesLack) {
  const WindowConfig* main = config_->Window(kMainPanel);
  ASSERT_NE(main, nullptr);
  Picture panel = ReadPicture(main->background);
  ASSERT_EQ(panel.width, main->width);
  std::set<std::string> invisible;
  for (const GaugePlacement& g : main->gauges) {
    Image base = DecodeBitmap(BasePicture(g));
    if (std::any_of(base.pixels.begin(), base.pixels.end(), [](uint32_t px) { return px != 0; })) continue;
    invisible.insert(g.gauge);
    const BitmapResource& res = BasePicture(g);
    const PixelSize size = PlacedSize(g, 0, res.width, res.height);
    const int margin = 16;
    int marked = 0, all = 0;
    for (int y = std::max(0, g.y - margin); y < std::min(panel.height, g.y + size.height + margin); ++y)
      for (int x = std::max(0, g.x - margin); x < std::min(panel.width, g.x + size.width + margin); ++x, ++all) {
        const double l = panel.Luminance(x, y);
        marked += l < 25 || l > 120;
      }
    EXPECT_GT(marked, all / 20) << g.gauge << ": the panel under it is plain (" << marked << " of " << all << ")";
  }
  EXPECT_EQ(invisible, (std::set<std::string>{"Wiskey", "Vor2rpm", "Man2", "Toggle10", "Toggle20", "Toggle30", "Toggle75",
                                              "Toggle125", "Toggle200", "Engine primer", "Carbheat", "Controls", "Flap",
                                              "trim", "TrimMove", "SWavionics", "swnavlight"}));
}

}  // namespace
}  // namespace vantor
