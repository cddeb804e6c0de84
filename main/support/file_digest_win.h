#pragma once
// Identity of a file on disk: its MD5 digest and its size.
#include <string>

namespace qb {

// MD5 of the whole file as 32 upper-case hexadecimal digits. The file is opened for reading
// while other writers are denied. Empty when no file exists at the path, and also when the
// file cannot be opened or read (held open for writing elsewhere, access denied, a folder).
std::string GetFileMD5(const std::string& path);

// Size in bytes of the first entry matching the path (a file name pattern), or -1 when none.
long long GetFileSizeByName(const std::string& path);

}  // namespace qb
