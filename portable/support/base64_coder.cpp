#include "portable/support/base64_coder.h"

#include <algorithm>
#include <limits>

namespace qbp {
namespace {

std::uint8_t EncodeTable[64];
bool TablesReady = false;

void FillRange(int& index, char first, char last) {
  for (char c = first; c <= last; ++c) EncodeTable[index++] = static_cast<std::uint8_t>(c);
}

}  // namespace

void BuildBase64Tables() {
  if (TablesReady) return;
  int index = 0;
  FillRange(index, 'A', 'Z');
  FillRange(index, 'a', 'z');
  FillRange(index, '0', '9');
  EncodeTable[index++] = '+';
  EncodeTable[index++] = '/';
  TablesReady = true;
}

std::vector<std::uint8_t> TextToBytes(const std::wstring& text) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size());
  for (wchar_t unit : text) {
    const auto code = static_cast<std::uint32_t>(unit);
    bytes.push_back(code <= 255 ? static_cast<std::uint8_t>(code) : std::uint8_t{'?'});
  }
  return bytes;
}

std::wstring BytesToText(const std::vector<std::uint8_t>& bytes) {
  return std::wstring(bytes.begin(), bytes.end());
}

std::wstring EncodeBytesBase64(const std::vector<std::uint8_t>& bytes, std::int32_t count) {
  if (!TablesReady) BuildBase64Tables();
  if (count <= 0) return {};
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), bytes.size());
  if (n == 0) return {};

  const std::size_t outLength = (n + 2) / 3 * 4;
  const std::size_t dataLength = (n * 4 + 2) / 3;
  std::vector<std::uint8_t> out(outLength, '=');
  for (std::size_t in = 0, pos = 0; in < n; in += 3, pos += 4) {
    const std::uint32_t b0 = bytes[in];
    const std::uint32_t b1 = in + 1 < n ? bytes[in + 1] : 0;
    const std::uint32_t b2 = in + 2 < n ? bytes[in + 2] : 0;
    const std::uint32_t group = b0 << 16 | b1 << 8 | b2;
    for (std::size_t k = 0; k < 4 && pos + k < dataLength; ++k)
      out[pos + k] = EncodeTable[(group >> (18 - 6 * k)) & 0x3F];
  }
  return BytesToText(out);
}

std::wstring EncodeByteArrayBase64(const std::vector<std::uint8_t>& bytes) {
  const std::size_t limit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  return EncodeBytesBase64(bytes, static_cast<std::int32_t>(std::min(bytes.size(), limit)));
}

std::wstring EncodeTextBase64(const std::wstring& text) {
  return EncodeByteArrayBase64(TextToBytes(text));
}

}  // namespace qbp
