#include "app/inspector.h"
#include "ui/main_form.h"

const EventBinding kInspectorEventBindings[] = {
    {kCreatedHandlerName, &OnMainWindowCreated},
    {kPeriodicHandlerName, &RefreshDisplay},
};
const int kInspectorEventBindingCount = sizeof(kInspectorEventBindings) / sizeof(kInspectorEventBindings[0]);
