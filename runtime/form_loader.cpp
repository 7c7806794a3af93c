#include "runtime/edit_box_control.h"
#include "runtime/event_gate.h"
#include "runtime/fatal_error.h"
#include "runtime/form_frame_window.h"
#include "runtime/form_window.h"
#include "runtime/label_control.h"
#include "runtime/message_dispatch.h"
#include "runtime/runtime_texts.h"

namespace {

// Child control identifiers follow the form's order, as the timers' identifiers do.
int ControlId(ComponentIndex index) { return index + 1; }

// False if the component's control cannot be created.
bool CreateComponent(FormInstance& form, ComponentIndex index) {
  const ComponentDescription& description = form.description->components[index];
  Component& component = form.components[index];
  switch (component.kind) {
    case ComponentKind::Timer:
      // Events are still held back, so a stored period starts the timer without a tick getting
      // through before the created event.
      component.timer.owner = form.window;
      WriteTimerPeriod(component.timer, description.period);
      return true;
    case ComponentKind::EditBox:
      component.editBox.control =
          CreateEditBoxControl(form.window, ControlId(index), description, component.editBox.content);
      return component.editBox.control != nullptr;
    case ComponentKind::Label:
      component.label = CreateLabelControl(form.window, ControlId(index), description);
      return component.label != nullptr;
  }
  return false;
}

// Null for the timer, which has no window.
HWND ControlOf(const Component& component) {
  switch (component.kind) {
    case ComponentKind::EditBox:
      return component.editBox.control;
    case ComponentKind::Label:
      return component.label;
    case ComponentKind::Timer:
      break;
  }
  return nullptr;
}

// In the reverse of the form's order, so that the creation order is the order of the Tab cycle.
void CreateComponents(FormInstance& form) {
  for (ComponentIndex i = form.componentCount - 1; i >= 0; --i) {
    if (!CreateComponent(form, i)) ReportFatalError(kStartWindowNotLoaded);
  }
}

// The form's order is the stacking order from the top.
void StackInFormOrder(const FormInstance& form) {
  HWND above = HWND_TOP;
  for (ComponentIndex i = 0; i < form.componentCount; ++i) {
    const HWND control = ControlOf(form.components[i]);
    if (control == nullptr) continue;
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
}

void ShowControls(const FormInstance& form) {
  for (ComponentIndex i = 0; i < form.componentCount; ++i) {
    const HWND control = ControlOf(form.components[i]);
    if (control != nullptr) ShowWindow(control, SW_SHOWNA);
  }
}

}  // namespace

void LoadMainWindow() {
  FormInstance& form = MainForm();
  CloseEventGate();
  if (CreateFormFrameWindow(form) == nullptr) ReportFatalError(kStartWindowNotLoaded);
  CreateComponents(form);
  StackInFormOrder(form);
  ShowControls(form);
  // What building produced is dispatched while events are still dropped.
  ProcessPendingMessages();
  OpenEventGate();
  RaiseEvent(form.onCreated);
  // Activation gives the window the focus, which it hands on to the first box of the Tab cycle.
  ShowWindow(form.window, SW_SHOWNORMAL);
}
