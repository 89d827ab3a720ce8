// The dialog host on Windows: the framework's window calls on the real
// window, and the dialog procedure that routes the host dialog's messages
// to its handlers.
#include <windows.h>

#include "framework/Dialog.h"

namespace {

// The message being handled, so that Default() can hand it back to the
// dialog manager. Dialog procedures nest (SendMessage to the window itself),
// so each call keeps its own record on the stack.
struct CurrentMessage {
  bool defaultAsked = false;
};
CurrentMessage* g_current = nullptr;

class MessageScope {
 public:
  MessageScope() : m_outer(g_current) { g_current = &m_message; }
  ~MessageScope() { g_current = m_outer; }
  MessageScope(const MessageScope&) = delete;
  MessageScope& operator=(const MessageScope&) = delete;
  bool DefaultAsked() const { return m_message.defaultAsked; }

 private:
  CurrentMessage m_message;
  CurrentMessage* m_outer;
};

CDialog* DialogOf(HWND hwnd) { return reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER)); }

INT_PTR OnInitDialogMessage(HWND hwnd, LPARAM lParam) {
  CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
  ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
  dialog->m_hWnd = hwnd;
  BOOL focusDefault = dialog->HandleInitDialog();
  ::EndDialog(hwnd, dialog->GetEndCode());
  return focusDefault;
}

// Returns what the dialog procedure returns; FALSE leaves the message to the
// dialog manager's default processing.
INT_PTR Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialogMessage(hwnd, lParam);
  CDialog* dialog = DialogOf(hwnd);
  if (dialog == nullptr) return FALSE;
  MessageScope scope;
  switch (message) {
    case WM_WINDOWPOSCHANGING:
      dialog->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
      // The default processing sees the structure as the handler left it.
      return FALSE;
    case WM_PAINT:
      dialog->OnPaint();
      return scope.DefaultAsked() ? FALSE : TRUE;
    case WM_QUERYDRAGICON: {
      HCURSOR icon = dialog->OnQueryDragIcon();
      if (scope.DefaultAsked() || icon == nullptr) return FALSE;
      return reinterpret_cast<INT_PTR>(icon);
    }
    case WM_NCDESTROY:
      dialog->m_hWnd = nullptr;
      ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
      return FALSE;
    default:
      (void)wParam;
      return FALSE;
  }
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // No C++ exception may unwind through the system's frames.
  try {
    return Route(hwnd, message, wParam, lParam);
  } catch (...) {
    if (message == WM_INITDIALOG) ::EndDialog(hwnd, 0);
    return FALSE;
  }
}

}  // namespace

HICON AfxLoadIcon(UINT nIDResource) {
  return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource));
}

BOOL CWnd::IsIconic() const { return m_hWnd != nullptr && ::IsIconic(m_hWnd); }

void CWnd::GetClientRect(RECT* rect) const {
  if (m_hWnd == nullptr || !::GetClientRect(m_hWnd, rect)) *rect = RECT{0, 0, 0, 0};
}

LRESULT CWnd::SendMessageA(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  if (g_current != nullptr) g_current->defaultAsked = true;
  return 0;
}

void CWnd::OnPaint() { Default(); }

void CWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
  (void)lpwndpos;
  Default();
}

HCURSOR CWnd::OnQueryDragIcon() {
  Default();
  return nullptr;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd) {
  PAINTSTRUCT* paint = new PAINTSTRUCT();
  m_paint = paint;
  m_hDC = ::BeginPaint(m_pWnd->m_hWnd, paint);
}

CPaintDC::~CPaintDC() {
  PAINTSTRUCT* paint = static_cast<PAINTSTRUCT*>(m_paint);
  if (m_hDC != nullptr) ::EndPaint(m_pWnd->m_hWnd, paint);
  delete paint;
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
  return m_hDC != nullptr && ::DrawIcon(m_hDC, x, y, hIcon);
}

INT_PTR CDialog::DoModal() {
  HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
  INT_PTR result = ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate),
                                     owner, DialogProc, reinterpret_cast<LPARAM>(this));
  m_hWnd = nullptr;
  return result;
}
