// Every gauge of every module, fed values no instrument expects: updates and
// clicks stay defined and every text fits its element.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/test_host.h"

namespace vantor::test {
namespace {

constexpr uint32_t kHighestVariable = 0x400;

class Extremes : public ::testing::TestWithParam<const char*> {};

TEST_P(Extremes, UpdatesAndClicksStayInBounds) {
  const double inf = std::numeric_limits<double>::infinity();
  const double values[] = {std::nan(""), inf, -inf, 1e300, -1e300, -1, 0, 4294967296.0 * 3 + 5, 0xFFFF, 0x10001};
  TestModule m(GetParam());
  for (double value : values) {
    for (uint32_t id = 1; id <= kHighestVariable; ++id) m.sink().vars.Set(id, value);
    for (GaugeHeader* g : m.module().gauges()) {
      SCOPED_TRACE(::testing::Message() << g->name << " with every variable at " << value);
      auto instance = m.NewInstance(g->name);
      m.Update(*instance);
      m.Update(*instance);
      for (const ElementState& s : instance->elements()) {
        if (s.element->kind != kString) continue;
        const auto* str = reinterpret_cast<const StringElement*>(s.element);
        EXPECT_LE(s.text.size(), str->chars);
        EXPECT_EQ(str->text[str->chars], '\0');
      }
      const MouseMap map = m.Mouse(g->name);
      for (const PlacedArea& child : map.children()) {
        const Box& b = child.box;
        for (uint32_t flags : {kMouseLeftSingle, kMouseDrag}) {
          Click(map, b.x, b.y, flags, m.sink());
          Click(map, b.x + b.w - 1, b.y + b.h - 1, flags, m.sink());
        }
      }
      m.Update(*instance);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Modules, Extremes, ::testing::Values("Radios", "Vantor2", "Vantor3", "Vantorhsi"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace vantor::test
