#pragma once
// MD5 message digest (RFC 1321), shared by both editions.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

class Md5 {
 public:
  using Digest = std::array<std::uint8_t, 16>;

  Md5() { Reset(); }
  void Reset();
  void Update(const void* data, std::size_t size);
  // Pads, appends the bit count and returns the digest; call Reset before reusing.
  Digest Final();

 private:
  void Transform(const std::uint8_t* block);

  std::uint32_t state_[4];
  std::uint64_t byte_count_;
  std::uint8_t buffer_[64];
};

// The digest as 32 upper-case hexadecimal digits.
std::string DigestHex(const Md5::Digest& digest);

// DigestHex of the MD5 of the bytes.
std::string Md5Hex(std::string_view bytes);

}  // namespace qb
