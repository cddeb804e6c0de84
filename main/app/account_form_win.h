#pragma once
// The account dialog: the e-mail address and password every scan sends, kept in info.txt.
#include <windows.h>

#include <string>

#include "main/app/window_base_win.h"

namespace qb {

class TfrmAccount : public win::WindowBase {
 public:
  enum ControlId { kTxtEmail = 101, kTxtPassword, kBtnSave, kButton2 };

  // Created once, hidden, owned by the main window; FormCreate fills the boxes from the file.
  TfrmAccount(HINSTANCE instance, HWND mainWindow);

  // Shows it without waiting; when already shown, only brings it forward.
  void ShowNonModal();

  void FormCreate();
  void btnSaveClick();
  void Button2Click();

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Hide();
  HWND main_window_;
  HWND last_focus_ = nullptr;
  win::GdiObject font_;
  HWND Label1 = nullptr, Label2 = nullptr;
  HWND txtEmail = nullptr, txtPassword = nullptr;
  HWND btnSave = nullptr, Button2 = nullptr;
};

}  // namespace qb
