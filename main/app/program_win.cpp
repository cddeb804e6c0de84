// Entry point of the main edition: the three windows and the message loop.
#include <windows.h>

#include <commctrl.h>

#include "main/app/account_form_win.h"
#include "main/app/error_handler_win.h"
#include "main/app/main_form_win.h"
#include "main/app/waiting_form_win.h"
#include "shared/win/com_win.h"

namespace {

void InitControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
  ::InitCommonControlsEx(&controls);
}

// Runs until the main window is destroyed. Tab and the other dialog keys work in every window.
int RunMessageLoop() {
  MSG msg{};
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && ::IsDialogMessageA(root, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  qb::win::ComApartment com;  // single-threaded apartment: the WMI queries need it
  InitControls();
  try {
    qb::TForm1 Form1(instance);
    qb::TfrmAccount frmAccount(instance, Form1.Handle());
    qb::TfrmWaiting frmWaiting(instance, Form1.Handle());
    Form1.AttachWindows(&frmAccount, &frmWaiting);
    Form1.Show(show);
    return RunMessageLoop();
  } catch (...) {
    // A window that cannot be created at all leaves nothing to run.
    qb::ReportCurrentException(nullptr);
    return 1;
  }
}
