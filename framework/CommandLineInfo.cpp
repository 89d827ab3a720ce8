#include "framework/CommandLineInfo.h"

#include <cstring>

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
  (void)pszParam;
  (void)bFlag;
  (void)bLast;
}

void AfxParseParameters(CCommandLineInfo& info, const std::vector<std::string>& params,
                        const char* switchCharacters) {
  for (std::size_t i = 0; i < params.size(); ++i) {
    const char* text = params[i].c_str();
    BOOL flag = FALSE;
    if (text[0] != '\0' && std::strchr(switchCharacters, text[0]) != nullptr) {
      ++text;
      flag = TRUE;
    }
    info.ParseParam(text, flag, i + 1 == params.size() ? TRUE : FALSE);
  }
}
