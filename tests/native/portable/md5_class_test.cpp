#include "portable/support/md5_class.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Pattern(std::size_t length) {
  std::string bytes;
  for (std::size_t i = 0; i < length; ++i) bytes.push_back(char((i * 31 + 7) % 256));
  return bytes;
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(Md5Class, Rfc1321Suite) {
  const struct {
    const char* input;
    const wchar_t* digest;
  } cases[] = {
      {"", L"D41D8CD98F00B204E9800998ECF8427E"},
      {"a", L"0CC175B9C0F1B6A831C399E269772661"},
      {"abc", L"900150983CD24FB0D6963F7D28E17F72"},
      {"message digest", L"F96B697D7CB7938D525A2F31AAF161D0"},
      {"abcdefghijklmnopqrstuvwxyz", L"C3FCD3D76192E4007DFB496CCA67E13B"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       L"D174AB98D277D9F5A5611C2C9F419D9F"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       L"57EDF4A22BE3C955AC49DA2E2107B67A"},
  };
  qbp::MD5 md5;  // one object, reused for every digest
  for (const auto& c : cases) EXPECT_EQ(md5.DigestStrToHexStr(c.input), c.digest) << c.input;
}

// Lengths whose padding spills into a second block; digests from Python's hashlib.
TEST(Md5Class, LengthsAroundTheBlockBoundaries) {
  const struct {
    std::size_t length;
    const wchar_t* digest;
  } cases[] = {
      {55, L"C9E512626618C9980EF21A96597AF94C"},  {56, L"ECDE7CAA08E9F5657C863DF107CAC60A"},
      {57, L"B17B1A018DD6A4D1EDDA8ACA15F17846"},  {58, L"E2B55BADC05EF280542B7A8A4043FEAF"},
      {59, L"31A62E665222A2A4115B105209EE86C8"},  {60, L"05648E27AA634533A99557F0D4D1E91C"},
      {61, L"ED19A5FBE867A70CD5F587103C7109FE"},  {62, L"AAEA5CEBB2697F566C44424804472F5B"},
      {63, L"2F0301069E1C40AF7F6C8F843B1B13F2"},  {64, L"B6BF87C24B1BC334E2541387A92B981B"},
      {65, L"F168246F08B6134D66BD2A10343FA9F1"},  {119, L"D5DC3D8264DE3AA24DEE105910EE27FE"},
      {120, L"BCC139B3848923904860D1EEFD6E5923"}, {121, L"10AAC7FE9E1DEF45870B0AA1C3A2FAF0"},
      {122, L"10571E803FF2AB9493A0163B5464B74C"}, {123, L"84951EEC19ABA8688B6CF09F64588731"},
      {124, L"3EE6AB6A909BFA194E4DE671BB0DF6AA"}, {125, L"8234B810C77E67E821BCAC57EBCC753A"},
      {126, L"C2B97F2960456AFD54C975EED686B957"}, {127, L"27670172396247FA5F68637F13F8933D"},
      {128, L"3E85B70FFC8DF5C735ECF2A8F14F1BEE"}, {129, L"E45ECAC9930FE93DE302F98BA673BA36"},
  };
  for (const auto& c : cases) {
    qbp::MD5 md5;
    EXPECT_EQ(md5.DigestStrToHexStr(Pattern(c.length)), c.digest) << c.length;
    // The same bytes fed in two uneven pieces through the documented members.
    const std::string bytes = Pattern(c.length);
    md5.MD5Init();
    md5.MD5Update(13, Bytes(bytes.substr(0, 13)));
    md5.MD5Update(static_cast<std::int32_t>(c.length - 13), Bytes(bytes.substr(13)));
    md5.MD5Final();
    EXPECT_EQ(md5.GetValues(), c.digest) << c.length;
  }
}

TEST(Md5Class, UpdateFeedsOnlyInputLenBytes) {
  qbp::MD5 md5;
  md5.MD5Init();
  md5.MD5Update(3, Bytes("abcdef"));
  md5.MD5Update(0, Bytes("zzz"));
  md5.MD5Update(-1, Bytes("zzz"));
  md5.MD5Final();
  EXPECT_EQ(md5.GetValues(), L"900150983CD24FB0D6963F7D28E17F72");

  md5.MD5Init();
  md5.MD5Update(99, Bytes("abc"));  // cut to the array
  md5.MD5Final();
  EXPECT_EQ(md5.GetValues(), L"900150983CD24FB0D6963F7D28E17F72");
}

TEST(Md5Class, ValuesAfterInitAreTheInitialStateWords) {
  qbp::MD5 md5;
  md5.DigestStrToHexStr("abc");
  md5.MD5Init();
  EXPECT_EQ(md5.GetValues(), L"0123456789ABCDEFFEDCBA9876543210");
}

TEST(Md5Class, EightBitBytesAreDigestedAsGiven) {
  qbp::MD5 md5;
  // Digests from Python's hashlib: an e-acute in Windows-1252, and a NUL inside the text.
  EXPECT_EQ(md5.DigestStrToHexStr("\xE9"), L"3406877694691DDD1DFB0ACA54681407");
  EXPECT_EQ(md5.DigestStrToHexStr(std::string("\0a", 2)), L"760F753576F2955B0074758ACB4D5FA6");
}

TEST(Md5Class, LongLeftRotate) {
  const struct {
    std::uint32_t value, bits, rotated;
  } cases[] = {
      {0x80000001u, 1, 0x00000003u}, {0x12345678u, 4, 0x23456781u}, {0x12345678u, 0, 0x12345678u},
      {0x12345678u, 32, 0x12345678u}, {0x80000001u, 33, 0x00000003u}, {0x00000001u, 31, 0x80000000u},
  };
  for (const auto& c : cases) {
    std::uint32_t value = c.value;
    EXPECT_EQ(qbp::MD5::LongLeftRotate(value, c.bits), c.rotated) << c.value << " " << c.bits;
    EXPECT_EQ(value, c.rotated);
  }
}

}  // namespace
