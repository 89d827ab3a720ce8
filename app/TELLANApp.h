#ifndef TELLAN_APP_TELLANAPP_H
#define TELLAN_APP_TELLANAPP_H

#include "framework/WinApp.h"

class CTELLANApp : public CWinApp {
 public:
  CTELLANApp();
  ~CTELLANApp() override;

  // One whole run; always FALSE, so that no message loop follows.
  BOOL InitInstance() override;
};

extern CTELLANApp theApp;

#endif
