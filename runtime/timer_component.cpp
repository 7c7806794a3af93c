#include "runtime/timer_component.h"

void WriteTimerPeriod(TimerComponent& timer, std::int32_t milliseconds) {
  const std::int32_t period = milliseconds < 0 ? 0 : milliseconds;
  if (period == timer.period) return;
  timer.period = period;
  StopTimer(timer);
  if (period > 0) {
    SetTimer(timer.owner, timer.id, static_cast<UINT>(period), nullptr);
    timer.running = true;
  }
}

void StopTimer(TimerComponent& timer) {
  if (timer.running) KillTimer(timer.owner, timer.id);
  timer.running = false;
}
