#include "shared/win/whole_file_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "shared/win/handles_win.h"
#include "shared/win/system_error_win.h"

namespace qb::win {

namespace {

// "<path>.<pid>-<n>.tmp": beside the target, so the final move stays on one volume.
std::string TemporaryName(const std::string& path, unsigned attempt) {
  char suffix[48] = {};
  std::snprintf(suffix, sizeof suffix, ".%lx-%lx-%u.tmp",
                static_cast<unsigned long>(::GetCurrentProcessId()),
                static_cast<unsigned long>(::GetTickCount()), attempt);
  return path + suffix;
}

// Creates a new temporary file beside the path, opened for writing and shared with nobody.
FileHandle CreateTemporary(const std::string& path, std::string& name) {
  for (unsigned attempt = 0;; ++attempt) {
    name = TemporaryName(path, attempt);
    FileHandle file(::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) return file;
    const DWORD error = ::GetLastError();
    if ((error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) || attempt >= 100)
      throw SystemError(error, path);
  }
}

// Writes every byte, or returns the error code of the write that failed.
DWORD WriteAll(HANDLE file, const std::string& text) {
  const char* data = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file, data, chunk, &written, nullptr)) return ::GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;
    data += written;
    left -= written;
  }
  return ::FlushFileBuffers(file) ? ERROR_SUCCESS : ::GetLastError();
}

// A file already at the path must be one this program may write: read-only, a folder or a file
// another program holds are refused before anything is written (a move alone would replace a
// read-only file under some systems, and Wine run by root even opens one for writing).
void CheckReplaceable(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    throw SystemError(ERROR_ACCESS_DENIED, path);
  FileHandle existing(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
  if (existing) return;
  const DWORD error = ::GetLastError();
  if (error != ERROR_FILE_NOT_FOUND) throw SystemError(error, path);
}

}  // namespace

void WriteFileWhole(const std::string& path, const std::string& text) {
  CheckReplaceable(path);
  std::string temporary;
  FileHandle file = CreateTemporary(path, temporary);
  DWORD error = WriteAll(file.get(), text);
  file.reset();
  if (error == ERROR_SUCCESS &&
      !::MoveFileExA(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = ::GetLastError();
  if (error != ERROR_SUCCESS) {
    ::DeleteFileA(temporary.c_str());
    throw SystemError(error, path);
  }
}

}  // namespace qb::win
