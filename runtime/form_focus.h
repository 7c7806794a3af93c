#pragma once

#include "runtime/form_instance.h"

// Focus to the next (or previous) edit box of the Tab cycle, counted from the focused one.
void MoveFocusInTabCycle(const FormInstance& form, bool backwards);

// Each time a component gets the focus, so that it can get it back later.
void RememberFocus(FormInstance& form, HWND component);

// When the window itself gets the focus, as it does when it is activated or restored: the
// focus goes on to the remembered component, or to the first of the Tab cycle if none has had
// it yet.
void RestoreFocus(FormInstance& form);
