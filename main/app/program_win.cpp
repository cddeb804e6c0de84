// Entry point of the main edition.
#include <windows.h>

namespace {

constexpr char kWindowClass[] = "QuillborneMain";
constexpr char kTitle[] = "Quillborne";
constexpr int kClientWidth = 606;
constexpr int kClientHeight = 410;

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT r{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&r, style, FALSE);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HWND hwnd = CreateWindowA(kWindowClass, kTitle, style, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                            (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h, nullptr, nullptr,
                            instance, nullptr);
  ShowWindow(hwnd, show);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
