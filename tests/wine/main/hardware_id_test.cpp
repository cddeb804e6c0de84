#include "main/pcinfo/hardware_id_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <regex>

namespace {

const std::regex kMacText("[0-9A-F]{2}(-[0-9A-F]{2}){5}");
const std::regex kDecimal("0|[1-9][0-9]{0,9}");

TEST(HardwareId, IsTheMacOrElseTheVolumeSerial) {
  const std::string mac = qb::GetMACAddress();
  const std::string volume = qb::GetVolumeSerial();
  const std::string id = qb::GetHardwareId();
  std::cout << "GetMACAddress=" << mac << "\nGetVolumeSerial=" << volume
            << "\nGetHardwareId=" << id << "\n";
  EXPECT_TRUE(mac.empty() || std::regex_match(mac, kMacText)) << mac;
  EXPECT_EQ(id, mac.empty() ? volume : mac);
  EXPECT_TRUE(std::regex_match(id, kMacText) || std::regex_match(id, kDecimal) || id == "00")
      << id;
}

TEST(HardwareId, VolumeSerialIsTheUnsignedSerialOfDriveC) {
  DWORD serial = 0;
  const bool known = ::GetVolumeInformationA("C:\\", nullptr, 0, &serial, nullptr, nullptr,
                                             nullptr, 0);
  EXPECT_EQ(qb::GetVolumeSerial(), known ? std::to_string(static_cast<unsigned long>(serial)) : "00");
}

}  // namespace
