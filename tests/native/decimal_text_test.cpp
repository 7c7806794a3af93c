#include <gtest/gtest.h>

#include <climits>

#include "app/decimal_text.h"
#include "simulated_desktop_fixture.h"

namespace {

struct DecimalCase {
  std::int32_t value;
  std::string expected;
};
void PrintTo(const DecimalCase& c, std::ostream* os) { *os << c.expected; }

class ToDecimalTextTest : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(ToDecimalTextTest, FormatsLikePercentD) { EXPECT_EQ(S(ToDecimalText(GetParam().value)), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, ToDecimalTextTest,
                         ::testing::Values(DecimalCase{0, "0"}, DecimalCase{-8, "-8"}, DecimalCase{1928, "1928"},
                                           DecimalCase{10, "10"}, DecimalCase{INT_MAX, "2147483647"},
                                           DecimalCase{INT_MIN, "-2147483648"}));

}  // namespace
