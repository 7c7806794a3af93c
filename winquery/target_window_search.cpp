#include "winquery/target_window_search.h"

#include "winquery/text_operations.h"
#include "winquery/user32_functions.h"
#include "winquery/window_title.h"

HWND FindTargetWindow(const Text& keyword, const Text& className) {
  HWND candidate = nullptr;
  // Any 0 from the window manager ends the walk: the list is exhausted, or the previous
  // window vanished and the walk cannot go on from it.
  while ((candidate = CallFindWindowExA(nullptr, candidate, className.NullIfEmpty(), nullptr)) != nullptr) {
    const Text loweredTitle = ToLowerText(ReadWindowTitle(candidate));
    const Text loweredKeyword = ToLowerText(keyword);
    if (FindText(loweredTitle, loweredKeyword) != -1) return candidate;
  }
  return nullptr;
}
