#include "shared/win/wmi_win.h"

#include <gtest/gtest.h>

#include "shared/win/com_win.h"

namespace {

class Wmi : public ::testing::Test {
  qb::win::ComApartment com_;
};

TEST_F(Wmi, ReadsPropertiesOfEveryObjectInOrder) {
  int count = 0;
  std::string name;
  qb::win::ForEachWmiObject(L"", L"root\\cimv2", L"SELECT * FROM Win32_ComputerSystem", 0,
                            [&](const qb::win::WmiObject& object) {
                              ++count;
                              name = object.Text(L"Name").value_or("");
                            });
  EXPECT_EQ(count, 1);
  char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof computer;
  ASSERT_TRUE(GetComputerNameA(computer, &size));
  EXPECT_STRCASEEQ(name.c_str(), computer);
}

TEST_F(Wmi, NumbersComeBackAsDecimalText) {
  std::string pid;
  const std::wstring query =
      L"SELECT ProcessId FROM Win32_Process WHERE ProcessId = " + std::to_wstring(GetCurrentProcessId());
  qb::win::ForEachWmiObject(L"", L"root\\cimv2", query, 32, [&](const qb::win::WmiObject& object) {
    pid = object.Text(L"ProcessId").value_or("");
  });
  EXPECT_EQ(pid, std::to_string(GetCurrentProcessId()));
}

TEST_F(Wmi, MissingPropertyRaises) {
  EXPECT_THROW(qb::win::ForEachWmiObject(L"", L"root\\cimv2", L"SELECT * FROM Win32_ComputerSystem",
                                         0,
                                         [](const qb::win::WmiObject& object) {
                                           object.Text(L"NoSuchProperty");
                                         }),
               qb::win::WmiError);
}

// Windows rejects an unknown class; Wine answers with no objects. Either way nothing is visited.
TEST_F(Wmi, UnknownClassVisitsNothing) {
  int visits = 0;
  try {
    qb::win::ForEachWmiObject(L"", L"root\\cimv2", L"SELECT * FROM Win32_NoSuchClass", 0,
                              [&](const qb::win::WmiObject&) { ++visits; });
  } catch (const qb::win::WmiError&) {
  }
  EXPECT_EQ(visits, 0);
}

}  // namespace
