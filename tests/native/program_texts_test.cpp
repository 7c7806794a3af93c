#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "runtime/runtime_texts.h"
#include "ui/program_texts.h"

namespace {

// Decodes code-page-936 bytes with the C library's converter, independent of the program.
std::string Cp936ToUtf8(const std::string& bytes) {
  iconv_t converter = iconv_open("UTF-8", "CP936");
  EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1));
  std::string in = bytes;
  std::string out(bytes.size() * 4 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  size_t inLeft = in.size();
  size_t outLeft = out.size();
  const size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  EXPECT_NE(result, static_cast<size_t>(-1)) << "not valid code page 936";
  out.resize(out.size() - outLeft);
  return out;
}

struct TextCase {
  const char* bytes;
  const char* characters;  // UTF-8
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.characters; }

class ProgramTextsTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ProgramTextsTest, BytesAreTheIntendedCharactersInCodePage936) {
  EXPECT_EQ(Cp936ToUtf8(GetParam().bytes), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramTextsTest,
    ::testing::Values(TextCase{kWatchedTitleKeyword, "翠微栈"}, TextCase{kMainWindowCaption, "第六课-取句柄和窗口信息"},
                      TextCase{kHandleLabel, "句柄"}, TextCase{kLeftLabel, "左边"}, TextCase{kRightLabel, "右边"},
                      TextCase{kTopLabel, "顶边"}, TextCase{kBottomLabel, "底边"},
                      TextCase{kRuntimeErrorHeading, "运行时出错!"}, TextCase{kErrorBoxCaption, "错误"},
                      TextCase{kFormDescriptionUnreadable, "载入窗口模板数据段出错!"},
                      TextCase{kStartWindowNotLoaded, "载入启动窗口失败"},
                      TextCase{kExportNotFound, "无法找到指定DLL库文件“%s”中的输出命令“%s”"},
                      TextCase{kAllocationFailed, "分配 %d 字节内存失败!"}));

}  // namespace
