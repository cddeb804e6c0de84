#include "main/app/scan_id_win.h"

#include <objbase.h>
#include <windows.h>

#include "main/app/submission_page.h"
#include "shared/win/system_error_win.h"

namespace qb {

std::string NewScanId() {
  GUID guid{};
  const HRESULT created = ::CoCreateGuid(&guid);
  if (FAILED(created)) throw win::SystemError(static_cast<DWORD>(created), "CoCreateGuid");
  wchar_t text[40] = {};
  const int length = ::StringFromGUID2(guid, text, 40);  // "{8-4-4-4-12}" and its terminator
  if (length <= 1) throw win::SystemError(ERROR_INSUFFICIENT_BUFFER, "StringFromGUID2");
  // The registry form holds only braces, hyphens and hexadecimal digits: plain ASCII.
  std::string registryForm;
  for (int i = 0; i < length - 1; ++i) registryForm += static_cast<char>(text[i]);
  return FormatScanId(registryForm);
}

}  // namespace qb
