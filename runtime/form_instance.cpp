#include "runtime/form_instance.h"

#include <cstring>

#include "runtime/fatal_error.h"
#include "runtime/runtime_texts.h"

namespace {

FormInstance mainForm;

// Nothing bound under a null name; an unknown name makes the form unreadable.
bool ResolveHandler(const char* name, const EventBinding* bindings, int bindingCount, EventHandler& handler) {
  handler = nullptr;
  if (name == nullptr) return true;
  for (int i = 0; i < bindingCount; ++i) {
    if (std::strcmp(bindings[i].handlerName, name) == 0) {
      handler = bindings[i].handler;
      return handler != nullptr;
    }
  }
  return false;
}

bool IsReadable(const ComponentDescription& component) {
  switch (component.kind) {
    case ComponentKind::Timer:
      return component.period >= 0;
    case ComponentKind::EditBox:
    case ComponentKind::Label:
      return component.width >= 0 && component.height >= 0 && component.eventHandler == nullptr;
  }
  return false;
}

[[noreturn]] void ReportUnreadableForm() { ReportFatalError(kFormDescriptionUnreadable); }

}  // namespace

FormInstance& MainForm() { return mainForm; }

void InitialiseFormRuntime(const FormDescription& form, const EventBinding* bindings, int bindingCount) {
  if (form.components == nullptr || form.componentCount < 1 || form.componentCount > kMaxComponents ||
      form.window.width < 0 || form.window.height < 0) {
    ReportUnreadableForm();
  }
  mainForm.description = &form;
  mainForm.window = nullptr;
  mainForm.focusToRestore = nullptr;
  mainForm.componentCount = form.componentCount;
  if (!ResolveHandler(form.window.createdHandler, bindings, bindingCount, mainForm.onCreated)) {
    ReportUnreadableForm();
  }
  for (int i = 0; i < form.componentCount; ++i) {
    const ComponentDescription& description = form.components[i];
    Component& component = mainForm.components[i];
    if (!IsReadable(description)) ReportUnreadableForm();
    component.kind = description.kind;
    component.label = nullptr;
    // The stored period is applied once the window exists to own the timer.
    component.timer = TimerComponent{nullptr, static_cast<UINT_PTR>(i + 1), 0, false, nullptr};
    component.editBox.control = nullptr;
    component.editBox.content = Text::FromCString(description.text);
    if (!ResolveHandler(description.eventHandler, bindings, bindingCount, component.timer.onTick)) {
      ReportUnreadableForm();
    }
  }
}

void WriteTimerPeriod(ComponentIndex timer, std::int32_t milliseconds) {
  WriteTimerPeriod(mainForm.components[timer].timer, milliseconds);
}

void WriteEditBoxContent(ComponentIndex editBox, const Text& content) {
  WriteEditBoxContent(mainForm.components[editBox].editBox, content);
}
