#include "main/devices/device_properties.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::array<std::uint8_t, 16>;

std::string Raw(const char* data, std::size_t size) { return std::string(data, size); }

TEST(TextUpToZero, StopsAtFirstZeroOrAtTheEndOfTheBuffer) {
  EXPECT_EQ(qb::TextUpToZero("ab\0cd", 5), "ab");
  EXPECT_EQ(qb::TextUpToZero("\0cd", 3), "");
  // A full buffer without a zero: everything, and not one byte beyond.
  EXPECT_EQ(qb::TextUpToZero("abcdXYZ", 4), "abcd");
  EXPECT_EQ(qb::TextUpToZero(nullptr, 10), "");
}

TEST(JoinMultiSz, JoinsTheListInOrderWithCommaSpace) {
  struct Case {
    std::string list;
    std::string joined;
  } cases[] = {
      {Raw("PCI\\VEN_1\0PCI\\VEN_1&DEV_2\0PCI\\CC_03\0\0", 35), "PCI\\VEN_1, PCI\\VEN_1&DEV_2, PCI\\CC_03"},
      {Raw("ONLY\0\0", 6), "ONLY"},
      {Raw("\0\0", 2), ""},
      {Raw("\0", 1), ""},
      {"", ""},
      // Strings after the list's empty string are not part of it.
      {Raw("A\0\0B\0\0", 6), "A"},
      // Lists that lack one or both final zeros still end at the buffer's end.
      {Raw("A\0B\0", 4), "A, B"},
      {Raw("A\0BC", 4), "A, BC"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(qb::JoinMultiSz(c.list.data(), c.list.size()), c.joined)
        << "list of " << c.list.size() << " bytes";
}

TEST(ParseRegistryGuid, GivesTheBytesOfTheGuidStructure) {
  // {4d36e97d-e325-11ce-bfc1-08002be10318}: the System class.
  const Bytes expected = {0x7d, 0xe9, 0x36, 0x4d, 0x25, 0xe3, 0xce, 0x11,
                          0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18};
  EXPECT_EQ(qb::ParseRegistryGuid("{4d36e97d-e325-11ce-bfc1-08002be10318}"), expected);
  EXPECT_EQ(qb::ParseRegistryGuid("{4D36E97D-E325-11CE-BFC1-08002BE10318}"), expected);
  EXPECT_EQ(qb::ParseRegistryGuid("{00000000-0000-0000-0000-000000000000}"), Bytes{});
}

TEST(ParseRegistryGuid, RejectsEveryOtherText) {
  const char* const texts[] = {
      "",
      "not a guid",
      "4d36e97d-e325-11ce-bfc1-08002be10318",     // no braces
      "{4d36e97d-e325-11ce-bfc1-08002be10318",    // no closing brace
      "{4d36e97d-e325-11ce-bfc1-08002be103181}",  // one digit too many
      "{4d36e97de325-11ce-bfc1-08002be103181}",   // hyphen misplaced
      "{4d36e97d-e325-11ce-bfc1-08002be1031g}",   // not a hexadecimal digit
      "{4d36e97d-e325-11ce+bfc1-08002be10318}",
      "{+d36e97d-e325-11ce-bfc1-08002be10318}",
  };
  for (const char* text : texts) EXPECT_FALSE(qb::ParseRegistryGuid(text)) << text;
}

TEST(DeviceDisplayName, FriendlyNameOverDescriptionOverUnknown) {
  EXPECT_EQ(qb::DeviceDisplayName("Friendly", "Description"), "Friendly");
  EXPECT_EQ(qb::DeviceDisplayName("", "Description"), "Description");
  EXPECT_EQ(qb::DeviceDisplayName("", ""), "Unknown");
}

TEST(IsListedDevice, OnlyWithHardwareIdentifiers) {
  qb::TDriverRecord record;
  record.Name = "Has everything else";
  record.CompatibleIDs = "GENERIC";
  record.DeviceInstanceID = "ROOT\\X\\0000";
  EXPECT_FALSE(qb::IsListedDevice(record));
  record.HardwareIDs = "ROOT\\X";
  EXPECT_TRUE(qb::IsListedDevice(record));
}

TEST(DriverClassKeyPath, NamesTheDriverKeyBelowTheControlSetsClassKey) {
  EXPECT_EQ(qb::DriverClassKeyPath("CurrentControlSet", "{4d36e97d-e325-11ce-bfc1-08002be10318}\\0001"),
            "System\\CurrentControlSet\\Control\\Class\\{4d36e97d-e325-11ce-bfc1-08002be10318}\\0001");
  EXPECT_EQ(qb::DriverClassKeyPath("ControlSet002", ""), "System\\ControlSet002\\Control\\Class\\");
}

}  // namespace
