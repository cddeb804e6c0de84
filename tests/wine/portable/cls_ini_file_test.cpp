#include "portable/support/cls_ini_file_win.h"

#include <gtest/gtest.h>

#include "portable/support/vb_error.h"
#include "scratch_folder.h"

namespace {

using qbp_test::ScratchFolder;
using qbp_test::Wide;

class IniFile : public ::testing::Test {
 protected:
  IniFile() { ini.FileName(Wide(folder / "info.txt")); }
  std::string Path() const { return folder / "info.txt"; }

  ScratchFolder folder;
  qbp::clsIniFile ini;
};

TEST_F(IniFile, MissingFileOrKeyKeepsTheCallersValue) {
  std::wstring value = L"as before";
  ini.GetKeyValue(L"Settings", L"email", value);
  EXPECT_EQ(value, L"as before");
  EXPECT_FALSE(qbp_test::Exists(Path()));

  ini.WriteKeyValue(L"Settings", L"email", L"a@b.c");
  ini.GetKeyValue(L"Settings", L"password", value);
  EXPECT_EQ(value, L"as before");
  std::wstring empty;
  ini.GetKeyValue(L"Other", L"email", empty);
  EXPECT_EQ(empty, L"");
}

TEST_F(IniFile, WrittenValuesReadBackAndReplace) {
  ini.WriteKeyValue(L"Settings", L"email", L"first@example.com");
  ini.WriteKeyValue(L"Settings", L"email", L"second@example.com");
  std::wstring value;
  ini.GetKeyValue(L"Settings", L"email", value);
  EXPECT_EQ(value, L"second@example.com");
  EXPECT_EQ(qbp_test::ReadBytes(Path()), "[Settings]\r\nemail=second@example.com\r\n");
}

TEST_F(IniFile, AnEmptyValueKeepsTheCallersValue) {
  ini.WriteKeyValue(L"Settings", L"email", L"");
  std::wstring value = L"typed";
  ini.GetKeyValue(L"Settings", L"email", value);
  EXPECT_EQ(value, L"typed");
}

TEST_F(IniFile, LongValuesAreCutToTheBuffer) {
  const std::wstring longValue(13000, L'x');
  ini.WriteKeyValue(L"Settings", L"password", longValue);
  std::wstring value;
  ini.GetKeyValue(L"Settings", L"password", value);
  EXPECT_EQ(value, std::wstring(12286, L'x'));

  ini.WriteKeyValue(L"Settings", L"password", std::wstring(12286, L'y'));
  ini.GetKeyValue(L"Settings", L"password", value);
  EXPECT_EQ(value, std::wstring(12286, L'y'));
}

TEST_F(IniFile, TextsTravelThroughTheAnsiCodePage) {
  if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << ::GetACP();
  ini.WriteKeyValue(L"Settings", L"email", L"ren\u00e9@example.com");
  EXPECT_EQ(qbp_test::ReadBytes(Path()), "[Settings]\r\nemail=ren\xE9@example.com\r\n");
  std::wstring value;
  ini.GetKeyValue(L"Settings", L"email", value);
  EXPECT_EQ(value, L"ren\u00e9@example.com");
}

// A refused write is reported with the file and the system's reason, not dropped.
TEST_F(IniFile, RefusedWriteRaisesWithThePath) {
  const std::wstring path = Wide(folder / "no such folder\\info.txt");
  ini.FileName(path);
  try {
    ini.WriteKeyValue(L"Settings", L"email", L"a@b.c");
    ADD_FAILURE() << "no error";
  } catch (const qbp::VbError& error) {
    EXPECT_NE(error.number, 0);
    EXPECT_EQ(error.source, L"clsIniFile - WriteKeyValue");
    EXPECT_EQ(error.description.rfind(path + L": ", 0), 0u);
    EXPECT_GT(error.description.size(), path.size() + 2);
  }
}

}  // namespace
