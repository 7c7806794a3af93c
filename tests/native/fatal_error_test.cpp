#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "runtime/fatal_error.h"
#include "runtime/memory.h"
#include "runtime/runtime_texts.h"
#include "simulated_desktop_fixture.h"

namespace {

class FatalErrorTest : public SimulatedDesktopTest {
 protected:
  template <typename Action>
  std::string BoxTextOf(Action action) {
    try {
      action();
    } catch (const simulated::ProcessExit& exit) {
      EXPECT_EQ(exit.code, 0xFFFFFFFFu);
      EXPECT_EQ(Desktop().messageBoxes.size(), 1u);
      return Desktop().messageBoxes.empty() ? "" : Desktop().messageBoxes[0].text;
    }
    ADD_FAILURE() << "expected the program to end";
    return "";
  }

  static std::string WithHeading(const std::string& message) {
    return std::string(kRuntimeErrorHeading) + "\n\n" + message;
  }
};

// 分配 N 字节内存失败!
std::string AllocationMessage(const std::string& count) {
  return "\xB7\xD6\xC5\xE4 " + count + " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";
}

TEST_F(FatalErrorTest, FailedAllocationNamesTheRequestedSize) {
  const std::size_t impossible = SIZE_MAX / 2;
  EXPECT_EQ(BoxTextOf([&] { AllocateBytes(impossible); }),
            WithHeading(AllocationMessage(std::to_string(impossible))));
}

TEST_F(FatalErrorTest, TextTooLongForItsNulIsAnAllocationFailure) {
  EXPECT_EQ(BoxTextOf([] { Text::WithLength(SIZE_MAX); }), WithHeading(AllocationMessage(std::to_string(SIZE_MAX))));
}

TEST_F(FatalErrorTest, NoEventReachesProgramCodeWhileTheBoxIsShown) {
  static int handlerRuns = 0;
  handlerRuns = 0;
  Desktop().whileMessageBoxShown = [] { RaiseEvent([] { ++handlerRuns; }); };
  BoxTextOf([] { ReportFatalError("x"); });
  EXPECT_EQ(handlerRuns, 0);
}

TEST_F(FatalErrorTest, OverlongMessageIsCutNotOverrun) {
  const std::string longMessage(5000, 'm');
  const std::string text = BoxTextOf([&] { ReportFatalError(longMessage.c_str()); });
  EXPECT_EQ(text.substr(0, std::strlen(kRuntimeErrorHeading)), kRuntimeErrorHeading);
  EXPECT_LT(text.size(), longMessage.size());
}

}  // namespace
