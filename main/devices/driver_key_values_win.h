#pragma once
// Values of a driver's key below the registry's device class key. Read only.
#include <string>

namespace qb::win {

// The string value `valueName` of the driver key, from HKLM
// "System\CurrentControlSet\Control\Class\<driverKey>", or from the same key under
// "System\ControlSet002" when the first cannot be opened. Empty when no key opens, the value
// is missing, or it is not a string (REG_SZ or REG_EXPAND_SZ, taken as stored).
std::string ReadDriverKeyValue(const std::string& driverKey, const char* valueName);

}  // namespace qb::win
