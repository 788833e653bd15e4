// The four module files as the host sees them: exports, gauge lists,
// version information, bitmaps, and the gauge routines.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "support/test_host.h"

namespace vantor::test {
namespace {

struct GaugeRow {
  const char* name;
  uint32_t width_mm;
  bool has_callback;
};

struct ModuleRow {
  const char* module;
  uint32_t header_version;
  uint32_t module_version;
  const char* description;
  const char* product;
  std::vector<GaugeRow> gauges;
};

const std::vector<ModuleRow>& Modules() {
  static const std::vector<ModuleRow> rows = {
      {"Radios", 800, 0x800, "Flight Simulator 2002 Gauge", "Vantor Radios",
       {{"RadioComNav1", 200, false}, {"RadioComNav2", 200, false}, {"RadioTrans", 200, false},
        {"RadioAdf", 200, false}, {"RadioAP", 200, false}, {"RadioDME", 200, false},
        {"RadioAudio", 200, false}}},
      {"Vantor2", 700, 0, "Flight Simulator 2002 Gauge", "Vantor",
       {{"EngineL", 250, false},   {"Wiskey", 50, false},        {"Switch", 184, false},
        {"Controls", 100, false},  {"EngineR", 250, false},      {"Carbheat", 100, false},
        {"TempAir", 100, false},   {"Fuel_Selector", 150, false}, {"Amps", 80, false},
        {"Engine primer", 60, false}, {"Flap", 60, false},       {"SWavionics", 50, false},
        {"Warning", 100, false},   {"Toggle20", 30, false},      {"Toggle10", 30, false},
        {"Toggle75", 30, false},   {"Toggle125", 30, false},     {"Toggle200", 30, false},
        {"Toggle30", 30, false},   {"start", 50, false},         {"swnavlight", 30, false},
        {"trim", 20, false},       {"swgpsnav", 30, false}}},
      {"Vantor3", 700, 0, "Flight Simulator 2000 Gauge", "Vantor",
       {{"Vor2rpm", 100, true}, {"TrimMove", 20, false}, {"Man2", 20, true}, {"ToggleOpen", 30, false},
        {"ToggleClose", 30, false}, {"Egt", 60, false}}},
      {"Vantorhsi", 700, 0, "Flight Simulator 2000 Gauge", "Vantor", {{"hsi", 120, false}}},
  };
  return rows;
}

class EachModule : public ::testing::TestWithParam<ModuleRow> {};

TEST_P(EachModule, ExportsExactlyImportTableAndLinkage) {
  const ModuleFileInfo info = ReadModuleFile(ModulePath(GetParam().module));
  std::multiset<std::string> exports(info.exports.begin(), info.exports.end());
  EXPECT_EQ(exports, (std::multiset<std::string>{"ImportTable", "Linkage"}));
}

TEST_P(EachModule, LinkageListsItsGaugesInOrder) {
  const ModuleRow& row = GetParam();
  TestModule m(row.module);
  EXPECT_EQ(m.module().module_id(), 0x13u);
  EXPECT_EQ(m.module().status(), 0u);
  EXPECT_EQ(m.module().reserved(), 0u);
  EXPECT_EQ(m.module().module_version(), row.module_version);
  ASSERT_EQ(m.module().gauges().size(), row.gauges.size());
  for (size_t i = 0; i < row.gauges.size(); ++i) {
    const GaugeHeader* g = m.module().gauges()[i];
    SCOPED_TRACE(row.gauges[i].name);
    EXPECT_STREQ(g->name, row.gauges[i].name);
    EXPECT_EQ(g->version, row.header_version);
    EXPECT_EQ(g->default_width_mm, row.gauges[i].width_mm);
    EXPECT_EQ(g->callback != nullptr, row.gauges[i].has_callback);
    ASSERT_NE(g->elements, nullptr);
    ASSERT_NE(g->elements[0], nullptr);
    EXPECT_EQ(g->elements[1], nullptr) << "one base element, then null";
    EXPECT_EQ(g->elements[0]->gauge, g) << "the base element names its own gauge";
    ASSERT_NE(g->mouse, nullptr);
    EXPECT_EQ(g->mouse[0].type, kMouseParent);
  }
}

TEST_P(EachModule, ImportTableHoldsTheHostServicesThenTheEndPair) {
  TestModule m(GetParam().module);
  const ImportEntry* e = m.module().import_table();
  EXPECT_EQ(e[0].id, 0x0Fu);
  EXPECT_EQ(e[0].table, HostServiceTable());
  EXPECT_EQ(e[1].id, 0u);
  EXPECT_EQ(e[1].table, nullptr);
}

TEST_P(EachModule, VersionInformation) {
  const ModuleRow& row = GetParam();
  const ModuleFileInfo info = ReadModuleFile(ModulePath(row.module));
  EXPECT_EQ(info.version.file_version, "1.0.0");
  EXPECT_EQ(info.version.product_version, "1.0.0");
  EXPECT_EQ(info.version.file_description, row.description);
  EXPECT_EQ(info.version.product_name, row.product);
}

TEST_P(EachModule, BitmapsAreEnglishUsDibsOf8Or24Bits) {
  const ModuleFileInfo info = ReadModuleFile(ModulePath(GetParam().module));
  for (const auto& [id, b] : info.bitmaps) {
    EXPECT_EQ(b.language, 1033u) << id;
    EXPECT_TRUE(b.bits_per_pixel == 8 || b.bits_per_pixel == 24) << id;
    const Image image = DecodeBitmap(b);
    EXPECT_EQ(image.width, b.width) << id;
    EXPECT_EQ(image.height, b.height) << id;
  }
}

// Every routine of every gauge hands the first gauge's top element to the
// element-list service of its place (routine 7 to service 8); routines 2
// and 5 pass their argument through unchanged.
TEST_P(EachModule, RoutinesHandTheFirstGaugesTreeToTheHost) {
  TestModule m(GetParam().module);
  Element* first_top = m.module().gauges()[0]->elements[0];
  for (GaugeHeader* g : m.module().gauges()) {
    SCOPED_TRACE(g->name);
    auto& calls = m.sink().element_list_calls;
    calls.clear();
    g->routine1();
    g->routine2(0);
    g->routine2(0xFFFFFFFF);
    g->routine3();
    g->routine4();
    g->routine5(0xFFFFFFFF);
    g->routine5(0);
    g->routine6();
    g->routine7();
    const std::vector<std::tuple<int, Element*, uint32_t>> expected = {
        {1, first_top, 0}, {2, first_top, 0}, {2, first_top, 0xFFFFFFFF}, {3, first_top, 0},
        {4, first_top, 0}, {5, first_top, 0xFFFFFFFF}, {5, first_top, 0}, {6, first_top, 0},
        {8, first_top, 0}};
    EXPECT_EQ(calls, expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Modules, EachModule, ::testing::ValuesIn(Modules()),
                         [](const auto& info) { return std::string(info.param.module); });

TEST(ModuleSet, ThirtySevenGaugesInAll) {
  size_t count = 0;
  for (const ModuleRow& row : Modules()) count += TestModule(row.module).module().gauges().size();
  EXPECT_EQ(count, 37u);
}

// Loading the same file again after unloading starts its module state afresh.
TEST(ModuleSet, ReloadingGivesAFreshModule) {
  const std::string path = ModulePath("Vantorhsi");
  auto first = LoadedModule::Load(path);
  first->gauges()[0]->elements[0]->draw_flags |= kHidden;
  first.reset();
  auto second = LoadedModule::Load(path);
  EXPECT_FALSE(second->gauges()[0]->elements[0]->draw_flags & kHidden);
}

struct BadFile {
  const char* what;
  std::string path;
  const char* message;
};

class LoaderErrors : public ::testing::TestWithParam<BadFile> {};

TEST_P(LoaderErrors, NameTheFileAndTheFault) {
  const BadFile& bad = GetParam();
  try {
    LoadedModule::Load(bad.path);
    ADD_FAILURE() << bad.what << " loaded";
  } catch (const LoadError& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find(bad.path), std::string::npos) << message;
    EXPECT_NE(message.find(bad.message), std::string::npos) << message;
  }
}

std::string WriteTextFile() {
  const std::string path = ::testing::TempDir() + "/notes.gau";
  std::ofstream(path) << "not a module at all\n";
  return path;
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, LoaderErrors,
    ::testing::Values(
        BadFile{"missing", ::testing::TempDir() + "/Nowhere.gau", "no such module file"},
        BadFile{"text", WriteTextFile(), "not a module file"},
        BadFile{"no Linkage", std::string(VANTOR_BAD_MODULE_DIR) + "/bad_module_1.gau",
                "does not export Linkage"},
        BadFile{"no services entry", std::string(VANTOR_BAD_MODULE_DIR) + "/bad_module_2.gau",
                "no panel services entry"},
        BadFile{"empty gauge list", std::string(VANTOR_BAD_MODULE_DIR) + "/bad_module_3.gau",
                "lists no gauges"},
        BadFile{"duplicate names", std::string(VANTOR_BAD_MODULE_DIR) + "/bad_module_4.gau",
                "two gauges are named \"Same\""}),
    [](const auto& info) {
      std::string n = info.param.what;
      for (char& c : n)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return n;
    });

TEST(LoaderErrors, SharedObjectWithoutResourcesIsRefused) {
  // A shared object that is otherwise a module but carries no pictures.
  const std::string path = ::testing::TempDir() + "/plain.gau";
  std::ifstream in(std::string(VANTOR_BAD_MODULE_DIR) + "/bad_module_2.gau", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  // Damage the section name so the reader no longer finds the resources.
  const auto at = bytes.find(".gauge_resources");
  ASSERT_NE(at, std::string::npos);
  bytes[at + 1] = 'x';
  std::ofstream(path, std::ios::binary) << bytes;
  try {
    LoadedModule::Load(path);
    ADD_FAILURE() << "loaded";
  } catch (const LoadError& e) {
    EXPECT_NE(std::string(e.what()).find("no resource section"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace vantor::test
