#pragma once
// The text of the process inventory: one record per running program whose file exists.
#include <functional>
#include <optional>
#include <string>

#include "main/support/version_strings.h"

namespace qb {

// One running process as the system lists it.
struct ProcessEntry {
  std::string ProcessId;                        // decimal text
  std::string Name;
  std::optional<std::string> ExecutablePath;    // nullopt when the system gives none
};

// How the records learn about a program file.
struct ProgramFileFacts {
  std::function<long long(const std::string& path)> SizeOf;            // -1 when no file
  std::function<std::string(const std::string& path)> DigestOf;        // "" when none
  std::function<VersionStrings(const std::string& path)> VersionsOf;
};

// Calls its argument once per process, in the system's order.
using ProcessSource = std::function<void(const std::function<void(const ProcessEntry&)>&)>;

// Each record: CR LF, id "," name ",1," path ",1," digest "," size "--VERSION--" and the four
// version strings joined by "==". Processes without a path or without a file add nothing.
std::string BuildProcessInventoryText(const ProcessSource& processes, const ProgramFileFacts& files);

}  // namespace qb
