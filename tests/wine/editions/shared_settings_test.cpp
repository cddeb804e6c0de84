// The two editions share the account in %APPDATA%\quillborne\info.txt: each reads what the
// other wrote.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "main/app/settings_win.h"
#include "portable/app/account_settings_win.h"
#include "portable/app/file_module_win.h"

namespace {

class SharedSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(MAX_PATH, temp), 0u);
    appData_ = std::string(temp) + "qb-editions-" + std::to_string(::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryA(appData_.c_str(), nullptr));
    ::SetEnvironmentVariableA("APPDATA", appData_.c_str());
  }
  void TearDown() override {
    const std::string folder = appData_ + "\\quillborne";
    ::DeleteFileA((folder + "\\info.txt").c_str());
    ::RemoveDirectoryA(folder.c_str());
    ::RemoveDirectoryA(appData_.c_str());
  }
  std::string appData_;
};

TEST_F(SharedSettings, MainReadsThePortableAccount) {
  std::wstring password = L"secret";
  qbp::SaveAccountInfo(L"portable@example.com", password);
  EXPECT_EQ(qb::ReadSetting("email"), "portable@example.com");
  // The portable edition stores the digest; the main edition sends what is stored.
  EXPECT_EQ(qb::ReadSetting("password"), "5EBE2294ECD0E0F08EAB7690D2A6EE69");
}

TEST_F(SharedSettings, PortableReadsTheMainAccount) {
  qb::WriteSetting("email", "main@example.com");
  qb::WriteSetting("password", "typed in clear");
  std::wstring email, password;
  qbp::LoadAccountInfo(email, password);
  EXPECT_EQ(email, L"main@example.com");
  EXPECT_EQ(password, L"typed in clear");
}

}  // namespace
