#include "main/devices/driver_controller_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "main/devices/device_api_win.h"
#include "tests/tools/test_device_win.h"

namespace {

using qb::DriverController;
using qb::TDriverRecord;
using qb::test::TestDevice;

const char* const kSystemClassKey = "{4d36e97d-e325-11ce-bfc1-08002be10318}";
const std::array<std::uint8_t, 16> kSystemClassBytes = {
    0x7d, 0xe9, 0x36, 0x4d, 0x25, 0xe3, 0xce, 0x11, 0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18};

// Creates test devices and driver keys with names no other test process uses, and removes
// them again when the test ends.
class DriverControllerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const std::string& suffix : devices_) {
      try {
        qb::test::RemoveTestDevice(suffix);
      } catch (const std::exception& error) {
        ADD_FAILURE() << error.what();
      }
    }
    for (const auto& [controlSet, driverKey] : driverKeys_) {
      try {
        qb::test::RemoveDriverKey(controlSet, driverKey);
      } catch (const std::exception& error) {
        ADD_FAILURE() << error.what();
      }
    }
    devices_.clear();
    driverKeys_.clear();
  }

  // "<name>_<process>_<test>": ctest runs each test in a process of its own.
  std::string UniqueName(const std::string& name) const {
    return name + "_" + std::to_string(::GetCurrentProcessId()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
  }

  // A device below ROOT\QBTEST named after `name`; returns its instance id.
  std::string Add(TestDevice device, const std::string& name) {
    device.instanceSuffix = UniqueName(name);
    qb::test::AddTestDevice(device);
    devices_.push_back(device.instanceSuffix);
    return qb::test::TestDeviceInstanceId(device.instanceSuffix);
  }

  void Remove(const std::string& instanceId) {
    for (auto it = devices_.begin(); it != devices_.end(); ++it) {
      if (qb::test::TestDeviceInstanceId(*it) == instanceId) {
        qb::test::RemoveTestDevice(*it);
        devices_.erase(it);
        return;
      }
    }
  }

  // A driver key below the System class, with its key made under `controlSet`.
  std::string NewDriverKey(const std::string& name) const {
    return std::string(kSystemClassKey) + "\\" + UniqueName(name);
  }
  qb::win::RegKey CreateDriverKey(const std::string& controlSet, const std::string& driverKey) {
    driverKeys_.emplace_back(controlSet, driverKey);
    return qb::test::CreateDriverKey(controlSet, driverKey);
  }

  static std::vector<TDriverRecord> Enumerate() {
    DriverController controller;
    controller.EnumerateDrivers();
    return controller.Drivers();
  }

  static const TDriverRecord* Find(const std::vector<TDriverRecord>& drivers,
                                   const std::string& instanceId) {
    const TDriverRecord* found = nullptr;
    for (const TDriverRecord& record : drivers) {
      if (::lstrcmpiA(record.DeviceInstanceID.c_str(), instanceId.c_str()) != 0) continue;
      EXPECT_EQ(found, nullptr) << instanceId << " is listed twice";
      found = &record;
    }
    return found;
  }

 private:
  std::vector<std::string> devices_;
  std::vector<std::pair<std::string, std::string>> driverKeys_;
};

TDriverRecord RecordOr(const TDriverRecord* record) { return record ? *record : TDriverRecord{}; }

TEST_F(DriverControllerTest, NameIsFriendlyNameElseDescriptionElseUnknown) {
  struct Case {
    const char* device;
    const char* friendlyName;
    const char* description;
    const char* expectedName;
  } cases[] = {
      {"both", "Friendly Thing", "Described Thing", "Friendly Thing"},
      {"description", "", "Described Thing", "Described Thing"},
      {"neither", "", "", "Unknown"},
  };
  std::vector<std::string> ids;
  for (const Case& c : cases) {
    TestDevice device;
    device.friendlyName = c.friendlyName;
    device.description = c.description;
    device.hardwareIds = {std::string("QBTEST\\NAME_") + c.device};
    ids.push_back(Add(device, c.device));
  }
  const std::vector<TDriverRecord> drivers = Enumerate();
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const TDriverRecord* record = Find(drivers, ids[i]);
    ASSERT_NE(record, nullptr) << ids[i];
    EXPECT_EQ(record->Name, cases[i].expectedName) << ids[i];
  }
}

TEST_F(DriverControllerTest, DeviceWithoutHardwareIdsIsNotListed) {
  TestDevice without;
  without.friendlyName = "No Hardware Ids";
  without.compatibleIds = {"QBTEST\\GENERIC"};
  without.driverKey = NewDriverKey("nohwid");
  CreateDriverKey("CurrentControlSet", without.driverKey);
  TestDevice with = without;
  with.hardwareIds = {"QBTEST\\WITH"};

  const std::string withoutId = Add(without, "without");
  const std::string withId = Add(with, "with");
  const std::vector<TDriverRecord> drivers = Enumerate();
  EXPECT_EQ(Find(drivers, withoutId), nullptr);
  EXPECT_NE(Find(drivers, withId), nullptr);
  for (const TDriverRecord& record : drivers)
    EXPECT_FALSE(record.HardwareIDs.empty()) << record.DeviceInstanceID;
}

TEST_F(DriverControllerTest, IdentifierListsAreJoinedInOrder) {
  TestDevice device;
  device.friendlyName = "Three Ids";
  device.hardwareIds = {"QBTEST\\VEN_1&DEV_2&REV_3", "QBTEST\\VEN_1&DEV_2", "QBTEST\\VEN_1"};
  device.compatibleIds = {"QBTEST\\CC_0301", "QBTEST\\CC_03"};
  TestDevice single;
  single.friendlyName = "One Id";
  single.hardwareIds = {"QBTEST\\SINGLE"};

  const std::string id = Add(device, "three");
  const std::string singleId = Add(single, "single");
  const std::vector<TDriverRecord> drivers = Enumerate();
  const TDriverRecord record = RecordOr(Find(drivers, id));
  EXPECT_EQ(record.HardwareIDs, "QBTEST\\VEN_1&DEV_2&REV_3, QBTEST\\VEN_1&DEV_2, QBTEST\\VEN_1");
  EXPECT_EQ(record.CompatibleIDs, "QBTEST\\CC_0301, QBTEST\\CC_03");
  const TDriverRecord singleRecord = RecordOr(Find(drivers, singleId));
  EXPECT_EQ(singleRecord.HardwareIDs, "QBTEST\\SINGLE");
  EXPECT_EQ(singleRecord.CompatibleIDs, "");
}

TEST_F(DriverControllerTest, ReadsTheDeviceAndItsDriverValues) {
  TestDevice device;
  device.friendlyName = "Driven Device";
  device.hardwareIds = {"QBTEST\\DRIVEN", "QBTEST\\DRIVEN_ALT"};
  device.driverKey = NewDriverKey("driven");
  {
    qb::win::RegKey key = CreateDriverKey("CurrentControlSet", device.driverKey);
    qb::test::SetStringValue(key.get(), "DriverVersion", "10.0.1.7");
    qb::test::SetStringValue(key.get(), "DriverDate", "3-9-2021");
    qb::test::SetStringValue(key.get(), "ProviderName", "Provider, Inc.");
    qb::test::SetStringValue(key.get(), "InfPath", "oem42.inf");
    qb::test::SetStringValue(key.get(), "MatchingDeviceID", "qbtest\\driven_alt");
  }
  const std::string id = Add(device, "driven");
  const TDriverRecord record = RecordOr(Find(Enumerate(), id));

  EXPECT_EQ(record.DeviceInstanceID.size(), id.size());
  EXPECT_EQ(record.Name, "Driven Device");
  EXPECT_EQ(record.DriverKey, device.driverKey);
  EXPECT_EQ(record.Driver, device.driverKey);
  EXPECT_EQ(record.DriverVersion, "10.0.1.7");
  EXPECT_EQ(record.DriverDate, "3-9-2021");
  EXPECT_EQ(record.ProviderName, "Provider, Inc.");
  EXPECT_EQ(record.InfPath, "oem42.inf");
  EXPECT_EQ(record.MatchingDeviceID, "qbtest\\driven_alt");
  EXPECT_EQ(record.ClassGUID, kSystemClassBytes);
  EXPECT_EQ(record.ProblemCode, 0u);
}

TEST_F(DriverControllerTest, DeviceWithoutDriverKeyHasEmptyDriverValues) {
  TestDevice device;
  device.friendlyName = "Driverless";
  device.hardwareIds = {"QBTEST\\DRIVERLESS"};
  const std::string id = Add(device, "driverless");
  const TDriverRecord* record = Find(Enumerate(), id);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->DriverKey, "");
  EXPECT_EQ(record->Driver, "");
  EXPECT_EQ(record->DriverVersion, "");
  EXPECT_EQ(record->DriverDate, "");
  EXPECT_EQ(record->ProviderName, "");
  EXPECT_EQ(record->InfPath, "");
  EXPECT_EQ(record->MatchingDeviceID, "");
}

// Removes, bottom up, the keys of a path that the test made and that are empty again.
void RemoveEmptyKeys(std::vector<std::string> paths) {
  for (auto it = paths.rbegin(); it != paths.rend(); ++it)
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, it->c_str());  // fails, harmlessly, while not empty
}

TEST_F(DriverControllerTest, DriverValuesComeFromControlSet002WhenCurrentLacksTheKey) {
  const std::vector<std::string> chain = {
      "System\\ControlSet002", "System\\ControlSet002\\Control",
      "System\\ControlSet002\\Control\\Class",
      std::string("System\\ControlSet002\\Control\\Class\\") + kSystemClassKey};
  std::vector<std::string> made;
  for (const std::string& path : chain)
    if (!qb::test::KeyExists(path)) made.push_back(path);

  TestDevice device;
  device.friendlyName = "Fallback";
  device.hardwareIds = {"QBTEST\\FALLBACK"};
  device.driverKey = NewDriverKey("fallback");
  {
    qb::win::RegKey key = CreateDriverKey("ControlSet002", device.driverKey);
    qb::test::SetStringValue(key.get(), "DriverVersion", "2.0.0.2");
    qb::test::SetStringValue(key.get(), "ProviderName", "Second Set");
    qb::test::SetStringValue(key.get(), "MatchingDeviceID", "QBTEST\\FALLBACK");
  }
  if (qb::test::KeyExists(qb::test::DriverKeyPath("CurrentControlSet", device.driverKey))) {
    TearDown();
    RemoveEmptyKeys(made);
    GTEST_SKIP() << "CurrentControlSet is ControlSet002 here";
  }
  const std::string id = Add(device, "fallback");
  const TDriverRecord record = RecordOr(Find(Enumerate(), id));
  EXPECT_EQ(record.DriverVersion, "2.0.0.2");
  EXPECT_EQ(record.ProviderName, "Second Set");
  EXPECT_EQ(record.MatchingDeviceID, "QBTEST\\FALLBACK");
  EXPECT_EQ(record.DriverDate, "");  // missing there too

  TearDown();
  RemoveEmptyKeys(made);
}

TEST_F(DriverControllerTest, ValueOfAnotherTypeGivesEmptyFieldAndTheScanGoesOn) {
  TestDevice device;
  device.friendlyName = "Odd Values";
  device.hardwareIds = {"QBTEST\\ODD"};
  device.driverKey = NewDriverKey("odd");
  {
    qb::win::RegKey key = CreateDriverKey("CurrentControlSet", device.driverKey);
    qb::test::SetDwordValue(key.get(), "DriverVersion", 0x01020304);
    const char multi[] = "a.inf\0b.inf\0";
    ASSERT_EQ(::RegSetValueExA(key.get(), "InfPath", 0, REG_MULTI_SZ,
                               reinterpret_cast<const BYTE*>(multi), sizeof multi),
              ERROR_SUCCESS);
    const BYTE binary[] = {'x', 'y'};
    ASSERT_EQ(::RegSetValueExA(key.get(), "DriverDate", 0, REG_BINARY, binary, sizeof binary),
              ERROR_SUCCESS);
    // Stored without its terminating zero, and as an expandable string (not expanded).
    ASSERT_EQ(::RegSetValueExA(key.get(), "ProviderName", 0, REG_SZ,
                               reinterpret_cast<const BYTE*>("Unterminated"), 12),
              ERROR_SUCCESS);
    const char expandable[] = "%SystemRoot%\\match";
    ASSERT_EQ(::RegSetValueExA(key.get(), "MatchingDeviceID", 0, REG_EXPAND_SZ,
                               reinterpret_cast<const BYTE*>(expandable), sizeof expandable),
              ERROR_SUCCESS);
  }
  TestDevice next;
  next.friendlyName = "After Odd Values";
  next.hardwareIds = {"QBTEST\\AFTER_ODD"};

  const std::string id = Add(device, "odd");
  const std::string nextId = Add(next, "after");
  std::vector<TDriverRecord> drivers;
  ASSERT_NO_THROW(drivers = Enumerate());
  const TDriverRecord record = RecordOr(Find(drivers, id));
  EXPECT_EQ(record.Name, "Odd Values");
  EXPECT_EQ(record.DriverVersion, "");
  EXPECT_EQ(record.InfPath, "");
  EXPECT_EQ(record.DriverDate, "");
  EXPECT_EQ(record.ProviderName, "Unterminated");
  EXPECT_EQ(record.MatchingDeviceID, "%SystemRoot%\\match");
  EXPECT_NE(Find(drivers, nextId), nullptr);
}

TEST_F(DriverControllerTest, ClassGuidTextThatIsNoGuidGivesZeroBytesAndTheScanGoesOn) {
  TestDevice device;
  device.friendlyName = "Bad Class";
  device.hardwareIds = {"QBTEST\\BADCLASS"};
  TestDevice next;
  next.friendlyName = "After Bad Class";
  next.hardwareIds = {"QBTEST\\AFTER_BADCLASS"};
  const std::string id = Add(device, "badclass");
  const std::string nextId = Add(next, "after");

  // This system leaves a device whose class text is no GUID out of a new set, so the text
  // is spoiled after the set is opened; it is set right again before the device goes.
  DriverController controller;
  const std::string suffix = UniqueName("badclass");
  qb::test::SetTestDeviceClassGuidText(suffix, "{not-a-guid}");
  EXPECT_NO_THROW(controller.EnumerateDrivers());
  qb::test::SetTestDeviceClassGuidText(suffix, kSystemClassKey);

  const TDriverRecord* record = Find(controller.Drivers(), id);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->Name, "Bad Class");
  EXPECT_EQ(record->ClassGUID, (std::array<std::uint8_t, 16>{}));
  const TDriverRecord* nextRecord = Find(controller.Drivers(), nextId);
  ASSERT_NE(nextRecord, nullptr);
  EXPECT_EQ(nextRecord->ClassGUID, kSystemClassBytes);
}

TEST_F(DriverControllerTest, EveryEnumerationGivesAFreshListOfTheSetOpenedAtCreation) {
  TestDevice early;
  early.friendlyName = "Early";
  early.hardwareIds = {"QBTEST\\EARLY"};
  TestDevice gone = early;
  gone.hardwareIds = {"QBTEST\\GONE"};
  const std::string earlyId = Add(early, "early");
  const std::string goneId = Add(gone, "gone");

  DriverController controller;
  controller.EnumerateDrivers();
  const std::vector<TDriverRecord> first = controller.Drivers();
  ASSERT_NE(Find(first, earlyId), nullptr);
  ASSERT_NE(Find(first, goneId), nullptr);

  // Other test processes may remove their devices meanwhile, so the list may shrink, but
  // nothing of the first enumeration may be listed twice.
  controller.EnumerateDrivers();
  EXPECT_LE(controller.Drivers().size(), first.size());
  std::set<std::string> ids;
  for (const TDriverRecord& record : controller.Drivers())
    EXPECT_TRUE(ids.insert(record.DeviceInstanceID).second) << record.DeviceInstanceID;
  EXPECT_NE(Find(controller.Drivers(), earlyId), nullptr);

  TestDevice late = early;
  late.hardwareIds = {"QBTEST\\LATE"};
  const std::string lateId = Add(late, "late");
  Remove(goneId);
  controller.EnumerateDrivers();
  EXPECT_NE(Find(controller.Drivers(), earlyId), nullptr);
  EXPECT_EQ(Find(controller.Drivers(), lateId), nullptr);
  EXPECT_EQ(Find(controller.Drivers(), goneId), nullptr);
}

TEST(DeviceApi, IsBoundFromTheSystemFolderAndSharedWhileHeld) {
  char folder[MAX_PATH + 1] = {};
  ASSERT_NE(::GetSystemDirectoryA(folder, MAX_PATH), 0u);

  std::shared_ptr<const qb::win::DeviceApi> first = qb::win::AcquireDeviceApi();
  std::shared_ptr<const qb::win::DeviceApi> second = qb::win::AcquireDeviceApi();
  EXPECT_EQ(first, second);
  const void* functions[] = {
      reinterpret_cast<const void*>(first->GetClassDevs),
      reinterpret_cast<const void*>(first->GetDeviceId)};
  for (const void* function : functions) {
    HMODULE module = nullptr;
    ASSERT_TRUE(::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                     static_cast<LPCSTR>(function), &module));
    char path[MAX_PATH + 1] = {};
    ASSERT_NE(::GetModuleFileNameA(module, path, MAX_PATH), 0u);
    const std::string directory(path, std::string(path).rfind('\\'));
    EXPECT_EQ(::lstrcmpiA(directory.c_str(), folder), 0) << path;
  }

  // Two controllers at once, and one after both are gone, all work.
  auto one = std::make_unique<DriverController>();
  auto two = std::make_unique<DriverController>();
  one.reset();
  two->EnumerateDrivers();
  two.reset();
  first.reset();
  second.reset();
  DriverController again;
  EXPECT_NO_THROW(again.EnumerateDrivers());
}

}  // namespace
