#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace qb {

// The shell's folder browser titled "Select your USB folder", its tree rooted at "C:\",
// offering file-system folders only. The picked folder's path, or nothing when cancelled.
std::optional<std::string> ChooseUsbFolder(HWND owner);

}  // namespace qb
