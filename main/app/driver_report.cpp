#include "main/app/driver_report.h"

#include <cstddef>

namespace qb {
namespace {

constexpr char kLineBreak[] = "\r\n";
constexpr std::size_t kDigestLength = 32;

struct ComputerLine {
  const char* key;
  const std::string ComputerFacts::*value;
};

// The service reads these keys as they stand, including the spelling "CSProuctVersion".
constexpr ComputerLine kComputerLines[] = {
    {"bios=", &ComputerFacts::Bios},
    {"CSName=", &ComputerFacts::ComputerName},
    {"Caption=", &ComputerFacts::OperatingSystem},
    {"Version=", &ComputerFacts::OSVersion},
    {"MaxProcessMemorySize=", &ComputerFacts::MaxProcessMemorySize},
    {"OSArchitecture=", &ComputerFacts::OSArchitecture},
    {"IdentifyingNumber=", &ComputerFacts::IdentifyingNumber},
    {"CSProuctVersion=", &ComputerFacts::CSProductVersion},
    {"Model=", &ComputerFacts::Model},
    {"Manufacturer=", &ComputerFacts::Manufacturer},
};

// Fields 1 to 11 of a device line; field 12 is the problem code and 13 the setup file digest.
constexpr const std::string TDriverRecord::*kDeviceTextFields[] = {
    &TDriverRecord::Name,          &TDriverRecord::DriverVersion,    &TDriverRecord::ProviderName,
    &TDriverRecord::DriverDate,    &TDriverRecord::DeviceInstanceID, &TDriverRecord::Driver,
    &TDriverRecord::ClassName,     &TDriverRecord::InfPath,          &TDriverRecord::HardwareIDs,
    &TDriverRecord::CompatibleIDs, &TDriverRecord::MatchingDeviceID,
};

// Room for the whole text, so that appending never reallocates (digests are 32 digits).
std::size_t EstimatedLength(const ComputerFacts& facts, const std::vector<TDriverRecord>& drivers) {
  std::size_t length = 0;
  for (const auto& line : kComputerLines) length += 2 + 24 + (facts.*line.value).size();
  for (const auto& record : drivers) {
    length += 2 + 20 + 12 * FieldSeparator.size() + 10 + kDigestLength;
    for (auto field : kDeviceTextFields) length += (record.*field).size();
  }
  return length;
}

void AppendDeviceLine(std::string& text, std::size_t number, const TDriverRecord& record,
                      const std::string& digest) {
  text += kLineBreak;
  text += "driver_";
  text += std::to_string(number);
  text += '=';
  text += record.Name;
  for (std::size_t i = 1; i < std::size(kDeviceTextFields); ++i) {
    text += FieldSeparator;
    text += record.*kDeviceTextFields[i];
  }
  text += FieldSeparator;
  text += std::to_string(record.ProblemCode);
  text += FieldSeparator;
  text += digest;
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string Trimmed(std::string text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlankOrControl(text[end - 1])) --end;
  std::size_t begin = 0;
  while (begin < end && IsBlankOrControl(text[begin])) ++begin;
  text.erase(end);
  text.erase(0, begin);
  return text;
}

}  // namespace

std::string BuildDriverReportText(const ComputerFacts& facts,
                                  const std::vector<TDriverRecord>& drivers,
                                  const std::string& systemRoot,
                                  const std::function<std::string(const std::string& path)>& fileDigest) {
  std::string text;
  text.reserve(EstimatedLength(facts, drivers));
  for (const auto& line : kComputerLines) {
    text += kLineBreak;
    text += line.key;
    text += facts.*line.value;
  }
  const std::string infFolder = systemRoot + "\\inf\\";
  std::size_t number = 0;
  for (const auto& record : drivers)
    AppendDeviceLine(text, ++number, record, fileDigest(infFolder + record.InfPath));
  return Trimmed(std::move(text));
}

}  // namespace qb
