#include "main/app/waiting_form_win.h"

namespace qb {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION;  // a dialog frame without any border icon
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
constexpr COLORREF kNavy = RGB(0, 0, 128);

}  // namespace

TfrmWaiting::TfrmWaiting(HINSTANCE instance, HWND mainWindow)
    : main_window_(mainWindow), label_font_(win::MakeFont("Tahoma", 21, true)) {
  const SIZE outer = win::OuterSizeForClient(406, 74, kStyle, kExStyle);
  CreateTopLevel(instance,
                 {"TfrmWaiting", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr},
                 "Please wait", kStyle, kExStyle, mainWindow, outer.cx, outer.cy);
  Label1 = win::MakeControl(Handle(), "STATIC", "Please wait.......................",
                            WS_VISIBLE | SS_LEFT, 48, 24, 282, 25, 1, win::FontOf(label_font_));
}

void TfrmWaiting::ShowAndPaint() {
  win::CentreOn(Handle(), main_window_);
  ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  ::RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TfrmWaiting::Hide() { ::ShowWindow(Handle(), SW_HIDE); }

LRESULT TfrmWaiting::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CTLCOLORSTATIC: {
      auto dc = reinterpret_cast<HDC>(wp);
      ::SetTextColor(dc, kNavy);
      ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CLOSE:  // no close box; Alt+F4 must not destroy a window that is created once
      Hide();
      return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace qb
