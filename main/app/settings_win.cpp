#include "main/app/settings_win.h"

#include <windows.h>

#include <vector>

#include "main/app/settings_paths.h"
#include "shared/win/environment_win.h"
#include "shared/win/system_error_win.h"

namespace qb {
namespace {

// One level only; a failure shows later, when the folder is used.
void CreateFolderIfMissing(const std::string& folder) {
  const DWORD attributes = ::GetFileAttributesA(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  ::CreateDirectoryA(folder.c_str(), nullptr);
}

std::string FolderFromVariable(const char* variable) {
  const std::string folder = AppFolderFor(GetEnvVar(variable));
  CreateFolderIfMissing(folder);
  return folder;
}

std::string SettingsFile() { return SettingsFilePath(GetSettingsFolder()); }

}  // namespace

std::string GetEnvVar(const std::string& name) { return win::EnvironmentValue(name); }

std::string GetSettingsFolder() { return FolderFromVariable(kSettingsFolderVariable); }

std::string GetTempFolder() { return FolderFromVariable(kTempFolderVariable); }

std::string ReadSetting(const std::string& key) {
  const std::string file = SettingsFile();
  std::vector<char> buffer(kSettingBufferSize, '\0');
  const DWORD length = ::GetPrivateProfileStringA(kSettingsSection, key.c_str(), "",
                                                  buffer.data(), kSettingBufferSize, file.c_str());
  return std::string(buffer.data(), length < kSettingBufferSize ? length : 0);
}

void WriteSetting(const std::string& key, const std::string& value) {
  const std::string file = SettingsFile();
  if (!::WritePrivateProfileStringA(kSettingsSection, key.c_str(), value.c_str(), file.c_str()))
    win::ThrowLastError("Unable to write to " + file);
}

}  // namespace qb
