#include "runtime/form_focus.h"

#include "runtime/keyboard_navigation.h"

namespace {

ComponentIndex FocusedEditBox(const FormInstance& form) {
  const HWND focus = GetFocus();
  for (ComponentIndex i = 0; i < form.componentCount; ++i) {
    const Component& component = form.components[i];
    if (component.kind == ComponentKind::EditBox && component.editBox.control == focus) return i;
  }
  return -1;
}

void FocusEditBox(const FormInstance& form, ComponentIndex box) {
  if (box >= 0) SetFocus(form.components[box].editBox.control);
}

}  // namespace

void MoveFocusInTabCycle(const FormInstance& form, bool backwards) {
  FocusEditBox(form, NextInTabCycle(form, FocusedEditBox(form), backwards));
}

void RememberFocus(FormInstance& form, HWND component) { form.focusToRestore = component; }

void RestoreFocus(FormInstance& form) {
  if (form.focusToRestore != nullptr) {
    SetFocus(form.focusToRestore);
  } else {
    FocusEditBox(form, NextInTabCycle(form, -1, false));
  }
}
