#include "runtime/platform_function.h"

#include "runtime/fatal_error.h"

const LibraryLoader kSystemLibraryLoader = {
    [](const char* libraryName) { return LoadLibraryA(libraryName); },
    [](HMODULE library, const char* functionName) { return GetProcAddress(library, functionName); },
    [](HMODULE library) { FreeLibrary(library); },
};

namespace {
const LibraryLoader* activeLoader = &kSystemLibraryLoader;
PlatformFunction* boundEntries = nullptr;
}  // namespace

void UseLibraryLoader(const LibraryLoader& loader) { activeLoader = &loader; }

FARPROC BindPlatformFunction(PlatformFunction& entry) {
  if (entry.address != nullptr) return entry.address;

  HMODULE library = activeLoader->load(entry.libraryName);
  FARPROC address = library != nullptr ? activeLoader->lookUp(library, entry.functionName) : nullptr;
  if (address == nullptr) {
    if (library != nullptr) activeLoader->release(library);
    ReportMissingExport(entry.libraryName, entry.functionName);
  }
  entry.address = address;
  entry.library = library;
  entry.nextBound = boundEntries;
  boundEntries = &entry;
  return address;
}

void ReleaseBoundLibraries() {
  while (boundEntries != nullptr) {
    PlatformFunction& entry = *boundEntries;
    boundEntries = entry.nextBound;
    activeLoader->release(entry.library);
    entry.address = nullptr;
    entry.library = nullptr;
    entry.nextBound = nullptr;
  }
}
