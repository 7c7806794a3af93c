#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "inspector_process.h"
#include "real_windows.h"
#include "user_input.h"

namespace {

using std::chrono::seconds;

// Shown and refreshing, so that a close comes between two ticks.
class ShownInspectorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(GetACP(), 936u) << "run with LC_ALL=zh_CN.UTF-8"; }

  void SetUp() override {
    inspector_.emplace(INSPECTOR_EXE);
    ASSERT_TRUE(inspector_->WaitForMainWindow(seconds(30)));
    ASSERT_TRUE(inspector_->WaitForEditBoxes(seconds(10)));
    ASSERT_TRUE(inspector_->WaitForBoxes({"0", "0", "0", "0", "0"}, seconds(5)));
  }

  void ExpectExitCodeZero() {
    const std::optional<DWORD> exitCode = inspector_->WaitForExit(seconds(10));
    ASSERT_TRUE(exitCode.has_value()) << "still running";
    EXPECT_EQ(*exitCode, 0u);
  }

  std::optional<InspectorProcess> inspector_;
};

void PressEsc(HWND window) {
  ASSERT_TRUE(BringToFront(window, seconds(5)));
  PressChord({VK_ESCAPE});
}

void SystemMenuClose(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

void CloseRequest(HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }

struct ClosingCase {
  const char* name;
  void (*close)(HWND mainWindow);
};

class ClosingTest : public ShownInspectorTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingTest, EndsTheProcessWithExitCodeZero) {
  GetParam().close(inspector_->mainWindow());
  ExpectExitCodeZero();
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingTest,
                         ::testing::Values(ClosingCase{"EscKey", PressEsc},
                                           ClosingCase{"SystemMenuClose", SystemMenuClose},
                                           ClosingCase{"CloseRequest", CloseRequest}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShownInspectorTest, ShiftEscLeavesTheWindowOpen) {
  const HWND window = inspector_->mainWindow();
  ASSERT_TRUE(BringToFront(window, seconds(5)));
  ASSERT_TRUE(PumpUntil([&] { return FocusOfThread(inspector_->threadId()) == inspector_->box(0); }, seconds(3)));
  PressChord({VK_SHIFT, VK_ESCAPE});
  // Keys are handled in order, so once the Tab behind it has moved the focus, the Shift+Esc
  // has been handled too. A close would have hidden the window at once.
  PressChord({VK_TAB});
  EXPECT_TRUE(PumpUntil([&] { return FocusOfThread(inspector_->threadId()) == inspector_->box(1); }, seconds(5)));
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(inspector_->IsRunning());
}

// Under Wine the caption belongs to the X window manager, and on a bare X server (Xvfb) there
// is none to draw it or take clicks on it. Told so, Wine draws the frame itself, as Windows
// does. Wine reads the setting, per program, when the program starts.
class WineDrawnFrame {
 public:
  explicit WineDrawnFrame(const std::string& programPath)
      : key_("Software\\Wine\\AppDefaults\\" + programPath.substr(programPath.find_last_of("/\\") + 1) +
             "\\X11 Driver") {
    RegSetKeyValueA(HKEY_CURRENT_USER, key_.c_str(), kValue, REG_SZ, "N", 2);
  }
  ~WineDrawnFrame() { RegDeleteKeyValueA(HKEY_CURRENT_USER, key_.c_str(), kValue); }
  WineDrawnFrame(const WineDrawnFrame&) = delete;
  WineDrawnFrame& operator=(const WineDrawnFrame&) = delete;

 private:
  static constexpr char kValue[] = "Decorated";
  std::string key_;
};

class CloseButtonTest : public ShownInspectorTest {
 protected:
  WineDrawnFrame frame_{INSPECTOR_EXE};  // in place before SetUp starts the program
};

// Centre of the close button: the right end of the caption, inside the fixed dialog frame.
POINT CloseButtonCentre(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return {rect.right - GetSystemMetrics(SM_CXFIXEDFRAME) - GetSystemMetrics(SM_CXSIZE) / 2,
          rect.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
}

TEST_F(CloseButtonTest, AClickOnTheCloseButtonEndsTheProcessWithExitCodeZero) {
  const HWND window = inspector_->mainWindow();
  ASSERT_TRUE(BringToFront(window, seconds(5)));
  const POINT button = CloseButtonCentre(window);
  ASSERT_EQ(WindowFromPoint(button), window) << "the caption is not on the screen";
  ASSERT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(button.x, button.y)), HTCLOSE)
      << "no close button at " << button.x << "," << button.y;
  ClickAt(button);
  ExpectExitCodeZero();
}

}  // namespace
