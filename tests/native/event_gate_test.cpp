#include <gtest/gtest.h>

#include "runtime/event_gate.h"

namespace {

int runs = 0;
void CountRun() { ++runs; }

TEST(EventGateTest, DropsEventsWhileClosedAndRunsThemWhileOpen) {
  runs = 0;
  CloseEventGate();
  RaiseEvent(&CountRun);
  EXPECT_EQ(runs, 0);
  OpenEventGate();
  RaiseEvent(&CountRun);
  RaiseEvent(nullptr);  // an unbound event runs nothing
  EXPECT_EQ(runs, 1);
  CloseEventGate();
}

}  // namespace
