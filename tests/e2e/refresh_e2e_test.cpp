#include <gtest/gtest.h>

#include <string>

#include "inspector_process.h"
#include "real_windows.h"
#include "user_input.h"

namespace {

using std::chrono::seconds;

// What the inspector must show for a window: its handle, then left, right, top and bottom of
// its outer rectangle as the window manager reports it; zeros when there is none.
BoxTexts ExpectedBoxes(HWND target) {
  RECT rect{};
  if (target != nullptr) GetWindowRect(target, &rect);
  return {target != nullptr ? HandleText(target) : "0", std::to_string(rect.left), std::to_string(rect.right),
          std::to_string(rect.top), std::to_string(rect.bottom)};
}

std::string Describe(const BoxTexts& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += "[" + text + "]";
  return joined;
}

bool AllEmpty(const BoxTexts& texts) {
  for (const std::string& text : texts) {
    if (!text.empty()) return false;
  }
  return true;
}

class RunningInspectorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(GetACP(), 936u) << "run with LC_ALL=zh_CN.UTF-8"; }

  void SetUp() override {
    ASSERT_TRUE(inspector_.WaitForMainWindow(seconds(30))) << "no main window";
    ASSERT_TRUE(inspector_.WaitForEditBoxes(seconds(10))) << "five edit boxes not found at their places";
  }

  void ExpectShows(HWND target, const char* when) {
    BoxTexts shown;
    const BoxTexts expected = ExpectedBoxes(target);
    EXPECT_TRUE(inspector_.WaitForBoxes(expected, seconds(5), &shown))
        << when << ": expected " << Describe(expected) << ", shown " << Describe(shown);
  }

  InspectorProcess inspector_{INSPECTOR_EXE};
};

TEST_F(RunningInspectorTest, BoxesStayEmptyUntilTheFirstTickNoSoonerThan300Ms) {
  Clock::time_point filledAt;
  ASSERT_TRUE(PumpUntil(
      [&] {
        if (AllEmpty(inspector_.ReadBoxes())) return false;
        filledAt = Clock::now();  // no earlier than the fill itself
        return true;
      },
      seconds(10)))
      << "the boxes were never filled";
  const auto sinceWindowMs =
      std::chrono::duration_cast<milliseconds>(filledAt - inspector_.mainWindowNotYetAt()).count();
  EXPECT_GE(sinceWindowMs, 300) << "ms from the window's creation to the first filled box";
  EXPECT_LT(sinceWindowMs, 5000);
  ExpectShows(nullptr, "no window with the keyword");
}

TEST_F(RunningInspectorTest, FollowsTheTargetAsItMovesAndShowsZerosOnceItIsGone) {
  const struct {
    int left, top, width, height;
  } kPlaces[] = {
      {100, 120, 300, 200},
      {-8, -8, 1936, 1096},   // maximised-looking: edges beyond the screen
      {-300, -200, 250, 150},  // above and left of the primary display
      {1500, 900, 640, 480},  // partly off its right and bottom
  };
  TestWindow target("e2e " + kKeywordBytes + " target", 10, 10, 200, 100, /*visible=*/true);
  for (const auto& place : kPlaces) {
    SetWindowPos(target.handle(), nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ExpectShows(target.handle(), ("moved to " + std::to_string(place.left) + "," + std::to_string(place.top)).c_str());
  }
  DestroyWindow(target.handle());
  ExpectShows(nullptr, "after the target was destroyed");
}

TEST_F(RunningInspectorTest, TheMatchEarlierInZOrderWins) {
  TestWindow first(kKeywordBytes + " first", 10, 20, 200, 100);
  TestWindow second(kKeywordBytes + " second", 40, 60, 220, 130);
  for (HWND top : {first.handle(), second.handle(), first.handle()}) {
    SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ExpectShows(top, top == first.handle() ? "first on top" : "second on top");
  }
}

// Typed text is seen first, then replaced by the next tick. A tick may fall between the keys
// and the first look, taking the typed text away unseen; typing again is the way round it.
bool TypedTextIsSeenThenReplaced(const InspectorProcess& inspector, int box, const std::string& value) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    PressChord({'4'});
    PressChord({'2'});
    if (!PumpUntil([&] { return WindowText(inspector.box(box)).find("42") != std::string::npos; },
                   milliseconds(250))) {
      continue;
    }
    return PumpUntil([&] { return WindowText(inspector.box(box)) == value; }, seconds(3));
  }
  return false;
}

TEST_F(RunningInspectorTest, TextTypedIntoAnyBoxIsReplacedAtTheNextTick) {
  TestWindow target(kKeywordBytes, 130, 140, 330, 250);
  const BoxTexts expected = ExpectedBoxes(target.handle());
  ExpectShows(target.handle(), "before typing");
  ASSERT_TRUE(BringToFront(inspector_.mainWindow(), seconds(5)));
  for (int box = 0; box < kBoxCount; ++box) {
    if (box > 0) PressChord({VK_TAB});
    ASSERT_TRUE(PumpUntil([&] { return FocusOfThread(inspector_.threadId()) == inspector_.box(box); }, seconds(3)))
        << "focus did not reach box " << box + 1;
    EXPECT_TRUE(TypedTextIsSeenThenReplaced(inspector_, box, expected[box])) << "box " << box + 1;
  }
}

}  // namespace
