#include <gtest/gtest.h>

#include <string>

#include "inspector_process.h"
#include "real_windows.h"
#include "variants/impossible_allocation.h"

namespace {

using std::chrono::seconds;

// The run time's texts, as code-page-936 bytes.
// 错误
const std::string kErrorCaption = "\xB4\xED\xCE\xF3";
// 运行时出错!
const std::string kErrorHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";
// 无法找到指定DLL库文件“user32.dll”中的输出命令“GetWindowInfo”
const std::string kWindowInfoMissing =
    "\xCE\xDE\xB7\xA8\xD5\xD2\xB5\xBD\xD6\xB8\xB6\xA8"
    "DLL\xBF\xE2\xCE\xC4\xBC\xFE\xA1\xB0user32.dll\xA1\xB1\xD6\xD0\xB5\xC4\xCA\xE4\xB3\xF6\xC3\xFC\xC1\xEE"
    "\xA1\xB0GetWindowInfo\xA1\xB1";
// 载入启动窗口失败
const std::string kStartWindowNotLoaded = "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";
// 载入窗口模板数据段出错!
const std::string kFormUnreadable =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
// 分配 %d 字节内存失败!
const std::string kImpossibleAllocation =
    "\xB7\xD6\xC5\xE4 " + std::to_string(kImpossibleByteCount) + " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";

constexpr DWORD kFatalExitCode = 0xFFFFFFFF;  // -1

struct FatalCase {
  const char* name;
  const char* executable;
  const std::string* message;
  bool windowShownBehindTheBox;
};

class FatalErrorTest : public ::testing::TestWithParam<FatalCase> {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(GetACP(), 936u) << "run with LC_ALL=zh_CN.UTF-8"; }
};

TEST_P(FatalErrorTest, OneErrorBoxThenExitCodeMinusOneOnceDismissed) {
  const FatalCase& fatal = GetParam();
  InspectorProcess program(fatal.executable);
  const HWND box = program.WaitForDialog(seconds(30));
  ASSERT_NE(box, nullptr) << "no error box; running: " << program.IsRunning();
  EXPECT_EQ(WindowText(box), kErrorCaption);
  const std::string message = DialogMessage(box);
  EXPECT_EQ(message.rfind(kErrorHeading, 0), 0u) << message;
  EXPECT_NE(message.find(*fatal.message), std::string::npos) << message;
  EXPECT_EQ(program.CountDialogs(), 1);
  EXPECT_EQ(program.MainWindowIsShown(), fatal.windowShownBehindTheBox);

  EXPECT_TRUE(program.IsRunning()) << "ended before the box was dismissed";
  PressOk(box);
  EXPECT_EQ(program.WaitForExit(seconds(10)), std::optional<DWORD>(kFatalExitCode));
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FatalErrorTest,
    ::testing::Values(FatalCase{"MissingExport", WITHOUT_WINDOW_INFO_EXE, &kWindowInfoMissing, true},
                      FatalCase{"WindowNotBuilt", REFUSING_EDIT_BOXES_EXE, &kStartWindowNotLoaded, false},
                      FatalCase{"FormUnreadable", UNREADABLE_FORM_EXE, &kFormUnreadable, false},
                      FatalCase{"MemoryRefused", ALLOCATION_FAILURE_EXE, &kImpossibleAllocation, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MissingExportTest, BoxComesAtTheFirstTickAndNoRefreshRunsWhileItIsShown) {
  ASSERT_EQ(GetACP(), 936u) << "run with LC_ALL=zh_CN.UTF-8";
  InspectorProcess inspector(WITHOUT_WINDOW_INFO_EXE);
  ASSERT_TRUE(inspector.WaitForMainWindow(seconds(30)));
  ASSERT_TRUE(inspector.WaitForEditBoxes(seconds(10)));
  const HWND box = inspector.WaitForDialog(seconds(10));
  const Clock::time_point boxSeenAt = Clock::now();
  ASSERT_NE(box, nullptr);
  EXPECT_GE(std::chrono::duration_cast<milliseconds>(boxSeenAt - inspector.mainWindowNotYetAt()).count(), 300)
      << "ms from the window's creation to the error box";

  // Texts put into the boxes now would be overwritten by any refresh, and a refresh would
  // fail again with a second box.
  BoxTexts marked;
  for (int i = 0; i < kBoxCount; ++i) {
    marked[i] = "kept " + std::to_string(i + 1);
    SendMessageA(inspector.box(i), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(marked[i].c_str()));
  }
  PumpMessages(milliseconds(1200));  // four periods of the timer
  EXPECT_EQ(inspector.ReadBoxes(), marked);
  EXPECT_EQ(inspector.CountDialogs(), 1);

  PressOk(box);
  EXPECT_EQ(inspector.WaitForExit(seconds(10)), std::optional<DWORD>(kFatalExitCode));
}

}  // namespace
