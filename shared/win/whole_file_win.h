#pragma once
#include <string>

namespace qb::win {

// Writes the bytes as they are to the path, creating or replacing the file whole or not at
// all: a new file beside it, held exclusively, written, flushed and only then moved over the
// path. A read-only target, a folder or a file another program holds is refused first. On
// failure throws SystemError naming the path; an earlier file there is kept and no temporary
// file is left behind.
void WriteFileWhole(const std::string& path, const std::string& bytes);

}  // namespace qb::win
