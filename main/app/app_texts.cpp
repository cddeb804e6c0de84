#include "main/app/app_texts.h"

namespace qb {

std::string AppVersionFor(bool uploaderPresent) {
  std::string version = kBaseVersion;
  if (!uploaderPresent) version += ".001";
  return version;
}

std::string MainCaption(const std::string& appVersion) {
  return std::string(kApplicationTitle) + "  " + appVersion +
         " - The most simple tool to find your right drivers.";
}

std::string OperatingSystemLabel(const ComputerFacts& facts) {
  return facts.OperatingSystem + "/" + facts.OSArchitecture;
}

std::string ModelLabel(const ComputerFacts& facts) {
  return facts.Manufacturer + " - " + facts.Model;
}

std::string ErrorBoxText(const std::string& message) {
  if (message.empty()) return message;
  const auto last = static_cast<unsigned char>(message.back());
  return last > static_cast<unsigned char>('.') ? message + "." : message;
}

}  // namespace qb
