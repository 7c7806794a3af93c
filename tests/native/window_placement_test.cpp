#include <gtest/gtest.h>

#include "runtime/window_placement.h"

namespace {

struct PlacementCase {
  int displayWidth, displayHeight;
  int expectedLeft, expectedTop;
};
void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.displayWidth << "x" << c.displayHeight; }

class CentredOriginTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(CentredOriginTest, CentresTheMainWindowTruncatingTowardZero) {
  const WindowOrigin origin = CentredOrigin(GetParam().displayWidth, GetParam().displayHeight, 252, 247);
  EXPECT_EQ(origin.left, GetParam().expectedLeft);
  EXPECT_EQ(origin.top, GetParam().expectedTop);
}

INSTANTIATE_TEST_SUITE_P(Cases, CentredOriginTest,
                         ::testing::Values(PlacementCase{1920, 1080, 834, 416}, PlacementCase{1366, 768, 557, 260},
                                           PlacementCase{320, 240, 34, -3},  // -3.5 truncates to -3
                                           PlacementCase{252, 247, 0, 0}, PlacementCase{100, 100, -76, -73}));

}  // namespace
