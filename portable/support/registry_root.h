#pragma once
// Root key names of clsRegistry and the handle values they stand for.
#include <cstdint>
#include <string>

namespace qbp {

// 0x80000000..0x80000006 for the full HKEY_* names, in any letter case; 0 for anything else
// (abbreviations such as "HKLM" included).
std::uint32_t RootKeyFromName(const std::wstring& sKeyName);

}  // namespace qbp
