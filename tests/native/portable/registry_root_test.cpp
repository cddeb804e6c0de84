#include "portable/support/registry_root.h"

#include <gtest/gtest.h>

namespace {

TEST(RegistryRoot, FullNamesInAnyCase) {
  const struct {
    const wchar_t* name;
    std::uint32_t handle;
  } cases[] = {
      {L"HKEY_CURRENT_USER", 0x80000001},   {L"hkey_current_user", 0x80000001},
      {L"HKEY_LOCAL_MACHINE", 0x80000002},  {L"hkey_local_machine", 0x80000002},
      {L"Hkey_Classes_Root", 0x80000000},   {L"HKEY_USERS", 0x80000003},
      {L"HKEY_CURRENT_CONFIG", 0x80000005}, {L"HKEY_DYN_DATA", 0x80000006},
  };
  for (const auto& c : cases) EXPECT_EQ(qbp::RootKeyFromName(c.name), c.handle) << c.name;
}

TEST(RegistryRoot, AnythingElseIsZero) {
  for (const wchar_t* name : {L"HKLM", L"HKCU", L"", L"HKEY_LOCAL_MACHINE\\", L" HKEY_USERS",
                              L"HKEY_USER", L"HKEY_USERSS", L"HKEY_PERFORMANCE_DATA"})
    EXPECT_EQ(qbp::RootKeyFromName(name), 0u) << name;
}

}  // namespace
