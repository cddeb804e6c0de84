#pragma once
// The main window: computer facts, the scan picture, the account link and the page template.
#include <windows.h>

#include <memory>
#include <string>

#include "main/app/window_base_win.h"
#include "main/devices/driver_controller_win.h"
#include "main/pcinfo/pc_info_controller_win.h"

namespace qb {

class TfrmAccount;
class TfrmWaiting;

class TForm1 : public win::WindowBase {
 public:
  // Control identifiers (GetDlgCtrlID of each child).
  enum ControlId {
    kLabel1 = 202, kLabel2, kLabel3, kLblPCName, kLblModel, kLblOperatingSystem,
    kLabel9, kImage1, kLabel4, kStatusBar1, kChkboxInternet, kDriverTemplateMemo
  };

  // Creates the window and its controls hidden, then runs FormCreate; an error there is
  // reported by the general error handler and the window keeps its design texts.
  explicit TForm1(HINSTANCE instance);
  ~TForm1() override;

  // The other two windows, created after this one.
  void AttachWindows(TfrmAccount* account, TfrmWaiting* waiting);
  void Show(int showCommand);

  void FormCreate();
  void Image1Click();
  void Label4Click();
  void DoScan();                    // scan_win.cpp
  std::string BuildDriverReport();  // scan_win.cpp: enumerates afresh, then the report text

  // "6.0", or "6.0.001" when no uploader lies in the working directory.
  const std::string& AppVersion() const { return FAppVersion; }
  // Null when FormCreate failed before creating them.
  DriverController* Drivers() const { return FDriverController.get(); }
  PCInfoController* PCInfo() const { return FPCInfoController.get(); }

  bool InternetUnavailable() const;  // chkboxInternet ticked
  // The page template held by DriverTemplateMemo (lines joined by CR LF).
  std::string TemplateText() const;
  void SetTemplateText(const std::string& text);

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateControls();
  void LoadArtwork(HINSTANCE instance);
  void SetLabel(HWND label, const std::string& text);
  void PaintBackground(HDC dc);
  LRESULT ColourStatic(HDC dc, HWND control);
  void DrawImage1(const DRAWITEMSTRUCT& item);
  bool OnCommand(WPARAM wp);

  std::string FAppVersion;
  std::unique_ptr<DriverController> FDriverController;
  std::unique_ptr<PCInfoController> FPCInfoController;
  TfrmAccount* account_ = nullptr;
  TfrmWaiting* waiting_ = nullptr;

  win::GdiObject font_, bold_font_, link_font_, heading_font_;
  win::GdiObject background_, scan_picture_, background_brush_;
  HWND Label1 = nullptr, Label2 = nullptr, Label3 = nullptr;
  HWND lblPCName = nullptr, lblModel = nullptr, lblOperatingSystem = nullptr;
  HWND Label9 = nullptr, Image1 = nullptr, Label4 = nullptr, StatusBar1 = nullptr;
  HWND chkboxInternet = nullptr, DriverTemplateMemo = nullptr;
};

}  // namespace qb
