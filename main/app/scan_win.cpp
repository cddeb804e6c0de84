// The scan run by a click on the scan picture: report, payloads, page, delivery.
#include <stdexcept>

#include "main/app/driver_report.h"
#include "main/app/folder_browser_win.h"
#include "main/app/main_form_win.h"
#include "main/app/message_box_win.h"
#include "main/app/scan_id_win.h"
#include "main/app/settings_win.h"
#include "main/app/shell_open_win.h"
#include "main/app/submission_page.h"
#include "main/app/text_file_win.h"
#include "main/pcinfo/hardware_id_win.h"
#include "main/support/file_digest_win.h"
#include "main/support/pc1.h"
#include "main/support/process_inventory_win.h"

namespace qb {
namespace {

// The payload key of every cipher call.
const std::string kPayloadKey = "plumwake";

std::string Encipher(const std::string& text) { return PC1EncryptText(kPayloadKey, text); }
std::string Decipher(const std::string& text) { return PC1DecryptText(kPayloadKey, text); }

}  // namespace

std::string TForm1::BuildDriverReport() {
  FDriverController->EnumerateDrivers();
  return BuildDriverReportText(FPCInfoController->Facts(), FDriverController->Drivers(),
                               GetEnvVar("SystemRoot"), GetFileMD5);
}

void TForm1::DoScan() {
  // Without the services (start-up failed) there is nothing to take an inventory of.
  if (!FDriverController || !FPCInfoController)
    throw std::runtime_error("The device inventory is not available");

  const std::string templ = TemplateText();
  const std::string report = BuildDriverReport();
  PageValues values;
  values.scanid = NewScanId();
  const std::string pagePath = GetTempFolder() + "\\driver.html";
  DriversPayload payload = BuildDriversPayload(report, Encipher, Decipher);
  values.drivers = std::move(payload.drivers);
  values.setup_api_log = std::move(payload.diagnostic);
  values.proc = Encipher(GetProcessInventory());
  values.version = FAppVersion;
  values.email = ReadSetting("email");
  values.password = ReadSetting("password");
  values.hwid = Encipher(GetHardwareId());
  const std::string page = FillPage(templ, values);
  SaveTextFile(pagePath, page);

  if (!InternetUnavailable()) {
    OpenInBrowser(Handle(), pagePath);
    return;
  }
  const std::optional<std::string> folder = ChooseUsbFolder(Handle());
  if (!folder) {
    ShowMessage(Handle(), "Directory selection aborted");
    return;
  }
  SaveTextFile(PathInFolder(*folder, "drivers.html"), page);
  ShowMessage(Handle(),
              "Now copy the file drivers.html to your USB and open it on a computer with internet "
              "connection.");
  OpenFolder(Handle(), *folder);
  StartUploaderIfPresent(Handle(), values.scanid);
}

}  // namespace qb
