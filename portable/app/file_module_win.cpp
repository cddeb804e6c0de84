#include "portable/app/file_module_win.h"

#include <windows.h>

#include "portable/app/log_entry.h"
#include "portable/support/cls_ini_file_win.h"
#include "portable/support/vb_error.h"
#include "shared/win/ansi_win.h"
#include "shared/win/environment_win.h"
#include "shared/win/handles_win.h"
#include "shared/win/system_error_win.h"
#include "shared/win/whole_file_win.h"

namespace qbp {
namespace {

const wchar_t kWriteSource[] = L"file - WriteTextFile";

[[noreturn]] void RaiseWriteError(const std::wstring& path, DWORD code) {
  throw VbError(static_cast<long>(code), kWriteSource,
                path + L": " + qb::win::FromAnsi(qb::win::SystemMessage(code)));
}

// ERROR_SUCCESS, or why not every byte was written. A short write reported as success sets no
// last error; the one left there (OPEN_ALWAYS: ERROR_ALREADY_EXISTS) is not its reason.
DWORD WriteAll(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    return ::GetLastError();
  return written == bytes.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

void AppendBytes(const std::wstring& path, const std::string& bytes) {
  qb::win::FileHandle file(::CreateFileA(qb::win::ToAnsi(path).c_str(), GENERIC_WRITE,
                                         FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) RaiseWriteError(path, ::GetLastError());
  LARGE_INTEGER end{};
  const LARGE_INTEGER zero{};
  if (!::SetFilePointerEx(file.get(), zero, &end, FILE_END)) RaiseWriteError(path, ::GetLastError());
  const DWORD code = WriteAll(file.get(), bytes);
  if (code == ERROR_SUCCESS) return;
  // Cut a partial entry off again, so the file holds what it held before.
  if (::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN)) ::SetEndOfFile(file.get());
  RaiseWriteError(path, code);
}

// Replaces the file whole or not at all; an existing file is never left half written.
void ReplaceWithBytes(const std::wstring& path, const std::string& bytes) {
  try {
    qb::win::WriteFileWhole(qb::win::ToAnsi(path), bytes);
  } catch (const qb::win::SystemError& error) {
    RaiseWriteError(path, error.code());
  }
}

std::uint64_t FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(qb::win::ToAnsi(path).c_str(), GetFileExInfoStandard, &data)) return 0;
  return std::uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

std::wstring SettingsFile() { return GetAppDataFolder() + L"\\info.txt"; }

std::wstring LocaleText(bool date, const SYSTEMTIME& time) {
  char buffer[256] = {};
  const int length = date ? ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr,
                                             buffer, sizeof buffer)
                          : ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer,
                                             sizeof buffer);
  return length > 0 ? qb::win::FromAnsi(std::string(buffer, length - 1)) : std::wstring();
}

}  // namespace

std::wstring GetAppDataFolder() {
  const std::string folder = qb::win::EnvironmentValue("appdata") + "\\quillborne\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);  // fails harmlessly when it already exists
  return qb::win::FromAnsi(folder);
}

std::wstring GeneralDateNow() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return GeneralDateText(LocaleText(true, now), LocaleText(false, now));
}

void WriteTextFile(const std::wstring& path, const std::wstring& text, bool append) {
  const std::string bytes = qb::win::ToAnsi(text + L"\r\n");
  if (append)
    AppendBytes(path, bytes);
  else
    ReplaceWithBytes(path, bytes);
}

bool PathExists(const std::wstring& path) {
  if (path.empty() || path.back() == L'\\') return false;
  WIN32_FIND_DATAA found{};
  qb::win::FindHandle search(::FindFirstFileA(qb::win::ToAnsi(path).c_str(), &found));
  return search.valid();
}

void WriteLog(const std::wstring& message) {
  const std::wstring entry = LogEntryText(GeneralDateNow(), message);
  const std::wstring path = GetAppDataFolder() + L"log.txt";
  const bool exists = PathExists(path);
  WriteTextFile(path, entry, !LogRestarts(exists, exists ? FileSize(path) : 0));
}

std::wstring ReadSetting(const std::wstring& key) {
  clsIniFile ini;
  ini.FileName(SettingsFile());
  std::wstring value;
  ini.GetKeyValue(L"Settings", key, value);
  return value;
}

void WriteSetting(const std::wstring& key, const std::wstring& value) {
  clsIniFile ini;
  ini.FileName(SettingsFile());
  ini.WriteKeyValue(L"Settings", key, value);
}

}  // namespace qbp
