#include "portable/app/account_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Windows-1252 for the few characters used here; anything else outside ASCII as '?'.
std::string ToCp1252(const std::wstring& text) {
  std::string bytes;
  for (wchar_t c : text) {
    if (c == L'\u20ac')
      bytes.push_back('\x80');
    else
      bytes.push_back(static_cast<unsigned long>(c) < 256 ? char(c) : '?');
  }
  return bytes;
}

std::wstring Store(const std::wstring& typed) { return qbp::PasswordToStore(typed, ToCp1252); }

TEST(PasswordToStore, ThirtyTwoCharactersAreKeptAsTyped) {
  const std::wstring notADigest = L"this text is exactly 32 chars!!!";
  ASSERT_EQ(notADigest.size(), 32u);
  EXPECT_EQ(Store(notADigest), notADigest);
}

TEST(PasswordToStore, OtherLengthsBecomeTheirDigest) {
  const struct {
    std::wstring typed;
    const wchar_t* stored;
  } cases[] = {
      {L"", L"D41D8CD98F00B204E9800998ECF8427E"},
      {L"abc", L"900150983CD24FB0D6963F7D28E17F72"},
      {std::wstring(31, L'a'), L"3B0845DB57C200BE6052466F87B2198A"},
      {std::wstring(33, L'a'), L"B4F13CB081E412F44E99742CB128A1A5"},
      {L"\u00e9", L"3406877694691DDD1DFB0ACA54681407"},  // the ANSI byte 0xE9
      {L"\u20ac", L"8D39DD7EEF115EA6975446EF4082951F"},  // the ANSI byte 0x80
  };
  // Digests from Python's hashlib.
  for (const auto& c : cases) EXPECT_EQ(Store(c.typed), c.stored) << c.typed.size();
}

TEST(PasswordToStore, ADigestIsStoredUnchangedWhenSavedAgain) {
  const std::wstring first = Store(L"secret");
  EXPECT_EQ(first.size(), 32u);
  EXPECT_EQ(Store(first), first);
}

}  // namespace
