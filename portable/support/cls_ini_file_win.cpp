#include "portable/support/cls_ini_file_win.h"

#include <windows.h>

#include <algorithm>
#include <new>

#include "portable/support/vb_error.h"
#include "shared/win/ansi_win.h"
#include "shared/win/system_error_win.h"

namespace qbp {
namespace {

constexpr DWORD kValueBufferSize = 12287;

// The value, or false when the profile function returned no characters.
bool ReadProfileValue(const std::wstring& section, const std::wstring& key,
                      const std::wstring& file, std::wstring& value) {
  std::string buffer(kValueBufferSize, '\0');
  const DWORD length = ::GetPrivateProfileStringA(
      qb::win::ToAnsi(section).c_str(), qb::win::ToAnsi(key).c_str(), "", buffer.data(),
      kValueBufferSize, qb::win::ToAnsi(file).c_str());
  if (length == 0) return false;
  value = qb::win::FromAnsi(std::string_view(buffer.data(), std::min(length, kValueBufferSize - 1)));
  return true;
}

bool UserWantsRetry(long number, const std::wstring& description) {
  const std::string text = std::to_string(number) + ", " + qb::win::ToAnsi(description);
  return ::MessageBoxA(nullptr, text.c_str(), "ProjectINI, Sub GetKeyValue",
                       MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION) == IDRETRY;
}

}  // namespace

void clsIniFile::GetKeyValue(const std::wstring& strSection, const std::wstring& strKey,
                             std::wstring& strKeyValue) const {
  for (;;) {
    try {
      std::wstring value;
      if (ReadProfileValue(strSection, strKey, fileName_, value)) strKeyValue = std::move(value);
      return;
    } catch (const std::bad_alloc&) {
      if (!UserWantsRetry(kErrOutOfMemory, L"Out of memory")) return;
    }
  }
}

void clsIniFile::WriteKeyValue(const std::wstring& sSection, const std::wstring& sKey,
                               const std::wstring& sKeyValue) const {
  if (::WritePrivateProfileStringA(qb::win::ToAnsi(sSection).c_str(), qb::win::ToAnsi(sKey).c_str(),
                                   qb::win::ToAnsi(sKeyValue).c_str(),
                                   qb::win::ToAnsi(fileName_).c_str()))
    return;
  const DWORD code = ::GetLastError();
  throw VbError(static_cast<long>(code), L"clsIniFile - WriteKeyValue",
                fileName_ + L": " + qb::win::FromAnsi(qb::win::SystemMessage(code)));
}

}  // namespace qbp
