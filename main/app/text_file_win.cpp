#include "main/app/text_file_win.h"

#include "shared/win/whole_file_win.h"

namespace qb {

void SaveTextFile(const std::string& path, const std::string& text) {
  win::WriteFileWhole(path, text);
}

}  // namespace qb
