#pragma once

#include <cstdint>
#include <windows.h>

#include "runtime/edit_box.h"
#include "runtime/form_description.h"
#include "runtime/timer_component.h"

// Fixed room: no form of this run time has more components.
constexpr int kMaxComponents = 16;

using ComponentIndex = int;  // a component's place in its form

// Only the part that matches the kind is in use; window handles stay 0 until the window is built.
struct Component {
  ComponentKind kind;
  TimerComponent timer;
  EditBox editBox;
  HWND label;
};

// The main window of the running program and its components' state.
struct FormInstance {
  const FormDescription* description;
  HWND window;
  EventHandler onCreated;
  Component components[kMaxComponents];
  int componentCount;
  HWND focusToRestore;
};

FormInstance& MainForm();

// Reads the form and binds its handlers by name. A form that cannot be read (no components or
// too many, a size below 0, a handler name nobody offers) is fatal. Builds no window.
void InitialiseFormRuntime(const FormDescription& form, const EventBinding* bindings, int bindingCount);

// The properties a program may write.
void WriteTimerPeriod(ComponentIndex timer, std::int32_t milliseconds);
void WriteEditBoxContent(ComponentIndex editBox, const Text& content);
