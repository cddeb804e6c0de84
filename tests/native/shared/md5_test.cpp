#include "shared/md5.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct Vector {
  const char* input;
  const char* digest;
};

// The test suite of RFC 1321, appendix A.5.
TEST(Md5, Rfc1321Suite) {
  const Vector vectors[] = {
      {"", "D41D8CD98F00B204E9800998ECF8427E"},
      {"a", "0CC175B9C0F1B6A831C399E269772661"},
      {"abc", "900150983CD24FB0D6963F7D28E17F72"},
      {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
      {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "D174AB98D277D9F5A5611C2C9F419D9F"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57EDF4A22BE3C955AC49DA2E2107B67A"},
  };
  for (const auto& v : vectors) EXPECT_EQ(qb::Md5Hex(v.input), v.digest) << '"' << v.input << '"';
}

// Lengths around the padding boundary, against digests from coreutils' md5sum of "a" repeated.
TEST(Md5, LengthsAroundTheBlockBoundary) {
  const struct {
    std::size_t length;
    const char* digest;
  } cases[] = {
      {55, "EF1772B6DFF9A122358552954AD0DF65"}, {56, "3B0C8AC703F828B04C6C197006D17218"},
      {57, "652B906D60AF96844EBD21B674F35E93"}, {63, "B06521F39153D618550606BE297466D5"},
      {64, "014842D480B571495A4A0363793F7367"}, {65, "C743A45E0D2E6A95CB859ADAE0248435"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(qb::Md5Hex(std::string(c.length, 'a')), c.digest) << c.length;
}

TEST(Md5, PiecewiseUpdatesEqualOneUpdate) {
  std::string data;
  for (int i = 0; i < 1000; ++i) data.push_back(char(i * 7));
  const std::string whole = qb::Md5Hex(data);
  for (std::size_t piece : {1u, 3u, 63u, 64u, 65u, 200u}) {
    qb::Md5 md5;
    for (std::size_t at = 0; at < data.size(); at += piece)
      md5.Update(data.data() + at, std::min(piece, data.size() - at));
    EXPECT_EQ(qb::DigestHex(md5.Final()), whole) << piece;
  }
}

}  // namespace
