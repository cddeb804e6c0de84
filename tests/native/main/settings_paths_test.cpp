#include "main/app/settings_paths.h"

#include <gtest/gtest.h>

namespace {

TEST(AppFolder, AppendsTheProductFolderWithBackslashesOnBothSides) {
  struct Case {
    const char* value;
    const char* folder;
  };
  const Case cases[] = {
      {"C:\\Users\\ann\\AppData\\Roaming", "C:\\Users\\ann\\AppData\\Roaming\\quillborne\\"},
      {"", "\\quillborne\\"},                   // unset: the root of the current drive
      {"D:\\", "D:\\\\quillborne\\"},           // the value is taken as it stands
      {"C:\\Temp dir", "C:\\Temp dir\\quillborne\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(qb::AppFolderFor(c.value), c.folder) << c.value;
}

TEST(SettingsFile, FollowsTheFolderTextWithASecondBackslash) {
  EXPECT_EQ(qb::SettingsFilePath(qb::AppFolderFor("C:\\R")), "C:\\R\\quillborne\\\\info.txt");
  EXPECT_EQ(qb::SettingsFilePath(""), "\\info.txt");
}

}  // namespace
