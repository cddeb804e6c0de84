#include "portable/app/account_settings.h"

#include "portable/support/md5_class.h"

namespace qbp {

std::wstring PasswordToStore(const std::wstring& typed, const AnsiEncoder& toAnsi) {
  if (typed.size() == 32) return typed;
  MD5 md5;
  return md5.DigestStrToHexStr(toAnsi(typed));
}

}  // namespace qbp
