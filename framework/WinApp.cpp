#include "framework/WinApp.h"

#include "framework/CommandLineInfo.h"
#include "platform/Services.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* pszAppName) {
  if (pszAppName != nullptr) m_strAppName = pszAppName;
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
  AfxParseParameters(info, m_params, platform::SwitchCharacters());
}

void CWinApp::SetParameters(std::vector<std::string> params) { m_params = std::move(params); }

CWinApp* AfxGetApp() { return g_app; }

int AfxWinMain(int argc, char** argv) {
  try {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 0;
    std::vector<std::string> params;
    for (int i = 1; i < argc; ++i) params.emplace_back(argv[i]);
    app->SetParameters(std::move(params));
    if (app->InitInstance()) {
      // No message loop: TELLAN's runs end inside InitInstance.
    }
    app->ExitInstance();
  } catch (...) {
    // The exit status carries no result; a failure that got this far has
    // already ended the run.
  }
  return 0;
}

void AfxEnableControlContainer() {}
