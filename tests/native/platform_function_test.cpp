#include <gtest/gtest.h>

#include <vector>

#include "runtime/runtime_texts.h"
#include "simulated_desktop_fixture.h"
#include "winquery/target_window_search.h"
#include "winquery/window_geometry.h"

namespace {

class PlatformFunctionTest : public SimulatedDesktopTest {
 protected:
  // One refresh's worth of window-manager work.
  static void SearchAndMeasure() { QueryWindowRect(FindTargetWindow(T(kCuiWeiZhan), Text())); }
};

using Names = std::vector<std::string>;

TEST_F(PlatformFunctionTest, EachFunctionIsBoundAtItsFirstCallAndKept) {
  Desktop().AddTitled("unrelated");
  SearchAndMeasure();
  EXPECT_EQ(Desktop().lookUps, (Names{"FindWindowExA", "GetWindowTextLengthA", "GetWindowTextA", "GetWindowInfo"}));
  SearchAndMeasure();
  EXPECT_EQ(Desktop().lookUps.size(), 4u);
  EXPECT_EQ(Desktop().librariesLoaded, 4);
}

TEST_F(PlatformFunctionTest, WithNoWindowTheTitleFunctionsWaitAndGetWindowInfoIsStillBound) {
  SearchAndMeasure();
  EXPECT_EQ(Desktop().lookUps, (Names{"FindWindowExA", "GetWindowInfo"}));
}

TEST_F(PlatformFunctionTest, ReleasingLetsEveryLibraryGoOnce) {
  Desktop().AddTitled("unrelated");
  SearchAndMeasure();
  ReleaseBoundLibraries();
  EXPECT_EQ(Desktop().librariesReleased, 4);
  ReleaseBoundLibraries();
  EXPECT_EQ(Desktop().librariesReleased, 4);
}

struct MissingCase {
  std::string missingExport;  // empty: user32 itself cannot be loaded
  std::string namedInMessage;
  int releasedAfterFailure;
};
void PrintTo(const MissingCase& c, std::ostream* os) { *os << c.namedInMessage; }

class MissingExportTest : public PlatformFunctionTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingExportTest, IsFatalAndNamesLibraryAndFunction) {
  Desktop().AddTitled("unrelated");
  if (GetParam().missingExport.empty()) {
    Desktop().user32Missing = true;
  } else {
    Desktop().missingExports.insert(GetParam().missingExport);
  }
  try {
    SearchAndMeasure();
    FAIL() << "a missing export must end the program";
  } catch (const simulated::ProcessExit& exit) {
    EXPECT_EQ(exit.code, 0xFFFFFFFFu);
  }
  ASSERT_EQ(Desktop().messageBoxes.size(), 1u);
  // 运行时出错!  无法找到指定DLL库文件“user32.dll”中的输出命令“<name>”
  EXPECT_EQ(Desktop().messageBoxes[0].text,
            "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\n\n"
            "\xCE\xDE\xB7\xA8\xD5\xD2\xB5\xBD\xD6\xB8\xB6\xA8"
            "DLL\xBF\xE2\xCE\xC4\xBC\xFE\xA1\xB0user32.dll\xA1\xB1\xD6\xD0\xB5\xC4\xCA\xE4\xB3\xF6\xC3\xFC\xC1\xEE\xA1\xB0" +
                GetParam().namedInMessage + "\xA1\xB1");
  EXPECT_EQ(Desktop().messageBoxes[0].caption, "\xB4\xED\xCE\xF3");  // 错误
  EXPECT_EQ(Desktop().messageBoxes[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
  // The library loaded for the failed lookup is let go again.
  EXPECT_EQ(Desktop().librariesReleased, GetParam().releasedAfterFailure);
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingExportTest,
                         ::testing::Values(MissingCase{"GetWindowInfo", "GetWindowInfo", 1},
                                           MissingCase{"GetWindowTextA", "GetWindowTextA", 1},
                                           MissingCase{"", "FindWindowExA", 0}));

}  // namespace
