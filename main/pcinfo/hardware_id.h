#pragma once
// The hardware identifier's rules, over an abstract NetBIOS so they run without a network.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qb {

constexpr std::size_t kLanaEnumSize = 256;         // LANA_ENUM: count, then one byte per LANA
constexpr std::size_t kAdapterStatusHeadSize = 60; // ADAPTER_STATUS without its name table

using LanaList = std::array<std::uint8_t, kLanaEnumSize>;
using AdapterStatusHead = std::array<std::uint8_t, kAdapterStatusHeadSize>;

constexpr std::uint8_t kNetBiosGoodReturn = 0;  // NRC_GOODRET
constexpr std::uint8_t kNetBiosIncomplete = 6;  // NRC_INCOMP: the head fitted, the names did not

// The three NetBIOS requests the MAC search makes.
class NetBios {
 public:
  virtual ~NetBios() = default;
  virtual void Enumerate(LanaList& lanas) = 0;                                 // NCBENUM
  virtual void Reset(std::uint8_t lana) = 0;                                   // NCBRESET
  virtual std::uint8_t AdapterStatus(std::uint8_t lana, AdapterStatusHead& status) = 0;  // NCBASTAT
};

// Six bytes as two upper-case hexadecimal digits each, joined by "-".
std::string MacText(const std::uint8_t* address);

// The first non-zero adapter address NetBIOS reports. The search also ends at the first
// adapter whose status request fails while nothing was found yet (empty result), and yields
// "00-00-00-00-00-00" when every adapter asked answers with zeros.
std::string FindMacAddress(NetBios& netBios);

// The volume serial as unsigned decimal text; "00" when the volume could not be queried.
std::string VolumeSerialText(std::optional<std::uint32_t> serial);

// The MAC text when there is one, else the volume text (asked for only then).
std::string ChooseHardwareId(const std::string& macText,
                             const std::function<std::string()>& volumeSerial);

}  // namespace qb
