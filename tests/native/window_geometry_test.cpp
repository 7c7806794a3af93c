#include <gtest/gtest.h>

#include "simulated_desktop_fixture.h"
#include "winquery/window_geometry.h"

namespace {

class QueryWindowRectTest : public SimulatedDesktopTest {};

void ExpectRect(const WindowRect& rect, LONG left, LONG top, LONG right, LONG bottom) {
  EXPECT_EQ(rect.left, left);
  EXPECT_EQ(rect.top, top);
  EXPECT_EQ(rect.right, right);
  EXPECT_EQ(rect.bottom, bottom);
}

TEST_F(QueryWindowRectTest, GivesTheOuterRectangleWithNegativeEdgesUnchanged) {
  const HWND window = Desktop().AddTitled("t", RECT{-1928, -8, -8, 1088});
  ExpectRect(QueryWindowRect(window), -1928, -8, -8, 1088);
  ASSERT_EQ(Desktop().cbSizesSeen.size(), 1u);
  EXPECT_EQ(Desktop().cbSizesSeen[0], 60u);
}

TEST_F(QueryWindowRectTest, MissingWindowGivesZeros) {
  const HWND destroyed = Desktop().AddTitled("t", RECT{10, 20, 30, 40});
  Desktop().Destroy(destroyed);
  ExpectRect(QueryWindowRect(nullptr), 0, 0, 0, 0);
  ExpectRect(QueryWindowRect(destroyed), 0, 0, 0, 0);
}

}  // namespace
