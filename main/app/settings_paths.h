#pragma once
// Where the main edition keeps its settings and pages, composed from plain values.
#include <string>

namespace qb {

inline constexpr const char* kSettingsFolderVariable = "appdata";
inline constexpr const char* kTempFolderVariable = "TEMP";
inline constexpr const char* kSettingsSection = "Settings";
// The profile functions read into a buffer of this size: at most 2047 characters come back.
inline constexpr unsigned kSettingBufferSize = 2048;

// The variable's value, "\", "quillborne", "\": an unset variable gives "\quillborne\",
// which lies at the root of the current drive.
std::string AppFolderFor(const std::string& variableValue);

// The settings folder text followed by "\info.txt". The folder text already ends in a
// backslash, so the path holds two in a row; the system reads it as one.
std::string SettingsFilePath(const std::string& settingsFolder);

}  // namespace qb
