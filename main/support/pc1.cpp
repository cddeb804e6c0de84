#include "main/support/pc1.h"

#include <cstdint>

namespace qb {
namespace {

constexpr std::uint32_t kMixFactor = 0x015A;
constexpr std::uint32_t kSumFactor = 0x4E35;

// The cipher state of one text. All words are 16-bit; arithmetic wraps modulo 65536
// (done in 32 bits so that no product overflows a signed int).
struct PC1State {
  std::uint8_t Key16[16] = {};
  std::uint16_t Words[8] = {};
  std::uint16_t Sum = 0;
  std::uint16_t Mix = 0;
  unsigned Index = 0;
  std::uint16_t Result = 0;
  std::uint16_t Mask = 0;
};

PC1State StartText(const std::string& key) {
  PC1State s;
  for (std::size_t i = 0; i < key.size() && i < sizeof s.Key16; ++i)
    s.Key16[i] = static_cast<std::uint8_t>(key[i]);
  return s;
}

void PC1Round(PC1State& s) {
  const std::uint32_t w = s.Words[s.Index];
  const std::uint32_t oldMix = s.Mix;
  s.Mix = static_cast<std::uint16_t>(kMixFactor * w);
  s.Sum = static_cast<std::uint16_t>((s.Sum + s.Index) * kSumFactor + s.Mix + oldMix);
  s.Words[s.Index] = static_cast<std::uint16_t>(w * kSumFactor + 1);
  s.Result = s.Words[s.Index] ^ s.Sum;
  ++s.Index;
}

std::uint16_t KeyWord(const PC1State& s, unsigned k) {
  return static_cast<std::uint16_t>(s.Key16[2 * k] << 8 | s.Key16[2 * k + 1]);
}

// Runs the key schedule and returns the byte mask of this step.
std::uint8_t PC1Assemble(PC1State& s) {
  s.Words[0] = KeyWord(s, 0);
  PC1Round(s);
  s.Mask = s.Result;
  for (unsigned k = 1; k < 8; ++k) {
    s.Words[k] = s.Words[k - 1] ^ KeyWord(s, k);
    PC1Round(s);
    s.Mask ^= s.Result;
  }
  s.Index = 0;
  return static_cast<std::uint8_t>((s.Mask >> 8) ^ (s.Mask & 0xFF));
}

void StirKey(PC1State& s, std::uint8_t plainByte) {
  for (auto& b : s.Key16) b ^= plainByte;
}

void PC1EncryptBytes(PC1State& s, const char* bytes, std::size_t count, std::string& letters) {
  for (std::size_t i = 0; i < count; ++i) {
    const auto c = static_cast<std::uint8_t>(bytes[i]);
    const std::uint8_t mask = PC1Assemble(s);
    StirKey(s, c);
    const std::uint8_t enciphered = c ^ mask;
    letters.push_back(static_cast<char>('a' + (enciphered >> 4)));
    letters.push_back(static_cast<char>('a' + (enciphered & 15)));
  }
}

// Stops at the first deciphered zero byte, which ends the text.
void PC1DecryptBytes(PC1State& s, const std::string& letters, std::string& plain) {
  for (std::size_t i = 0; i + 1 < letters.size(); i += 2) {
    const auto high = static_cast<std::uint8_t>(letters[i] - 'a');
    const auto low = static_cast<std::uint8_t>(letters[i + 1] - 'a');
    const auto d = static_cast<std::uint8_t>((high << 4) + low);
    const std::uint8_t c = d ^ PC1Assemble(s);
    if (c == 0) return;
    StirKey(s, c);
    plain.push_back(static_cast<char>(c));
  }
}

}  // namespace

std::string PC1EncryptText(const std::string& key, const std::string& plain) {
  const std::size_t count = plain.size() < kPC1MaxPlainBytes ? plain.size() : kPC1MaxPlainBytes;
  PC1State state = StartText(key);
  std::string letters;
  letters.reserve(2 * count);
  PC1EncryptBytes(state, plain.data(), count, letters);
  return letters;
}

std::string PC1DecryptText(const std::string& key, const std::string& cipher) {
  PC1State state = StartText(key);
  std::string plain;
  plain.reserve(cipher.size() / 2);
  PC1DecryptBytes(state, cipher, plain);
  return plain;
}

}  // namespace qb
