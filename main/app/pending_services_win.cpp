// Stand-ins for the device and computer-facts services until their own implementations land.
// They follow the declared interfaces: the device set is opened through SetupApi.dll bound at
// run time, the facts come from the system where it is cheap and are fixed otherwise.
#include <windows.h>

#include <setupapi.h>

#include "main/devices/driver_controller_win.h"
#include "main/pcinfo/pc_info_controller_win.h"

#include <memory>
#include <stdexcept>
#include <string>
#include "shared/win/handles_win.h"
#include "shared/win/system_error_win.h"

namespace qb {

struct DriverController::Binding {
  win::Module library;
  decltype(&::SetupDiGetClassDevsA) GetClassDevs = nullptr;
  decltype(&::SetupDiEnumDeviceInfo) EnumDeviceInfo = nullptr;
  decltype(&::SetupDiGetDeviceRegistryPropertyA) GetProperty = nullptr;
  decltype(&::SetupDiDestroyDeviceInfoList) Destroy = nullptr;

  template <typename F>
  void Bind(const char* name, F& function) {
    FARPROC address = ::GetProcAddress(library.get(), name);
    if (!address) win::ThrowLastError(std::string(name) + " in SetupApi.dll");
    function = reinterpret_cast<F>(reinterpret_cast<void (*)()>(address));
  }
};

DriverController::DriverController() : binding_(nullptr), device_info_set_(nullptr) {
  auto binding = std::make_unique<Binding>();
  binding->library.reset(::LoadLibraryA("SetupApi.dll"));
  if (!binding->library) win::ThrowLastError("SetupApi.dll");
  binding->Bind("SetupDiGetClassDevsA", binding->GetClassDevs);
  binding->Bind("SetupDiEnumDeviceInfo", binding->EnumDeviceInfo);
  binding->Bind("SetupDiGetDeviceRegistryPropertyA", binding->GetProperty);
  binding->Bind("SetupDiDestroyDeviceInfoList", binding->Destroy);
  HDEVINFO set = binding->GetClassDevs(nullptr, nullptr, nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
  if (set == INVALID_HANDLE_VALUE) win::ThrowLastError("SetupDiGetClassDevsA");
  device_info_set_ = set;
  binding_ = binding.release();
}

DriverController::~DriverController() {
  if (binding_ && device_info_set_) binding_->Destroy(device_info_set_);
  delete binding_;
}

void DriverController::EnumerateDrivers() {
  drivers_.clear();
  for (DWORD index = 0;; ++index) {
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof data;
    if (!binding_->EnumDeviceInfo(device_info_set_, index, &data)) break;
    char name[512] = {};
    DWORD type = 0;
    TDriverRecord record;
    if (binding_->GetProperty(device_info_set_, &data, SPDRP_DEVICEDESC, &type,
                              reinterpret_cast<BYTE*>(name), sizeof name - 1, nullptr))
      record.Name = name;
    else
      record.Name = "Unknown";
    drivers_.push_back(std::move(record));
  }
}

PCInfoController::PCInfoController() { CollectInformation(); }

void PCInfoController::CollectInformation() {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof name;
  if (::GetComputerNameA(name, &size)) facts_.ComputerName.assign(name, size);
  facts_.OperatingSystem = "Microsoft Windows 7 Professional";
  facts_.OSArchitecture = IsWow64() || sizeof(void*) == 8 ? "64bits" : "32bits";
  facts_.Manufacturer = "Quillborne Test Systems";
  facts_.Model = "Workstation QB-1";
}

bool IsWow64() {
  BOOL wow64 = FALSE;
  if (!::IsWow64Process(::GetCurrentProcess(), &wow64)) throw std::runtime_error("Invalid handle");
  return wow64 != FALSE;
}

}  // namespace qb
