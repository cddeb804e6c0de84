#include "main/app/settings_paths.h"

namespace qb {

std::string AppFolderFor(const std::string& variableValue) {
  return variableValue + "\\" + "quillborne" + "\\";
}

std::string SettingsFilePath(const std::string& settingsFolder) {
  return settingsFolder + "\\info.txt";
}

}  // namespace qb
