#include "main/pcinfo/pc_info_controller_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "main/pcinfo/pc_info_wmi_win.h"
#include "shared/win/com_win.h"
#include "shared/win/wmi_win.h"

namespace {

class PCInfo : public ::testing::Test {
  qb::win::ComApartment com_;
};

bool WindowsIs64Bit() {
  SYSTEM_INFO info{};
  ::GetNativeSystemInfo(&info);
  return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
         info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_ARM64;
}

constexpr bool kProcess64Bit = sizeof(void*) == 8;

TEST_F(PCInfo, GathersTheFactsOfThisComputer) {
  const qb::PCInfoController controller;
  const qb::ComputerFacts& facts = controller.Facts();
  char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof computer;
  ASSERT_TRUE(::GetComputerNameA(computer, &size));
  EXPECT_STRCASEEQ(facts.ComputerName.c_str(), computer);
  EXPECT_NE(facts.OperatingSystem, "");
  EXPECT_EQ(facts.OSArchitecture, kProcess64Bit || WindowsIs64Bit() ? "64bits" : "32bits");

  std::cout << "ComputerName=" << facts.ComputerName << "\nOperatingSystem=" << facts.OperatingSystem
            << "\nModel=" << facts.Model << "\nManufacturer=" << facts.Manufacturer
            << "\nOSArchitecture=" << facts.OSArchitecture << "\nBios=" << facts.Bios
            << "\nOSVersion=" << facts.OSVersion
            << "\nMaxProcessMemorySize=" << facts.MaxProcessMemorySize
            << "\nIdentifyingNumber=" << facts.IdentifyingNumber
            << "\nCSProductVersion=" << facts.CSProductVersion << "\n";
}

TEST_F(PCInfo, IsWow64OnlyForA32BitProcessOn64BitWindows) {
  EXPECT_EQ(qb::IsWow64(), !kProcess64Bit && WindowsIs64Bit());
}

int __stdcall FailingIsWow64(void*, int*) { return FALSE; }
int __stdcall EmulatedIsWow64(void*, int* wow64) {
  *wow64 = TRUE;
  return TRUE;
}
int __stdcall SilentIsWow64(void*, int*) { return TRUE; }

TEST(IsWow64Using, AnswersFromTheFunctionOrFalseWithoutIt) {
  EXPECT_FALSE(qb::IsWow64Using(nullptr));
  EXPECT_TRUE(qb::IsWow64Using(EmulatedIsWow64));
  EXPECT_FALSE(qb::IsWow64Using(SilentIsWow64));  // the flag is preset, never read unset
}

TEST(IsWow64Using, FailingQueryRaisesInvalidHandle) {
  try {
    qb::IsWow64Using(FailingIsWow64);
    FAIL() << "no error raised";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Invalid handle");
  }
}

TEST_F(PCInfo, LastInstanceWins) {
  std::vector<std::string> drives;
  qb::win::ForEachWmiObject(L"", L"root\\cimv2", L"SELECT * FROM Win32_LogicalDisk", 0,
                            [&](const qb::win::WmiObject& object) {
                              drives.push_back(object.Text(L"DeviceID").value_or(""));
                            });
  if (drives.size() < 2) GTEST_SKIP() << "fewer than two logical disks";
  std::string result = "previous";
  qb::GetCIMV2Value("", "Win32_LogicalDisk", "DeviceID", result);
  EXPECT_EQ(result, drives.back());
}

TEST_F(PCInfo, FailuresEmptyTheResultWithoutRaising) {
  std::string result = "previous";
  qb::GetCIMV2Value("", "Win32_ComputerSystem", "NoSuchProperty", result);
  EXPECT_EQ(result, "");
  result = "previous";
  qb::GetWMIValue("", "Win32_ComputerSystem", "Name", result);  // not a class of root\WMI
  EXPECT_TRUE(result == "previous" || result == "") << result;
  result = "previous";
  qb::GetCIMV2Value("\\\\no-such-host.invalid", "Win32_ComputerSystem", "Name", result);
  EXPECT_EQ(result, "");
}

// Wine has no MS_SystemInformation instances and leaves some values out; every query still
// returns normally, and the model starts with Win32_ComputerSystem.Model whatever the detail.
TEST_F(PCInfo, FirmwareQueriesNeverRaise) {
  for (const char* property : {"SystemProductName", "SystemFamily", "SystemVersion", "SystemSKU"}) {
    std::string result = "(no instance)";
    EXPECT_NO_THROW(qb::GetWMIValue("", "MS_SystemInformation", property, result));
    std::cout << "MS_SystemInformation." << property << "=" << result << "\n";
  }
  const std::pair<const char*, const char*> cimv2[] = {
      {"Win32_ComputerSystemProduct", "Name"},
      {"Win32_ComputerSystemProduct", "SKUNumber"},
      {"Win32_BIOS", "BIOSVersion"},
      {"Win32_OperatingSystem", "MaxProcessMemorySize"}};
  for (const auto& [className, property] : cimv2) {
    std::string result = "(no instance)";
    EXPECT_NO_THROW(qb::GetCIMV2Value("", className, property, result));
    std::cout << className << "." << property << "=" << result << "\n";
  }
  std::string model;
  qb::GetCIMV2Value("", "Win32_ComputerSystem", "Model", model);
  const qb::PCInfoController controller;
  EXPECT_EQ(controller.Facts().Model.compare(0, model.size(), model), 0)
      << controller.Facts().Model << " / " << model;
}

}  // namespace
