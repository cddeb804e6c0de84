#pragma once
// A top-level window owned by a C++ object, and helpers to lay out its child controls.
#include <windows.h>

#include <string>

#include "shared/win/handles_win.h"

namespace qb::win {

// Registers its window class once and routes every message to OnMessage of the object.
class WindowBase {
 public:
  WindowBase() = default;
  virtual ~WindowBase();
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  HWND Handle() const noexcept { return hwnd_; }

 protected:
  struct ClassInfo {
    const char* name;
    HBRUSH background;
    HICON icon;
  };
  // Creates the window hidden; the outer rectangle is given, the window is placed at 0, 0.
  void CreateTopLevel(HINSTANCE instance, const ClassInfo& info, const char* caption, DWORD style,
                      DWORD exStyle, HWND owner, int outerWidth, int outerHeight);
  virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) {
    return ::DefWindowProcA(hwnd_, msg, wp, lp);
  }

 private:
  static LRESULT CALLBACK Route(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
};

// A font by face and character height in pixels (the height without internal leading).
GdiObject MakeFont(const char* face, int characterHeight, bool bold = false,
                   bool underline = false);
inline HFONT FontOf(const GdiObject& font) { return static_cast<HFONT>(font.get()); }

// A child control at the given client position and size, with the font set.
HWND MakeControl(HWND parent, const char* windowClass, const std::string& text, DWORD style,
                 int left, int top, int width, int height, int id, HFONT font,
                 DWORD exStyle = 0);

// Makes a notifying STATIC report STN_CLICKED to its parent when the button is released over
// it (as a click on a picture or label does), not when it is pressed: a long action run from
// the click then starts after the mouse has been let go.
void ReportClickOnRelease(HWND control);

// Makes a label exactly as large as its text in its font (an auto-sized label).
void FitLabelToText(HWND label);

// The outer size of a window whose client area is width x height.
SIZE OuterSizeForClient(int width, int height, DWORD style, DWORD exStyle);

// Moves the window so that its centre is that of the reference window (desktop when null),
// kept on the screen.
void CentreOn(HWND window, HWND reference);

// The control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control);

std::string WindowText(HWND window);

}  // namespace qb::win
