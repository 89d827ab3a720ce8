#include <clocale>

#include "framework/WinApp.h"
#include "platform/Services.h"

int main(int argc, char** argv) {
  platform::PrepareProcess();
  // Texts are shown in the code page of the user's locale.
  std::setlocale(LC_ALL, "");
  return AfxWinMain(argc, argv);
}
