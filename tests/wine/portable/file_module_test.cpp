#include "portable/app/file_module_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <regex>

#include "portable/app/account_settings_win.h"
#include "portable/support/vb_error.h"
#include "scratch_folder.h"

namespace {

using qbp_test::ReadBytes;
using qbp_test::ScratchFolder;
using qbp_test::Wide;

// Points %APPDATA% at a scratch folder for the test and back afterwards.
class FileModule : public ::testing::Test {
 protected:
  void SetUp() override {
    char saved[MAX_PATH] = {};
    hadAppData = ::GetEnvironmentVariableA("APPDATA", saved, MAX_PATH) > 0;
    savedAppData = saved;
    ::SetEnvironmentVariableA("APPDATA", appData.path().c_str());
  }
  void TearDown() override {
    ::SetEnvironmentVariableA("APPDATA", hadAppData ? savedAppData.c_str() : nullptr);
  }

  std::string Folder() const { return appData.path() + "\\quillborne\\"; }
  std::string LogPath() const { return Folder() + "log.txt"; }
  std::string SettingsPath() const { return Folder() + "info.txt"; }

  ScratchFolder appData;
  bool hadAppData = false;
  std::string savedAppData;
};

std::string Ansi(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The entry bytes for a message, accepting either second the write may have fallen into.
::testing::AssertionResult IsEntryOf(const std::string& bytes, const std::string& message,
                                     const std::wstring& before, const std::wstring& after) {
  for (const std::wstring& when : {before, after})
    if (bytes == "\r\n" + Ansi(when) + ": " + message + "\r\n") return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "bytes: " << (bytes.size() > 200 ? bytes.substr(0, 200) + "..." : bytes);
}

TEST_F(FileModule, AppDataFolderIsCreatedAndEndsWithABackslash) {
  EXPECT_FALSE(qbp_test::Exists(Folder()));
  EXPECT_EQ(qbp::GetAppDataFolder(), Wide(Folder()));
  EXPECT_TRUE(::GetFileAttributesA(Folder().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(qbp::GetAppDataFolder(), Wide(Folder()));  // already there: no error
}

TEST_F(FileModule, AppDataFolderWithAMissingParentIsNotCreated) {
  const std::string deeper = appData / "missing";
  ::SetEnvironmentVariableA("APPDATA", deeper.c_str());
  EXPECT_EQ(qbp::GetAppDataFolder(), Wide(deeper + "\\quillborne\\"));
  EXPECT_FALSE(qbp_test::Exists(deeper));
}

TEST_F(FileModule, FirstEntryStartsTheLogWithAnEmptyLine) {
  const std::wstring before = qbp::GeneralDateNow();
  qbp::WriteLog(L"Saving Temp file");
  const std::wstring after = qbp::GeneralDateNow();
  EXPECT_TRUE(IsEntryOf(ReadBytes(LogPath()), "Saving Temp file", before, after));

  const std::string first = ReadBytes(LogPath());
  const std::wstring before2 = qbp::GeneralDateNow();
  qbp::WriteLog(L"Done");
  const std::wstring after2 = qbp::GeneralDateNow();
  const std::string all = ReadBytes(LogPath());
  ASSERT_EQ(all.rfind(first, 0), 0u);
  EXPECT_TRUE(IsEntryOf(all.substr(first.size()), "Done", before2, after2));
}

TEST_F(FileModule, GeneralDateInTheUnitedStatesForm) {
  if (::GetUserDefaultLCID() != 0x0409) GTEST_SKIP() << "user locale " << ::GetUserDefaultLCID();
  const std::wregex form(L"\\d{1,2}/\\d{1,2}/\\d{4} \\d{1,2}:\\d{2}:\\d{2} (AM|PM)");
  EXPECT_TRUE(std::regex_match(qbp::GeneralDateNow(), form)) << Ansi(qbp::GeneralDateNow());
}

// Exactly 1 MiB is still appended to; one byte more and the log restarts with the new entry.
TEST_F(FileModule, LogRestartsOnlyPastOneMebibyte) {
  qbp::GetAppDataFolder();
  const struct {
    std::size_t size;
    bool restarts;
  } cases[] = {{1048576, false}, {1048577, true}};
  for (const auto& c : cases) {
    const std::string old(c.size, 'o');
    qbp_test::WriteBytes(LogPath(), old);
    const std::wstring before = qbp::GeneralDateNow();
    qbp::WriteLog(L"next");
    const std::wstring after = qbp::GeneralDateNow();
    const std::string bytes = ReadBytes(LogPath());
    if (c.restarts) {
      EXPECT_TRUE(IsEntryOf(bytes, "next", before, after)) << bytes.size() << " bytes";
    } else {
      ASSERT_GT(bytes.size(), old.size());
      EXPECT_EQ(bytes.compare(0, old.size(), old), 0);
      EXPECT_TRUE(IsEntryOf(bytes.substr(old.size()), "next", before, after));
    }
    EXPECT_EQ(qbp_test::Names(Folder()), std::vector<std::string>{"log.txt"}) << c.size;
  }
}

void ExpectWriteError(const std::function<void()>& write, const std::string& path) {
  try {
    write();
    ADD_FAILURE() << "no error writing " << path;
  } catch (const qbp::VbError& error) {
    EXPECT_NE(error.number, 0);
    EXPECT_EQ(error.source, L"file - WriteTextFile");
    EXPECT_EQ(error.description.rfind(Wide(path) + L": ", 0), 0u) << error.what();
    EXPECT_GT(error.description.size(), path.size() + 2);
  }
}

TEST_F(FileModule, UnwritableLogRaisesWithThePathAndKeepsTheOldFile) {
  qbp::GetAppDataFolder();
  ASSERT_TRUE(::CreateDirectoryA(LogPath().c_str(), nullptr));  // a folder in the log's place
  ExpectWriteError([] { qbp::WriteLog(L"entry"); }, LogPath());
  EXPECT_TRUE(::GetFileAttributesA(LogPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  ::RemoveDirectoryA(LogPath().c_str());

  // Another program holds the log open exclusively (a read-only attribute would not do here:
  // Wine running as root writes read-only files anyway).
  for (std::size_t size : {std::size_t(10), std::size_t(1048577)}) {  // append, restart
    const std::string old(size, 'k');
    qbp_test::WriteBytes(LogPath(), old);
    HANDLE holder = ::CreateFileA(LogPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ExpectWriteError([] { qbp::WriteLog(L"entry"); }, LogPath());
    ::CloseHandle(holder);
    const std::string now = ReadBytes(LogPath());
    EXPECT_TRUE(now == old) << size << " bytes became " << now.size();
    EXPECT_EQ(qbp_test::Names(Folder()), std::vector<std::string>{"log.txt"}) << size;
  }
}

TEST_F(FileModule, WriteTextFileAppendsOrReplaces) {
  const std::string path = appData / "page.html";
  qbp::WriteTextFile(Wide(path), L"one", true);  // created when missing
  qbp::WriteTextFile(Wide(path), L"two", true);
  EXPECT_EQ(ReadBytes(path), "one\r\ntwo\r\n");
  qbp::WriteTextFile(Wide(path), L"", false);
  EXPECT_EQ(ReadBytes(path), "\r\n");
  qbp::WriteTextFile(Wide(path), L"three", false);
  EXPECT_EQ(ReadBytes(path), "three\r\n");
  EXPECT_EQ(qbp_test::Names(appData.path()), std::vector<std::string>{"page.html"});
}

TEST_F(FileModule, WriteTextFileWritesAnsiBytes) {
  if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << ::GetACP();
  const std::string path = appData / "page.html";
  qbp::WriteTextFile(Wide(path), L"caf\u00e9 \u20ac", false);
  EXPECT_EQ(ReadBytes(path), "caf\xE9 \x80\r\n");
}

TEST_F(FileModule, WriteTextFileIntoAMissingFolderRaises) {
  const std::string path = appData / "missing\\page.html";
  for (bool append : {true, false})
    ExpectWriteError([&] { qbp::WriteTextFile(Wide(path), L"x", append); }, path);
  EXPECT_FALSE(qbp_test::Exists(appData / "missing"));
}

TEST_F(FileModule, PathExists) {
  qbp_test::WriteBytes(appData / "a.txt", "x");
  EXPECT_TRUE(qbp::PathExists(Wide(appData / "a.txt")));
  EXPECT_TRUE(qbp::PathExists(Wide(appData.path())));
  EXPECT_FALSE(qbp::PathExists(Wide(appData.path() + "\\")));
  EXPECT_FALSE(qbp::PathExists(Wide(appData / "b.txt")));
  EXPECT_FALSE(qbp::PathExists(Wide(appData / "missing\\a.txt")));
  EXPECT_FALSE(qbp::PathExists(L""));
}

TEST_F(FileModule, SettingsReadAndWrite) {
  EXPECT_EQ(qbp::ReadSetting(L"email"), L"");
  qbp::WriteSetting(L"email", L"a@b.c");
  qbp::WriteSetting(L"email", L"d@e.f");
  qbp::WriteSetting(L"password", L"p");
  EXPECT_EQ(qbp::ReadSetting(L"email"), L"d@e.f");
  EXPECT_EQ(ReadBytes(SettingsPath()), "[Settings]\r\nemail=d@e.f\r\npassword=p\r\n");
}

// The main edition reads and writes the same file with the profile functions directly.
TEST_F(FileModule, SettingsAreSharedWithTheMainEdition) {
  qbp::WriteSetting(L"email", L"portable@example.com");
  char buffer[2048] = {};
  ::GetPrivateProfileStringA("Settings", "email", "", buffer, sizeof buffer,
                             SettingsPath().c_str());
  EXPECT_STREQ(buffer, "portable@example.com");

  ASSERT_TRUE(::WritePrivateProfileStringA("Settings", "password", "main-typed",
                                           SettingsPath().c_str()));
  EXPECT_EQ(qbp::ReadSetting(L"password"), L"main-typed");
}

TEST_F(FileModule, RefusedSettingsWriteRaisesWithThePath) {
  ::SetEnvironmentVariableA("APPDATA", (appData / "missing").c_str());
  try {
    qbp::WriteSetting(L"email", L"a@b.c");
    ADD_FAILURE() << "no error";
  } catch (const qbp::VbError& error) {
    EXPECT_NE(error.description.find(L"info.txt: "), std::wstring::npos) << error.what();
  }
}

TEST_F(FileModule, AccountPasswordIsStoredAsItsDigestOnce) {
  std::wstring email = L"kept", password = L"kept";
  qbp::LoadAccountInfo(email, password);  // no file yet
  EXPECT_EQ(email, L"");
  EXPECT_EQ(password, L"");

  qbp::SaveAccountInfo(L"user@example.com", password);  // empty password
  EXPECT_EQ(password, L"D41D8CD98F00B204E9800998ECF8427E");
  EXPECT_EQ(qbp::ReadSetting(L"password"), password);

  // Save, cancel (load again), save: the stored digest is not hashed a second time.
  password = L"secret";
  qbp::SaveAccountInfo(L"user@example.com", password);
  const std::wstring stored = password;
  EXPECT_EQ(stored, L"5EBE2294ECD0E0F08EAB7690D2A6EE69");  // MD5 of "secret"
  qbp::LoadAccountInfo(email, password);
  EXPECT_EQ(email, L"user@example.com");
  EXPECT_EQ(password, stored);
  qbp::SaveAccountInfo(email, password);
  EXPECT_EQ(qbp::ReadSetting(L"password"), stored);

  const std::wstring typed32 = L"0123456789abcdef0123456789ABCDE!";
  password = typed32;
  qbp::SaveAccountInfo(email, password);
  EXPECT_EQ(qbp::ReadSetting(L"password"), typed32);
}

TEST(PasswordToStoreAnsi, UsesTheAnsiCodePage) {
  if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << ::GetACP();
  EXPECT_EQ(qbp::PasswordToStore(L"\u00e9\u20ac"), L"C17CA5490B95AA07BB32D9127125086F");
}

}  // namespace
