#include <gtest/gtest.h>

#include <vector>

#include "runtime/timer_component.h"
#include "simulated_desktop_fixture.h"

namespace {

using simulated::TimerCall;

struct PeriodCase {
  const char* what;
  std::vector<std::int32_t> writes;
  std::vector<std::pair<TimerCall::Kind, UINT>> expectedCalls;  // Set with its elapse, or Kill
  std::int32_t expectedPeriod;
  bool expectedRunning;
};
void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.what; }

class WriteTimerPeriodTest : public SimulatedDesktopTest, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(WriteTimerPeriodTest, FollowsThePeriodRules) {
  const HWND owner = reinterpret_cast<HWND>(std::uintptr_t{0x4242});
  TimerComponent timer{owner, 7, 0, false, nullptr};
  for (std::int32_t period : GetParam().writes) WriteTimerPeriod(timer, period);

  std::vector<std::pair<TimerCall::Kind, UINT>> calls;
  for (const TimerCall& call : Desktop().timerCalls) {
    EXPECT_EQ(call.window, owner);
    EXPECT_EQ(call.id, 7u);
    calls.emplace_back(call.kind, call.elapse);
  }
  EXPECT_EQ(calls, GetParam().expectedCalls) << GetParam().what;
  EXPECT_EQ(timer.period, GetParam().expectedPeriod) << GetParam().what;
  EXPECT_EQ(timer.running, GetParam().expectedRunning) << GetParam().what;
}

constexpr auto Set = TimerCall::Set;
constexpr auto Kill = TimerCall::Kill;

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteTimerPeriodTest,
    ::testing::Values(
        PeriodCase{"start", {300}, {{Set, 300}}, 300, true},
        PeriodCase{"same period: no restart", {300, 300}, {{Set, 300}}, 300, true},
        PeriodCase{"new period restarts", {300, 500}, {{Set, 300}, {Kill, 0}, {Set, 500}}, 500, true},
        PeriodCase{"zero stops", {300, 0}, {{Set, 300}, {Kill, 0}}, 0, false},
        PeriodCase{"negative counts as zero", {300, -5}, {{Set, 300}, {Kill, 0}}, 0, false},
        PeriodCase{"zero while stopped does nothing", {0, -1}, {}, 0, false},
        PeriodCase{"restart after a stop", {300, 0, 300}, {{Set, 300}, {Kill, 0}, {Set, 300}}, 300, true}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(SimulatedDesktopTest, StoppingAStoppedTimerKillsNothing) {
  TimerComponent timer{nullptr, 1, 0, false, nullptr};
  StopTimer(timer);
  EXPECT_TRUE(Desktop().timerCalls.empty());
}

}  // namespace
