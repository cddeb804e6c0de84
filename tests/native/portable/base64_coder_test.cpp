#include "portable/support/base64_coder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qbp::EncodeBytesBase64;
using qbp::EncodeByteArrayBase64;
using qbp::EncodeTextBase64;

// Decodes standard Base64 so long outputs can be checked byte for byte.
std::vector<std::uint8_t> Decode(const std::wstring& text) {
  const std::wstring alphabet =
      L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::vector<std::uint8_t> out;
  std::uint32_t bits = 0;
  int count = 0;
  for (wchar_t c : text) {
    if (c == L'=') break;
    bits = bits << 6 | static_cast<std::uint32_t>(alphabet.find(c));
    count += 6;
    if (count >= 8) {
      count -= 8;
      out.push_back(static_cast<std::uint8_t>(bits >> count));
    }
  }
  return out;
}

TEST(Base64Coder, Rfc4648Vectors) {
  const struct {
    const wchar_t* text;
    const wchar_t* base64;
  } cases[] = {
      {L"", L""},         {L"f", L"Zg=="},        {L"fo", L"Zm8="},         {L"foo", L"Zm9v"},
      {L"foob", L"Zm9vYg=="}, {L"fooba", L"Zm9vYmE="}, {L"foobar", L"Zm9vYmFy"},
  };
  for (const auto& c : cases) EXPECT_EQ(EncodeTextBase64(c.text), c.base64) << c.text;
}

// Bytes whose 6-bit groups run 0..63 must give the whole alphabet in order.
TEST(Base64Coder, EveryTableEntryInOrder) {
  std::vector<std::uint8_t> bytes;
  for (std::uint32_t index = 0; index < 64; index += 4) {
    const std::uint32_t group = index << 18 | (index + 1) << 12 | (index + 2) << 6 | (index + 3);
    bytes.push_back(std::uint8_t(group >> 16));
    bytes.push_back(std::uint8_t(group >> 8));
    bytes.push_back(std::uint8_t(group));
  }
  EXPECT_EQ(EncodeByteArrayBase64(bytes),
            L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
}

TEST(Base64Coder, WideTextBecomesOneBytePerCodeUnit) {
  const struct {
    std::wstring text;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {L"\u00e9", {0xE9}},
      {L"\u20ac", {'?'}},
      {L"A\u00ff\u0100", {'A', 0xFF, '?'}},
      {std::wstring(1, L'\0') + L"z", {0x00, 'z'}},
      {L"\U0001F600", std::vector<std::uint8_t>(sizeof(wchar_t) == 2 ? 2 : 1, '?')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(qbp::TextToBytes(c.text), c.bytes);
    EXPECT_EQ(EncodeTextBase64(c.text), EncodeByteArrayBase64(c.bytes));
  }
  EXPECT_EQ(EncodeTextBase64(L"\u00e9"), L"6Q==");
  EXPECT_EQ(EncodeTextBase64(L"\u20ac"), L"Pw==");
}

TEST(Base64Coder, BytesToTextKeepsEachCode) {
  EXPECT_EQ(qbp::BytesToText({0x41, 0xE9, 0x00, 0xFF}), std::wstring(L"A\u00e9") + L'\0' + L"\u00ff");
  EXPECT_EQ(qbp::BytesToText({}), L"");
}

TEST(Base64Coder, CountSelectsALeadingPart) {
  const std::vector<std::uint8_t> foobar = {'f', 'o', 'o', 'b', 'a', 'r'};
  EXPECT_EQ(EncodeBytesBase64(foobar, 4), L"Zm9vYg==");
  EXPECT_EQ(EncodeBytesBase64(foobar, 0), L"");
  EXPECT_EQ(EncodeBytesBase64(foobar, -3), L"");
  EXPECT_EQ(EncodeBytesBase64(foobar, 100), L"Zm9vYmFy");  // never reads past the array
  EXPECT_EQ(EncodeBytesBase64({}, 5), L"");
}

TEST(Base64Coder, LongInputStaysOneLineAndRoundTrips) {
  std::vector<std::uint8_t> bytes(1024 * 1024);  // 1 mod 3: ends in "=="
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 131 + i / 256);
  const std::wstring encoded = EncodeByteArrayBase64(bytes);
  EXPECT_EQ(encoded.size(), (bytes.size() + 2) / 3 * 4);
  EXPECT_EQ(encoded.find_first_of(L"\r\n"), std::wstring::npos);
  EXPECT_EQ(encoded.substr(encoded.size() - 2), L"==");
  EXPECT_EQ(Decode(encoded), bytes);
}

}  // namespace
