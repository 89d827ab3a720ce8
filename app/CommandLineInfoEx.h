// Collects every command-line parameter, in order, ignoring the framework's
// standard switches.
#ifndef TELLAN_APP_COMMANDLINEINFOEX_H
#define TELLAN_APP_COMMANDLINEINFOEX_H

#include "framework/CommandLineInfo.h"

class CCommandLineInfoEx : public CCommandLineInfo {
 public:
  CCommandLineInfoEx();
  ~CCommandLineInfoEx() override;

  void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;

  std::vector<CString> m_arrParams;
};

#endif
