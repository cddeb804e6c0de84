#pragma once
// The scan report: ten computer lines, then one "driver_<n>=" line per listed device.
#include <functional>
#include <string>
#include <vector>

#include "main/devices/driver_record.h"
#include "main/pcinfo/computer_facts.h"

namespace qb {

// Stands between the thirteen fields of a device line; values are never escaped.
inline const std::string FieldSeparator = "[;]";

// Lines are joined by CR LF; characters of code 32 or less are trimmed from both ends of the
// whole text. fileDigest is asked once per device for systemRoot + "\inf\" + InfPath and gives
// the setup file's digest text, or "" when there is none.
std::string BuildDriverReportText(const ComputerFacts& facts,
                                  const std::vector<TDriverRecord>& drivers,
                                  const std::string& systemRoot,
                                  const std::function<std::string(const std::string& path)>& fileDigest);

}  // namespace qb
