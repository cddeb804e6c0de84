#include "shared/hex.h"

#include <gtest/gtest.h>

namespace {

TEST(HexUpper, TwoUpperCaseDigitsPerByteWithLeadingZero) {
  const std::uint8_t bytes[] = {0x00, 0x0A, 0x7F, 0xAB, 0xFF};
  EXPECT_EQ(qb::HexUpper(bytes, sizeof bytes), "000A7FABFF");
  EXPECT_EQ(qb::HexUpper(bytes, 0), "");
}

}  // namespace
