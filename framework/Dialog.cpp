#include "framework/Dialog.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::EndDialog(int nResult) {
  m_bEnded = TRUE;
  m_nEndCode = nResult;
}

BOOL CDialog::HandleInitDialog() {
  try {
    return OnInitDialog();
  } catch (...) {
    // Nothing more can be done for the run; the dialog must still end so
    // that no modal loop keeps the process alive.
    EndDialog(0);
    return FALSE;
  }
}

void CDialog::OnPaint() { CWnd::OnPaint(); }
