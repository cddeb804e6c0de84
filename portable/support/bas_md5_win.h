#pragma once
// basMD5: MD5 digests of files through the Windows cryptographic provider.
#include <cstdint>
#include <string>
#include <vector>

namespace qbp {

// Error numbers HashFile raises (with source "basMD5 - HashFile").
constexpr long kErrAcquireContext = 1;  // "Failed to acquire cryptographic context"
constexpr long kErrHashData = 2;        // "Can NOT Add this data to the hash"
constexpr long kErrCreateHash = 3;      // "Can NOT Create new MD5 hash"

// The file's MD5 as 32 upper-case hexadecimal digits, read in blocks of blockSize bytes;
// the empty text when the hash value cannot be read. Raises VbError with source
// "basMD5 - GetFileMD5HashCode" and the number and description of the failure.
std::wstring GetFileMD5HashCode(const std::wstring& path, std::int32_t blockSize);

// Hashes the file in blocks of the block size last given to GetFileMD5HashCode. Returns the
// hash length (16) and fills `hash`, or 0 when the hash value cannot be read. Raises VbError
// with source "basMD5 - HashFile". The file is opened read-only and never created.
std::int32_t HashFile(const std::wstring& path, std::vector<std::uint8_t>& hash);

}  // namespace qbp
