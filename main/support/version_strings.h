#pragma once
#include <string>

namespace qb {

// The four string values of a file's version resource; empty where missing.
struct VersionStrings {
  std::string CompanyName;
  std::string ProductName;
  std::string ProductVersion;
  std::string FileVersion;
};

}  // namespace qb
