#pragma once
// How the account window's password is stored.
#include <functional>
#include <string>

namespace qbp {

// The text's bytes in the ANSI code page.
using AnsiEncoder = std::function<std::string(const std::wstring&)>;

// A password of exactly 32 characters (a stored digest, or typed so) is kept as it is; any
// other text is replaced by the MD5 text of its ANSI bytes.
std::wstring PasswordToStore(const std::wstring& typed, const AnsiEncoder& toAnsi);

}  // namespace qbp
