// The framework every module carries: element chains, the lamp callback,
// variable readings, bounded texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "module.h"
#include "text.h"

// The framework's gauge routines need a first gauge; these tests give it one.
static GaugeHeader g_first{};
GaugeHeader* FirstGauge() { return &g_first; }

namespace {

// A chain of eight elements, each the first child of the one before.
struct Chain {
  StaticImageElement e[8]{};
  Element* lists[8][2]{};
  Chain() {
    for (int i = 0; i < 8; ++i) {
      e[i].base.kind = kStaticImage;
      e[i].base.draw_flags = 0x4083;
      if (i < 7) {
        lists[i][0] = &e[i + 1].base;
        e[i].base.children = lists[i];
      }
    }
  }
  Element* top() { return &e[0].base; }
};

TEST(ElementChain, DepthZeroIsTheStartEvenWithoutChildren) {
  StaticImageElement lone{};
  EXPECT_EQ(FindChainElement(&lone.base, 0), &lone.base);
  EXPECT_EQ(FindChainElement(&lone.base, 1), nullptr);
  EXPECT_EQ(FindChainElement(nullptr, 0), nullptr);
}

TEST(ElementChain, EmptyChildrenListEndsTheChain) {
  StaticImageElement parent{};
  Element* empty[] = {nullptr};
  parent.base.children = empty;
  EXPECT_EQ(FindChainElement(&parent.base, 1), nullptr);
}

TEST(ElementChain, ChainOfEightEndsAtDepthSeven) {
  Chain c;
  EXPECT_EQ(FindChainElement(c.top(), 7), &c.e[7].base);
  EXPECT_EQ(FindChainElement(c.top(), 8), nullptr);
  EXPECT_EQ(FindChainElement(c.top(), 0xFFFFFFFF), nullptr);
  SetChainElementFlags(c.top(), 8, kHidden);
  for (auto& e : c.e) EXPECT_EQ(e.base.draw_flags, 0x4083u);
}

TEST(ElementChain, SetThenClearRestoresFlagsExactly) {
  Chain c;
  c.e[3].base.draw_flags = 0x4083 | 0x10;
  SetChainElementFlags(c.top(), 3, kHidden);
  EXPECT_EQ(c.e[3].base.draw_flags, 0x4083u | 0x10 | kHidden);
  ClearChainElementFlags(c.top(), 3, kHidden);
  EXPECT_EQ(c.e[3].base.draw_flags, 0x4083u | 0x10);
}

TEST(ElementChain, HidingDepthOneLeavesDeeperElementsAlone) {
  Chain c;
  SetChainElementFlags(c.top(), 1, kHidden);
  EXPECT_TRUE(c.e[1].base.draw_flags & kHidden);
  EXPECT_FALSE(c.e[0].base.draw_flags & kHidden);
  for (int i = 2; i < 8; ++i) EXPECT_FALSE(c.e[i].base.draw_flags & kHidden) << "depth " << i;
}

TEST(VarMinusOne, LampFrames) {
  const struct {
    double var, frame;
  } cases[] = {{1, 0}, {0, -1}, {2, 1}, {3, 2}, {-1, -2}};
  for (auto c : cases) {
    IconElement icon{};
    SetVarDouble(icon.var, c.var);
    EXPECT_EQ(VarMinusOne(&icon.base), c.frame) << "variable " << c.var;
  }
}

TEST(ModuleVarForms, ReadsEachFormFromItsOwnBits) {
  ModuleVar v{};
  SetVarDouble(v, 118.5);
  EXPECT_EQ(VarDouble(v), 118.5);
  SetVarU32(v, 0x12345678);
  EXPECT_EQ(VarU32(v), 0x12345678u);
  EXPECT_EQ(VarU16(v), 0x5678u);
  v.current = 0xFFFFFFFF00010002ull;  // upper bits play no part in integer readings
  EXPECT_EQ(VarU32(v), 0x00010002u);
  EXPECT_EQ(VarU16(v), 0x0002u);
}

TEST(TruncToInt32, DefinedForEveryDouble) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double in;
    int32_t out;
  } cases[] = {{2.9, 2},        {-2.9, -2},      {std::nan(""), 0},  {inf, INT32_MAX},
               {-inf, INT32_MIN}, {1e300, INT32_MAX}, {-1e300, INT32_MIN}, {2147483647.5, INT32_MAX}};
  for (auto c : cases) EXPECT_EQ(TruncToInt32(c.in), c.out) << c.in;
}

TEST(WriteElementText, NeverWritesPastTheCharacterCount) {
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  StringElement s{};
  s.text = buffer;
  s.chars = 6;
  WriteElementText(&s, "118.00");
  EXPECT_STREQ(buffer, "118.00");
  WriteElementText(&s, "1010.00");  // one too long: dashes instead of a cut number
  EXPECT_STREQ(buffer, "------");
  EXPECT_EQ(buffer[7], 'x');
  s.text = nullptr;
  WriteElementText(&s, "1");  // no buffer lent: nothing happens
}

}  // namespace
