#include "portable/support/bas_md5_win.h"

#include <windows.h>
#include <wincrypt.h>

#include <algorithm>
#include <new>

#include "portable/support/vb_error.h"
#include "shared/hex.h"
#include "shared/win/ansi_win.h"
#include "shared/win/crypt_win.h"
#include "shared/win/handles_win.h"
#include "shared/win/system_error_win.h"

namespace qbp {
namespace {

const wchar_t kHashFileSource[] = L"basMD5 - HashFile";
const wchar_t kGetFileSource[] = L"basMD5 - GetFileMD5HashCode";

std::int32_t BlockSize = 1024;  // set by GetFileMD5HashCode, read by HashFile

[[noreturn]] void RaiseHashFile(long number, const std::wstring& description) {
  throw VbError(number, kHashFileSource, description);
}

[[noreturn]] void RaiseFileError(DWORD code) {
  RaiseHashFile(static_cast<long>(code), qb::win::FromAnsi(qb::win::SystemMessage(code)));
}

// Read access only; the files hashed are often program files that running processes hold
// open (some for writing), so every kind of sharing is allowed. OPEN_EXISTING: never creates.
qb::win::FileHandle OpenForHashing(const std::wstring& path) {
  const std::string ansiPath = qb::win::ToAnsi(path);
  qb::win::FileHandle file(::CreateFileA(ansiPath.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) RaiseFileError(::GetLastError());
  return file;
}

qb::win::CryptProvider AcquireProvider() {
  qb::win::CryptProvider provider;
  if (::CryptAcquireContextA(provider.put(), nullptr, MS_DEF_PROV_A, PROV_RSA_FULL, 0))
    return provider;
  if (::CryptAcquireContextA(provider.put(), nullptr, MS_DEF_PROV_A, PROV_RSA_FULL,
                             CRYPT_NEWKEYSET))
    return provider;
  // Another process created the default key set between the two attempts: it is there now.
  if (::GetLastError() == static_cast<DWORD>(NTE_EXISTS) &&
      ::CryptAcquireContextA(provider.put(), nullptr, MS_DEF_PROV_A, PROV_RSA_FULL, 0))
    return provider;
  RaiseHashFile(kErrAcquireContext, L"Failed to acquire cryptographic context");
}

qb::win::CryptHash CreateMd5(HCRYPTPROV provider) {
  qb::win::CryptHash hash;
  if (!::CryptCreateHash(provider, CALG_MD5, 0, 0, hash.put()))
    RaiseHashFile(kErrCreateHash, L"Can NOT Create new MD5 hash");
  return hash;
}

std::uint64_t FileLength(HANDLE file) {
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file, &size)) RaiseFileError(::GetLastError());
  return static_cast<std::uint64_t>(size.QuadPart);
}

// Feeds the whole file, one block at a time; the last block is shrunk to what remains.
void FeedFile(HANDLE file, HCRYPTHASH hash, std::int32_t blockSize) {
  if (blockSize < 1) RaiseHashFile(kErrInvalidArgument, L"Invalid procedure call or argument");
  std::vector<BYTE> buffer(static_cast<std::size_t>(blockSize));
  std::uint64_t remaining = FileLength(file);
  while (remaining > 0) {
    const DWORD want = static_cast<DWORD>(std::min<std::uint64_t>(remaining, buffer.size()));
    DWORD got = 0;
    if (!::ReadFile(file, buffer.data(), want, &got, nullptr)) RaiseFileError(::GetLastError());
    if (got == 0) break;  // the file was shortened meanwhile
    if (!::CryptHashData(hash, buffer.data(), got, 0))
      RaiseHashFile(kErrHashData, L"Can NOT Add this data to the hash");
    remaining -= got;
  }
}

// The hash value, asked for its length first; 0 when either query fails.
std::int32_t ReadHashValue(HCRYPTHASH hash, std::vector<std::uint8_t>& out) {
  DWORD length = 0;
  if (!::CryptGetHashParam(hash, HP_HASHVAL, nullptr, &length, 0) || length == 0) return 0;
  std::vector<std::uint8_t> value(length, 0);
  if (!::CryptGetHashParam(hash, HP_HASHVAL, value.data(), &length, 0)) return 0;
  value.resize(length);
  out = std::move(value);
  return static_cast<std::int32_t>(length);
}

}  // namespace

std::int32_t HashFile(const std::wstring& path, std::vector<std::uint8_t>& hash) {
  try {
    // Declared in this order so that they are released in reverse: hash, context, file.
    qb::win::FileHandle file = OpenForHashing(path);
    qb::win::CryptProvider provider = AcquireProvider();
    qb::win::CryptHash md5 = CreateMd5(provider.get());
    FeedFile(file.get(), md5.get(), BlockSize);
    return ReadHashValue(md5.get(), hash);
  } catch (const std::bad_alloc&) {
    RaiseHashFile(kErrOutOfMemory, L"Out of memory");
  }
}

std::wstring GetFileMD5HashCode(const std::wstring& path, std::int32_t blockSize) {
  try {
    BlockSize = blockSize;
    std::vector<std::uint8_t> hash;
    const std::int32_t length = HashFile(path, hash);
    if (length <= 0) return {};
    const std::string hex = qb::HexUpper(hash.data(), hash.size());
    return std::wstring(hex.begin(), hex.end());
  } catch (const VbError& error) {
    throw VbError(error.number, kGetFileSource, error.description);
  } catch (const std::bad_alloc&) {
    throw VbError(kErrOutOfMemory, kGetFileSource, L"Out of memory");
  }
}

}  // namespace qbp
