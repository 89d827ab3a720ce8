#include "framework/Dialog.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::EndDialog(int nResult) {
  m_bEnded = TRUE;
  m_nEndCode = nResult;
}

BOOL CDialog::HandleInitDialog() {
  BOOL result = FALSE;
  try {
    result = OnInitDialog();
  } catch (...) {
    // Nothing more can be done for the run; the dialog must still end so
    // that no modal loop keeps the process alive.
    EndDialog(0);
    return FALSE;
  }
  // A dialog that its initialisation did not end would wait in its modal
  // loop for a user who cannot see it; it ends here instead.
  if (!IsEnded()) EndDialog(-1);
  return result;
}

void CDialog::OnPaint() { CWnd::OnPaint(); }
