#include <cstdint>

#include "app/decimal_text.h"
#include "app/inspector.h"
#include "ui/main_form.h"
#include "ui/program_texts.h"
#include "winquery/target_window_search.h"
#include "winquery/window_geometry.h"

namespace {

// A window handle carries 32 significant bits on every Windows, 64-bit included; it is shown
// as their signed value.
std::int32_t HandleValue(HWND window) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)));
}

void ShowValue(ComponentIndex box, std::int32_t value) { WriteEditBoxContent(box, ToDecimalText(value)); }

}  // namespace

void RefreshDisplay() {
  const HWND target = FindTargetWindow(Text::FromCString(kWatchedTitleKeyword), Text());
  const WindowRect rect = QueryWindowRect(target);
  // The labels read top to bottom: handle, left, right, top, bottom.
  ShowValue(编辑框1, HandleValue(target));
  ShowValue(编辑框2, rect.left);
  ShowValue(编辑框3, rect.right);
  ShowValue(编辑框4, rect.top);
  ShowValue(编辑框5, rect.bottom);
}
