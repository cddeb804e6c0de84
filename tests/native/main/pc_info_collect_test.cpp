#include "main/pcinfo/pc_info_collect.h"

#include <gtest/gtest.h>

#include "main/pcinfo/pc_info_wmi.h"
#include "pc_info_fake_wmi.h"

namespace {

using qb::testing::FakeWmi;
using qb::testing::Failure;
using qb::testing::Values;

TEST(CollectWmiFacts, TakesEachFactFromItsSource) {
  const FakeWmi wmi({{"cimv2:Win32_ComputerSystem.Name", Values({"PC1"})},
                     {"cimv2:Win32_ComputerSystem.Model", Values({"M"})},
                     {"cimv2:Win32_ComputerSystem.Manufacturer", Values({"Maker"})},
                     {"cimv2:Win32_OperatingSystem.Caption", Values({"Windows 10 Pro"})},
                     {"cimv2:Win32_BIOS.SMBIOSBIOSVersion", Values({"1.2.3"})},
                     {"cimv2:Win32_BIOS.BIOSVersion", Values({"wrong source"})},
                     {"cimv2:Win32_OperatingSystem.Version", Values({"10.0.19045"})},
                     {"cimv2:Win32_OperatingSystem.MaxProcessMemorySize", Values({"137438953344"})},
                     {"cimv2:Win32_ComputerSystemProduct.IdentifyingNumber", Values({"SN42"})},
                     {"cimv2:Win32_ComputerSystemProduct.Version", Values({"Rev A"})},
                     {"cimv2:Win32_ComputerSystemProduct.Name", Values({"Product"})}});
  const qb::ComputerFacts facts = qb::CollectWmiFacts(wmi);
  EXPECT_EQ(facts.ComputerName, "PC1");
  EXPECT_EQ(facts.Model, "M (Product)");
  EXPECT_EQ(facts.Manufacturer, "Maker");
  EXPECT_EQ(facts.OperatingSystem, "Windows 10 Pro");
  EXPECT_EQ(facts.Bios, "1.2.3");
  EXPECT_EQ(facts.OSVersion, "10.0.19045");
  EXPECT_EQ(facts.MaxProcessMemorySize, "137438953344");
  EXPECT_EQ(facts.IdentifyingNumber, "SN42");
  EXPECT_EQ(facts.CSProductVersion, "Rev A");
  EXPECT_EQ(facts.OSArchitecture, "");
}

TEST(CollectWmiFacts, QueriesInCollectionOrder) {
  const FakeWmi wmi({});
  qb::CollectWmiFacts(wmi);
  const std::vector<std::string> expected = {
      "cimv2:Win32_ComputerSystem.Name",
      "cimv2:Win32_ComputerSystem.Model",
      "wmi:MS_SystemInformation.SystemProductName",
      "wmi:MS_SystemInformation.SystemFamily",
      "wmi:MS_SystemInformation.SystemVersion",
      "wmi:MS_SystemInformation.SystemSKU",
      "cimv2:Win32_ComputerSystemProduct.Name",
      "cimv2:Win32_ComputerSystemProduct.SKUNumber",
      "cimv2:Win32_ComputerSystem.Manufacturer",
      "cimv2:Win32_OperatingSystem.Caption",
      "cimv2:Win32_BIOS.SMBIOSBIOSVersion",
      "cimv2:Win32_OperatingSystem.Version",
      "cimv2:Win32_OperatingSystem.MaxProcessMemorySize",
      "cimv2:Win32_ComputerSystemProduct.IdentifyingNumber",
      "cimv2:Win32_ComputerSystemProduct.Version",
  };
  EXPECT_EQ(wmi.Asked(), expected);
}

// Queries without instances, failures and Null values all leave a fact empty; no fact inherits
// another's answer.
TEST(CollectWmiFacts, UnreadableFactsAreEmpty) {
  const FakeWmi wmi({{"cimv2:Win32_ComputerSystem.Name", Values({"PC1"})},
                     {"cimv2:Win32_OperatingSystem.Caption", Failure()},
                     {"cimv2:Win32_BIOS.SMBIOSBIOSVersion", Values({std::nullopt})},
                     {"cimv2:Win32_OperatingSystem.Version", Values({"6.1", std::nullopt})}});
  const qb::ComputerFacts facts = qb::CollectWmiFacts(wmi);
  EXPECT_EQ(facts.ComputerName, "PC1");
  EXPECT_EQ(facts.Model, "");
  EXPECT_EQ(facts.Manufacturer, "");
  EXPECT_EQ(facts.OperatingSystem, "");
  EXPECT_EQ(facts.Bios, "");
  EXPECT_EQ(facts.OSVersion, "");
  EXPECT_EQ(facts.MaxProcessMemorySize, "");
  EXPECT_EQ(facts.IdentifyingNumber, "");
  EXPECT_EQ(facts.CSProductVersion, "");
}

TEST(InstanceText, NullIsEmptyAndOnlyRootWmiDropsUpperCaseNone) {
  using qb::InstanceText;
  using qb::WmiNamespace;
  EXPECT_EQ(InstanceText(WmiNamespace::Cimv2, std::nullopt), "");
  EXPECT_EQ(InstanceText(WmiNamespace::Wmi, std::nullopt), "");
  EXPECT_EQ(InstanceText(WmiNamespace::Wmi, std::string("NONE")), "");
  EXPECT_EQ(InstanceText(WmiNamespace::Wmi, std::string("None")), "None");
  EXPECT_EQ(InstanceText(WmiNamespace::Wmi, std::string("NONE ")), "NONE ");
  EXPECT_EQ(InstanceText(WmiNamespace::Cimv2, std::string("NONE")), "NONE");
  EXPECT_EQ(InstanceText(WmiNamespace::Cimv2, std::string("Value")), "Value");
}

TEST(ArchitectureText, SixtyFourBitsForA64BitProcessOrUnderEmulation) {
  EXPECT_EQ(qb::ArchitectureText(false, false), "32bits");
  EXPECT_EQ(qb::ArchitectureText(false, true), "64bits");
  EXPECT_EQ(qb::ArchitectureText(true, false), "64bits");
}

}  // namespace
