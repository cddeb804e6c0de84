#pragma once
#include <string>

#include "main/support/version_strings.h"

namespace qb {

// The version strings of the first language and code page of the file's version resource.
// All four are empty when the file is no executable or has no readable resource.
VersionStrings ReadVersionStrings(const std::string& path);

}  // namespace qb
