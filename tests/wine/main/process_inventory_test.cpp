#include "main/support/process_inventory_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shared/win/com_win.h"
#include "shared/win/wmi_win.h"

namespace {

// What WMI says about this process's path: nullopt when the property is missing or Null.
std::optional<std::string> OwnExecutablePathFromWmi() {
  qb::win::ComApartment com;
  std::optional<std::string> path;
  const std::wstring query = L"SELECT * FROM Win32_Process WHERE ProcessId = " +
                             std::to_wstring(GetCurrentProcessId());
  qb::win::ForEachWmiObject(L"", L"root\\cimv2", query, 32, [&](const qb::win::WmiObject& o) {
    try {
      path = o.Text(L"ExecutablePath");
    } catch (const qb::win::WmiError&) {
    }
  });
  return path;
}

TEST(ProcessInventory, RealInventoryBuildsWithoutError) {
  std::string text;
  ASSERT_NO_THROW(text = qb::GetProcessInventory());
  const std::optional<std::string> ownPath = OwnExecutablePathFromWmi();
  if (!ownPath) {
    // Wine's WMI has no ExecutablePath: every process counts as one without a path.
    EXPECT_EQ(text, "");
    return;
  }
  EXPECT_EQ(text.rfind("\r\n", 0), 0u);
  const std::string ownRecord = "\r\n" + std::to_string(GetCurrentProcessId()) + ",";
  EXPECT_NE(text.find(ownRecord), std::string::npos);
  EXPECT_NE(text.find("," + *ownPath + ",1,"), std::string::npos);
}

// The inventory tells a missing ExecutablePath from other WMI failures by this code.
TEST(ProcessInventory, MissingPropertyIsReportedAsNotFound) {
  qb::win::ComApartment com;
  long code = 0;
  qb::win::ForEachWmiObject(L"localhost", L"root\\CIMV2", L"SELECT * FROM Win32_Process", 32,
                            [&](const qb::win::WmiObject& o) {
                              try {
                                o.Text(L"NoSuchProperty");
                              } catch (const qb::win::WmiError& e) {
                                code = e.hresult();
                              }
                            });
  EXPECT_EQ(static_cast<unsigned long>(code), 0x80041002ul);  // WBEM_E_NOT_FOUND
}

// Nested use: the caller's apartment stays usable after the inventory has run.
TEST(ProcessInventory, RunsTwiceInsideACallersApartment) {
  qb::win::ComApartment com;
  EXPECT_NO_THROW(qb::GetProcessInventory());
  EXPECT_NO_THROW(qb::GetProcessInventory());
  EXPECT_NO_THROW(OwnExecutablePathFromWmi());
}

}  // namespace
