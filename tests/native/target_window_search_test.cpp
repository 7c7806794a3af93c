#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "simulated_desktop_fixture.h"
#include "winquery/target_window_search.h"
#include "winquery/window_title.h"

namespace {

struct SearchCase {
  const char* what;
  std::vector<std::string> titles;  // the z-order, top first
  std::string keyword;
  int expectedIndex;  // -1: no window
};
void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.what; }

class FindTargetWindowTest : public SimulatedDesktopTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(FindTargetWindowTest, FindsFirstWindowInZOrderWhoseTitleHoldsKeyword) {
  std::vector<HWND> handles;
  for (const auto& title : GetParam().titles) handles.push_back(Desktop().AddTitled(title));
  const HWND expected = GetParam().expectedIndex < 0 ? nullptr : handles[GetParam().expectedIndex];
  EXPECT_EQ(FindTargetWindow(T(GetParam().keyword), Text()), expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTargetWindowTest,
    ::testing::Values(
        SearchCase{"no window at all", {}, kCuiWeiZhan, -1},
        SearchCase{"no title holds it", {"Notepad", "\xB5\xDA\xC1\xF9\xBF\xCE"}, kCuiWeiZhan, -1},
        SearchCase{"earlier in z-order wins", {"a", "1 " + kCuiWeiZhan, kCuiWeiZhan + " 2"}, kCuiWeiZhan, 1},
        SearchCase{"at the start", {kCuiWeiZhan + " tail"}, kCuiWeiZhan, 0},
        SearchCase{"in the middle", {"head " + kCuiWeiZhan + " tail"}, kCuiWeiZhan, 0},
        SearchCase{"at the end", {"head " + kCuiWeiZhan}, kCuiWeiZhan, 0},
        SearchCase{"capitals in the title", {"xxHELLOxx"}, "hello", 0},
        SearchCase{"capitals in the keyword", {"xxhelloxx"}, "HeLLo", 0},
        SearchCase{"empty titles skipped", {"", "", kCuiWeiZhan}, kCuiWeiZhan, 2},
        // B5 61 is not B5 41 lowered: trail bytes are never altered
        SearchCase{"trail byte not lowered", {"\xB5\x61"}, "\xB5\x41", -1},
        SearchCase{"trail byte compared exactly", {"x\xB5\x41y"}, "\xB5\x41", 0},
        SearchCase{"match on a trail byte rejected", {"\xB4\xE4\xCE\xA2"}, "\xE4\xCE", -1}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

class SearchWalkTest : public SimulatedDesktopTest {};

TEST_F(SearchWalkTest, ClassNameNarrowsTheWalkAndIsPassedOn) {
  simulated::Window other;
  other.title = kCuiWeiZhan;
  other.className = "Other";
  Desktop().Add(other);
  simulated::Window wanted = other;
  wanted.className = "Wanted";
  const HWND handle = Desktop().Add(wanted);
  EXPECT_EQ(FindTargetWindow(T(kCuiWeiZhan), T("wanted")), handle);
}

TEST_F(SearchWalkTest, WindowVanishingWhileExaminedEndsTheWalk) {
  simulated::Window vanishing;
  vanishing.title = kCuiWeiZhan;
  vanishing.onLengthAsked = [] { Desktop().Destroy(Desktop().windows.front().handle); };
  Desktop().Add(vanishing);
  Desktop().AddTitled(kCuiWeiZhan);
  // Its title reads empty, and the window manager cannot go on from a window that is gone.
  EXPECT_EQ(FindTargetWindow(T(kCuiWeiZhan), Text()), nullptr);
}

TEST_F(SearchWalkTest, LaterWindowVanishingMidWalkIsPassedOver) {
  simulated::Window first;
  first.title = "first";
  first.onLengthAsked = [] { Desktop().Destroy(Desktop().windows[1].handle); };
  Desktop().Add(first);
  Desktop().AddTitled(kCuiWeiZhan);
  const HWND survivor = Desktop().AddTitled("x" + kCuiWeiZhan);
  EXPECT_EQ(FindTargetWindow(T(kCuiWeiZhan), Text()), survivor);
}

struct TitleCase {
  const char* what;
  std::string title;
  std::optional<int> announced;
  simulated::TitleWrite write;
  std::string expected;
  int expectedCapacity;
};
void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.what; }

class ReadWindowTitleTest : public SimulatedDesktopTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(ReadWindowTitleTest, ReadsNoFurtherThanTheBuffer) {
  simulated::Window window;
  window.title = GetParam().title;
  window.announcedLength = GetParam().announced;
  window.titleWrite = GetParam().write;
  const HWND handle = Desktop().Add(window);
  EXPECT_EQ(S(ReadWindowTitle(handle)), GetParam().expected) << GetParam().what;
  ASSERT_EQ(Desktop().capacitiesSeen.size(), 1u);
  EXPECT_EQ(Desktop().capacitiesSeen[0], GetParam().expectedCapacity) << GetParam().what;
}

using simulated::TitleWrite;
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadWindowTitleTest,
    ::testing::Values(
        TitleCase{"as announced", "abc", std::nullopt, TitleWrite::Whole, "abc", 4},
        TitleCase{"no title", "", std::nullopt, TitleWrite::Whole, "", 1},
        TitleCase{"shorter than announced", "abc", 10, TitleWrite::Whole, "abc", 11},
        TitleCase{"longer than announced", "abcdef", 2, TitleWrite::Whole, "ab", 3},
        TitleCase{"nothing written", "abc", 3, TitleWrite::Nothing, "    ", 4},
        TitleCase{"no NUL written", "abc", 3, TitleWrite::FillWithoutNul, "XXXX", 4},
        TitleCase{"negative length", "abc", -7, TitleWrite::Whole, "", 1},
        TitleCase{"absurd length", "abc", INT_MAX, TitleWrite::Whole, "abc", kLongestTitleRead + 1},
        TitleCase{"absurd length, no NUL", "abc", INT_MAX, TitleWrite::FillWithoutNul,
                  std::string(kLongestTitleRead + 1, 'X'), kLongestTitleRead + 1}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(SearchWalkTest, AbsurdLengthDoesNotHideTheTarget) {
  simulated::Window window;
  window.title = kCuiWeiZhan;
  window.announcedLength = INT_MAX;
  const HWND handle = Desktop().Add(window);
  EXPECT_EQ(FindTargetWindow(T(kCuiWeiZhan), Text()), handle);
}

}  // namespace
