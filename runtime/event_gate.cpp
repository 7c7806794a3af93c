#include "runtime/event_gate.h"

namespace {
bool gateOpen = false;
}  // namespace

void OpenEventGate() { gateOpen = true; }
void CloseEventGate() { gateOpen = false; }

void RaiseEvent(EventHandler handler) {
  if (gateOpen && handler != nullptr) handler();
}
