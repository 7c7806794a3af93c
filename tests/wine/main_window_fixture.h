#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "runtime/form_instance.h"
#include "ui/main_form.h"
#include "user_input.h"

// What the bound handlers saw, for the tests to read.
struct HandlerLog {
  int createdCount;
  bool windowVisibleWhenCreated;
  bool controlsShownWhenCreated;
  int tickCount;
  ULONGLONG firstTickAt;
};
extern HandlerLog handlerLog;

// Runs the form's own message processing, its keys included, until the condition holds or the
// deadline passes; returns the condition.
bool ProcessUntil(const std::function<bool()>& condition, DWORD milliseconds = 3000);
void ProcessFor(DWORD milliseconds);

// Leaves no quit message behind for the next test once the window has been closed.
void ForgetQuitMessage();

// The real main form with handlers that only log, loaded and settled in front of the desktop.
class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  static HWND Control(MainFormComponent component);
  bool FocusSettlesOn(MainFormComponent component);

  HWND window_ = nullptr;
};
