#pragma once

#include "runtime/form_instance.h"

// Focus to the next (or previous) edit box of the Tab cycle, counted from the focused one.
void MoveFocusInTabCycle(FormInstance& form, bool backwards);

// On deactivation: the component that has the focus, to get it back later.
void RememberFocus(FormInstance& form);

// On activation: the remembered component, or the first of the Tab cycle if none has had the
// focus yet.
void RestoreFocus(FormInstance& form);
