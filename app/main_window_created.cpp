#include "app/inspector.h"
#include "ui/main_form.h"

namespace {
constexpr std::int32_t kRefreshPeriodMilliseconds = 300;
}  // namespace

void OnMainWindowCreated() { WriteTimerPeriod(时钟1, kRefreshPeriodMilliseconds); }
