// The framework's command-line collector: ParseCommandLine hands it every
// parameter in order.
#ifndef TELLAN_FRAMEWORK_COMMANDLINEINFO_H
#define TELLAN_FRAMEWORK_COMMANDLINEINFO_H

#include "framework/afx.h"

class CCommandLineInfo {
 public:
  CCommandLineInfo() = default;
  virtual ~CCommandLineInfo() = default;
  CCommandLineInfo(const CCommandLineInfo&) = delete;
  CCommandLineInfo& operator=(const CCommandLineInfo&) = delete;

  // pszParam: the parameter without its switch character; bFlag: a switch
  // character was dropped; bLast: this is the last parameter. The
  // framework's standard switches mean nothing to TELLAN, so the base
  // collects nothing.
  virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);
};

// Feeds info with params (the parameters after the program name): one leading
// character out of switchCharacters is dropped from each, then ParseParam runs.
void AfxParseParameters(CCommandLineInfo& info, const std::vector<std::string>& params,
                        const char* switchCharacters);

#endif
