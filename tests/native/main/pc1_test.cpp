#include "main/support/pc1.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kKey = "plumwake";

// Every byte value except zero, repeated to the given length.
std::string NonZeroBytes(std::size_t length) {
  std::string text(length, '\0');
  for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>(1 + i % 255);
  return text;
}

// Worked by hand from the cipher's definition, key "plumwake" (70 6C 75 6D 77 61 6B 65, then
// eight zero bytes), so the key words are 706C 756D 7761 6B65 0000 0000 0000 0000.
// Sum = Mix = 0 at the start. Each round: Mix' = 015A*w, Sum' = (Sum+Index)*4E35 + Mix' + Mix,
// Words[Index] = w*4E35 + 1, Result = Words[Index] ^ Sum'; all modulo 10000h.
//
// Plain byte 1, 'A' = 41h:
//  round w                  Mix'=015A*w        Sum'                                   Words=w*4E35+1     Result Mask
//  0  706C                  97F1F8 -> F1F8     (0000+0)*4E35+F1F8+0000 = F1F8         22582E5D -> 2E5D   DFA5   DFA5
//  1  2E5D^756D = 5B30      7B3EE0 -> 3EE0     (F1F8+1)*4E35+3EE0+F1F8 -> 2765        1BDB80F1 -> 80F1   A794   7831
//  2  80F1^7761 = F790      14E98A0 -> 98A0    (2765+2)*4E35+98A0+3EE0 -> 61D3        4BA120D1 -> 20D1   4102   3933
//  3  20D1^6B65 = 4BB4      665148 -> 5148     (61D3+3)*4E35+5148+98A0 -> 5F36        17208445 -> 8445   DB73   E240
//  4  8445^0000 = 8445      B2C542 -> C542     (5F36+4)*4E35+C542+5148 -> 798C        2868684A -> 684A   11C6   F386
//  5  684A                  8CF404 -> F404     (798C+5)*4E35+F404+C542 -> 124B        1FDC2353 -> 2353   3118   C29E
//  6  2353                  2FBE2E -> BE2E     (124B+6)*4E35+BE2E+F404 -> 2AF7        0ACA9A30 -> 9A30   B0C7   7259
//  7  9A30                  D064E0 -> 64E0     (2AF7+7)*4E35+64E0+BE2E -> 6DA4        2F1A8BF1 -> 8BF1   E655   940C
//  byte mask = 94h ^ 0Ch = 98h; 41h ^ 98h = D9h -> letters 'a'+13, 'a'+9 = "nj".
//
// The key is then stirred with 41h: 31 2D 34 2C 36 20 2A 24 41 41 41 41 41 41 41 41, and Sum
// (6DA4) and Mix (64E0) carry on. Plain byte 2, 'B' = 42h:
//  round w      Mix   Sum   Words Result Mask
//  0     312D   76D2  86A6  E452  62F4   62F4
//  1     D07E   CA4C  03B1  8E17  8DA6   EF52
//  2     B837   FA56  12B1  E564  F7D5   1887
//  3     CF40   1C80  CE1A  6841  A65B   BEDC
//  4     2900   6A00  56B6  7D01  2BB7   956B
//  5     3C40   6E80  C737  F941  3E76   AB1D
//  6     B800   B000  F421  1801  EC20   473D
//  7     5940   A080  0CC8  FA41  F689   B1B4
//  byte mask = B1h ^ B4h = 05h; 42h ^ 05h = 47h -> "eh".
TEST(PC1, KnownAnswersWorkedByHand) {
  EXPECT_EQ(qb::PC1EncryptText(kKey, "A"), "nj");
  EXPECT_EQ(qb::PC1EncryptText(kKey, "AB"), "njeh");
  EXPECT_EQ(qb::PC1DecryptText(kKey, "njeh"), "AB");
}

TEST(PC1, RoundTripsEveryNonZeroByteUnderVariousKeys) {
  const std::string text = NonZeroBytes(255 * 3 + 7);
  for (const std::string& key : {std::string(), kKey, std::string("0123456789abcdef"),
                                std::string("\xff\x01 key with high bytes \x80", 24)}) {
    const std::string cipher = qb::PC1EncryptText(key, text);
    ASSERT_EQ(cipher.size(), 2 * text.size());
    EXPECT_EQ(cipher.find_first_not_of("abcdefghijklmnop"), std::string::npos);
    EXPECT_EQ(qb::PC1DecryptText(key, cipher), text) << "key of " << key.size() << " bytes";
  }
}

TEST(PC1, OnlyTheFirstSixteenKeyBytesCountAndShortKeysArePaddedWithZeros) {
  const std::string text = "driver_1=Some device";
  EXPECT_EQ(qb::PC1EncryptText("0123456789abcdefIGNORED", text),
            qb::PC1EncryptText("0123456789abcdef", text));
  EXPECT_EQ(qb::PC1EncryptText(kKey, text), qb::PC1EncryptText(kKey + std::string(8, '\0'), text));
  EXPECT_NE(qb::PC1EncryptText(kKey, text), qb::PC1EncryptText("plumwakf", text));
}

TEST(PC1, LongTextsAreCutBeforeEnciphering) {
  const std::string text = NonZeroBytes(qb::kPC1MaxPlainBytes + 1);
  const std::string cipher = qb::PC1EncryptText(kKey, text);
  EXPECT_EQ(cipher.size(), 600000u);
  EXPECT_EQ(cipher, qb::PC1EncryptText(kKey, text.substr(0, qb::kPC1MaxPlainBytes)));
  EXPECT_EQ(qb::PC1DecryptText(kKey, cipher), text.substr(0, qb::kPC1MaxPlainBytes));
}

TEST(PC1, SharedPrefixGivesSharedLettersUntilTheFirstDifferentByte) {
  const std::string prefix = "bios=A1\r\nCSName=HOST";
  const std::string a = qb::PC1EncryptText(kKey, prefix + "X tail");
  const std::string b = qb::PC1EncryptText(kKey, prefix + "Y tail");
  const std::size_t k = prefix.size();
  EXPECT_EQ(a.substr(0, 2 * k), b.substr(0, 2 * k));
  // Same key state and mask at byte k, so different plain bytes give a different letter pair.
  EXPECT_NE(a.substr(2 * k, 2), b.substr(2 * k, 2));
}

TEST(PC1, EachTextStartsFromAFreshState) {
  const std::string first = qb::PC1EncryptText(kKey, "same text");
  qb::PC1EncryptText(kKey, "something else in between");
  qb::PC1DecryptText(kKey, "abcdefgh");
  EXPECT_EQ(qb::PC1EncryptText(kKey, "same text"), first);
}

TEST(PC1, OddLastLetterIsIgnored) {
  const std::string cipher = qb::PC1EncryptText(kKey, "abc");
  EXPECT_EQ(qb::PC1DecryptText(kKey, cipher + "p"), "abc");
  EXPECT_EQ(qb::PC1DecryptText(kKey, cipher.substr(0, 5)), "ab");
  EXPECT_EQ(qb::PC1DecryptText(kKey, "n"), "");
}

TEST(PC1, EmptyTexts) {
  EXPECT_EQ(qb::PC1EncryptText(kKey, ""), "");
  EXPECT_EQ(qb::PC1DecryptText(kKey, ""), "");
}

TEST(PC1, ZeroBytesAreEncipheredButDecipheringStopsAtTheFirst) {
  const std::string text("ab\0cd", 5);
  const std::string cipher = qb::PC1EncryptText(kKey, text);
  EXPECT_EQ(cipher.size(), 10u);
  EXPECT_EQ(qb::PC1DecryptText(kKey, cipher), "ab");
}

// Letters outside "a".."p" go through the same byte arithmetic: "q" - "a" = 16 wraps to a
// high nibble of 0, so "qa" is read as the byte of "aa".
TEST(PC1, LettersOutsideTheAlphabetWrapModulo256) {
  EXPECT_EQ(qb::PC1DecryptText(kKey, "qa"), qb::PC1DecryptText(kKey, "aa"));
  EXPECT_EQ(qb::PC1DecryptText(kKey, "aa"), "\x98");  // the first byte mask above
}

}  // namespace
