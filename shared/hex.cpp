#include "shared/hex.h"

namespace qb {

std::string HexUpper(const std::uint8_t* bytes, std::size_t count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(count * 2, '0');
  for (std::size_t i = 0; i < count; ++i) {
    text[2 * i] = kDigits[bytes[i] >> 4];
    text[2 * i + 1] = kDigits[bytes[i] & 0x0F];
  }
  return text;
}

}  // namespace qb
