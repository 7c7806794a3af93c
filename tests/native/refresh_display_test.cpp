#include <gtest/gtest.h>

#include <vector>

#include "main_form_fixture.h"

namespace {

using Writes = std::vector<std::pair<HWND, std::string>>;

class RefreshDisplayTest : public MainFormTest {
 protected:
  // The writes of one refresh: handle, left, right, top, bottom, in this order.
  static Writes Expected(const std::string& handle, const std::string& left, const std::string& right,
                         const std::string& top, const std::string& bottom) {
    return {{ControlOf(编辑框1), handle}, {ControlOf(编辑框2), left}, {ControlOf(编辑框3), right},
            {ControlOf(编辑框4), top},    {ControlOf(编辑框5), bottom}};
  }
};

TEST_F(RefreshDisplayTest, NoMatchShowsZerosEverywhere) {
  Desktop().AddTitled("unrelated", RECT{1, 2, 3, 4});
  RefreshDisplay();
  EXPECT_EQ(Desktop().textWrites, Expected("0", "0", "0", "0", "0"));
}

TEST_F(RefreshDisplayTest, ShowsHandleInDecimalThenLeftRightTopBottom) {
  simulated::Window target;
  target.title = "x" + kCuiWeiZhan;
  target.rect = RECT{-8, -8, 1928, 1088};
  target.handle = reinterpret_cast<HWND>(std::uintptr_t{0x1A2B4});
  Desktop().Add(target);
  RefreshDisplay();
  EXPECT_EQ(Desktop().textWrites, Expected("107188", "-8", "1928", "-8", "1088"));
}

TEST_F(RefreshDisplayTest, HandleIsTheSignedValueOfItsLow32Bits) {
  simulated::Window target;
  target.title = kCuiWeiZhan;
  target.handle = reinterpret_cast<HWND>(std::uintptr_t{0xFFFFFFFFu});
  Desktop().Add(target);
  RefreshDisplay();
  ASSERT_FALSE(Desktop().textWrites.empty());
  EXPECT_EQ(Desktop().textWrites[0].second, "-1");
}

TEST_F(RefreshDisplayTest, TargetGoneBeforeMeasuringShowsItsHandleAndZeros) {
  const HWND target = Desktop().AddTitled(kCuiWeiZhan, RECT{10, 20, 30, 40});
  Desktop().beforeGetWindowInfo = [target] { Desktop().Destroy(target); };
  RefreshDisplay();
  EXPECT_EQ(Desktop().textWrites, Expected(std::to_string(reinterpret_cast<std::uintptr_t>(target)), "0", "0", "0", "0"));
}

TEST_F(RefreshDisplayTest, EveryRefreshRewritesAllFiveAndFollowsAMove) {
  const HWND target = Desktop().AddTitled(kCuiWeiZhan, RECT{10, 20, 30, 40});
  RefreshDisplay();
  Desktop().Find(target)->rect = RECT{11, 21, 31, 41};
  RefreshDisplay();
  const std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(target));
  Writes expected = Expected(handle, "10", "30", "20", "40");
  const Writes moved = Expected(handle, "11", "31", "21", "41");
  expected.insert(expected.end(), moved.begin(), moved.end());
  EXPECT_EQ(Desktop().textWrites, expected);
  EXPECT_EQ(S(MainForm().components[编辑框3].editBox.content), "31");
}

TEST_F(MainFormTest, CreatedEventArmsTheRefreshTimerAt300Milliseconds) {
  ASSERT_EQ(MainForm().onCreated, &OnMainWindowCreated);
  ASSERT_EQ(MainForm().components[时钟1].timer.onTick, &RefreshDisplay);
  EXPECT_EQ(MainForm().components[时钟1].timer.period, 0);
  RaiseEvent(MainForm().onCreated);
  ASSERT_EQ(Desktop().timerCalls.size(), 1u);
  EXPECT_EQ(Desktop().timerCalls[0].kind, simulated::TimerCall::Set);
  EXPECT_EQ(Desktop().timerCalls[0].elapse, 300u);
}

TEST_F(MainFormTest, FirstTickBindsTheFunctionsInTheOrderTheyAreFirstCalled) {
  Desktop().AddTitled("unrelated");
  RaiseEvent(MainForm().components[时钟1].timer.onTick);
  EXPECT_EQ(Desktop().lookUps,
            (std::vector<std::string>{"FindWindowExA", "GetWindowTextLengthA", "GetWindowTextA", "GetWindowInfo"}));
}

}  // namespace
