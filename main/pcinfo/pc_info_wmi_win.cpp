#include "main/pcinfo/pc_info_wmi_win.h"

#include "shared/win/ansi_win.h"
#include "shared/win/wmi_win.h"

namespace qb {
namespace {

const wchar_t* NamespacePath(WmiNamespace wmiNamespace) {
  return wmiNamespace == WmiNamespace::Wmi ? L"root\\WMI" : L"root\\cimv2";
}

void QueryValue(WmiNamespace wmiNamespace, const std::string& server,
                const std::string& className, const std::string& property,
                std::string& result) {
  const std::wstring propertyName = win::FromAnsi(property);
  try {
    win::ForEachWmiObject(win::FromAnsi(server), NamespacePath(wmiNamespace),
                          L"SELECT * FROM " + win::FromAnsi(className), 0,
                          [&](const win::WmiObject& object) {
                            result = InstanceText(wmiNamespace, object.Text(propertyName.c_str()));
                          });
  } catch (const win::WmiError&) {
    // A value that cannot be read is an empty fact; the caller goes on.
    result.clear();
  }
}

}  // namespace

void GetCIMV2Value(const std::string& server, const std::string& className,
                   const std::string& property, std::string& result) {
  QueryValue(WmiNamespace::Cimv2, server, className, property, result);
}

void GetWMIValue(const std::string& server, const std::string& className,
                 const std::string& property, std::string& result) {
  QueryValue(WmiNamespace::Wmi, server, className, property, result);
}

void SystemWmiQueries::Cimv2Value(const std::string& className, const std::string& property,
                                  std::string& result) const {
  GetCIMV2Value("", className, property, result);
}

void SystemWmiQueries::WmiValue(const std::string& className, const std::string& property,
                                std::string& result) const {
  GetWMIValue("", className, property, result);
}

}  // namespace qb
