#include "portable/app/log_entry.h"

#include <gtest/gtest.h>

namespace {

TEST(LogEntry, OpensWithALineBreakAndSeparatesWithColonSpace) {
  EXPECT_EQ(qbp::LogEntryText(L"12/9/2013 4:05:17 PM", L"Saving Temp file"),
            L"\r\n12/9/2013 4:05:17 PM: Saving Temp file");
  EXPECT_EQ(qbp::LogEntryText(L"d", L""), L"\r\nd: ");
}

TEST(LogEntry, GeneralDateIsShortDateSpaceLongTime) {
  EXPECT_EQ(qbp::GeneralDateText(L"12/9/2013", L"4:05:17 PM"), L"12/9/2013 4:05:17 PM");
}

TEST(LogEntry, RestartsOnlyAnExistingLogPastOneMebibyte) {
  const struct {
    bool exists;
    std::uint64_t size;
    bool restarts;
  } cases[] = {
      {false, 0, false},       {false, 5000000, false}, {true, 0, false},
      {true, 1048575, false},  {true, 1048576, false},  {true, 1048577, true},
      {true, 1ull << 33, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(qbp::LogRestarts(c.exists, c.size), c.restarts) << c.exists << " " << c.size;
}

}  // namespace
