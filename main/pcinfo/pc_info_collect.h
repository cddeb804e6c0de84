#pragma once
#include "main/pcinfo/computer_facts.h"
#include "main/pcinfo/pc_info_wmi.h"

namespace qb {

// The nine WMI-sourced facts, queried in the order ComputerName, Model, Manufacturer,
// OperatingSystem, Bios, OSVersion, MaxProcessMemorySize, IdentifyingNumber, CSProductVersion.
// Each starts from an empty text, so a query without instances leaves it empty.
// OSArchitecture is left to the caller, which settles it last.
ComputerFacts CollectWmiFacts(const WmiQueries& queries);

// "64bits" for a 64-bit process or a 32-bit one under the 64-bit emulation, else "32bits".
std::string ArchitectureText(bool process64Bit, bool wow64);

}  // namespace qb
