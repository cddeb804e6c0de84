#include "shared/win/environment_win.h"

#include <windows.h>

#include <vector>

namespace qb::win {

std::string EnvironmentValue(const std::string& name) {
  DWORD size = ::GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  while (size != 0) {
    std::vector<char> buffer(size, '\0');
    const DWORD length = ::GetEnvironmentVariableA(name.c_str(), buffer.data(), size);
    if (length < size) return std::string(buffer.data(), length);
    size = length;  // the value grew in between: ask again with the new size
  }
  return std::string();
}

}  // namespace qb::win
