#pragma once
// Errors carrying the system's own code and text.
#include <windows.h>

#include <stdexcept>
#include <string>

namespace qb::win {

// The system's message for an error code, without its trailing line break.
std::string SystemMessage(DWORD code);

// "<what>: <system text>" for the code, e.g. a path and "Access is denied."
class SystemError : public std::runtime_error {
 public:
  SystemError(DWORD code, const std::string& what);
  DWORD code() const noexcept { return code_; }

 private:
  DWORD code_;
};

// Throws SystemError for GetLastError().
[[noreturn]] void ThrowLastError(const std::string& what);

}  // namespace qb::win
