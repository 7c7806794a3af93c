#include <gtest/gtest.h>

#include <vector>

#include "main_form_fixture.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define INSPECTOR_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define INSPECTOR_UNDER_ASAN 1
#endif

#ifdef INSPECTOR_UNDER_ASAN
#include <sanitizer/allocator_interface.h>
#else
#include <malloc.h>
#endif

namespace {

// Bytes the process holds on the heap right now: ASan's own count under the sanitizer, the C
// library's otherwise. Either goes up by every block a refresh forgets to release.
long long HeapBytesInUse() {
#ifdef INSPECTOR_UNDER_ASAN
  return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
  return static_cast<long long>(mallinfo2().uordblks);
#endif
}

constexpr int kRefreshes = 100000;
// The C library counts whole chunks, and a block may get a slightly larger chunk than last
// time, so its count wanders by a few dozen bytes without a leak (ASan's stays exact). A
// forgotten block of 16 bytes once in 300 refreshes already adds up to more.
constexpr long long kAllocatorSlackBytes = 4096;

struct SoakCase {
  const char* what;
  std::vector<std::string> titles;  // the z-order, top first
  bool targetShown;                 // the last window's handle in the first box, else "0"
};
void PrintTo(const SoakCase& c, std::ostream* os) { *os << c.what; }

class RefreshMemoryTest : public MainFormTest, public ::testing::WithParamInterface<SoakCase> {};

TEST_P(RefreshMemoryTest, HundredThousandRefreshesHoldNoMoreMemoryThanOne) {
  HWND last = nullptr;
  for (const std::string& title : GetParam().titles) last = Desktop().AddTitled(title, RECT{-8, 20, 300, 400});
  // Warm up: the first refresh binds the functions and gives every box a text of its size.
  RefreshDisplay();
  Desktop().ForgetRecordings();
  const long long before = HeapBytesInUse();

  for (int i = 0; i < kRefreshes; ++i) {
    RefreshDisplay();
    // The simulated window manager's own log of calls would grow; it is not the program's.
    Desktop().ForgetRecordings();
  }
  const long long growth = HeapBytesInUse() - before;

  RefreshDisplay();
  const std::string handle = GetParam().targetShown ? std::to_string(reinterpret_cast<std::uintptr_t>(last)) : "0";
  ASSERT_EQ(Desktop().textWrites.size(), 5u);
  EXPECT_EQ(Desktop().textWrites[0].second, handle) << "the refreshes did not see the desktop as staged";
  EXPECT_LE(growth, kAllocatorSlackBytes) << "heap bytes in use grew over " << kRefreshes << " refreshes";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefreshMemoryTest,
    ::testing::Values(SoakCase{"a non-matching window, then the target", {"Notepad", "x" + kCuiWeiZhan}, true},
                      SoakCase{"no window matches", {"Notepad", "\xB5\xDA\xC1\xF9\xBF\xCE"}, false}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
