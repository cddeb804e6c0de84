#include "main/app/account_form_win.h"

#include "main/app/artwork_ids.h"
#include "main/app/error_handler_win.h"
#include "main/app/settings_win.h"

namespace qb {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

}  // namespace

TfrmAccount::TfrmAccount(HINSTANCE instance, HWND mainWindow)
    : main_window_(mainWindow), font_(win::MakeFont("Tahoma", 11)) {
  CreateTopLevel(instance,
                 {"TfrmAccount", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                  ::LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon))},
                 "Account Information", kStyle, 0, mainWindow, 414, 190);
  HWND self = Handle();
  HFONT font = win::FontOf(font_);
  Label1 = win::MakeControl(self, "STATIC", "Email", WS_VISIBLE | SS_LEFT, 16, 40, 0, 0, 1, font);
  Label2 = win::MakeControl(self, "STATIC", "Password", WS_VISIBLE | SS_LEFT, 16, 72, 0, 0, 2,
                            font);
  win::FitLabelToText(Label1);
  win::FitLabelToText(Label2);
  // Created in tab order: the dialog manager moves focus in creation order.
  const DWORD edit = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
  txtEmail = win::MakeControl(self, "EDIT", "", edit, 64, 40, 305, 21, kTxtEmail, font,
                              WS_EX_CLIENTEDGE);
  txtPassword = win::MakeControl(self, "EDIT", "", edit | ES_PASSWORD, 64, 72, 305, 21,
                                 kTxtPassword, font, WS_EX_CLIENTEDGE);
  ::SendMessageA(txtPassword, EM_SETPASSWORDCHAR, '*', 0);
  const DWORD button = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  btnSave = win::MakeControl(self, "BUTTON", "Save", button, 88, 112, 75, 25, kBtnSave, font);
  Button2 = win::MakeControl(self, "BUTTON", "Cancel", button, 216, 112, 75, 25, kButton2, font);
  FormCreate();
}

void TfrmAccount::FormCreate() {
  ::SetWindowTextA(txtEmail, ReadSetting("email").c_str());
  ::SetWindowTextA(txtPassword, ReadSetting("password").c_str());
}

void TfrmAccount::ShowNonModal() {
  if (!::IsWindowVisible(Handle())) {
    win::CentreOn(Handle(), main_window_);
    last_focus_ = txtEmail;
  }
  ::ShowWindow(Handle(), SW_SHOW);
  ::SetForegroundWindow(Handle());
  ::BringWindowToTop(Handle());
}

void TfrmAccount::Hide() { ::ShowWindow(Handle(), SW_HIDE); }

void TfrmAccount::btnSaveClick() {
  WriteSetting("email", win::WindowText(txtEmail));
  WriteSetting("password", win::WindowText(txtPassword));
  Hide();
}

void TfrmAccount::Button2Click() { Hide(); }

LRESULT TfrmAccount::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == kBtnSave) {
        RunReportingErrors(Handle(), [this] { btnSaveClick(); });
        return 0;
      }
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == kButton2) {
        Button2Click();
        return 0;
      }
      break;
    case WM_ACTIVATE:  // keep the focused box across switches between windows
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(Handle(), focus)) last_focus_ = focus;
      } else if (last_focus_) {
        ::SetFocus(last_focus_);
      }
      return 0;
    case WM_CLOSE:  // the close box only hides: the dialog lives until the program ends
      Hide();
      return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace qb
