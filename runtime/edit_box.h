#pragma once

#include <windows.h>

#include "runtime/text.h"

// A single-line edit box as the program sees it: its content, and the control that shows it.
struct EditBox {
  HWND control;
  Text content;
};

// The box keeps its own copy and shows it at once, on every write, even when the text is the
// one already shown. No program code runs as a consequence.
void WriteEditBoxContent(EditBox& box, const Text& content);
