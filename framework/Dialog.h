// The framework's window and modal dialog. The platform-neutral parts live in
// Dialog.cpp; the window itself (creation, painting, default processing) is
// the OS's, in framework/<os>/WindowHost.cpp.
#ifndef TELLAN_FRAMEWORK_DIALOG_H
#define TELLAN_FRAMEWORK_DIALOG_H

#include "framework/afx.h"

#ifdef _WIN32
#include <commctrl.h>
#else
// Registers the common control classes; there are none without windows.
void InitCommonControls();
int GetSystemMetrics(int index);
#endif

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  BOOL IsIconic() const;
  void GetClientRect(RECT* rect) const;
  LRESULT SendMessageA(UINT message, WPARAM wParam, LPARAM lParam);

  // Handlers of the window's messages, called by the window host.
  virtual void OnPaint();
  virtual void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  virtual HCURSOR OnQueryDragIcon();

  HWND m_hWnd = nullptr;

 protected:
  // The default processing of the message being handled.
  LRESULT Default();
};

// The device context of one WM_PAINT.
class CPaintDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC();
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC GetSafeHdc() const { return m_hDC; }
  BOOL DrawIcon(int x, int y, HICON hIcon);

 private:
  CWnd* m_pWnd;
  HDC m_hDC = nullptr;
  void* m_paint = nullptr;
};

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Creates the dialog from its template and runs it modally; a dialog ended
  // during its initialisation runs no modal loop. Returns the end code, or -1
  // when the dialog could not be created.
  virtual INT_PTR DoModal();
  virtual BOOL OnInitDialog();
  void EndDialog(int nResult);

  // The window host calls this on WM_INITDIALOG. The dialog is ended when
  // it returns: with code 0 when a failure escaped OnInitDialog, with -1
  // when OnInitDialog did not end it, so that the run always ends.
  BOOL HandleInitDialog();

  BOOL IsEnded() const { return m_bEnded; }
  int GetEndCode() const { return m_nEndCode; }
  UINT GetTemplateId() const { return m_nIDTemplate; }

  void OnPaint() override;

 protected:
  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 private:
  BOOL m_bEnded = FALSE;
  int m_nEndCode = 0;
};

// Loads an icon of the program's own resources; null where there are none.
HICON AfxLoadIcon(UINT nIDResource);

#endif
