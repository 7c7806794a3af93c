#include <gtest/gtest.h>

#include "simulated_desktop_fixture.h"
#include "winquery/text_operations.h"

namespace {

std::string Escaped(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

struct LowerCase {
  std::string input;
  std::string expected;
};
void PrintTo(const LowerCase& c, std::ostream* os) { *os << "\"" << Escaped(c.input) << "\""; }

class ToLowerTextTest : public ::testing::TestWithParam<LowerCase> {};

TEST_P(ToLowerTextTest, LowersAsciiCapitalsOnly) {
  EXPECT_EQ(S(ToLowerText(T(GetParam().input))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToLowerTextTest,
    ::testing::Values(LowerCase{"", ""}, LowerCase{"ABC xyz 09@[`{", "abc xyz 09@[`{"},
                      // trail bytes 0x41 and 0x5A look like capitals but belong to their lead byte
                      LowerCase{"\xB5\x41Z\x81\x5A", "\xB5\x41z\x81\x5A"},
                      LowerCase{kCuiWeiZhan + "QQ", kCuiWeiZhan + "qq"},
                      // a lead byte at the very end has no trail byte to skip
                      LowerCase{"AB\xB5", "ab\xB5"}));

struct FindCase {
  std::string haystack;
  std::string needle;
  long long expected;
};
void PrintTo(const FindCase& c, std::ostream* os) {
  *os << "\"" << Escaped(c.needle) << "\" in \"" << Escaped(c.haystack) << "\"";
}

class FindTextTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsOnCharacterBoundariesOnly) {
  EXPECT_EQ(FindText(T(GetParam().haystack), T(GetParam().needle)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextTest,
    ::testing::Values(FindCase{"", "a", -1}, FindCase{"abc", "", 1}, FindCase{"", "", -1},
                      FindCase{kCuiWeiZhan + "xy", kCuiWeiZhan, 1},
                      FindCase{"ab" + kCuiWeiZhan + "xy", kCuiWeiZhan, 3},
                      FindCase{"xy" + kCuiWeiZhan, kCuiWeiZhan, 3},
                      FindCase{"ab", "abc", -1},
                      FindCase{"abc", "c", 3},
                      // E4 CE here is the trail of B4 E4 and the lead of CE A2: not a match
                      FindCase{"\xB4\xE4\xCE\xA2", "\xE4\xCE", -1},
                      // "Ab" would start on the trail byte 0x41 of B5 41
                      FindCase{"\xB5\x41\x62", "\x41\x62", -1},
                      FindCase{"\xB5\x41\x41\x62", "\x41\x62", 3},
                      // a lead byte with nothing after it ends the search
                      FindCase{"\xB5", "x", -1}, FindCase{"ab\xB5", "zz", -1}));

TEST(BlankTextTest, GivesCountSpacesOrEmpty) {
  EXPECT_EQ(S(BlankText(3)), "   ");
  EXPECT_EQ(S(BlankText(1)), " ");
  EXPECT_TRUE(BlankText(0).IsEmpty());
  EXPECT_TRUE(BlankText(-5).IsEmpty());
}

}  // namespace
