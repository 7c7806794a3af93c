#include "runtime/form_keyboard.h"

#include "runtime/form_focus.h"
#include "runtime/keyboard_navigation.h"

namespace {

bool IsPressed(int virtualKey) { return GetKeyState(virtualKey) < 0; }

// Only while the window is the active one and takes input, and the key is aimed at it or at
// one of its components.
bool KeyBelongsToForm(const FormInstance& form, HWND target) {
  return form.window != nullptr && GetActiveWindow() == form.window && IsWindowEnabled(form.window) &&
         (target == form.window || IsChild(form.window, target));
}

}  // namespace

bool HandleFormKey(const FormInstance& form, const MSG& message) {
  // Alt turns every key into WM_SYSKEYDOWN, and with Alt the window lets every key pass.
  if (message.message != WM_KEYDOWN || !KeyBelongsToForm(form, message.hwnd)) return false;
  switch (ClassifyKey(static_cast<unsigned>(message.wParam), IsPressed(VK_SHIFT), IsPressed(VK_CONTROL),
                      IsPressed(VK_MENU))) {
    case KeyAction::FocusNext:
      MoveFocusInTabCycle(form, false);
      return true;
    case KeyAction::FocusPrevious:
      MoveFocusInTabCycle(form, true);
      return true;
    case KeyAction::Close:
      SendMessageA(form.window, WM_CLOSE, 0, 0);
      return true;
    case KeyAction::PassOn:
      break;
  }
  return false;
}
