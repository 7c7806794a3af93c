#pragma once

#include "runtime/form_description.h"
#include "runtime/form_instance.h"

// The main window's components by their place in the form (the stacking order from the top).
enum MainFormComponent : ComponentIndex {
  时钟1,
  编辑框5,
  标签6,
  编辑框4,
  编辑框3,
  编辑框2,
  标签5,
  标签4,
  标签3,
  标签1,
  编辑框1,
  kMainFormComponentCount
};

// The names under which the form binds its two events.
inline constexpr char kCreatedHandlerName[] = "OnMainWindowCreated";
inline constexpr char kPeriodicHandlerName[] = "RefreshDisplay";

const FormDescription& MainFormDescription();
