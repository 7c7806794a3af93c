#pragma once

#include <cstddef>

// A failure the run time detects ends the program: one error box, then exit code -1.
// Events stop reaching program code from the moment of the report.
[[noreturn]] void ReportFatalError(const char* message);
[[noreturn]] void ReportMissingExport(const char* libraryName, const char* functionName);
[[noreturn]] void ReportAllocationFailure(std::size_t byteCount);
