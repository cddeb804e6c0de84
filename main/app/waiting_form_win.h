#pragma once
// The wait window shown while a scan runs. It has no code of its own beyond showing itself.
#include <windows.h>

#include "main/app/window_base_win.h"

namespace qb {

class TfrmWaiting : public win::WindowBase {
 public:
  // Created hidden; owner is the main window, on which it is centred when shown.
  TfrmWaiting(HINSTANCE instance, HWND mainWindow);

  // Shows it on top and paints it at once: the scan that follows does not let messages run.
  void ShowAndPaint();
  void Hide();

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HWND main_window_;
  win::GdiObject label_font_;
  HWND Label1 = nullptr;
};

}  // namespace qb
