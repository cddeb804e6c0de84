#pragma once
#include <string>

namespace qb {

// The ten computer values gathered at start; ANSI texts, empty when WMI has none.
struct ComputerFacts {
  std::string ComputerName;
  std::string OperatingSystem;
  std::string Model;
  std::string Manufacturer;
  std::string OSArchitecture;  // "64bits" or "32bits", never empty once gathered
  std::string Bios;
  std::string OSVersion;
  std::string MaxProcessMemorySize;
  std::string IdentifyingNumber;
  std::string CSProductVersion;
};

}  // namespace qb
