#pragma once

#include <cstdint>

#include "app/inspector.h"
#include "runtime/form_instance.h"
#include "simulated_desktop_fixture.h"
#include "ui/main_form.h"

// The main form initialised as the program does it, with stand-in controls for its edit boxes
// so that the simulated window manager records which box each write went to.
class MainFormTest : public SimulatedDesktopTest {
 protected:
  void SetUp() override {
    SimulatedDesktopTest::SetUp();
    InitialiseFormRuntime(MainFormDescription(), kInspectorEventBindings, kInspectorEventBindingCount);
    for (ComponentIndex box : {编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5}) {
      MainForm().components[box].editBox.control = ControlOf(box);
    }
  }

  static HWND ControlOf(ComponentIndex box) { return reinterpret_cast<HWND>(std::uintptr_t{0x900} + box); }
};
