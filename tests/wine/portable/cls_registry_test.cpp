#include "portable/support/cls_registry_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A key of its own under HKCU\Software\QuillborneTest, deleted afterwards.
class Registry : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path = std::string("Software\\QuillborneTest\\") + info->name();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &key, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    if (key) ::RegCloseKey(key);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuillborneTest");  // only when empty
  }

  void Set(const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
  }
  void SetText(const char* name, DWORD type, const std::string& text) {
    Set(name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }
  qbp::RegistryValue Load(const std::wstring& item, const qbp::RegistryValue& fallback,
                          const std::wstring& root = L"HKEY_CURRENT_USER") {
    return registry.LoadValue(std::wstring(path.begin(), path.end()), item, fallback, root);
  }

  std::string path;
  HKEY key = nullptr;
  qbp::clsRegistry registry;
};

const qbp::RegistryValue kDefault = std::wstring(L"<default>");

TEST_F(Registry, EachTypeComesBackInItsKind) {
  SetText("text", REG_SZ, "Generic PnP Monitor");
  SetText("blank", REG_SZ, "");  // one byte: the terminating NUL
  const DWORD number = 0xDEADBEEF;
  Set("number", REG_DWORD, &number, sizeof number);
  const std::uint8_t bytes[] = {1, 2, 0, 255};
  Set("bytes", REG_BINARY, bytes, sizeof bytes);
  SetText("", REG_SZ, "default value");

  EXPECT_EQ(Load(L"text", kDefault), qbp::RegistryValue(std::wstring(L"Generic PnP Monitor")));
  EXPECT_EQ(Load(L"blank", kDefault), qbp::RegistryValue(std::wstring()));
  EXPECT_EQ(Load(L"number", kDefault), qbp::RegistryValue(std::uint32_t(0xDEADBEEF)));
  EXPECT_EQ(Load(L"bytes", kDefault), qbp::RegistryValue(Bytes{1, 2, 0, 255}));
  EXPECT_EQ(Load(L"", kDefault), qbp::RegistryValue(std::wstring(L"default value")));
}

// Types other than text and bytes go through a 4-byte number: longer data gives the default.
TEST_F(Registry, OtherTypesFitOnlyInFourBytes) {
  SetText("long expand", REG_EXPAND_SZ, "%SystemRoot%\\inf");
  SetText("short expand", REG_EXPAND_SZ, "ab");  // "ab" NUL: three bytes
  Set("multi", REG_MULTI_SZ, "one\0two\0", 9);
  const std::uint64_t big = 0x0102030405060708ull;
  Set("qword", REG_QWORD, &big, sizeof big);

  EXPECT_EQ(Load(L"long expand", kDefault), kDefault);
  EXPECT_EQ(Load(L"short expand", kDefault), qbp::RegistryValue(std::uint32_t(0x6261)));
  EXPECT_EQ(Load(L"multi", kDefault), kDefault);
  EXPECT_EQ(Load(L"qword", kDefault), kDefault);
}

TEST_F(Registry, EmptyDataGivesTheDefault) {
  Set("empty text", REG_SZ, "", 0);
  Set("empty bytes", REG_BINARY, "", 0);
  EXPECT_EQ(Load(L"empty text", kDefault), kDefault);
  EXPECT_EQ(Load(L"empty bytes", kDefault), kDefault);
}

TEST_F(Registry, TheDefaultComesBackAsGiven) {
  for (const qbp::RegistryValue& fallback :
       {qbp::RegistryValue(), kDefault, qbp::RegistryValue(std::uint32_t(7)),
        qbp::RegistryValue(Bytes{9})})
    EXPECT_EQ(Load(L"missing value", fallback), fallback);
  EXPECT_EQ(registry.LoadValue(L"Software\\QuillborneTest\\no such key", L"x", kDefault,
                               L"HKEY_CURRENT_USER"),
            kDefault);
}

TEST_F(Registry, RootNamesInAnyCaseButNoAbbreviations) {
  SetText("text", REG_SZ, "found");
  const qbp::RegistryValue found = std::wstring(L"found");
  EXPECT_EQ(Load(L"text", kDefault, L"hkey_current_user"), found);
  EXPECT_EQ(Load(L"text", kDefault, L"Hkey_Current_User"), found);
  EXPECT_EQ(Load(L"text", kDefault, L"HKCU"), kDefault);
  EXPECT_EQ(Load(L"text", kDefault, L""), kDefault);
}

TEST(RegistryMachine, LocalMachineByFullNameOnly) {
  qbp::clsRegistry registry;
  const std::wstring key = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
  const qbp::RegistryValue upper =
      registry.LoadValue(key, L"ProductName", kDefault, L"HKEY_LOCAL_MACHINE");
  ASSERT_TRUE(std::holds_alternative<std::wstring>(upper));
  EXPECT_NE(upper, kDefault);
  EXPECT_EQ(registry.LoadValue(key, L"ProductName", kDefault, L"hkey_local_machine"), upper);
  EXPECT_EQ(registry.LoadValue(key, L"ProductName", kDefault, L"HKLM"), kDefault);
}

}  // namespace
