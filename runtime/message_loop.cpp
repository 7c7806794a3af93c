#include "runtime/form_instance.h"
#include "runtime/form_keyboard.h"
#include "runtime/form_window.h"
#include "runtime/message_dispatch.h"

void ProcessMessage(const MSG& message) {
  if (HandleFormKey(MainForm(), message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void ProcessPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ProcessMessage(message);
  }
}

void RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) ProcessMessage(message);
}
