#pragma once

#include <gtest/gtest.h>

#include <string>

#include "runtime/event_gate.h"
#include "runtime/platform_function.h"
#include "runtime/text.h"
#include "simulated_desktop.h"

// Every test starts on an empty simulated desktop with nothing bound and the event gate open,
// as it is while the program runs.
class SimulatedDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    simulated::ResetDesktop();
    OpenEventGate();
  }
  void TearDown() override {
    ReleaseBoundLibraries();
    CloseEventGate();
  }

  static simulated::Desktop& Desktop() { return simulated::TheDesktop(); }
};

inline Text T(const std::string& bytes) { return Text::CopyUpToNul(bytes.data(), bytes.size()); }
inline std::string S(const Text& text) { return std::string(text.Bytes(), text.Length()); }

// Code-page-936 bytes of the characters the tests use.
inline const std::string kCuiWeiZhan = "\xB4\xE4\xCE\xA2\xD5\xBB";  // 翠微栈
