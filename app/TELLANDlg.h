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

  // The hand-off (handoff/HandOff.cpp).
  BOOL OnInitDialog() override;
  BOOL SubmitPhotoList();

  void OnPaint() override;
  void OnWindowPosChanging(WINDOWPOS* lpwndpos) override;
  HCURSOR OnQueryDragIcon() override;

  HICON m_hIcon;
  CString m_strPhotoListPath;
  // Set when the list could be opened but not read to its end: the list was
  // not consumed, so it is kept for the caller.
  BOOL m_bListReadFailed = FALSE;
};

#endif
