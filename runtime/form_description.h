#pragma once

#include <cstdint>

#include "runtime/event_gate.h"

// A form as stored data: one window and its components. Handlers are named, not linked, so
// the form knows nothing of the program that binds them.

enum class ComponentKind : std::uint8_t { Timer, EditBox, Label };

struct ComponentDescription {
  ComponentKind kind;
  int left;  // place and outer size in the window's client area; a timer has none
  int top;
  int width;
  int height;
  const char* text;          // a label's caption, an edit box's first content
  std::int32_t period;       // a timer's period in milliseconds; 0 keeps it stopped
  const char* eventHandler;  // the handler of a timer's periodic event, or null
};

struct WindowDescription {
  const char* caption;
  int width;  // outer size, frame and title bar included
  int height;
  const char* iconResource;
  bool minimizeBox;
  const char* createdHandler;  // the handler of the created event, or null
};

struct FormDescription {
  WindowDescription window;
  // In the form's order, which is also the stacking order from the top. The components are
  // created in the reverse order, and that creation order is the order of the Tab cycle.
  const ComponentDescription* components;
  int componentCount;
};

// Program code offered under a name for the form's handlers to bind to.
struct EventBinding {
  const char* handlerName;
  EventHandler handler;
};
