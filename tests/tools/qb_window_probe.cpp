// Reads windows of another program for the GUI tests (Win32 sees what X does not: classes,
// control identifiers, texts, enabled states).
//   qb_window_probe list                         visible top-level windows: hwnd class enabled title
//   qb_window_probe state <title> [class]        "visible|hidden enabled|disabled WxH" (client size)
//   qb_window_probe children <title> [class]     id class x,y,w,h text   (one line per child)
//   qb_window_probe text <title> <id> [class]    the text of one child control
//   qb_window_probe press <title> <id> [class]   clicks a button of the window (BM_CLICK)
//   qb_window_probe close <title> [class]        asks the window to close (WM_CLOSE)
//   qb_window_probe watch <title> <ms> <other>   waits for <title> to be shown then hidden again;
//                                                prints "watching", then "shown other=enabled|
//                                                disabled" and "hidden"
// Exit code 0 on success, 1 when the window is not there (or the watch timed out), 2 on usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Query {
  const char* title;
  const char* windowClass;  // null: any
  bool visibleOnly;
  HWND found;
};

std::string ClassOf(HWND window) {
  char name[256] = {};
  ::GetClassNameA(window, name, sizeof name - 1);
  return name;
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return std::string();
  std::vector<char> buffer(length + 1, '\0');
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
  return std::string(buffer.data(), copied);
}

// Line breaks shown as \r and \n so each child stays on one line.
std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto* q = reinterpret_cast<Query*>(param);
  if (q->visibleOnly && !::IsWindowVisible(window)) return TRUE;
  if (q->windowClass && ClassOf(window) != q->windowClass) return TRUE;
  char title[1024] = {};
  ::GetWindowTextA(window, title, sizeof title - 1);
  if (std::strcmp(title, q->title) != 0) return TRUE;
  q->found = window;
  return FALSE;
}

HWND FindTop(const char* title, const char* windowClass, bool visibleOnly) {
  Query q{title, windowClass, visibleOnly, nullptr};
  ::EnumWindows(Match, reinterpret_cast<LPARAM>(&q));
  return q.found;
}

BOOL CALLBACK PrintTop(HWND window, LPARAM) {
  if (!::IsWindowVisible(window)) return TRUE;
  char title[1024] = {};
  ::GetWindowTextA(window, title, sizeof title - 1);
  std::printf("%p\t%s\t%s\t%s\n", static_cast<void*>(window), ClassOf(window).c_str(),
              ::IsWindowEnabled(window) ? "enabled" : "disabled", title);
  return TRUE;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM parent) {
  if (::GetParent(child) != reinterpret_cast<HWND>(parent)) return TRUE;  // direct children only
  RECT r{};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&r), 2);
  std::printf("%d\t%s\t%ld,%ld,%ld,%ld\t%s\n", ::GetDlgCtrlID(child), ClassOf(child).c_str(),
              r.left, r.top, r.right - r.left, r.bottom - r.top, OneLine(TextOf(child)).c_str());
  return TRUE;
}

int Watch(const char* title, int milliseconds, const char* other) {
  const DWORD start = ::GetTickCount();
  // Both windows exist (hidden or not) before the watch starts; look them up once, so each
  // round of the loop asks the server as little as possible and the scan is not slowed down.
  HWND window = FindTop(title, nullptr, false);
  HWND otherWindow = FindTop(other, nullptr, true);
  if (!window || !otherWindow) return 1;
  std::printf("watching\n");
  std::fflush(stdout);
  bool shown = false;
  DWORD shownAt = 0;
  while (::GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
    const bool visible = ::IsWindowVisible(window) != FALSE;
    if (visible && !shown) {
      std::printf("shown other=%s\n", ::IsWindowEnabled(otherWindow) ? "enabled" : "disabled");
      std::fprintf(stderr, "shown %lu ms after the watch began\n",
                   static_cast<unsigned long>(::GetTickCount() - start));
      std::fflush(stdout);
      shown = true;
      shownAt = ::GetTickCount();
    } else if (!visible && shown) {
      std::printf("hidden\n");
      std::fprintf(stderr, "shown for about %lu ms\n",
                   static_cast<unsigned long>(::GetTickCount() - shownAt));
      return 0;
    }
    ::Sleep(1);
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string command = argv[1];
  if (command == "list") {
    ::EnumWindows(PrintTop, 0);
    return 0;
  }
  if (command == "watch" && argc == 5) return Watch(argv[2], std::atoi(argv[3]), argv[4]);
  if (argc < 3) return 2;
  const char* title = argv[2];
  if (command == "state") {
    HWND window = FindTop(title, argc > 3 ? argv[3] : nullptr, false);
    if (!window) return 1;
    RECT client{};
    ::GetClientRect(window, &client);
    std::printf("%s %s %ldx%ld\n", ::IsWindowVisible(window) ? "visible" : "hidden",
                ::IsWindowEnabled(window) ? "enabled" : "disabled", client.right, client.bottom);
    return 0;
  }
  if (command == "children") {
    HWND window = FindTop(title, argc > 3 ? argv[3] : nullptr, true);
    if (!window) return 1;
    ::EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(window));
    return 0;
  }
  if (command == "press" && argc >= 4) {
    HWND window = FindTop(title, argc > 4 ? argv[4] : nullptr, true);
    HWND button = window ? ::GetDlgItem(window, std::atoi(argv[3])) : nullptr;
    if (!button) return 1;
    ::PostMessageA(button, BM_CLICK, 0, 0);
    return 0;
  }
  if (command == "close") {
    HWND window = FindTop(title, argc > 3 ? argv[3] : nullptr, false);
    if (!window) return 1;
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == "text" && argc >= 4) {
    HWND window = FindTop(title, argc > 4 ? argv[4] : nullptr, true);
    if (!window) return 1;
    HWND child = ::GetDlgItem(window, std::atoi(argv[3]));
    if (!child) return 1;
    std::printf("%s\n", TextOf(child).c_str());
    return 0;
  }
  return 2;
}
