#pragma once
// Owners for the cryptographic provider's handles.
#include <windows.h>
#include <wincrypt.h>

#include "shared/win/handles_win.h"

namespace qb::win {

struct CryptProviderTraits {
  static HCRYPTPROV invalid() noexcept { return 0; }
  static void close(HCRYPTPROV h) noexcept { ::CryptReleaseContext(h, 0); }
};
struct CryptHashTraits {
  static HCRYPTHASH invalid() noexcept { return 0; }
  static void close(HCRYPTHASH h) noexcept { ::CryptDestroyHash(h); }
};

using CryptProvider = Unique<HCRYPTPROV, CryptProviderTraits>;  // CryptAcquireContext
using CryptHash = Unique<HCRYPTHASH, CryptHashTraits>;          // CryptCreateHash

}  // namespace qb::win
