#pragma once

// Program code bound to an event: no arguments, no result.
using EventHandler = void (*)();

// Events reach program code only while the gate is open. It is closed from the start, while
// a window is being built, while a fatal error box is shown and while the program is ending;
// an event raised then is dropped, not queued.
void OpenEventGate();
void CloseEventGate();

// Runs the handler to completion if the gate is open; a null handler is an unbound event.
void RaiseEvent(EventHandler handler);
