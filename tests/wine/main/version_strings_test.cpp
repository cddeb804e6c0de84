#include "main/support/version_strings_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The folder of this test program, which the build shares with the programs it builds.
std::string BuildFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

void ExpectEmpty(const qb::VersionStrings& v, const std::string& what) {
  EXPECT_EQ(v.CompanyName, "") << what;
  EXPECT_EQ(v.ProductName, "") << what;
  EXPECT_EQ(v.ProductVersion, "") << what;
  EXPECT_EQ(v.FileVersion, "") << what;
}

TEST(VersionStrings, ReadsTheFirstTranslationOfAProgram) {
  const std::string program = BuildFolder() + "Quillborne.exe";
  ASSERT_NE(GetFileAttributesA(program.c_str()), INVALID_FILE_ATTRIBUTES) << program;
  const qb::VersionStrings v = qb::ReadVersionStrings(program);
  EXPECT_EQ(v.CompanyName, "Quillborne");
  EXPECT_EQ(v.ProductName, "Quillborne");
  EXPECT_EQ(v.ProductVersion, "6.0");
  EXPECT_EQ(v.FileVersion, "6.0.0.1");
}

TEST(VersionStrings, EmptyWithoutAVersionResource) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  ExpectEmpty(qb::ReadVersionStrings(self), "a program without a version resource");
  ExpectEmpty(qb::ReadVersionStrings(BuildFolder() + "CMakeCache.txt"), "a text file");
  ExpectEmpty(qb::ReadVersionStrings(BuildFolder() + "no_such_program.exe"), "a missing file");
  ExpectEmpty(qb::ReadVersionStrings(""), "an empty path");
}

}  // namespace
