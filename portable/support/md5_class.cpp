#include "portable/support/md5_class.h"

#include <algorithm>

#include "shared/hex.h"

namespace qbp {
namespace {

// The RFC 1321 initial state words A, B, C, D, each least significant byte first.
constexpr qb::Md5::Digest kInitialValues = {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef,
                                            0xfe, 0xdc, 0xba, 0x98, 0x76, 0x54, 0x32, 0x10};

}  // namespace

void MD5::MD5Init() {
  running_.Reset();
  values_ = kInitialValues;
}

void MD5::MD5Update(std::int32_t InputLen, const std::vector<std::uint8_t>& InputBuffer) {
  if (InputLen <= 0) return;
  const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(InputLen), InputBuffer.size());
  running_.Update(InputBuffer.data(), count);
}

void MD5::MD5Final() {
  values_ = running_.Final();
  running_.Reset();
}

std::wstring MD5::GetValues() const {
  const std::string hex = qb::HexUpper(values_.data(), values_.size());
  return std::wstring(hex.begin(), hex.end());
}

std::wstring MD5::DigestStrToHexStr(const std::string& SourceString) {
  MD5Init();
  running_.Update(SourceString.data(), SourceString.size());
  MD5Final();
  return GetValues();
}

std::uint32_t MD5::LongLeftRotate(std::uint32_t& value, std::uint32_t bits) {
  const std::uint32_t shift = bits % 32;
  if (shift != 0) value = value << shift | value >> (32 - shift);
  return value;
}

}  // namespace qbp
