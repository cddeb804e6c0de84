// Stands in for the optional uploader in the end-to-end tests: copied into a working folder
// under the uploader's name, it records how it was started in "uploader-args.txt" next to
// itself (one argument per line, CR LF, then "end"), so a test can read what it was given.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "";
  std::string full(path, length);
  const std::size_t slash = full.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string target = OwnFolder() + "uploader-args.txt";
  // Written to a side file first and renamed, so a reader never sees half a record.
  const std::string partial = target + ".part";
  std::FILE* file = std::fopen(partial.c_str(), "wb");
  if (!file) return 1;
  for (int i = 1; i < argc; ++i) std::fprintf(file, "%s\r\n", argv[i]);
  std::fputs("end\r\n", file);
  if (std::fclose(file) != 0) return 1;
  return ::MoveFileExA(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
