#pragma once

#include <windows.h>

// One message taken from the queue: the form's own keys first, then the usual translation and
// dispatch.
void ProcessMessage(const MSG& message);

// Everything already queued, without waiting. A quit message stops it and stays pending for
// the loop that owns it.
void ProcessPendingMessages();
