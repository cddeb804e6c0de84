#pragma once
// Wide text into class MD5: the text's ANSI code-page bytes are digested.
#include <string>

#include "portable/support/md5_class.h"

namespace qbp {

// md5.DigestStrToHexStr of the text's bytes in the ANSI code page. A character that takes two
// bytes there is digested as those two bytes; this never raises.
std::wstring DigestWideTextToHexStr(MD5& md5, const std::wstring& SourceString);

}  // namespace qbp
