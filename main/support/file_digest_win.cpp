#include "main/support/file_digest_win.h"

#include <windows.h>

#include <vector>

#include "shared/md5.h"
#include "shared/win/handles_win.h"

namespace qb {
namespace {

constexpr DWORD kChunkBytes = 1 << 20;

}  // namespace

std::string GetFileMD5(const std::string& path) {
  // Other readers may share the file; a current writer makes the open fail.
  win::FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return std::string();
  std::vector<unsigned char> chunk(kChunkBytes);
  Md5 md5;
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), chunk.data(), kChunkBytes, &read, nullptr)) return std::string();
    if (read == 0) break;
    md5.Update(chunk.data(), read);
  }
  return DigestHex(md5.Final());
}

long long GetFileSizeByName(const std::string& path) {
  WIN32_FIND_DATAA found{};
  win::FindHandle search(::FindFirstFileA(path.c_str(), &found));
  if (!search) return -1;
  return static_cast<long long>((static_cast<unsigned long long>(found.nFileSizeHigh) << 32) +
                                found.nFileSizeLow);
}

}  // namespace qb
