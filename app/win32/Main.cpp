// The entry point of the GUI program: the parameters as the C runtime split
// the command line.
#include <windows.h>

#include <cstdlib>

#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  (void)hInstance;
  (void)hPrevInstance;
  (void)lpCmdLine;
  (void)nCmdShow;
  return AfxWinMain(__argc, __argv);
}
