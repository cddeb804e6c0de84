#include "main/app/scan_id_win.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

TEST(NewScanId, Is32UpperCaseHexDigitsAndNewEachTime) {
  const std::string first = qb::NewScanId();
  const std::string second = qb::NewScanId();
  for (const std::string& id : {first, second}) {
    ASSERT_EQ(id.size(), 32u) << id;
    for (char c : id)
      EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F')) << id;
  }
  EXPECT_NE(first, second);
}

}  // namespace
