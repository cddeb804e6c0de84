#include "main/devices/driver_key_values_win.h"

#include <windows.h>

#include <vector>

#include "main/devices/device_properties.h"
#include "shared/win/handles_win.h"

namespace qb::win {
namespace {

RegKey OpenForReading(const std::string& path) {
  RegKey key;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.put()) !=
      ERROR_SUCCESS)
    key.reset();
  return key;
}

RegKey OpenDriverKey(const std::string& driverKey) {
  RegKey key = OpenForReading(DriverClassKeyPath("CurrentControlSet", driverKey));
  if (!key) key = OpenForReading(DriverClassKeyPath("ControlSet002", driverKey));
  return key;
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// A string value as stored; empty for a missing value or one of another type.
std::string ReadStringValue(HKEY key, const char* valueName) {
  // A value may grow between the size query and the read: ask again a few times.
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (::RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        !IsStringType(type))
      return {};
    std::vector<char> data(size + 1, '\0');  // one spare zero for a value stored without one
    type = REG_NONE;
    DWORD received = size;
    const LONG status = ::RegQueryValueExA(key, valueName, nullptr, &type,
                                           reinterpret_cast<BYTE*>(data.data()), &received);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS || !IsStringType(type)) return {};
    return TextUpToZero(data.data(), received);
  }
  return {};
}

}  // namespace

std::string ReadDriverKeyValue(const std::string& driverKey, const char* valueName) {
  RegKey key = OpenDriverKey(driverKey);
  if (!key) return {};
  return ReadStringValue(key.get(), valueName);
}

}  // namespace qb::win
