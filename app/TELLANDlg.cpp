#include "app/TELLANDlg.h"

#include "app/CommandLineInfoEx.h"
#include "framework/WinApp.h"
#include "handoff/HandOff.h"

#ifdef _WIN32
#include <mbstring.h>
#else
#include <cstring>
#endif

namespace {
// Exact comparison in the ANSI code page.
int CompareMultiByte(const char* a, const char* b) {
#ifdef _WIN32
  return _mbscmp(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b));
#else
  return std::strcmp(a, b);
#endif
}
}  // namespace

CTELLANDlg::CTELLANDlg(CWnd* pParent) : CDialog(CTELLANDlg::IDD, pParent) {
  m_hIcon = AfxLoadIcon(IDR_MAINFRAME);
}

CTELLANDlg::~CTELLANDlg() { m_strPhotoListPath.clear(); }

BOOL CTELLANDlg::CheckCommandLine() {
  CCommandLineInfoEx info;
  AfxGetApp()->ParseCommandLine(info);
  if (info.m_arrParams.size() != 2) return FALSE;
  m_strPhotoListPath = info.m_arrParams[1];
  const CString& mode = info.m_arrParams[0];
  if (mode.empty()) return FALSE;
  if (CompareMultiByte(mode.c_str(), "fcc") != 0) return FALSE;
  return TRUE;
}

BOOL CTELLANDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CheckCommandLine()) handoff::HandOff(m_strPhotoListPath);
  EndDialog(0);
  return 0;
}

void CTELLANDlg::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
  // The template carries the visible style; no request may show the window.
  lpwndpos->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
  Default();
}

void CTELLANDlg::OnPaint() {
  if (IsIconic()) {
    CPaintDC dc(this);
    SendMessageA(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int cxIcon = GetSystemMetrics(SM_CXICON);
    int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    int x = (rect.right - rect.left - cxIcon + 1) / 2;
    int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
  } else {
    CDialog::OnPaint();
  }
}

HCURSOR CTELLANDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
