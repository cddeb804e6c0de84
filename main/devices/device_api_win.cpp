#include "main/devices/device_api_win.h"

#include <mutex>
#include <string>

#include "shared/win/handles_win.h"
#include "shared/win/system_error_win.h"

namespace qb::win {
namespace {

constexpr const char* kSetupApiName = "SetupApi.dll";
constexpr const char* kCfgMgrName = "cfgmgr32.dll";

std::string SystemFolder() {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = ::GetSystemDirectoryA(buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) ThrowLastError("GetSystemDirectoryA");
  return std::string(buffer, length);
}

// By full path, so only the system folder's copy can load.
Module LoadSystemLibrary(const std::string& systemFolder, const char* name) {
  const std::string path = systemFolder + "\\" + name;
  Module module(::LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  if (!module) ThrowLastError(path);
  return module;
}

template <typename Function>
void Bind(const Module& module, const char* libraryName, const char* functionName,
          Function& function) {
  FARPROC address = ::GetProcAddress(module.get(), functionName);
  if (address == nullptr) ThrowLastError(std::string(functionName) + " in " + libraryName);
  function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

// The function table together with the libraries it points into.
struct BoundDeviceApi : DeviceApi {
  Module setupApi;
  Module cfgMgr;

  BoundDeviceApi() {
    const std::string folder = SystemFolder();
    setupApi = LoadSystemLibrary(folder, kSetupApiName);
    cfgMgr = LoadSystemLibrary(folder, kCfgMgrName);
    Bind(setupApi, kSetupApiName, "SetupDiGetClassDevsA", GetClassDevs);
    Bind(setupApi, kSetupApiName, "SetupDiEnumDeviceInfo", EnumDeviceInfo);
    Bind(setupApi, kSetupApiName, "SetupDiGetDeviceRegistryPropertyA", GetDeviceRegistryProperty);
    Bind(setupApi, kSetupApiName, "SetupDiDestroyDeviceInfoList", DestroyDeviceInfoList);
    Bind(cfgMgr, kCfgMgrName, "CM_Get_Device_ID_Size", GetDeviceIdSize);
    Bind(cfgMgr, kCfgMgrName, "CM_Get_Device_IDA", GetDeviceId);
    Bind(cfgMgr, kCfgMgrName, "CM_Get_DevNode_Status", GetDevNodeStatus);
  }
};

}  // namespace

std::shared_ptr<const DeviceApi> AcquireDeviceApi() {
  static std::mutex guard;
  static std::weak_ptr<const DeviceApi> shared;
  std::lock_guard<std::mutex> lock(guard);
  std::shared_ptr<const DeviceApi> api = shared.lock();
  if (!api) {
    api = std::make_shared<const BoundDeviceApi>();
    shared = api;
  }
  return api;
}

}  // namespace qb::win
