#include "shared/win/system_error_win.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemError, NamesWhatFailedAndTheSystemReason) {
  qb::win::SystemError error(ERROR_FILE_NOT_FOUND, "C:\\missing.txt");
  EXPECT_EQ(error.code(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  const std::string text = error.what();
  EXPECT_EQ(text.rfind("C:\\missing.txt: ", 0), 0u) << text;
  EXPECT_GT(text.size(), std::string("C:\\missing.txt: ").size());
  EXPECT_NE(text.back(), '\n');
}

}  // namespace
