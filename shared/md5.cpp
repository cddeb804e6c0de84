#include "shared/md5.h"

#include <cstring>

#include "shared/hex.h"

namespace qb {
namespace {

inline std::uint32_t Rotl(std::uint32_t x, int c) { return (x << c) | (x >> (32 - c)); }

inline std::uint32_t LoadLe32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

// Round functions written for instruction-level parallelism: the message word and constant
// are added before the round function is known, G's two halves cover disjoint bits and so
// can be added separately, and neighbouring H steps share one XOR.
#define QB_MD5_F(a, b, c, d, x, t, s) \
  a += (x) + (t);                     \
  a += (d) ^ ((b) & ((c) ^ (d)));     \
  a = Rotl(a, s) + (b)
#define QB_MD5_G(a, b, c, d, x, t, s) \
  a += (x) + (t);                     \
  a += (~(d) & (c));                  \
  a += ((d) & (b));                   \
  a = Rotl(a, s) + (b)
#define QB_MD5_H(a, b, c, d, x, t, s) \
  a += (x) + (t);                     \
  a += ((b) ^ (c)) ^ (d);             \
  a = Rotl(a, s) + (b)
#define QB_MD5_H2(a, b, c, d, x, t, s) \
  a += (x) + (t);                      \
  a += (b) ^ ((c) ^ (d));              \
  a = Rotl(a, s) + (b)
#define QB_MD5_I(a, b, c, d, x, t, s) \
  a += (x) + (t);                     \
  a += (c) ^ ((b) | ~(d));            \
  a = Rotl(a, s) + (b)

}  // namespace

void Md5::Reset() {
  state_[0] = 0x67452301;
  state_[1] = 0xefcdab89;
  state_[2] = 0x98badcfe;
  state_[3] = 0x10325476;
  byte_count_ = 0;
}

void Md5::Update(const void* data, std::size_t size) {
  const auto* in = static_cast<const std::uint8_t*>(data);
  std::size_t used = byte_count_ % 64;
  byte_count_ += size;
  if (used) {
    const std::size_t take = size < 64 - used ? size : 64 - used;
    std::memcpy(buffer_ + used, in, take);
    in += take;
    size -= take;
    if (used + take < 64) return;
    Transform(buffer_);
  }
  for (; size >= 64; in += 64, size -= 64) Transform(in);
  std::memcpy(buffer_, in, size);
}

Md5::Digest Md5::Final() {
  const std::uint64_t bits = byte_count_ * 8;
  static const std::uint8_t kPadding[64] = {0x80};
  const std::size_t used = byte_count_ % 64;
  Update(kPadding, used < 56 ? 56 - used : 120 - used);
  std::uint8_t length[8];
  for (int i = 0; i < 8; ++i) length[i] = std::uint8_t(bits >> (8 * i));
  Update(length, 8);
  Digest digest;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) digest[4 * i + j] = std::uint8_t(state_[i] >> (8 * j));
  return digest;
}

void Md5::Transform(const std::uint8_t* block) {
  std::uint32_t x[16];
  for (int i = 0; i < 16; ++i) x[i] = LoadLe32(block + 4 * i);
  std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];

  QB_MD5_F(a, b, c, d, x[0], 0xd76aa478, 7);
  QB_MD5_F(d, a, b, c, x[1], 0xe8c7b756, 12);
  QB_MD5_F(c, d, a, b, x[2], 0x242070db, 17);
  QB_MD5_F(b, c, d, a, x[3], 0xc1bdceee, 22);
  QB_MD5_F(a, b, c, d, x[4], 0xf57c0faf, 7);
  QB_MD5_F(d, a, b, c, x[5], 0x4787c62a, 12);
  QB_MD5_F(c, d, a, b, x[6], 0xa8304613, 17);
  QB_MD5_F(b, c, d, a, x[7], 0xfd469501, 22);
  QB_MD5_F(a, b, c, d, x[8], 0x698098d8, 7);
  QB_MD5_F(d, a, b, c, x[9], 0x8b44f7af, 12);
  QB_MD5_F(c, d, a, b, x[10], 0xffff5bb1, 17);
  QB_MD5_F(b, c, d, a, x[11], 0x895cd7be, 22);
  QB_MD5_F(a, b, c, d, x[12], 0x6b901122, 7);
  QB_MD5_F(d, a, b, c, x[13], 0xfd987193, 12);
  QB_MD5_F(c, d, a, b, x[14], 0xa679438e, 17);
  QB_MD5_F(b, c, d, a, x[15], 0x49b40821, 22);

  QB_MD5_G(a, b, c, d, x[1], 0xf61e2562, 5);
  QB_MD5_G(d, a, b, c, x[6], 0xc040b340, 9);
  QB_MD5_G(c, d, a, b, x[11], 0x265e5a51, 14);
  QB_MD5_G(b, c, d, a, x[0], 0xe9b6c7aa, 20);
  QB_MD5_G(a, b, c, d, x[5], 0xd62f105d, 5);
  QB_MD5_G(d, a, b, c, x[10], 0x02441453, 9);
  QB_MD5_G(c, d, a, b, x[15], 0xd8a1e681, 14);
  QB_MD5_G(b, c, d, a, x[4], 0xe7d3fbc8, 20);
  QB_MD5_G(a, b, c, d, x[9], 0x21e1cde6, 5);
  QB_MD5_G(d, a, b, c, x[14], 0xc33707d6, 9);
  QB_MD5_G(c, d, a, b, x[3], 0xf4d50d87, 14);
  QB_MD5_G(b, c, d, a, x[8], 0x455a14ed, 20);
  QB_MD5_G(a, b, c, d, x[13], 0xa9e3e905, 5);
  QB_MD5_G(d, a, b, c, x[2], 0xfcefa3f8, 9);
  QB_MD5_G(c, d, a, b, x[7], 0x676f02d9, 14);
  QB_MD5_G(b, c, d, a, x[12], 0x8d2a4c8a, 20);

  QB_MD5_H(a, b, c, d, x[5], 0xfffa3942, 4);
  QB_MD5_H2(d, a, b, c, x[8], 0x8771f681, 11);
  QB_MD5_H(c, d, a, b, x[11], 0x6d9d6122, 16);
  QB_MD5_H2(b, c, d, a, x[14], 0xfde5380c, 23);
  QB_MD5_H(a, b, c, d, x[1], 0xa4beea44, 4);
  QB_MD5_H2(d, a, b, c, x[4], 0x4bdecfa9, 11);
  QB_MD5_H(c, d, a, b, x[7], 0xf6bb4b60, 16);
  QB_MD5_H2(b, c, d, a, x[10], 0xbebfbc70, 23);
  QB_MD5_H(a, b, c, d, x[13], 0x289b7ec6, 4);
  QB_MD5_H2(d, a, b, c, x[0], 0xeaa127fa, 11);
  QB_MD5_H(c, d, a, b, x[3], 0xd4ef3085, 16);
  QB_MD5_H2(b, c, d, a, x[6], 0x04881d05, 23);
  QB_MD5_H(a, b, c, d, x[9], 0xd9d4d039, 4);
  QB_MD5_H2(d, a, b, c, x[12], 0xe6db99e5, 11);
  QB_MD5_H(c, d, a, b, x[15], 0x1fa27cf8, 16);
  QB_MD5_H2(b, c, d, a, x[2], 0xc4ac5665, 23);

  QB_MD5_I(a, b, c, d, x[0], 0xf4292244, 6);
  QB_MD5_I(d, a, b, c, x[7], 0x432aff97, 10);
  QB_MD5_I(c, d, a, b, x[14], 0xab9423a7, 15);
  QB_MD5_I(b, c, d, a, x[5], 0xfc93a039, 21);
  QB_MD5_I(a, b, c, d, x[12], 0x655b59c3, 6);
  QB_MD5_I(d, a, b, c, x[3], 0x8f0ccc92, 10);
  QB_MD5_I(c, d, a, b, x[10], 0xffeff47d, 15);
  QB_MD5_I(b, c, d, a, x[1], 0x85845dd1, 21);
  QB_MD5_I(a, b, c, d, x[8], 0x6fa87e4f, 6);
  QB_MD5_I(d, a, b, c, x[15], 0xfe2ce6e0, 10);
  QB_MD5_I(c, d, a, b, x[6], 0xa3014314, 15);
  QB_MD5_I(b, c, d, a, x[13], 0x4e0811a1, 21);
  QB_MD5_I(a, b, c, d, x[4], 0xf7537e82, 6);
  QB_MD5_I(d, a, b, c, x[11], 0xbd3af235, 10);
  QB_MD5_I(c, d, a, b, x[2], 0x2ad7d2bb, 15);
  QB_MD5_I(b, c, d, a, x[9], 0xeb86d391, 21);

  state_[0] += a;
  state_[1] += b;
  state_[2] += c;
  state_[3] += d;
}

std::string DigestHex(const Md5::Digest& digest) { return HexUpper(digest.data(), digest.size()); }

std::string Md5Hex(std::string_view bytes) {
  Md5 md5;
  md5.Update(bytes.data(), bytes.size());
  return DigestHex(md5.Final());
}

}  // namespace qb
