// The framework's application object and the program's entry into it.
#ifndef TELLAN_FRAMEWORK_WINAPP_H
#define TELLAN_FRAMEWORK_WINAPP_H

#include "framework/afx.h"

class CWnd;
class CCommandLineInfo;

class CWinApp {
 public:
  explicit CWinApp(const char* pszAppName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance();
  virtual int ExitInstance();

  // Feeds info with the process's parameters, in order.
  void ParseCommandLine(CCommandLineInfo& info);

  // The parameters after the program name, as the runtime split them.
  void SetParameters(std::vector<std::string> params);
  const std::vector<std::string>& Parameters() const { return m_params; }

  CWnd* m_pMainWnd = nullptr;
  CString m_strAppName;

 private:
  std::vector<std::string> m_params;
};

CWinApp* AfxGetApp();

// Runs the application: InitInstance, then ExitInstance. Whatever happens,
// even an exception that escapes the run, the result is 0, the exit status.
int AfxWinMain(int argc, char** argv);

// Framework start-up services; they have nothing to do where there are no
// windows.
void AfxEnableControlContainer();

#endif
