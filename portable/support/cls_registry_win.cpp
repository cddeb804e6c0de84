#include "portable/support/cls_registry_win.h"

#include <windows.h>

#include "portable/support/registry_root.h"
#include "shared/win/ansi_win.h"
#include "shared/win/handles_win.h"

namespace qbp {
namespace {

// The predefined root handles are sign-extended 32-bit values in the 64-bit build.
HKEY RootHandle(std::uint32_t code) {
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(code))));
}

RegistryValue ReadText(HKEY key, const char* name, DWORD size, const RegistryValue& vDefault) {
  if (size == 0) return vDefault;  // no room for even the terminating NUL
  std::string data(size, '\0');
  DWORD type = 0;
  if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
          ERROR_SUCCESS ||
      size == 0 || size > data.size())
    return vDefault;
  data.resize(size - 1);  // drop the terminating NUL
  return qb::win::FromAnsi(data);
}

RegistryValue ReadBytes(HKEY key, const char* name, DWORD size, const RegistryValue& vDefault) {
  if (size == 0) return vDefault;  // an array of no elements cannot be made
  std::vector<std::uint8_t> data(size, 0);
  DWORD type = 0;
  if (::RegQueryValueExA(key, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS ||
      size > data.size())
    return vDefault;
  data.resize(size);
  return data;
}

// Every other type goes through a 4-byte number; longer data does not fit and fails.
RegistryValue ReadNumber(HKEY key, const char* name, const RegistryValue& vDefault) {
  DWORD number = 0;
  DWORD size = sizeof number;
  DWORD type = 0;
  if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size) !=
      ERROR_SUCCESS)
    return vDefault;
  return static_cast<std::uint32_t>(number);
}

RegistryValue QueryValueData(HKEY key, const std::string& name, const RegistryValue& vDefault) {
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return vDefault;
  switch (type) {
    case REG_SZ: return ReadText(key, name.c_str(), size, vDefault);
    case REG_BINARY: return ReadBytes(key, name.c_str(), size, vDefault);
    default: return ReadNumber(key, name.c_str(), vDefault);
  }
}

}  // namespace

RegistryValue clsRegistry::LoadValue(const std::wstring& sKeyPath, const std::wstring& sItemName,
                                     const RegistryValue& vDefault,
                                     const std::wstring& sKeyName) const {
  try {
    const std::uint32_t root = RootKeyFromName(sKeyName);
    if (root == 0) return vDefault;  // not a root name: as a key that cannot be opened
    qb::win::RegKey key;
    if (::RegOpenKeyExA(RootHandle(root), qb::win::ToAnsi(sKeyPath).c_str(), 0, KEY_READ,
                        key.put()) != ERROR_SUCCESS)
      return vDefault;
    return QueryValueData(key.get(), qb::win::ToAnsi(sItemName), vDefault);
  } catch (const std::exception&) {
    return vDefault;  // out of memory while converting or buffering
  }
}

}  // namespace qbp
