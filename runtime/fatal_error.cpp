#include "runtime/fatal_error.h"

#include <windows.h>

#include "runtime/decimal_format.h"
#include "runtime/event_gate.h"
#include "runtime/runtime_texts.h"

namespace {

// Fixed room on the stack: reporting must not allocate, since a failed allocation is reported
// here too. Every message of the run time fits with room to spare; a longer one is cut.
constexpr std::size_t kBoxTextCapacity = 512;

class BoundedWriter {
 public:
  explicit BoundedWriter(char (&buffer)[kBoxTextCapacity]) : buffer_(buffer) { buffer_[0] = '\0'; }

  void Append(const char* text, std::size_t count) {
    for (std::size_t i = 0; i < count && text[i] != '\0' && used_ + 1 < kBoxTextCapacity; ++i) {
      buffer_[used_++] = text[i];
    }
    buffer_[used_] = '\0';
  }
  void Append(const char* text) { Append(text, static_cast<std::size_t>(-1)); }

  // Copies `pattern`, putting the values in the place of its "%s" and "%d" markers in turn.
  void AppendFilled(const char* pattern, const char* const* values, int valueCount) {
    int next = 0;
    for (const char* p = pattern; *p != '\0'; ++p) {
      if (p[0] == '%' && (p[1] == 's' || p[1] == 'd') && next < valueCount) {
        Append(values[next++]);
        ++p;
      } else {
        Append(p, 1);
      }
    }
  }

 private:
  char (&buffer_)[kBoxTextCapacity];
  std::size_t used_ = 0;
};

}  // namespace

void ReportFatalError(const char* message) {
  CloseEventGate();
  char boxText[kBoxTextCapacity];
  BoundedWriter writer(boxText);
  writer.Append(kRuntimeErrorHeading);
  writer.Append("\n\n");
  writer.Append(message);
  MessageBoxA(nullptr, boxText, kErrorBoxCaption, MB_OK | MB_ICONERROR);
  ExitProcess(static_cast<UINT>(-1));
}

void ReportMissingExport(const char* libraryName, const char* functionName) {
  char message[kBoxTextCapacity];
  const char* const values[] = {libraryName, functionName};
  BoundedWriter(message).AppendFilled(kExportNotFound, values, 2);
  ReportFatalError(message);
}

void ReportAllocationFailure(std::size_t byteCount) {
  char digits[kDecimalBufferSize];
  FormatUnsignedDecimal(byteCount, digits);
  char message[kBoxTextCapacity];
  const char* const values[] = {digits};
  BoundedWriter(message).AppendFilled(kAllocationFailed, values, 1);
  ReportFatalError(message);
}
