#pragma once

#include <cstdint>
#include <windows.h>

#include "runtime/event_gate.h"

// A non-visual timer: a period in milliseconds (never below 0) and a window-manager timer on
// the owner window while it runs. Its periodic event is raised once per WM_TIMER.
struct TimerComponent {
  HWND owner;
  UINT_PTR id;
  std::int32_t period;
  bool running;
  EventHandler onTick;
};

// Below 0 counts as 0; the same period again changes nothing, so a running countdown is not
// restarted; any other period restarts the countdown, or stops the timer when it is 0.
void WriteTimerPeriod(TimerComponent& timer, std::int32_t milliseconds);

// The timer dies with its component.
void StopTimer(TimerComponent& timer);
