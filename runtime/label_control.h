#pragma once

#include <windows.h>

#include "runtime/form_description.h"

// A hidden self-painting label for the component, its text kept as the window's text; null if
// it cannot be created.
HWND CreateLabelControl(HWND parent, int controlId, const ComponentDescription& description);
