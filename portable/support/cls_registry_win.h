#pragma once
// clsRegistry: reads one registry value, the key addressed by a root name and a path.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace qbp {

// A value as read: nothing (an empty default), text (REG_SZ), bytes (REG_BINARY) or a
// 32-bit number (every other type).
using RegistryValue =
    std::variant<std::monostate, std::wstring, std::vector<std::uint8_t>, std::uint32_t>;

class clsRegistry {
 public:
  // The value sItemName ("" = the key's default value) of root sKeyName + sKeyPath, or
  // vDefault when the key cannot be opened or the value cannot be read. Never raises.
  RegistryValue LoadValue(const std::wstring& sKeyPath, const std::wstring& sItemName,
                          const RegistryValue& vDefault, const std::wstring& sKeyName) const;
};

}  // namespace qbp
