#include "main_window_fixture.h"

#include "runtime/form_window.h"
#include "runtime/message_dispatch.h"

HandlerLog handlerLog;

namespace {

constexpr DWORD kPollSlice = 10;

void LogCreated() {
  const FormInstance& form = MainForm();
  ++handlerLog.createdCount;
  handlerLog.windowVisibleWhenCreated = IsWindowVisible(form.window) != FALSE;
  bool shown = true;
  for (int i = 0; i < form.componentCount; ++i) {
    const Component& component = form.components[i];
    if (component.kind == ComponentKind::EditBox) shown &= (GetWindowLongA(component.editBox.control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (component.kind == ComponentKind::Label) shown &= (GetWindowLongA(component.label, GWL_STYLE) & WS_VISIBLE) != 0;
  }
  handlerLog.controlsShownWhenCreated = shown;
}

void LogTick() {
  if (handlerLog.tickCount++ == 0) handlerLog.firstTickAt = GetTickCount64();
}

const EventBinding kLoggingBindings[] = {
    {kCreatedHandlerName, &LogCreated},
    {kPeriodicHandlerName, &LogTick},
};

}  // namespace

bool ProcessUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  for (;;) {
    ProcessPendingMessages();
    if (condition()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    const ULONGLONG left = deadline - now;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, left < kPollSlice ? static_cast<DWORD>(left) : kPollSlice,
                              QS_ALLINPUT);
  }
}

void ProcessFor(DWORD milliseconds) {
  ProcessUntil([] { return false; }, milliseconds);
}

void ForgetQuitMessage() {
  ProcessPendingMessages();
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void MainWindowTest::SetUpTestSuite() { ASSERT_EQ(GetACP(), 936u) << "run with LC_ALL=zh_CN.UTF-8"; }

void MainWindowTest::SetUp() {
  handlerLog = HandlerLog{};
  InitialiseFormRuntime(MainFormDescription(), kLoggingBindings, 2);
  LoadMainWindow();
  window_ = MainForm().window;
  ASSERT_NE(window_, nullptr);
  // Wine hands out activation asynchronously.
  ASSERT_TRUE(ProcessUntil([this] { return GetForegroundWindow() == window_; }));
}

void MainWindowTest::TearDown() {
  if (IsWindow(window_)) DestroyWindow(window_);
  ForgetQuitMessage();
}

HWND MainWindowTest::Control(MainFormComponent component) {
  const Component& c = MainForm().components[component];
  return c.kind == ComponentKind::EditBox ? c.editBox.control : c.label;
}

bool MainWindowTest::FocusSettlesOn(MainFormComponent component) {
  return ProcessUntil([component] { return GetFocus() == Control(component); });
}
