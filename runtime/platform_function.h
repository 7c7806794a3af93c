#pragma once

#include <windows.h>

// How a library is loaded and a name looked up. The system's way is the default; a test can
// put another in place to stage a library without some export.
struct LibraryLoader {
  HMODULE (*load)(const char* libraryName);
  FARPROC (*lookUp)(HMODULE library, const char* functionName);
  void (*release)(HMODULE library);
};

extern const LibraryLoader kSystemLibraryLoader;
void UseLibraryLoader(const LibraryLoader& loader);

// One entry of the platform-function table: a function bound by name at its first call and
// kept for the life of the process, with the library loaded for it.
struct PlatformFunction {
  const char* libraryName;
  const char* functionName;
  FARPROC address;
  HMODULE library;
  PlatformFunction* nextBound;
};

// The entry's address, binding it first if needed. A library that cannot be loaded or lacks
// the export is fatal and reported with both names.
FARPROC BindPlatformFunction(PlatformFunction& entry);

// The entry's address as the function's own pointer type.
template <typename Function>
Function BoundFunction(PlatformFunction& entry) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(BindPlatformFunction(entry)));
}

// Releases the libraries of every bound entry, which then counts as unbound again.
void ReleaseBoundLibraries();
