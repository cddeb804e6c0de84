#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace qb {

// One listed device and its installed driver. Texts are ANSI, empty unless read.
struct TDriverRecord {
  std::string DriverKey;         // SPDRP_DRIVER through the fixed 261-byte buffer
  std::string Name;              // friendly name, else description, else "Unknown"
  std::string DriverVersion;     // driver key values from the class key
  std::string DriverDate;
  std::string ProviderName;
  std::string InfPath;
  std::uint32_t ProblemCode = 0;
  std::string ClassName;
  std::string MatchingDeviceID;
  std::string HardwareIDs;       // joined with ", "
  std::string CompatibleIDs;     // joined with ", "
  std::string DeviceInstanceID;
  std::string Driver;            // SPDRP_DRIVER again, exact-size read; this one is reported
  std::array<std::uint8_t, 16> ClassGUID{};
};

}  // namespace qb
