#pragma once
// The plain rules of the device inventory: how raw property bytes become record texts.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "main/devices/driver_record.h"

namespace qb {

// The size of a fixed property buffer: a path of 260 characters and its terminating zero.
constexpr std::size_t kFixedPropertySize = 261;

// The name shown for a device that has neither friendly name nor description.
extern const char* const kUnknownDeviceName;

// The bytes up to the first zero byte, never past `size`.
std::string TextUpToZero(const char* data, std::size_t size);

// The zero-terminated strings of a string list joined with ", ", up to the list's empty
// string. Never reads past `size`, so a list that lacks its final zero still ends.
std::string JoinMultiSz(const char* data, std::size_t size);

// A GUID in registry form, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", as the 16 bytes of the
// GUID structure (the first three groups little-endian). Nothing for any other text.
std::optional<std::array<std::uint8_t, 16>> ParseRegistryGuid(const std::string& text);

// The friendly name, else the description, else "Unknown".
std::string DeviceDisplayName(const std::string& friendlyName, const std::string& description);

// Only devices that have hardware identifiers are listed.
bool IsListedDevice(const TDriverRecord& record);

// The driver's key below the device class key of one control set, e.g.
// "System\CurrentControlSet\Control\Class\{4d36e97d-...}\0001".
std::string DriverClassKeyPath(const std::string& controlSet, const std::string& driverKey);

}  // namespace qb
