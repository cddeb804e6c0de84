#include "portable/app/account_settings_win.h"

#include "portable/app/account_settings.h"
#include "portable/app/file_module_win.h"
#include "shared/win/ansi_win.h"

namespace qbp {

std::wstring PasswordToStore(const std::wstring& typed) {
  return PasswordToStore(typed, [](const std::wstring& text) { return qb::win::ToAnsi(text); });
}

void LoadAccountInfo(std::wstring& email, std::wstring& password) {
  email = ReadSetting(L"email");
  password = ReadSetting(L"password");
}

void SaveAccountInfo(const std::wstring& email, std::wstring& password) {
  WriteSetting(L"email", email);
  password = PasswordToStore(password);
  WriteSetting(L"password", password);
}

}  // namespace qbp
