#pragma once
// PC1 stream cipher with a 128-bit key; cipher bytes are written as letter pairs "a".."p".
#include <cstddef>
#include <string>

namespace qb {

// Longest plain text that is enciphered; longer texts are cut to this many bytes.
constexpr std::size_t kPC1MaxPlainBytes = 300000;

// Two letters per plain byte (high nibble first), after cutting the text to kPC1MaxPlainBytes.
// Only the first 16 bytes of the key count; a shorter key is padded with zero bytes.
std::string PC1EncryptText(const std::string& key, const std::string& plain);

// Deciphers letter pairs from the start; an odd last letter is ignored and the result ends
// before the first zero byte. Letters outside "a".."p" are not rejected: each pair is turned
// into a byte by the same arithmetic, ((h - 'a') << 4) + (l - 'a') taken modulo 256.
std::string PC1DecryptText(const std::string& key, const std::string& cipher);

}  // namespace qb
