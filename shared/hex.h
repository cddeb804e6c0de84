#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace qb {

// Each byte as two upper-case hexadecimal digits, in order: {0x0A, 0xFF} -> "0AFF".
std::string HexUpper(const std::uint8_t* bytes, std::size_t count);

}  // namespace qb
