#pragma once

#include <windows.h>

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

// The inspector as a user meets it: a process of its own, watched only through the window
// manager. Every wait here pumps this thread's messages, since the test's own windows must
// keep answering the window manager while the inspector walks them.

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// 第六课-取句柄和窗口信息
inline const std::string kMainWindowCaption =
    "\xB5\xDA\xC1\xF9\xBF\xCE-\xC8\xA1\xBE\xE4\xB1\xFA\xBA\xCD\xB4\xB0\xBF\xDA\xD0\xC5\xCF\xA2";

// The five edit boxes from top to bottom: handle, left, right, top, bottom.
constexpr int kBoxCount = 5;
using BoxTexts = std::array<std::string, kBoxCount>;

class InspectorProcess {
 public:
  // Starts the program; a process still running when the object goes is terminated.
  explicit InspectorProcess(const std::string& executable);
  ~InspectorProcess();
  InspectorProcess(const InspectorProcess&) = delete;
  InspectorProcess& operator=(const InspectorProcess&) = delete;

  // Until the main window exists, shown or still hidden. Also notes when the last look that
  // found nothing began: the window was created after that moment.
  bool WaitForMainWindow(milliseconds deadline);
  HWND mainWindow() const { return mainWindow_; }
  Clock::time_point mainWindowNotYetAt() const { return mainWindowNotYetAt_; }
  bool MainWindowIsShown() const;
  DWORD threadId() const { return process_.dwThreadId; }

  // The edit boxes, told apart by their place in the main window's client area.
  bool WaitForEditBoxes(milliseconds deadline);
  HWND box(int index) const { return boxes_[index]; }
  BoxTexts ReadBoxes() const;
  // True once the boxes show exactly these texts; on failure `last` holds what they showed.
  bool WaitForBoxes(const BoxTexts& expected, milliseconds deadline, BoxTexts* last = nullptr) const;

  // The first message box ("#32770") of the process, or null if none comes or the process ends.
  HWND WaitForDialog(milliseconds deadline) const;
  int CountDialogs() const;

  std::optional<DWORD> WaitForExit(milliseconds deadline) const;
  bool IsRunning() const;

 private:
  // Top-level windows of this process with that class and caption; a null one matches any.
  std::vector<HWND> OwnTopLevels(const char* className, const char* caption) const;
  HWND FindOwnTopLevel(const char* className, const char* caption) const;

  PROCESS_INFORMATION process_{};
  HWND mainWindow_ = nullptr;
  Clock::time_point mainWindowNotYetAt_{};
  std::array<HWND, kBoxCount> boxes_{};
};

// A window's text through WM_GETTEXT, which also reads another process's controls.
std::string WindowText(HWND window);
std::string ClassNameOf(HWND window);

// The text of the message box's static control that carries its message.
std::string DialogMessage(HWND dialog);
// Presses the box's OK button.
void PressOk(HWND dialog);

// A handle as the inspector shows it: the signed decimal value of its 32 bits.
std::string HandleText(HWND window);
