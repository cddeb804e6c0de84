#include "main/app/settings_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "shared/win/system_error_win.h"

namespace {

bool IsFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// Sets an environment variable for the test's lifetime and puts the old value back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    had_ = !qb::GetEnvVar(name).empty();
    old_ = qb::GetEnvVar(name);
    ::SetEnvironmentVariableA(name, value);
  }
  ~ScopedVariable() { ::SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }

 private:
  const char* name_;
  bool had_;
  std::string old_;
};

// APPDATA points at a fresh folder of its own (removed afterwards).
class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH + 1] = {};
    ASSERT_GT(::GetTempPathA(sizeof temp, temp), 0u);
    root_ = std::string(temp) + "qb-settings-" + std::to_string(::GetCurrentProcessId()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(::CreateDirectoryA(root_.c_str(), nullptr));
    appdata_ = std::make_unique<ScopedVariable>("APPDATA", root_.c_str());
  }
  void TearDown() override {
    appdata_.reset();
    ::DeleteFileA((root_ + "\\quillborne\\info.txt").c_str());
    ::RemoveDirectoryA((root_ + "\\quillborne").c_str());
    ::RemoveDirectoryA(root_.c_str());
  }
  std::string File() const { return root_ + "\\quillborne\\info.txt"; }

  std::string root_;
  std::unique_ptr<ScopedVariable> appdata_;
};

TEST(EnvVar, ReturnsTheWholeValueOrNothing) {
  ScopedVariable unset("QB_TEST_UNSET", nullptr);
  EXPECT_EQ(qb::GetEnvVar("QB_TEST_UNSET"), "");
  ScopedVariable empty("QB_TEST_EMPTY", "");
  EXPECT_EQ(qb::GetEnvVar("QB_TEST_EMPTY"), "");
  const std::string longValue(5000, 'v');
  ScopedVariable set("QB_TEST_LONG", longValue.c_str());
  EXPECT_EQ(qb::GetEnvVar("QB_TEST_LONG"), longValue);
  EXPECT_EQ(qb::GetEnvVar("qb_test_long"), longValue);  // names ignore letter case
}

TEST_F(SettingsFile, FolderIsCreatedOnRequestAndEndsInABackslash) {
  EXPECT_FALSE(IsFolder(root_ + "\\quillborne"));
  EXPECT_EQ(qb::GetSettingsFolder(), root_ + "\\quillborne\\");
  EXPECT_TRUE(IsFolder(root_ + "\\quillborne"));
  EXPECT_EQ(qb::GetSettingsFolder(), root_ + "\\quillborne\\");  // existing: same text
}

TEST_F(SettingsFile, TempFolderFollowsTemp) {
  ScopedVariable temp("TEMP", root_.c_str());
  EXPECT_EQ(qb::GetTempFolder(), root_ + "\\quillborne\\");
  EXPECT_TRUE(IsFolder(root_ + "\\quillborne"));
}

TEST_F(SettingsFile, MissingFileReadsEmptyAndCreatesOnlyTheFolder) {
  EXPECT_EQ(qb::ReadSetting("email"), "");
  EXPECT_EQ(qb::ReadSetting("password"), "");
  EXPECT_TRUE(IsFolder(root_ + "\\quillborne"));
  EXPECT_EQ(::GetFileAttributesA(File().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsFile, WrittenValuesReadBackAndStayInOneSection) {
  qb::WriteSetting("email", "ann@example.com");
  qb::WriteSetting("password", "first secret");
  qb::WriteSetting("email", "bob@example.com");
  qb::WriteSetting("password", "second secret");
  EXPECT_EQ(qb::ReadSetting("email"), "bob@example.com");
  EXPECT_EQ(qb::ReadSetting("password"), "second secret");
  EXPECT_EQ(qb::ReadSetting("EMAIL"), "bob@example.com");  // profile keys ignore case
  const std::string content = ReadWholeFile(File());
  EXPECT_EQ(Count(content, "[Settings]"), 1u) << content;
  EXPECT_EQ(Count(content, "email="), 1u) << content;
  EXPECT_EQ(Count(content, "password=second secret"), 1u) << content;  // clear text
  EXPECT_EQ(content.find("first"), std::string::npos) << content;
}

TEST_F(SettingsFile, EmptyValueIsWrittenAsAKeyAndReadsEmpty) {
  qb::WriteSetting("email", "ann@example.com");
  qb::WriteSetting("email", "");
  EXPECT_EQ(qb::ReadSetting("email"), "");
  EXPECT_NE(ReadWholeFile(File()).find("email="), std::string::npos);
}

TEST_F(SettingsFile, LongValuesComeBackCutTo2047Characters) {
  for (size_t length : {2046u, 2047u, 2048u, 5000u}) {
    std::string value;
    for (size_t i = 0; i < length; ++i) value += static_cast<char>('a' + i % 26);
    qb::WriteSetting("password", value);
    const std::string back = qb::ReadSetting("password");
    EXPECT_EQ(back, value.substr(0, 2047)) << length;
  }
}

TEST_F(SettingsFile, OtherSectionsAndKeysAreKept) {
  qb::WriteSetting("email", "ann@example.com");
  ASSERT_TRUE(::WritePrivateProfileStringA("Other", "kept", "yes", File().c_str()));
  qb::WriteSetting("password", "p");
  const std::string content = ReadWholeFile(File());
  EXPECT_NE(content.find("kept=yes"), std::string::npos) << content;
  EXPECT_EQ(qb::ReadSetting("email"), "ann@example.com");
}

TEST_F(SettingsFile, RefusedWriteNamesTheFile) {
  // A parent that does not exist: the one-level folder creation fails, silently.
  const std::string missing = root_ + "\\no\\such";
  ScopedVariable appdata("APPDATA", missing.c_str());
  EXPECT_EQ(qb::ReadSetting("email"), "");
  try {
    qb::WriteSetting("email", "ann@example.com");
    FAIL() << "the write into a missing folder was reported as done";
  } catch (const qb::win::SystemError& error) {
    const std::string text = error.what();
    EXPECT_NE(text.find(missing + "\\quillborne\\\\info.txt"), std::string::npos) << text;
  }
}

TEST(SettingsFolder, UnsetAppDataLiesAtTheRootOfTheCurrentDrive) {
  char temp[MAX_PATH + 1] = {};
  ASSERT_GT(::GetTempPathA(sizeof temp, temp), 0u);
  char previous[MAX_PATH + 1] = {};
  ASSERT_GT(::GetCurrentDirectoryA(sizeof previous, previous), 0u);
  ASSERT_TRUE(::SetCurrentDirectoryA(temp));  // a drive of the prefix, not the host's root
  const std::string atRoot = std::string(temp, 2) + "\\quillborne";
  const bool existed = IsFolder(atRoot);
  {
    ScopedVariable appdata("APPDATA", nullptr);
    EXPECT_EQ(qb::GetSettingsFolder(), "\\quillborne\\");
    EXPECT_TRUE(IsFolder(atRoot));
  }
  if (!existed) ::RemoveDirectoryA(atRoot.c_str());
  ::SetCurrentDirectoryA(previous);
}

}  // namespace
