#pragma once

#include "runtime/form_instance.h"

// What the window itself does with a key before the focused edit box sees it.
enum class KeyAction { FocusNext, FocusPrevious, Close, PassOn };

KeyAction ClassifyKey(unsigned virtualKey, bool shift, bool control, bool alt);

// The edit box that follows (or precedes) `current` in the Tab cycle: edit boxes only, in the
// order they were created, wrapping round; `current` may be -1 when no box has the focus.
// -1 when the form has no edit box at all.
ComponentIndex NextInTabCycle(const FormInstance& form, ComponentIndex current, bool backwards);
