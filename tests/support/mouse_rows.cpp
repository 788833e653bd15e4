#include "support/mouse_rows.h"

#include <gtest/gtest.h>

namespace vantor::test {

void ExpectMouseList(const MouseRect* list, const std::string& gauge, const std::vector<MouseRow>& rows) {
  ASSERT_NE(list, nullptr) << gauge << " has no mouse list";
  ASSERT_FALSE(rows.empty());
  ASSERT_EQ(rows.back().type, kMouseEndList) << "the expected rows of " << gauge << " lack their end";
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(gauge + " mouse entry " + std::to_string(i + 1));
    const MouseRect& r = list[i];
    const MouseRow& want = rows[i];
    EXPECT_EQ(r.type, want.type);
    EXPECT_EQ(r.x, want.x);
    EXPECT_EQ(r.y, want.y);
    EXPECT_EQ(r.width, want.w);
    EXPECT_EQ(r.height, want.h);
    EXPECT_EQ(r.cursor, want.cursor);
    EXPECT_EQ(r.help_id, want.help);
    EXPECT_EQ(r.mouse_flags, want.flags);
    EXPECT_EQ(r.key_event, want.key);
    EXPECT_EQ(r.handler != nullptr, want.handler);
    EXPECT_EQ(r.handler_data, 0u);
    if (r.type == kMouseEndList) return;  // a list that ends early fails on the type above
  }
}

}  // namespace vantor::test
