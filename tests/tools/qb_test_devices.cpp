// Arranges test devices for the GUI and end-to-end tests:
//   qb_test_devices add <instance-suffix> <friendly name> <hwid1,hwid2,...> [driver-key] [infpath]
//   qb_test_devices remove <instance-suffix>
// Prints nothing on success; an error text and exit code 1 on failure.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/tools/test_device_win.h"

namespace {

constexpr const char* kControlSet = "CurrentControlSet";

std::vector<std::string> SplitCommaList(const std::string& text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    if (comma > start) items.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return items;
}

void WriteDriverValues(const std::string& driverKey, const std::string& infPath,
                       const std::string& matchingId) {
  qb::win::RegKey key = qb::test::CreateDriverKey(kControlSet, driverKey);
  qb::test::SetStringValue(key.get(), "DriverVersion", "1.2.3.4");
  qb::test::SetStringValue(key.get(), "DriverDate", "1-15-2024");
  qb::test::SetStringValue(key.get(), "ProviderName", "Quillborne Test");
  qb::test::SetStringValue(key.get(), "InfPath", infPath);
  qb::test::SetStringValue(key.get(), "MatchingDeviceID", matchingId);
}

void Add(int argc, char** argv) {
  qb::test::TestDevice device;
  device.instanceSuffix = argv[2];
  device.friendlyName = argv[3];
  device.hardwareIds = SplitCommaList(argv[4]);
  if (device.hardwareIds.empty()) throw std::runtime_error("no hardware id given");
  if (argc > 5) device.driverKey = argv[5];
  const std::string infPath = argc > 6 ? argv[6] : "qbtest.inf";
  qb::test::AddTestDevice(device);
  if (device.driverKey.empty()) return;
  try {
    WriteDriverValues(device.driverKey, infPath, device.hardwareIds.front());
  } catch (...) {  // leave nothing half made behind
    qb::test::RemoveTestDevice(device.instanceSuffix);
    qb::test::RemoveDriverKey(kControlSet, device.driverKey);
    throw;
  }
}

void Remove(const std::string& suffix) {
  const std::string driverKey = qb::test::TestDeviceDriverKey(suffix);
  qb::test::RemoveTestDevice(suffix);
  qb::test::RemoveDriverKey(kControlSet, driverKey);
}

int Usage() {
  std::fputs(
      "usage: qb_test_devices add <instance-suffix> <friendly name> <hwid1,hwid2,...> "
      "[driver-key] [infpath]\n"
      "       qb_test_devices remove <instance-suffix>\n",
      stderr);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  try {
    if (command == "add" && argc >= 5 && argc <= 7) {
      Add(argc, argv);
    } else if (command == "remove" && argc == 3) {
      Remove(argv[2]);
    } else {
      return Usage();
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "qb_test_devices %s: %s\n", command.c_str(), error.what());
    return 1;
  }
  return 0;
}
