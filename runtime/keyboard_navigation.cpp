#include "runtime/keyboard_navigation.h"

#include <windows.h>

KeyAction ClassifyKey(unsigned virtualKey, bool shift, bool control, bool alt) {
  if (control || alt) return KeyAction::PassOn;
  if (virtualKey == VK_TAB) return shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
  if (virtualKey == VK_ESCAPE && !shift) return KeyAction::Close;
  return KeyAction::PassOn;
}

ComponentIndex NextInTabCycle(const FormInstance& form, ComponentIndex current, bool backwards) {
  // Creation runs from the last component of the form to the first, so "next" walks down.
  const int count = form.componentCount;
  const int step = backwards ? 1 : -1;
  // With nothing focused yet, forward starts at the first box of the cycle, backward at the last.
  int index = current >= 0 ? current : (backwards ? -1 : count);
  for (int visited = 0; visited < count; ++visited) {
    index = (index + step + count) % count;
    if (form.components[index].kind == ComponentKind::EditBox) return index;
  }
  return -1;
}
