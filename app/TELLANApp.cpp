#include "app/TELLANApp.h"

#include "app/TELLANDlg.h"
#include "framework/Dialog.h"

CTELLANApp theApp;

CTELLANApp::CTELLANApp() : CWinApp(nullptr) {}

CTELLANApp::~CTELLANApp() = default;

BOOL CTELLANApp::InitInstance() {
  InitCommonControls();
  CWinApp::InitInstance();
  AfxEnableControlContainer();

  CTELLANDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  // The window is gone once DoModal returns.
  m_pMainWnd = nullptr;
  return FALSE;
}
