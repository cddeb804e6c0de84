#include "main/app/main_form_win.h"

#include <commctrl.h>

#include "main/app/account_form_win.h"
#include "main/app/app_texts.h"
#include "main/app/artwork_ids.h"
#include "main/app/error_handler_win.h"
#include "main/app/submission_page.h"
#include "main/app/waiting_form_win.h"

namespace qb {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kClientWidth = 606;
constexpr int kClientHeight = 410;
constexpr int kBackgroundTop = -8;              // Image3 starts above the client area
constexpr COLORREF kScanKeyColour = RGB(255, 0, 255);  // transparent in the scan picture
constexpr COLORREF kGrey = RGB(128, 128, 128);

bool FileExists(const char* name) {
  const DWORD attributes = ::GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

SIZE BitmapSize(HGDIOBJ bitmap) {
  BITMAP info{};
  ::GetObjectA(bitmap, sizeof info, &info);
  return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace

TForm1::TForm1(HINSTANCE instance)
    : FAppVersion(kBaseVersion),
      font_(win::MakeFont("MS Sans Serif", 11)),
      bold_font_(win::MakeFont("MS Sans Serif", 11, true)),
      link_font_(win::MakeFont("MS Sans Serif", 11, false, true)),
      heading_font_(win::MakeFont("Courier New", 16, true, true)) {
  LoadArtwork(instance);
  const SIZE outer = win::OuterSizeForClient(kClientWidth, kClientHeight, kStyle, 0);
  CreateTopLevel(instance,
                 {"TForm1", ::GetSysColorBrush(COLOR_BTNHIGHLIGHT),
                  ::LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon))},
                 kApplicationTitle, kStyle, 0, nullptr, outer.cx, outer.cy);
  win::CentreOn(Handle(), nullptr);
  CreateControls();
  RunReportingErrors(nullptr, [this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::LoadArtwork(HINSTANCE instance) {
  background_.reset(::LoadImageA(instance, MAKEINTRESOURCEA(kBackgroundBitmap), IMAGE_BITMAP, 0,
                                 0, LR_CREATEDIBSECTION));
  scan_picture_.reset(::LoadImageA(instance, MAKEINTRESOURCEA(kScanBitmap), IMAGE_BITMAP, 0, 0,
                                   LR_CREATEDIBSECTION));
  if (background_)
    background_brush_.reset(::CreatePatternBrush(static_cast<HBITMAP>(background_.get())));
}

void TForm1::CreateControls() {
  HWND self = Handle();
  HFONT font = win::FontOf(font_), bold = win::FontOf(bold_font_);
  // No word wrap: a text wider than its fixed box is cut at the edge rather than lost to a
  // hidden second line (fonts differ between systems).
  const DWORD label = WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX;
  // Image3, the background picture, is painted by the window itself (PaintBackground): as a
  // child it would sit above the controls created after it.
  Label1 = win::MakeControl(self, "STATIC", "Operating System:", label, 24, 360, 104, 13, kLabel1,
                            bold);
  Label2 = win::MakeControl(self, "STATIC", "Computer Name  :", label, 24, 328, 102, 13, kLabel2,
                            bold);
  Label3 = win::MakeControl(self, "STATIC", "Model                :", label, 24, 344, 103, 13,
                            kLabel3, bold);
  lblPCName = win::MakeControl(self, "STATIC", "lblPCName", label, 136, 328, 0, 0, kLblPCName,
                               font);
  lblModel = win::MakeControl(self, "STATIC", "lblModel", label, 136, 344, 0, 0, kLblModel, font);
  lblOperatingSystem = win::MakeControl(self, "STATIC", "lblOperatingSystem", label, 144, 360, 0,
                                        0, kLblOperatingSystem, font);
  for (HWND fitted : {lblPCName, lblModel, lblOperatingSystem}) win::FitLabelToText(fitted);
  Label9 = win::MakeControl(self, "STATIC", "PC Information", label, 24, 301, 140, 18, kLabel9,
                            win::FontOf(heading_font_));
  Image1 = win::MakeControl(self, "STATIC", "", WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY, 200, 136,
                            225, 57, kImage1, nullptr);
  Label4 = win::MakeControl(self, "STATIC", "Already have an account?", label | SS_NOTIFY, 448,
                            296, 125, 13, kLabel4, win::FontOf(link_font_));
  win::ReportClickOnRelease(Image1);
  win::ReportClickOnRelease(Label4);
  StatusBar1 = win::MakeControl(self, STATUSCLASSNAMEA, "",
                                WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0,
                                391, 606, 19, kStatusBar1, font);
  ::SendMessageA(StatusBar1, SB_SIMPLE, TRUE, 0);
  chkboxInternet = win::MakeControl(self, "BUTTON", "I do not have internet conection",
                                    WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 216, 200, 193, 17,
                                    kChkboxInternet, font);
  // Outside the client area on purpose: it only holds the page template.
  DriverTemplateMemo = win::MakeControl(
      self, "EDIT", "", WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
      640, 256, 497, 89, kDriverTemplateMemo, font, WS_EX_CLIENTEDGE);
  ::SendMessageA(DriverTemplateMemo, EM_SETLIMITTEXT, 0, 0);  // no 30000-character cap
  SetTemplateText(DefaultPageTemplate());
}

void TForm1::AttachWindows(TfrmAccount* account, TfrmWaiting* waiting) {
  account_ = account;
  waiting_ = waiting;
}

void TForm1::Show(int showCommand) {
  ::ShowWindow(Handle(), showCommand);
  ::UpdateWindow(Handle());
}

void TForm1::FormCreate() {
  FAppVersion = AppVersionFor(FileExists(kUploaderFileName));
  FDriverController = std::make_unique<DriverController>();
  FPCInfoController = std::make_unique<PCInfoController>();
  const ComputerFacts& facts = FPCInfoController->Facts();
  SetLabel(lblPCName, facts.ComputerName);
  SetLabel(lblOperatingSystem, OperatingSystemLabel(facts));
  SetLabel(lblModel, ModelLabel(facts));
  ::SetWindowTextA(Handle(), MainCaption(FAppVersion).c_str());
}

void TForm1::SetLabel(HWND label, const std::string& text) {
  // The old text's area is repainted from the background, so a shorter text leaves no trace.
  const RECT before = win::RectInParent(label);
  ::SetWindowTextA(label, text.c_str());
  win::FitLabelToText(label);
  ::InvalidateRect(Handle(), &before, TRUE);
  ::InvalidateRect(label, nullptr, TRUE);
}

void TForm1::Image1Click() {
  ::EnableWindow(Handle(), FALSE);
  if (waiting_) waiting_->ShowAndPaint();
  std::exception_ptr failure;
  try {
    DoScan();
  } catch (...) {
    failure = std::current_exception();
  }
  ::EnableWindow(Handle(), TRUE);
  if (waiting_) waiting_->Hide();
  ::SetForegroundWindow(Handle());
  if (failure) {
    try {
      std::rethrow_exception(failure);
    } catch (...) {
      ReportCurrentException(Handle());
    }
  }
}

void TForm1::Label4Click() {
  if (account_) account_->ShowNonModal();
}

bool TForm1::InternetUnavailable() const {
  return ::SendMessageA(chkboxInternet, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string TForm1::TemplateText() const { return win::WindowText(DriverTemplateMemo); }

void TForm1::SetTemplateText(const std::string& text) {
  ::SetWindowTextA(DriverTemplateMemo, text.c_str());
}

void TForm1::PaintBackground(HDC dc) {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  if (!background_) return;
  win::MemoryDc source(::CreateCompatibleDC(dc));
  win::Selection picture(source.get(), background_.get());
  const SIZE size = BitmapSize(background_.get());
  ::BitBlt(dc, 0, kBackgroundTop, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
}

// Labels and the check box lie over the background: they get the background itself as their
// brush, aligned so that its pattern continues the picture under them.
LRESULT TForm1::ColourStatic(HDC dc, HWND control) {
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, control == Label9 ? kGrey : ::GetSysColor(COLOR_WINDOWTEXT));
  if (!background_brush_) return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  const RECT r = win::RectInParent(control);
  ::SetBrushOrgEx(dc, -r.left, -(r.top - kBackgroundTop), nullptr);
  return reinterpret_cast<LRESULT>(background_brush_.get());
}

void TForm1::DrawImage1(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& box = item.rcItem;
  if (background_brush_) {
    const RECT r = win::RectInParent(item.hwndItem);
    ::SetBrushOrgEx(dc, -r.left, -(r.top - kBackgroundTop), nullptr);
    ::FillRect(dc, &box, static_cast<HBRUSH>(background_brush_.get()));
  }
  if (!scan_picture_) return;
  win::MemoryDc source(::CreateCompatibleDC(dc));
  win::Selection picture(source.get(), scan_picture_.get());
  const SIZE size = BitmapSize(scan_picture_.get());
  ::TransparentBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, source.get(),
                   0, 0, size.cx, size.cy, kScanKeyColour);
}

bool TForm1::OnCommand(WPARAM wp) {
  if (HIWORD(wp) != STN_CLICKED) return false;
  if (LOWORD(wp) == kImage1) {
    Image1Click();
    return true;
  }
  if (LOWORD(wp) == kLabel4) {
    RunReportingErrors(Handle(), [this] { Label4Click(); });
    return true;
  }
  return false;
}

LRESULT TForm1::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wp));
      return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ColourStatic(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (item.CtlID == kImage1) DrawImage1(item);
      return TRUE;
    }
    case WM_SETCURSOR: {
      auto over = reinterpret_cast<HWND>(wp);
      if (over == Image1 || over == Label4) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    }
    case WM_COMMAND:
      if (OnCommand(wp)) return 0;
      break;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace qb
