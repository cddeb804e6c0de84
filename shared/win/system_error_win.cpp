#include "shared/win/system_error_win.h"

#include "shared/win/handles_win.h"

namespace qb::win {

std::string SystemMessage(DWORD code) {
  char* buffer = nullptr;
  DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  LocalMemory owner(buffer);
  std::string text = length ? std::string(buffer, length) : "System error " + std::to_string(code);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  return text;
}

SystemError::SystemError(DWORD code, const std::string& what)
    : std::runtime_error(what.empty() ? SystemMessage(code) : what + ": " + SystemMessage(code)),
      code_(code) {}

void ThrowLastError(const std::string& what) { throw SystemError(::GetLastError(), what); }

}  // namespace qb::win
