#include "main/support/process_inventory_win.h"

#include <windows.h>

#include "main/support/file_digest_win.h"
#include "main/support/process_inventory.h"
#include "main/support/version_strings_win.h"
#include "shared/win/com_win.h"
#include "shared/win/wmi_win.h"

namespace qb {
namespace {

constexpr long kWbemNotFound = static_cast<long>(0x80041002);

// Some WMI providers (Wine's among them) lack ExecutablePath altogether; such a process is
// treated like one whose path is Null, i.e. it is left out.
std::optional<std::string> ExecutablePath(const win::WmiObject& object) {
  try {
    return object.Text(L"ExecutablePath");
  } catch (const win::WmiError& error) {
    if (error.hresult() == kWbemNotFound) return std::nullopt;
    throw;
  }
}

ProcessEntry ReadProcess(const win::WmiObject& object) {
  ProcessEntry process;
  process.ExecutablePath = ExecutablePath(object);
  if (process.ExecutablePath) {
    process.ProcessId = object.Text(L"ProcessId").value_or("");
    process.Name = object.Text(L"Name").value_or("");
  }
  return process;
}

void ForEachWmiProcess(const std::function<void(const ProcessEntry&)>& visit) {
  win::ForEachWmiObject(
      L"localhost", L"root\\CIMV2",
      L"SELECT Name,ExecutablePath, ProcessId,CommandLine,OSName,ThreadCount,Description "
      L"FROM Win32_Process",
      32 /* wbemFlagForwardOnly */, [&](const win::WmiObject& object) { visit(ReadProcess(object)); });
}

}  // namespace

std::string GetProcessInventory() {
  const win::ComApartment com;
  return BuildProcessInventoryText(ForEachWmiProcess,
                                   {GetFileSizeByName, GetFileMD5, ReadVersionStrings});
}

}  // namespace qb
