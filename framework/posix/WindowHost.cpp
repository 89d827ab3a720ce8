// The dialog host on Linux: there are no windows, so a modal dialog is its
// initialisation alone, and the window calls answer as for a hidden window.
#include "framework/Dialog.h"

void InitCommonControls() {}

int GetSystemMetrics(int index) {
  return index == SM_CXICON || index == SM_CYICON ? 32 : 0;
}

HICON AfxLoadIcon(UINT nIDResource) {
  (void)nIDResource;
  return nullptr;
}

BOOL CWnd::IsIconic() const { return FALSE; }

void CWnd::GetClientRect(RECT* rect) const { *rect = RECT{0, 0, 0, 0}; }

LRESULT CWnd::SendMessageA(UINT message, WPARAM wParam, LPARAM lParam) {
  (void)message;
  (void)wParam;
  (void)lParam;
  return 0;
}

LRESULT CWnd::Default() { return 0; }

void CWnd::OnPaint() {}

void CWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
  (void)lpwndpos;
  Default();
}

HCURSOR CWnd::OnQueryDragIcon() { return nullptr; }

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd) {}

CPaintDC::~CPaintDC() = default;

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
  (void)x;
  (void)y;
  (void)hIcon;
  return FALSE;
}

INT_PTR CDialog::DoModal() {
  HandleInitDialog();
  return GetEndCode();
}
