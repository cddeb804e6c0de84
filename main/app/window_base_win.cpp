#include "main/app/window_base_win.h"

#include "shared/win/system_error_win.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace qb::win {

WindowBase::~WindowBase() {
  if (hwnd_ && ::IsWindow(hwnd_)) {
    ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

void WindowBase::CreateTopLevel(HINSTANCE instance, const ClassInfo& info, const char* caption,
                                DWORD style, DWORD exStyle, HWND owner, int outerWidth,
                                int outerHeight) {
  WNDCLASSA existing{};
  if (!::GetClassInfoA(instance, info.name, &existing)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Route;
    wc.hInstance = instance;
    wc.hIcon = info.icon;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = info.background;
    wc.lpszClassName = info.name;
    if (!::RegisterClassA(&wc)) ThrowLastError(std::string("RegisterClass ") + info.name);
  }
  ::CreateWindowExA(exStyle, info.name, caption, style, 0, 0, outerWidth, outerHeight, owner,
                    nullptr, instance, this);
  if (!hwnd_) ThrowLastError(std::string("CreateWindow ") + info.name);
}

LRESULT WindowBase::OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK WindowBase::Route(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<WindowBase*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    const LRESULT result = self->OnMessage(msg, wp, lp);
    self->hwnd_ = nullptr;
    return result;
  }
  return self->OnMessage(msg, wp, lp);
}

GdiObject MakeFont(const char* face, int characterHeight, bool bold, bool underline) {
  GdiObject font(::CreateFontA(-characterHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                               underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, face));
  if (!font) ThrowLastError(std::string("CreateFont ") + face);
  return font;
}

HWND MakeControl(HWND parent, const char* windowClass, const std::string& text, DWORD style,
                 int left, int top, int width, int height, int id, HFONT font, DWORD exStyle) {
  HWND control = ::CreateWindowExA(exStyle, windowClass, text.c_str(), WS_CHILD | style, left,
                                   top, width, height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   reinterpret_cast<HINSTANCE>(
                                       ::GetWindowLongPtrA(parent, GWLP_HINSTANCE)),
                                   nullptr);
  if (!control) ThrowLastError(std::string("CreateWindow ") + windowClass);
  if (font) ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

namespace {

LRESULT CALLBACK ClickOnRelease(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ::SetCapture(hwnd);
      return 0;
    case WM_LBUTTONUP: {
      if (::GetCapture() != hwnd) return 0;
      ::ReleaseCapture();
      RECT client{};
      ::GetClientRect(hwnd, &client);
      const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      if (::PtInRect(&client, at))
        ::SendMessageA(::GetParent(hwnd), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(hwnd), STN_CLICKED),
                       reinterpret_cast<LPARAM>(hwnd));
      return 0;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(hwnd, ClickOnRelease, 1);
      break;
  }
  return ::DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void ReportClickOnRelease(HWND control) { ::SetWindowSubclass(control, ClickOnRelease, 1, 0); }

void FitLabelToText(HWND label) {
  const std::string text = WindowText(label);
  WindowDc dc(label);
  if (!dc.get()) return;
  auto font = reinterpret_cast<HGDIOBJ>(::SendMessageA(label, WM_GETFONT, 0, 0));
  Selection selected(dc.get(), font);
  RECT box{0, 0, 0, 0};
  // DT_CALCRECT measures the text as the label draws it (line breaks, '&' prefixes).
  ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &box,
              DT_CALCRECT | DT_LEFT | DT_NOCLIP);
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc.get(), &metrics);
  const int height = std::max<int>(box.bottom - box.top, metrics.tmHeight);
  ::SetWindowPos(label, nullptr, 0, 0, box.right - box.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE OuterSizeForClient(int width, int height, DWORD style, DWORD exStyle) {
  RECT r{0, 0, width, height};
  ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void CentreOn(HWND window, HWND reference) {
  RECT outer{};
  ::GetWindowRect(window, &outer);
  RECT area{};
  if (reference) {
    ::GetWindowRect(reference, &area);
  } else {
    area = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  }
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  int left = area.left + (area.right - area.left - width) / 2;
  int top = area.top + (area.bottom - area.top - height) / 2;
  left = std::max(0, std::min(left, ::GetSystemMetrics(SM_CXSCREEN) - width));
  top = std::max(0, std::min(top, ::GetSystemMetrics(SM_CYSCREEN) - height));
  ::SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT RectInParent(HWND control) {
  RECT r{};
  ::GetWindowRect(control, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string WindowText(HWND window) {
  const int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

}  // namespace qb::win
