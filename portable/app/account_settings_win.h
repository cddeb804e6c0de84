#pragma once
// Account load and save behind the account window, over the window's two text boxes.
#include <string>

namespace qbp {

// PasswordToStore with the system's ANSI code page.
std::wstring PasswordToStore(const std::wstring& typed);

// Sets both texts from the settings file ("email", "password"); missing keys give "".
void LoadAccountInfo(std::wstring& email, std::wstring& password);

// Stores the e-mail address, turns the password into its stored form (PasswordToStore, so the
// box shows what was stored) and stores it. Raises VbError when the settings file refuses.
void SaveAccountInfo(const std::wstring& email, std::wstring& password);

}  // namespace qbp
