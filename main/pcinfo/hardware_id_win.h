#pragma once
// The scan's hardware identifier: the first non-zero NetBIOS adapter address, else the serial
// number of volume C:\, else "00".
#include <string>

namespace qb {

// A MAC text ("00-1A-2B-3C-4D-5E"), or "" when the first adapter asked gave no status.
std::string GetMACAddress();
// The serial number of C:\ as unsigned decimal text, or "00" when it cannot be read.
std::string GetVolumeSerial();
// GetMACAddress() when not empty, else GetVolumeSerial(). Never empty.
std::string GetHardwareId();

}  // namespace qb
