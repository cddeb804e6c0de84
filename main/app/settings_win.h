#pragma once
// The account settings file and the main edition's folders, through the environment, the file
// system and the profile functions.
#include <string>

namespace qb {

// The variable's value, or "" when it is unset or empty.
std::string GetEnvVar(const std::string& name);

// %APPDATA%\quillborne\ (ending in a backslash); the folder is created when missing.
std::string GetSettingsFolder();

// %TEMP%\quillborne\ (ending in a backslash); the folder is created when missing.
std::string GetTempFolder();

// The key's value in section "Settings" of info.txt, or "" (at most 2047 characters).
std::string ReadSetting(const std::string& key);

// Stores the value under the key in section "Settings" of info.txt.
// Throws qb::win::SystemError naming the file when the system refuses the write.
void WriteSetting(const std::string& key, const std::string& value);

}  // namespace qb
