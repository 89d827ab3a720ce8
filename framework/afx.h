// Basic types of the window framework stand-in. On Windows they are the
// system's own; elsewhere the few that the program uses are defined here with
// the same names and values, so the program's classes compile unchanged.
#ifndef TELLAN_FRAMEWORK_AFX_H
#define TELLAN_FRAMEWORK_AFX_H

#include <cstdint>
#include <string>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
typedef int BOOL;
typedef unsigned int UINT;
typedef std::int32_t LONG;
typedef const char* LPCSTR;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef struct HWND__* HWND;
typedef struct HICON__* HICON;
typedef HICON HCURSOR;
typedef struct HDC__* HDC;

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};

struct WINDOWPOS {
  HWND hwnd;
  HWND hwndInsertAfter;
  int x;
  int y;
  int cx;
  int cy;
  UINT flags;
};

#define TRUE 1
#define FALSE 0
#define MAX_PATH 260
#define SWP_SHOWWINDOW 0x0040
#define WM_ICONERASEBKGND 0x0027
#define SM_CXICON 11
#define SM_CYICON 12
#define MB_OK 0x00000000L
#define MB_ICONHAND 0x00000010L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONMASK 0x000000F0L
#define KEY_READ 0x00020019L
#define KEY_WOW64_64KEY 0x00000100L
#endif

// Narrow strings in the process's code page, as the framework's string class
// holds them.
typedef std::string CString;

#endif
