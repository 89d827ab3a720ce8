// The host dialog on real windows: created from template 102, ended during
// its initialisation, and never visible, whatever asks to show it.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/TELLANDlg.h"
#include "res/resource.h"

namespace {

class ShowingDialog : public CTELLANDlg {
 public:
  enum class End { WithCode, Never, ByThrowing };
  explicit ShowingDialog(End end) : m_end(end) {}

  BOOL OnInitDialog() override {
    initialised = true;
    ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    visibleDuringInit = ::IsWindowVisible(m_hWnd) != FALSE;
    char title[32] = {};
    ::GetWindowTextA(m_hWnd, title, sizeof title);
    windowTitle = title;
    if (m_end == End::ByThrowing) throw std::runtime_error("escapes the initialisation");
    if (m_end == End::WithCode) EndDialog(7);
    return FALSE;
  }

  bool initialised = false;
  bool visibleDuringInit = true;
  std::string windowTitle;

 private:
  End m_end;
};

TEST(WindowHost, TheHostDialogEndsInItsInitialisationAndIsNeverShown) {
  struct Case {
    ShowingDialog::End end;
    INT_PTR result;
  };
  const Case cases[] = {{ShowingDialog::End::WithCode, 7},
                        {ShowingDialog::End::Never, -1},
                        {ShowingDialog::End::ByThrowing, 0}};
  for (const Case& c : cases) {
    ShowingDialog dialog(c.end);
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_TRUE(dialog.initialised);
    EXPECT_FALSE(dialog.visibleDuringInit);
    EXPECT_EQ(dialog.windowTitle, "TELLAN");
    EXPECT_EQ(dialog.m_hWnd, nullptr);
  }
}

TEST(WindowHost, TheApplicationIconComesFromTheResources) {
  EXPECT_NE(AfxLoadIcon(IDR_MAINFRAME), nullptr);
  EXPECT_EQ(AfxLoadIcon(1), nullptr);
}

}  // namespace
