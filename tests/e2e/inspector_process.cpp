#include "inspector_process.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "real_windows.h"

namespace {

// Client-area tops of 编辑框1 to 编辑框5, and the column where all five begin.
constexpr int kBoxTops[kBoxCount] = {24, 56, 91, 128, 168};
constexpr int kBoxLeft = 80;

// A reply that takes longer means the inspector hangs; the test then reads an empty text.
constexpr UINT kReplyTimeoutMs = 2000;

// Under Wine the Unix root is drive Z:, and a path that starts with "/" would be taken as one
// on the current drive.
std::string ProcessPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string windowsPath = "Z:" + path;
  for (char& c : windowsPath) {
    if (c == '/') c = '\\';
  }
  return windowsPath;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

int BoxIndexAt(HWND parent, HWND control) {
  RECT rect;
  if (!GetWindowRect(control, &rect)) return -1;
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  if (rect.left != kBoxLeft) return -1;
  for (int i = 0; i < kBoxCount; ++i) {
    if (rect.top == kBoxTops[i]) return i;
  }
  return -1;
}

}  // namespace

InspectorProcess::InspectorProcess(const std::string& executable) {
  std::string commandLine = "\"" + ProcessPath(executable) + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    ADD_FAILURE_AT(__FILE__, __LINE__) << "cannot start " << commandLine << ": error " << GetLastError();
  }
}

InspectorProcess::~InspectorProcess() {
  if (process_.hProcess == nullptr) return;
  if (IsRunning()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::vector<HWND> InspectorProcess::OwnTopLevels(const char* className, const char* caption) const {
  std::vector<HWND> windows;
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, className, caption)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_.dwProcessId) windows.push_back(window);
  }
  return windows;
}

HWND InspectorProcess::FindOwnTopLevel(const char* className, const char* caption) const {
  const std::vector<HWND> windows = OwnTopLevels(className, caption);
  return windows.empty() ? nullptr : windows.front();
}

bool InspectorProcess::WaitForMainWindow(milliseconds deadline) {
  return PumpUntil(
      [this] {
        const Clock::time_point lookedAt = Clock::now();
        mainWindow_ = FindOwnTopLevel(nullptr, kMainWindowCaption.c_str());
        if (mainWindow_ == nullptr) mainWindowNotYetAt_ = lookedAt;
        return mainWindow_ != nullptr;
      },
      deadline);
}

bool InspectorProcess::MainWindowIsShown() const {
  const HWND window = FindOwnTopLevel(nullptr, kMainWindowCaption.c_str());
  return window != nullptr && IsWindowVisible(window);
}

bool InspectorProcess::WaitForEditBoxes(milliseconds deadline) {
  return PumpUntil(
      [this] {
        boxes_ = {};
        for (HWND child : ChildrenOf(mainWindow_)) {
          if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, ClassNameOf(child).c_str(), -1, "Edit", -1) !=
              CSTR_EQUAL) {
            continue;
          }
          const int index = BoxIndexAt(mainWindow_, child);
          if (index >= 0) boxes_[index] = child;
        }
        for (HWND found : boxes_) {
          if (found == nullptr) return false;
        }
        return true;
      },
      deadline);
}

BoxTexts InspectorProcess::ReadBoxes() const {
  BoxTexts texts;
  for (int i = 0; i < kBoxCount; ++i) texts[i] = WindowText(boxes_[i]);
  return texts;
}

bool InspectorProcess::WaitForBoxes(const BoxTexts& expected, milliseconds deadline, BoxTexts* last) const {
  BoxTexts shown;
  const bool matched = PumpUntil(
      [&] {
        shown = ReadBoxes();
        return shown == expected;
      },
      deadline);
  if (last != nullptr) *last = shown;
  return matched;
}

HWND InspectorProcess::WaitForDialog(milliseconds deadline) const {
  HWND dialog = nullptr;
  PumpUntil(
      [&] {
        dialog = FindOwnTopLevel("#32770", nullptr);
        return dialog != nullptr || !IsRunning();
      },
      deadline);
  return dialog;
}

int InspectorProcess::CountDialogs() const { return static_cast<int>(OwnTopLevels("#32770", nullptr).size()); }

std::optional<DWORD> InspectorProcess::WaitForExit(milliseconds deadline) const {
  if (!PumpUntil([this] { return !IsRunning(); }, deadline)) return std::nullopt;
  DWORD exitCode = 0;
  GetExitCodeProcess(process_.hProcess, &exitCode);
  return exitCode;
}

bool InspectorProcess::IsRunning() const {
  return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      kReplyTimeoutMs, &copied);
  return std::string(text, copied < sizeof text ? copied : 0);
}

std::string ClassNameOf(HWND window) {
  char name[64] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

std::string DialogMessage(HWND dialog) {
  std::string message;
  for (HWND child : ChildrenOf(dialog)) {
    if (ClassNameOf(child) != "Static") continue;
    const std::string text = WindowText(child);
    if (text.size() > message.size()) message = text;
  }
  return message;
}

void PressOk(HWND dialog) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

std::string HandleText(HWND window) {
  const auto bits = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
  return std::to_string(static_cast<std::int32_t>(bits));
}
