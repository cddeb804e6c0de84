#include "main/pcinfo/pc_info_collect.h"

#include "main/pcinfo/compose_model.h"

namespace qb {
namespace {

std::string Cimv2(const WmiQueries& queries, const char* className, const char* property) {
  std::string result;
  queries.Cimv2Value(className, property, result);
  return result;
}

}  // namespace

ComputerFacts CollectWmiFacts(const WmiQueries& queries) {
  ComputerFacts facts;
  facts.ComputerName = Cimv2(queries, "Win32_ComputerSystem", "Name");
  facts.Model = ComposeModel(queries);
  facts.Manufacturer = Cimv2(queries, "Win32_ComputerSystem", "Manufacturer");
  facts.OperatingSystem = Cimv2(queries, "Win32_OperatingSystem", "Caption");
  facts.Bios = Cimv2(queries, "Win32_BIOS", "SMBIOSBIOSVersion");
  facts.OSVersion = Cimv2(queries, "Win32_OperatingSystem", "Version");
  facts.MaxProcessMemorySize = Cimv2(queries, "Win32_OperatingSystem", "MaxProcessMemorySize");
  facts.IdentifyingNumber = Cimv2(queries, "Win32_ComputerSystemProduct", "IdentifyingNumber");
  facts.CSProductVersion = Cimv2(queries, "Win32_ComputerSystemProduct", "Version");
  return facts;
}

std::string ArchitectureText(bool process64Bit, bool wow64) {
  return process64Bit || wow64 ? "64bits" : "32bits";
}

}  // namespace qb
