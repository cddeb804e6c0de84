#pragma once
#include <string>

namespace qb {

// Writes the text's bytes as they are (no conversion, no byte-order mark) to the path, creating
// or replacing the file. The whole text is written to a new file beside it, held exclusively,
// flushed, and only then moved over the path: the file is replaced whole or not at all. On
// failure throws qb::win::SystemError naming the path; an earlier file there is kept and no
// temporary file is left behind.
void SaveTextFile(const std::string& path, const std::string& text);

}  // namespace qb
