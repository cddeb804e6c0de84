#pragma once
// SetupAPI and configuration-manager functions, bound by name at run time.
#include <windows.h>
#include <setupapi.h>
#include <cfgmgr32.h>

#include <memory>

namespace qb::win {

// The ANSI entry points the device inventory uses. Every pointer is bound (never null).
// All of them are bound at run time, so that the program still starts (and reports the
// missing inventory) where the device libraries cannot be loaded.
struct DeviceApi {
  decltype(&::SetupDiGetClassDevsA) GetClassDevs = nullptr;
  decltype(&::SetupDiEnumDeviceInfo) EnumDeviceInfo = nullptr;
  decltype(&::SetupDiGetDeviceRegistryPropertyA) GetDeviceRegistryProperty = nullptr;
  decltype(&::SetupDiDestroyDeviceInfoList) DestroyDeviceInfoList = nullptr;
  decltype(&::CM_Get_Device_ID_Size) GetDeviceIdSize = nullptr;
  decltype(&::CM_Get_Device_IDA) GetDeviceId = nullptr;
  decltype(&::CM_Get_DevNode_Status) GetDevNodeStatus = nullptr;
};

// The one shared binding. The first caller loads "SetupApi.dll" and "cfgmgr32.dll" from the
// system folder (never from the program's or the current folder, where a planted copy could
// sit); the libraries are freed when the last holder lets go. Throws SystemError when a
// library cannot be loaded or does not export a function.
std::shared_ptr<const DeviceApi> AcquireDeviceApi();

}  // namespace qb::win
