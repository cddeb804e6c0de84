#pragma once
// Test devices: registered, present devices below ROOT\QBTEST with the properties a test
// needs, and the values of their driver keys. Shared by the Wine tests and qb_test_devices.
#include <windows.h>
#include <setupapi.h>

#include <string>
#include <vector>

#include "shared/win/handles_win.h"
#include "shared/win/system_error_win.h"

namespace qb::test {

// {4d36e97d-e325-11ce-bfc1-08002be10318}, the "System" device class.
inline const GUID kSystemClassGuid = {
    0x4d36e97d, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

struct TestDevice {
  std::string instanceSuffix;  // the device is "ROOT\QBTEST\<instanceSuffix>"
  std::string friendlyName;    // each property below is only set when not empty
  std::string description;
  std::vector<std::string> hardwareIds;
  std::vector<std::string> compatibleIds;
  std::string driverKey;
};

inline std::string TestDeviceInstanceId(const std::string& instanceSuffix) {
  return "ROOT\\QBTEST\\" + instanceSuffix;
}

inline std::string DriverKeyPath(const std::string& controlSet, const std::string& driverKey) {
  return "System\\" + controlSet + "\\Control\\Class\\" + driverKey;
}

namespace detail {

struct DeviceListTraits {
  static HDEVINFO invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void close(HDEVINFO h) noexcept { ::SetupDiDestroyDeviceInfoList(h); }
};
using DeviceList = win::Unique<HDEVINFO, DeviceListTraits>;

inline DeviceList NewDeviceList() {
  DeviceList list(::SetupDiCreateDeviceInfoList(&kSystemClassGuid, nullptr));
  if (!list) win::ThrowLastError("SetupDiCreateDeviceInfoList");
  return list;
}

// A registered test device, opened into the list.
inline SP_DEVINFO_DATA OpenTestDevice(HDEVINFO list, const std::string& instanceSuffix) {
  SP_DEVINFO_DATA device = {};
  device.cbSize = sizeof device;
  const std::string id = TestDeviceInstanceId(instanceSuffix);
  if (!::SetupDiOpenDeviceInfoA(list, id.c_str(), nullptr, 0, &device))
    win::ThrowLastError("SetupDiOpenDeviceInfoA " + id);
  return device;
}

inline std::string MultiSz(const std::vector<std::string>& items) {
  std::string list;
  for (const std::string& item : items) list += item + '\0';
  return list + '\0';
}

inline void SetProperty(HDEVINFO list, SP_DEVINFO_DATA& device, DWORD property,
                        const std::string& bytes, const char* what) {
  if (!::SetupDiSetDeviceRegistryPropertyA(list, &device, property,
                                           reinterpret_cast<const BYTE*>(bytes.data()),
                                           static_cast<DWORD>(bytes.size())))
    win::ThrowLastError(std::string("SetupDiSetDeviceRegistryPropertyA ") + what);
}

inline void SetText(HDEVINFO list, SP_DEVINFO_DATA& device, DWORD property,
                    const std::string& text, const char* what) {
  if (!text.empty()) SetProperty(list, device, property, text + '\0', what);
}

inline void SetList(HDEVINFO list, SP_DEVINFO_DATA& device, DWORD property,
                    const std::vector<std::string>& items, const char* what) {
  if (!items.empty()) SetProperty(list, device, property, MultiSz(items), what);
}

inline void SetValue(HKEY key, const char* name, DWORD type, const void* data, DWORD size) {
  const LONG status = ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  if (status != ERROR_SUCCESS) throw win::SystemError(status, std::string("RegSetValueExA ") + name);
}

}  // namespace detail

// Creates and registers the device; it is then listed among the present devices.
inline void AddTestDevice(const TestDevice& wanted) {
  detail::DeviceList list = detail::NewDeviceList();
  SP_DEVINFO_DATA device = {};
  device.cbSize = sizeof device;
  const std::string id = TestDeviceInstanceId(wanted.instanceSuffix);
  if (!::SetupDiCreateDeviceInfoA(list.get(), id.c_str(), &kSystemClassGuid, nullptr, nullptr, 0,
                                  &device))
    win::ThrowLastError("SetupDiCreateDeviceInfoA " + id);
  detail::SetText(list.get(), device, SPDRP_FRIENDLYNAME, wanted.friendlyName, "friendly name");
  detail::SetText(list.get(), device, SPDRP_DEVICEDESC, wanted.description, "description");
  detail::SetList(list.get(), device, SPDRP_HARDWAREID, wanted.hardwareIds, "hardware ids");
  detail::SetList(list.get(), device, SPDRP_COMPATIBLEIDS, wanted.compatibleIds, "compatible ids");
  detail::SetText(list.get(), device, SPDRP_DRIVER, wanted.driverKey, "driver key");
  if (!::SetupDiRegisterDeviceInfo(list.get(), &device, 0, nullptr, nullptr, nullptr))
    win::ThrowLastError("SetupDiRegisterDeviceInfo " + id);
}

// Rewrites the class GUID value of a registered device with any text, in its key below
// "Enum" (a device whose class text is no GUID can no longer be opened through SetupAPI).
inline void SetTestDeviceClassGuidText(const std::string& instanceSuffix, const std::string& text) {
  const std::string path =
      "System\\CurrentControlSet\\Enum\\" + TestDeviceInstanceId(instanceSuffix);
  win::RegKey key;
  const LONG status =
      ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_SET_VALUE, key.put());
  if (status != ERROR_SUCCESS) throw win::SystemError(status, "RegOpenKeyExA HKLM\\" + path);
  detail::SetValue(key.get(), "ClassGUID", REG_SZ, text.c_str(),
                   static_cast<DWORD>(text.size() + 1));
}

// Removes the device. Its driver key's values are left to RemoveDriverKey.
inline void RemoveTestDevice(const std::string& instanceSuffix) {
  detail::DeviceList list = detail::NewDeviceList();
  SP_DEVINFO_DATA device = detail::OpenTestDevice(list.get(), instanceSuffix);
  if (!::SetupDiRemoveDevice(list.get(), &device))
    win::ThrowLastError("SetupDiRemoveDevice " + TestDeviceInstanceId(instanceSuffix));
}

// The driver key of a registered test device, empty when it has none.
inline std::string TestDeviceDriverKey(const std::string& instanceSuffix) {
  detail::DeviceList list = detail::NewDeviceList();
  SP_DEVINFO_DATA device = detail::OpenTestDevice(list.get(), instanceSuffix);
  char buffer[MAX_PATH + 1] = {};
  DWORD type = REG_NONE;
  DWORD required = 0;
  if (!::SetupDiGetDeviceRegistryPropertyA(list.get(), &device, SPDRP_DRIVER, &type,
                                           reinterpret_cast<BYTE*>(buffer), sizeof buffer - 1,
                                           &required))
    return {};
  return buffer;
}

// Opens (creating it when missing) the driver key below one control set's class key.
inline win::RegKey CreateDriverKey(const std::string& controlSet, const std::string& driverKey) {
  win::RegKey key;
  const std::string path = DriverKeyPath(controlSet, driverKey);
  const LONG status = ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                                        KEY_SET_VALUE, nullptr, key.put(), nullptr);
  if (status != ERROR_SUCCESS) throw win::SystemError(status, "RegCreateKeyExA HKLM\\" + path);
  return key;
}

inline void SetStringValue(HKEY key, const char* name, const std::string& value) {
  detail::SetValue(key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

inline void SetDwordValue(HKEY key, const char* name, DWORD value) {
  detail::SetValue(key, name, REG_DWORD, &value, sizeof value);
}

// Whether HKLM has the key.
inline bool KeyExists(const std::string& path) {
  win::RegKey key;
  return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.put()) ==
         ERROR_SUCCESS;
}

// Deletes the driver key and everything below it; a missing key is no failure.
inline void RemoveDriverKey(const std::string& controlSet, const std::string& driverKey) {
  if (driverKey.empty()) return;  // never the class root itself
  const std::string path = DriverKeyPath(controlSet, driverKey);
  const LONG status = ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, path.c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
    throw win::SystemError(status, "RegDeleteTreeA HKLM\\" + path);
}

}  // namespace qb::test
