#include "portable/support/md5_class_win.h"

#include "shared/win/ansi_win.h"

namespace qbp {

std::wstring DigestWideTextToHexStr(MD5& md5, const std::wstring& SourceString) {
  return md5.DigestStrToHexStr(qb::win::ToAnsi(SourceString));
}

}  // namespace qbp
