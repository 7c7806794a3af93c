// Host stand-in for <windows.h>: the few types and functions that the platform-neutral parts
// of the program use, with the layouts of the real ones. The definitions live in the simulated
// window manager beside this folder, so those parts run natively under sanitizers and fuzzers.
// Anything not declared here cannot be called from code that is also built on the host.
#pragma once

#include <cstdint>

#define WINAPI
#define CALLBACK
#define TRUE 1
#define FALSE 0

typedef int BOOL;
typedef int INT;
typedef unsigned int UINT;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint16_t WORD;
typedef WORD ATOM;
typedef std::uintptr_t UINT_PTR;
typedef char* LPSTR;
typedef const char* LPCSTR;

typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef std::intptr_t(WINAPI* FARPROC)();
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT;

typedef struct tagWINDOWINFO {
  DWORD cbSize;
  RECT rcWindow;
  RECT rcClient;
  DWORD dwStyle;
  DWORD dwExStyle;
  DWORD dwWindowStatus;
  UINT cxWindowBorders;
  UINT cyWindowBorders;
  ATOM atomWindowType;
  WORD wCreatorVersion;
} WINDOWINFO, *PWINDOWINFO;

#define MB_OK 0x00000000u
#define MB_ICONERROR 0x00000010u
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B
#define VK_F1 0x70

HMODULE WINAPI LoadLibraryA(LPCSTR fileName);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName);
BOOL WINAPI FreeLibrary(HMODULE module);
UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL WINAPI KillTimer(HWND window, UINT_PTR id);
BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text);
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
[[noreturn]] void WINAPI ExitProcess(UINT exitCode);
