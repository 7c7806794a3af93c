#include "main_window_fixture.h"
#include "runtime/event_gate.h"
#include "runtime/form_window.h"
#include "runtime/gdi_scopes.h"

namespace {

constexpr std::int32_t kPeriod = 300;
// GetTickCount64 and the timer may round to the system tick.
constexpr ULONGLONG kTickSlack = 16;

TEST_F(MainWindowTest, CreatedEventRunsOnceWithControlsShownInTheHiddenWindow) {
  EXPECT_EQ(handlerLog.createdCount, 1);
  EXPECT_FALSE(handlerLog.windowVisibleWhenCreated);
  EXPECT_TRUE(handlerLog.controlsShownWhenCreated);
  EXPECT_TRUE(IsWindowVisible(window_));
}

TEST_F(MainWindowTest, StoredPeriodZeroKeepsTheTimerStopped) {
  ProcessFor(2 * kPeriod);
  EXPECT_EQ(handlerLog.tickCount, 0);
}

TEST_F(MainWindowTest, FirstTickComesNoSoonerThanThePeriodAfterItWasWritten) {
  const ULONGLONG writtenAt = GetTickCount64();
  WriteTimerPeriod(时钟1, kPeriod);
  ASSERT_TRUE(ProcessUntil([] { return handlerLog.tickCount > 0; }));
  EXPECT_GE(handlerLog.firstTickAt - writtenAt + kTickSlack, static_cast<ULONGLONG>(kPeriod));
  const int ticksSoFar = handlerLog.tickCount;
  EXPECT_TRUE(ProcessUntil([=] { return handlerLog.tickCount > ticksSoFar; })) << "the timer keeps running";
}

TEST_F(MainWindowTest, TicksWhileTheGateIsClosedAreDropped) {
  WriteTimerPeriod(时钟1, kPeriod);
  CloseEventGate();
  ProcessFor(3 * kPeriod);
  EXPECT_EQ(handlerLog.tickCount, 0);
  OpenEventGate();
  EXPECT_TRUE(ProcessUntil([] { return handlerLog.tickCount > 0; }));
}

TEST_F(MainWindowTest, PeriodZeroStopsARunningTimer) {
  WriteTimerPeriod(时钟1, kPeriod);
  ASSERT_TRUE(ProcessUntil([] { return handlerLog.tickCount > 0; }));
  WriteTimerPeriod(时钟1, 0);
  const int ticksSoFar = handlerLog.tickCount;
  ProcessFor(3 * kPeriod);
  EXPECT_EQ(handlerLog.tickCount, ticksSoFar);
}

TEST_F(MainWindowTest, ClosingTheWindowStopsTheTimerAndPostsQuitWithZero) {
  WriteTimerPeriod(时钟1, kPeriod);
  SendMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_FALSE(MainForm().components[时钟1].timer.running);
  const int ticksBefore = handlerLog.tickCount;
  RaiseEvent(MainForm().components[时钟1].timer.onTick);  // a closed program runs no more events
  EXPECT_EQ(handlerLog.tickCount, ticksBefore);
  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

// A form of one edit box lower than a line of its font.
constexpr ComponentDescription kLowBox[] = {{ComponentKind::EditBox, 10, 20, 100, 4, "", 0, nullptr}};
constexpr FormDescription kLowBoxForm = {{"", 200, 120, nullptr, true, nullptr}, kLowBox, 1};

TEST(LowEditBoxTest, GrowsToOneLineOfItsFontAndKeepsItsPlaceAndWidth) {
  InitialiseFormRuntime(kLowBoxForm, nullptr, 0);
  LoadMainWindow();
  const HWND box = MainForm().components[0].editBox.control;
  ASSERT_NE(box, nullptr);
  TEXTMETRICA metrics{};
  {
    const ScreenDc screen;
    const ObjectSelection font(screen.Dc(), GetStockObject(DEFAULT_GUI_FONT));
    GetTextMetricsA(screen.Dc(), &metrics);
  }

  RECT rect;
  GetWindowRect(box, &rect);
  MapWindowPoints(nullptr, MainForm().window, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(rect.right - rect.left, 100);
  EXPECT_EQ(rect.bottom - rect.top, metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE));
  DestroyWindow(MainForm().window);
  ForgetQuitMessage();
}

}  // namespace
