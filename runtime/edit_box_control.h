#pragma once

#include <windows.h>

#include "runtime/form_description.h"
#include "runtime/text.h"

// A hidden single-line edit control for the component, showing `content`; null if the control
// cannot be created.
HWND CreateEditBoxControl(HWND parent, int controlId, const ComponentDescription& description, const Text& content);

// For the parent's WM_CTLCOLOREDIT: black on white, whatever the system's window colours are.
HBRUSH PaintEditBoxColours(HDC dc);
