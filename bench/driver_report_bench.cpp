// Assembly of the scan report for many devices (digests stand in, no file is read).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "main/app/driver_report.h"

namespace {

std::vector<qb::TDriverRecord> Devices(int count) {
  std::vector<qb::TDriverRecord> devices(count);
  for (int i = 0; i < count; ++i) {
    auto& d = devices[i];
    d.Name = "Standard SATA AHCI Controller " + std::to_string(i);
    d.DriverVersion = "10.0.19041.1";
    d.ProviderName = "Microsoft";
    d.DriverDate = "6-21-2006";
    d.DeviceInstanceID = "PCI\\VEN_8086&DEV_A102&SUBSYS_86941043&REV_31\\3&11583659&0&B8";
    d.Driver = "{4d36e96a-e325-11ce-bfc1-08002be10318}\\0000";
    d.ClassName = "hdc";
    d.InfPath = "mshdc.inf";
    d.HardwareIDs = "PCI\\VEN_8086&DEV_A102&SUBSYS_86941043&REV_31, PCI\\VEN_8086&DEV_A102";
    d.CompatibleIDs = "PCI\\VEN_8086&CC_010601, PCI\\VEN_8086&CC_0106, PCI\\CC_010601";
    d.MatchingDeviceID = "PCI\\CC_010601";
    d.ProblemCode = i % 3 ? 0 : 28;
  }
  return devices;
}

void BM_DriverReport(benchmark::State& state) {
  qb::ComputerFacts facts;
  facts.Bios = "ALASKA - 1072009";
  facts.ComputerName = "DESKTOP-1";
  facts.OperatingSystem = "Microsoft Windows 10 Pro";
  facts.Manufacturer = "ASUS";
  const auto devices = Devices(static_cast<int>(state.range(0)));
  const auto digest = [](const std::string&) { return std::string(32, 'A'); };
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = qb::BuildDriverReportText(facts, devices, "C:\\Windows", digest);
    bytes += text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_DriverReport)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
