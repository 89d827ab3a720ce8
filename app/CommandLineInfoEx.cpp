#include "app/CommandLineInfoEx.h"

CCommandLineInfoEx::CCommandLineInfoEx() = default;

CCommandLineInfoEx::~CCommandLineInfoEx() { m_arrParams.clear(); }

void CCommandLineInfoEx::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
  (void)bFlag;
  (void)bLast;
  m_arrParams.emplace_back(pszParam);
}
