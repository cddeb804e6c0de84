#include "main/pcinfo/hardware_id.h"

namespace qb {
namespace {

constexpr char kZeroMac[] = "00-00-00-00-00-00";

}  // namespace

std::string MacText(const std::uint8_t* address) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (int i = 0; i < 6; ++i) {
    if (i > 0) text += '-';
    text += kDigits[address[i] >> 4];
    text += kDigits[address[i] & 0x0F];
  }
  return text;
}

std::string FindMacAddress(NetBios& netBios) {
  std::string result;
  LanaList lanas{};
  netBios.Enumerate(lanas);
  // Zeroed once: an adapter that answers without writing leaves the previous address.
  AdapterStatusHead status{};
  std::size_t position = 0;
  do {
    const std::uint8_t lana = lanas[position + 1];
    netBios.Reset(lana);
    const std::uint8_t code = netBios.AdapterStatus(lana, status);
    if (code == kNetBiosGoodReturn || code == kNetBiosIncomplete) result = MacText(status.data());
    ++position;
  } while (position < lanas[0] && result == kZeroMac);
  return result;
}

std::string VolumeSerialText(std::optional<std::uint32_t> serial) {
  return serial ? std::to_string(*serial) : "00";
}

std::string ChooseHardwareId(const std::string& macText,
                             const std::function<std::string()>& volumeSerial) {
  return macText.empty() ? volumeSerial() : macText;
}

}  // namespace qb
