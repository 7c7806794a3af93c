#pragma once

#include <windows.h>

#include "runtime/form_instance.h"

// Tab, Shift+Tab and Esc for the form's window, looked at before the focused edit box sees
// the key. True when the key was the window's and must go no further.
bool HandleFormKey(const FormInstance& form, const MSG& message);
