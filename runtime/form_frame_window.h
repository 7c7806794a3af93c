#pragma once

#include <windows.h>

#include "runtime/form_instance.h"

// The form's own window: hidden, centred on the primary display, with the form's caption, a
// fixed frame and the form's icon. It reaches its form through GWLP_USERDATA and sets
// form.window as soon as it exists. Null if it cannot be created.
HWND CreateFormFrameWindow(FormInstance& form);
