#pragma once
// modBase64Coder: Base64 (RFC 4648, standard alphabet, "=" padding, one line) of wide text.
#include <cstdint>
#include <string>
#include <vector>

namespace qbp {

// Base64 of TextToBytes(text); the encoder the submission page uses.
std::wstring EncodeTextBase64(const std::wstring& text);
// Base64 of every element of the array.
std::wstring EncodeByteArrayBase64(const std::vector<std::uint8_t>& bytes);
// Base64 of the first `count` elements; a count beyond the array is cut to its size,
// a negative count encodes nothing.
std::wstring EncodeBytesBase64(const std::vector<std::uint8_t>& bytes, std::int32_t count);
// One byte per UTF-16 code unit: 0..255 as is, anything above as '?' (63).
std::vector<std::uint8_t> TextToBytes(const std::wstring& text);
// One character per byte, of the same code.
std::wstring BytesToText(const std::vector<std::uint8_t>& bytes);
// Fills the encoding table from the alphabet's character ranges; later calls do nothing.
void BuildBase64Tables();

}  // namespace qbp
