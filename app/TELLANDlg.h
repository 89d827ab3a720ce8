// The hidden host dialog: its initialisation carries the whole run.
#ifndef TELLAN_APP_TELLANDLG_H
#define TELLAN_APP_TELLANDLG_H

#include "framework/Dialog.h"
#include "res/resource.h"

class CTELLANDlg : public CDialog {
 public:
  enum { IDD = IDD_TELLAN_DIALOG };

  explicit CTELLANDlg(CWnd* pParent = nullptr);
  ~CTELLANDlg() override;

  // TRUE when the run has exactly the parameters "fcc" and the photo list
  // path; the path is then in m_strPhotoListPath.
  BOOL CheckCommandLine();

  // The whole run: the command-line check, then the hand-off when it
  // passes; the dialog is ended before it returns, on every path.
  BOOL OnInitDialog() override;

  // The window is never visible, so painting a minimised window and the drag
  // icon never happen in a run; they stay as the dialog's contract with the
  // window manager.
  void OnPaint() override;
  void OnWindowPosChanging(WINDOWPOS* lpwndpos) override;
  HCURSOR OnQueryDragIcon() override;

  HICON m_hIcon;
  CString m_strPhotoListPath;
};

#endif
