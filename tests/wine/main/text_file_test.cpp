#include "main/app/text_file_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shared/win/system_error_win.h"

namespace {

// A fresh folder under %TEMP%, removed with its files at the end of the test.
class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(MAX_PATH, temp), 0u);
    dir_ = std::string(temp) + "qb_text_file_" + std::to_string(::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryA(dir_.c_str(), nullptr) ||
                ::GetLastError() == ERROR_ALREADY_EXISTS);
  }
  void TearDown() override {
    for (const std::string& name : Listing()) {
      const std::string path = dir_ + "\\" + name;
      ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileA(path.c_str());
    }
    ::RemoveDirectoryA(dir_.c_str());
  }

  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE find = ::FindFirstFileA((dir_ + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (::FindNextFileA(find, &found));
    ::FindClose(find);
    return names;
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::string dir_;
};

TEST_F(TextFileTest, WritesTheBytesExactlyAndReplacesAnEarlierFile) {
  const std::string path = dir_ + "\\driver.html";
  const std::vector<std::string> texts = {
      std::string("<html>\r\nbare\nlf \xE9\xFF zero\0end\r\n", 28),
      "",
      std::string(3 << 20, 'x') + "tail",  // several write chunks
      "short",
  };
  for (const std::string& text : texts) {
    qb::SaveTextFile(path, text);
    EXPECT_EQ(Read(path), text) << "length " << text.size();
    EXPECT_EQ(Listing(), std::vector<std::string>{"driver.html"}) << "no temporary file left";
  }
}

TEST_F(TextFileTest, FailureNamesThePathKeepsTheOldFileAndLeavesNoTemporary) {
  const std::string readOnly = dir_ + "\\drivers.html";
  qb::SaveTextFile(readOnly, "earlier page");
  ASSERT_TRUE(::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string missingFolder = dir_ + "\\no such folder\\drivers.html";

  for (const std::string& path : {readOnly, missingFolder}) {
    try {
      qb::SaveTextFile(path, "new page");
      ADD_FAILURE() << "no error for " << path;
    } catch (const qb::win::SystemError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(path + ": ", 0), 0u) << error.what();
      EXPECT_NE(error.code(), 0u);
    }
  }
  EXPECT_EQ(Read(readOnly), "earlier page");
  EXPECT_EQ(Listing(), std::vector<std::string>{"drivers.html"});
}

}  // namespace
