#include "main/app/shell_open_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs the test in a fresh current directory and restores the old one afterwards.
class UploaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char old[MAX_PATH] = {};
    ASSERT_GT(::GetCurrentDirectoryA(MAX_PATH, old), 0u);
    old_ = old;
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(MAX_PATH, temp), 0u);
    dir_ = std::string(temp) + "qb_uploader_" + std::to_string(::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryA(dir_.c_str(), nullptr));
    ASSERT_TRUE(::SetCurrentDirectoryA(dir_.c_str()));
  }
  void TearDown() override {
    ::SetCurrentDirectoryA(old_.c_str());
    ::RemoveDirectoryA((dir_ + "\\Tallowmere.exe").c_str());
    ::DeleteFileA((dir_ + "\\Tallowmere.exe").c_str());
    ::RemoveDirectoryA(dir_.c_str());
  }

  std::string old_, dir_;
};

TEST_F(UploaderTest, AbsentUploaderIsNotStarted) {
  EXPECT_EQ(qb::FindUploader(), "");
  EXPECT_FALSE(qb::StartUploaderIfPresent(nullptr, "0123456789ABCDEF0123456789ABCDEF"));
}

TEST_F(UploaderTest, AFolderOfThatNameIsNoUploader) {
  ASSERT_TRUE(::CreateDirectoryA("Tallowmere.exe", nullptr));
  EXPECT_EQ(qb::FindUploader(), "");
}

TEST_F(UploaderTest, PresentUploaderIsFoundByItsAbsolutePathInTheCurrentDirectory) {
  HANDLE file = ::CreateFileA("Tallowmere.exe", GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  ::CloseHandle(file);
  const std::string found = qb::FindUploader();
  EXPECT_TRUE(_stricmp(found.c_str(), (dir_ + "\\Tallowmere.exe").c_str()) == 0) << found;
}

}  // namespace
