#pragma once
// Class MD5: a running MD5 digest (RFC 1321) with the members the edition calls.
#include <cstdint>
#include <string>
#include <vector>

#include "shared/md5.h"

namespace qbp {

class MD5 {
 public:
  MD5() { MD5Init(); }

  // Starts a new digest.
  void MD5Init();
  // Feeds the first InputLen bytes of InputBuffer (cut to its size; negative feeds nothing).
  void MD5Update(std::int32_t InputLen, const std::vector<std::uint8_t>& InputBuffer);
  // Pads and closes the digest; GetValues then gives it.
  void MD5Final();
  // The digest as 32 upper-case hexadecimal digits. Before MD5Final: the initial state.
  std::wstring GetValues() const;
  // MD5 text of the ANSI bytes of a text, one digest from a fresh start. The bytes are the
  // text's ANSI code-page form (see DigestWideTextToHexStr for wide text).
  std::wstring DigestStrToHexStr(const std::string& SourceString);
  // value rotated left by bits mod 32; the result is stored back into value too.
  static std::uint32_t LongLeftRotate(std::uint32_t& value, std::uint32_t bits);

 private:
  qb::Md5 running_;
  qb::Md5::Digest values_{};
};

}  // namespace qbp
