#include "main/devices/driver_controller_win.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "main/devices/device_api_win.h"
#include "main/devices/device_properties.h"
#include "main/devices/driver_key_values_win.h"
#include "shared/win/system_error_win.h"

namespace qb {
namespace {

using Guid = std::array<std::uint8_t, 16>;

// Property reads of one member of the set.
class DeviceReader {
 public:
  DeviceReader(const win::DeviceApi& api, HDEVINFO set, SP_DEVINFO_DATA& device)
      : api_(api), set_(set), device_(device) {}

  // Through the fixed 261-byte buffer: a property that does not fit counts as absent.
  std::string FixedString(DWORD property) const {
    char buffer[kFixedPropertySize] = {};
    DWORD type = REG_NONE;
    DWORD required = 0;
    if (!api_.GetDeviceRegistryProperty(set_, &device_, property, &type,
                                        reinterpret_cast<BYTE*>(buffer), sizeof buffer, &required))
      return {};
    return TextUpToZero(buffer, sizeof buffer);
  }

  // A string or string-list property read at its exact size; lists are joined with ", ".
  std::string String(DWORD property) const {
    DWORD type = REG_SZ;
    DWORD required = 0;
    const BOOL fitted =
        api_.GetDeviceRegistryProperty(set_, &device_, property, &type, nullptr, 0, &required);
    const DWORD error = fitted ? ERROR_SUCCESS : ::GetLastError();
    if (!IsStringType(type) || error != ERROR_INSUFFICIENT_BUFFER || required == 0) return {};

    std::vector<char> buffer(required, '\0');
    type = REG_NONE;
    DWORD received = 0;
    if (!api_.GetDeviceRegistryProperty(set_, &device_, property, &type,
                                        reinterpret_cast<BYTE*>(buffer.data()), required,
                                        &received))
      return {};
    const std::size_t size = std::min<std::size_t>(received, buffer.size());
    if (type == REG_SZ) return TextUpToZero(buffer.data(), size);
    if (type == REG_MULTI_SZ) return JoinMultiSz(buffer.data(), size);
    return {};
  }

  // A GUID property stored as registry text or as 16 raw bytes; zero when unreadable.
  Guid GuidValue(DWORD property) const {
    const std::string text = String(property);
    if (!text.empty()) return ParseRegistryGuid(text).value_or(Guid{});

    Guid guid{};
    DWORD type = REG_BINARY;
    DWORD required = 0;
    if (api_.GetDeviceRegistryProperty(set_, &device_, property, &type, nullptr, 0, &required) ||
        ::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
      return guid;
    type = REG_BINARY;
    DWORD received = 0;
    const DWORD size = std::min<DWORD>(required, static_cast<DWORD>(guid.size()));
    if (!api_.GetDeviceRegistryProperty(set_, &device_, property, &type, guid.data(), size,
                                        &received))
      guid = Guid{};
    return guid;
  }

  std::string InstanceId() const {
    ULONG length = 0;
    if (api_.GetDeviceIdSize(&length, device_.DevInst, 0) != CR_SUCCESS) return {};
    std::vector<char> buffer(length + 1, '\0');
    if (api_.GetDeviceId(device_.DevInst, buffer.data(), length + 1, 0) != CR_SUCCESS) return {};
    return TextUpToZero(buffer.data(), buffer.size());
  }

 private:
  static bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_MULTI_SZ; }

  const win::DeviceApi& api_;
  HDEVINFO set_;
  SP_DEVINFO_DATA& device_;
};

void ReadDriverValues(TDriverRecord& record) {
  record.DriverDate = win::ReadDriverKeyValue(record.DriverKey, "DriverDate");
  record.DriverVersion = win::ReadDriverKeyValue(record.DriverKey, "DriverVersion");
  record.ProviderName = win::ReadDriverKeyValue(record.DriverKey, "ProviderName");
  record.InfPath = win::ReadDriverKeyValue(record.DriverKey, "InfPath");
}

TDriverRecord ReadRecord(const DeviceReader& device, ULONG problem) {
  TDriverRecord record;
  record.DriverKey = device.FixedString(SPDRP_DRIVER);
  const std::string friendlyName = device.FixedString(SPDRP_FRIENDLYNAME);
  const std::string description =
      friendlyName.empty() ? device.FixedString(SPDRP_DEVICEDESC) : std::string();
  record.Name = DeviceDisplayName(friendlyName, description);
  record.ClassName = device.FixedString(SPDRP_CLASS);
  ReadDriverValues(record);
  record.ProblemCode = problem;
  record.MatchingDeviceID = win::ReadDriverKeyValue(record.DriverKey, "MatchingDeviceID");
  record.HardwareIDs = device.String(SPDRP_HARDWAREID);
  record.CompatibleIDs = device.String(SPDRP_COMPATIBLEIDS);
  record.Driver = device.String(SPDRP_DRIVER);
  record.ClassGUID = device.GuidValue(SPDRP_CLASSGUID);
  record.DeviceInstanceID = device.InstanceId();
  return record;
}

}  // namespace

DriverController::DriverController() : api_(win::AcquireDeviceApi()) {
  HDEVINFO set = api_->GetClassDevs(nullptr, nullptr, nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
  if (set == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    throw win::SystemError(error, "SetupDiGetClassDevsA");
  }
  device_info_set_ = set;
}

DriverController::~DriverController() {
  api_->DestroyDeviceInfoList(static_cast<HDEVINFO>(device_info_set_));
}

void DriverController::EnumerateDrivers() {
  drivers_.clear();
  const HDEVINFO set = static_cast<HDEVINFO>(device_info_set_);
  SP_DEVINFO_DATA device = {};
  device.cbSize = sizeof device;  // 28 bytes in 32-bit builds, 32 in 64-bit ones
  std::vector<TDriverRecord> found;
  for (DWORD index = 0; api_->EnumDeviceInfo(set, index, &device); ++index) {
    // Preset: some systems report success without writing either output.
    ULONG status = 0;
    ULONG problem = 0;
    if (api_->GetDevNodeStatus(&status, &problem, device.DevInst, 0) != CR_SUCCESS) continue;
    TDriverRecord record = ReadRecord(DeviceReader(*api_, set, device), problem);
    if (IsListedDevice(record)) found.push_back(std::move(record));
  }
  drivers_ = std::move(found);
}

}  // namespace qb
