#include <gtest/gtest.h>

#include "real_windows.h"
#include "runtime/platform_function.h"
#include "runtime/text.h"
#include "winquery/target_window_search.h"
#include "winquery/window_geometry.h"
#include "winquery/window_title.h"

namespace {

Text T(const std::string& bytes) { return Text::CopyUpToNul(bytes.data(), bytes.size()); }

class RealWindowManagerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(GetACP(), 936u) << "run with LC_ALL=zh_CN.UTF-8"; }
  void TearDown() override { ReleaseBoundLibraries(); }

  static HWND Find() { return FindTargetWindow(T(kKeywordBytes), Text()); }
};

void ExpectSameAsGetWindowRect(HWND window) {
  RECT expected;
  ASSERT_TRUE(GetWindowRect(window, &expected));
  const WindowRect actual = QueryWindowRect(window);
  EXPECT_EQ(actual.left, expected.left);
  EXPECT_EQ(actual.top, expected.top);
  EXPECT_EQ(actual.right, expected.right);
  EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST_F(RealWindowManagerTest, NoWindowWithTheKeywordGivesZero) {
  TestWindow unrelated("unrelated window", 10, 10, 200, 100);
  EXPECT_EQ(Find(), nullptr);
}

TEST_F(RealWindowManagerTest, FindsCodePage936TitleAndReadsItsBytesBack) {
  const std::string title = "abc " + kKeywordBytes + " def";
  TestWindow target(title, 100, 120, 300, 200, /*visible=*/true);
  EXPECT_EQ(Find(), target.handle());
  EXPECT_EQ(std::string(ReadWindowTitle(target.handle()).Bytes()), title);
}

TEST_F(RealWindowManagerTest, HiddenWindowsAreWalkedToo) {
  TestWindow hidden(kKeywordBytes, 10, 10, 200, 100);
  ASSERT_FALSE(IsWindowVisible(hidden.handle()));
  EXPECT_EQ(Find(), hidden.handle());
}

TEST_F(RealWindowManagerTest, AsciiKeywordIgnoresCaseAgainstRealTitle) {
  TestWindow target("Some HELLO Window", 10, 10, 200, 100);
  EXPECT_EQ(FindTargetWindow(T("hello"), Text()), target.handle());
}

TEST_F(RealWindowManagerTest, WindowHigherInZOrderWins) {
  TestWindow first(kKeywordBytes + " first", 10, 10, 200, 100);
  TestWindow second(kKeywordBytes + " second", 40, 40, 200, 100);
  for (HWND top : {first.handle(), second.handle(), first.handle()}) {
    SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(PumpUntil([&] { return GetWindow(GetDesktopWindow(), GW_CHILD) == top || Find() == top; },
                          std::chrono::seconds(5)));
    EXPECT_EQ(Find(), top);
  }
}

TEST_F(RealWindowManagerTest, RectangleIsTheOuterOneAsTheWindowManagerReportsIt) {
  TestWindow target(kKeywordBytes, 150, 160, 320, 240);
  ExpectSameAsGetWindowRect(target.handle());
  const WindowRect outer = QueryWindowRect(target.handle());
  RECT client;
  GetClientRect(target.handle(), &client);
  EXPECT_GT(outer.bottom - outer.top, client.bottom) << "the caption belongs to the outer rectangle";
}

TEST_F(RealWindowManagerTest, NegativeCoordinatesPassThrough) {
  TestWindow target(kKeywordBytes, -300, -200, 250, 150);
  SetWindowPos(target.handle(), nullptr, -300, -200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PumpMessages(std::chrono::milliseconds(100));
  const WindowRect rect = QueryWindowRect(target.handle());
  EXPECT_LT(rect.left, 0);
  EXPECT_LT(rect.top, 0);
  ExpectSameAsGetWindowRect(target.handle());
}

TEST_F(RealWindowManagerTest, NullOrDestroyedHandleGivesZeros) {
  HWND destroyed;
  {
    TestWindow gone(kKeywordBytes, 10, 10, 200, 100);
    destroyed = gone.handle();
  }
  for (HWND window : {HWND{nullptr}, destroyed}) {
    const WindowRect rect = QueryWindowRect(window);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 0);
    EXPECT_EQ(rect.bottom, 0);
  }
  EXPECT_EQ(Find(), nullptr);
}

}  // namespace
