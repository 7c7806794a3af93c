#include <string>

#include "main_window_fixture.h"
#include "runtime/form_window.h"
#include "real_windows.h"

namespace {

TEST_F(MainWindowTest, FocusStartsInTheFirstEditBox) { EXPECT_TRUE(FocusSettlesOn(编辑框1)); }

TEST_F(MainWindowTest, TabAndShiftTabWalkTheEditBoxesRoundAndNeverALabel) {
  const struct {
    bool shift;
    MainFormComponent focus;
  } kSteps[] = {
      {false, 编辑框2}, {false, 编辑框3}, {false, 编辑框4}, {false, 编辑框5}, {false, 编辑框1},
      {true, 编辑框5},  {true, 编辑框4},  {true, 编辑框3},  {true, 编辑框2},  {true, 编辑框1},
  };
  ASSERT_TRUE(FocusSettlesOn(编辑框1));
  for (const auto& step : kSteps) {
    step.shift ? PressChord({VK_SHIFT, VK_TAB}) : PressChord({VK_TAB});
    EXPECT_TRUE(FocusSettlesOn(step.focus)) << (step.shift ? "Shift+Tab to " : "Tab to ") << step.focus;
  }
}

TEST_F(MainWindowTest, OtherKeysReachTheFocusedEditBox) {
  ASSERT_TRUE(FocusSettlesOn(编辑框1));
  for (WORD key : {WORD('A'), WORD(VK_RETURN), WORD(VK_F1), WORD('B')}) PressChord({key});
  char text[16] = {};
  EXPECT_TRUE(ProcessUntil([&] {
    GetWindowTextA(Control(编辑框1), text, sizeof text);
    return std::string(text) == "ab";
  })) << "content: " << text;
  EXPECT_EQ(GetFocus(), Control(编辑框1));
}

TEST_F(MainWindowTest, ShiftEscLeavesTheWindowOpen) {
  ASSERT_TRUE(FocusSettlesOn(编辑框1));
  PressChord({VK_SHIFT, VK_ESCAPE});
  // The Tab behind it proves that the Shift+Esc has been handled.
  PressChord({VK_TAB});
  EXPECT_TRUE(FocusSettlesOn(编辑框2));
  EXPECT_TRUE(IsWindow(window_));
}

bool watchdogFired = false;

void CALLBACK StopWaiting(HWND, UINT, UINT_PTR, DWORD) {
  watchdogFired = true;
  PostQuitMessage(1);
}

TEST_F(MainWindowTest, EscInAnyEditBoxClosesTheWindowAndEndsTheMessageLoop) {
  ASSERT_TRUE(FocusSettlesOn(编辑框1));
  PressChord({VK_TAB});
  ASSERT_TRUE(FocusSettlesOn(编辑框2));
  PressChord({VK_ESCAPE});
  watchdogFired = false;
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 5000, StopWaiting);
  RunMessageLoop();
  KillTimer(nullptr, watchdog);
  EXPECT_FALSE(watchdogFired) << "the message loop was still running after 5 s";
  EXPECT_FALSE(IsWindow(window_));
}

TEST_F(MainWindowTest, FocusComesBackToTheBoxThatHadItAfterAnotherWindowWasActive) {
  ASSERT_TRUE(FocusSettlesOn(编辑框1));
  PressChord({VK_TAB});
  PressChord({VK_TAB});
  ASSERT_TRUE(FocusSettlesOn(编辑框3));
  {
    TestWindow other("other window", 10, 10, 200, 100);
    SetForegroundWindow(other.handle());
    ASSERT_TRUE(ProcessUntil([&] { return GetForegroundWindow() == other.handle(); }));
    SetForegroundWindow(window_);
    ASSERT_TRUE(ProcessUntil([this] { return GetForegroundWindow() == window_; }));
  }
  EXPECT_TRUE(FocusSettlesOn(编辑框3));
}

TEST_F(MainWindowTest, FocusComesBackAfterMinimizeAndRestore) {
  ASSERT_TRUE(FocusSettlesOn(编辑框1));
  PressChord({VK_SHIFT, VK_TAB});
  ASSERT_TRUE(FocusSettlesOn(编辑框5));
  ShowWindow(window_, SW_MINIMIZE);
  ASSERT_TRUE(ProcessUntil([this] { return IsIconic(window_) != FALSE; }));
  ShowWindow(window_, SW_RESTORE);
  ASSERT_TRUE(ProcessUntil([this] { return IsIconic(window_) == FALSE; }));
  EXPECT_TRUE(FocusSettlesOn(编辑框5));
}

}  // namespace
