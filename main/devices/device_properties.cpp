#include "main/devices/device_properties.h"

#include <cstring>

namespace qb {

const char* const kUnknownDeviceName = "Unknown";

std::string TextUpToZero(const char* data, std::size_t size) {
  if (data == nullptr) return {};
  const void* zero = std::memchr(data, '\0', size);
  return std::string(data, zero ? static_cast<const char*>(zero) - data : size);
}

std::string JoinMultiSz(const char* data, std::size_t size) {
  std::string joined;
  std::size_t offset = 0;
  bool first = true;
  while (offset < size) {
    std::string item = TextUpToZero(data + offset, size - offset);
    if (item.empty()) break;  // the list's final zero
    if (!first) joined += ", ";
    joined += item;
    first = false;
    offset += item.size() + 1;
  }
  return joined;
}

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads `digits` hexadecimal digits at `pos`; false when any is not a digit.
bool ReadHex(const std::string& text, std::size_t pos, int digits, std::uint32_t& value) {
  value = 0;
  for (int i = 0; i < digits; ++i) {
    const int d = HexDigit(text[pos + i]);
    if (d < 0) return false;
    value = (value << 4) | static_cast<std::uint32_t>(d);
  }
  return true;
}

void PutLittleEndian(std::uint32_t value, int count, std::uint8_t* out) {
  for (int i = 0; i < count; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::optional<std::array<std::uint8_t, 16>> ParseRegistryGuid(const std::string& text) {
  // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
  if (text.size() != 38 || text[0] != '{' || text[37] != '}') return std::nullopt;
  if (text[9] != '-' || text[14] != '-' || text[19] != '-' || text[24] != '-')
    return std::nullopt;

  std::array<std::uint8_t, 16> bytes{};
  std::uint32_t value = 0;
  if (!ReadHex(text, 1, 8, value)) return std::nullopt;
  PutLittleEndian(value, 4, &bytes[0]);
  if (!ReadHex(text, 10, 4, value)) return std::nullopt;
  PutLittleEndian(value, 2, &bytes[4]);
  if (!ReadHex(text, 15, 4, value)) return std::nullopt;
  PutLittleEndian(value, 2, &bytes[6]);
  // The last eight bytes stand in text order: two in the fourth group, six in the fifth.
  const std::size_t tailPositions[8] = {20, 22, 25, 27, 29, 31, 33, 35};
  for (int i = 0; i < 8; ++i) {
    if (!ReadHex(text, tailPositions[i], 2, value)) return std::nullopt;
    bytes[8 + i] = static_cast<std::uint8_t>(value);
  }
  return bytes;
}

std::string DeviceDisplayName(const std::string& friendlyName, const std::string& description) {
  if (!friendlyName.empty()) return friendlyName;
  if (!description.empty()) return description;
  return kUnknownDeviceName;
}

bool IsListedDevice(const TDriverRecord& record) { return !record.HardwareIDs.empty(); }

std::string DriverClassKeyPath(const std::string& controlSet, const std::string& driverKey) {
  return "System\\" + controlSet + "\\Control\\Class\\" + driverKey;
}

}  // namespace qb
