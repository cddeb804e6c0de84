#pragma once
// Text conversion through the system ANSI code page.
#include <string>
#include <string_view>

namespace qb::win {

std::string ToAnsi(std::wstring_view wide);
std::wstring FromAnsi(std::string_view ansi);

}  // namespace qb::win
