#include "main/support/process_inventory.h"

namespace qb {
namespace {

// The memory-use and module-count fields of the record layout, which this edition fills
// with a constant.
constexpr char kConstantField[] = "1";

void AppendRecord(std::string& text, const ProcessEntry& process, const std::string& path,
                  long long size, const VersionStrings& versions, const std::string& digest) {
  text += "\r\n";
  text += process.ProcessId;
  text += ',';
  text += process.Name;
  text += ',';
  text += kConstantField;
  text += ',';
  text += path;
  text += ',';
  text += kConstantField;
  text += ',';
  text += digest;
  text += ',';
  text += std::to_string(size);
  text += "--VERSION--";
  text += versions.CompanyName;
  text += "==";
  text += versions.ProductName;
  text += "==";
  text += versions.ProductVersion;
  text += "==";
  text += versions.FileVersion;
}

}  // namespace

std::string BuildProcessInventoryText(const ProcessSource& processes, const ProgramFileFacts& files) {
  std::string text;
  processes([&](const ProcessEntry& process) {
    if (!process.ExecutablePath || process.ExecutablePath->empty()) return;
    const std::string& path = *process.ExecutablePath;
    const long long size = files.SizeOf(path);
    if (size < 0) return;  // no file (any more) at that path
    const VersionStrings versions = files.VersionsOf(path);
    AppendRecord(text, process, path, size, versions, files.DigestOf(path));
  });
  return text;
}

}  // namespace qb
