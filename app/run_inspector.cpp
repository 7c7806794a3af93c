#include "app/inspector.h"
#include "runtime/form_instance.h"
#include "runtime/form_window.h"
#include "ui/main_form.h"

int RunInspector() {
  InitialiseFormRuntime(MainFormDescription(), kInspectorEventBindings, kInspectorEventBindingCount);
  LoadMainWindow();
  RunMessageLoop();
  return 0;
}
