#pragma once

#include "runtime/form_description.h"

// The program's entry: loads the main window and runs until it is closed; returns 0.
int RunInspector();

// The main window's created event: arms the refresh timer.
void OnMainWindowCreated();

// The refresh timer's periodic event: shows the watched window's handle and outer edges.
void RefreshDisplay();

// The program code that the main form binds by name.
extern const EventBinding kInspectorEventBindings[];
extern const int kInspectorEventBindingCount;
