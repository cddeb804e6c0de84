#pragma once
#include <string>

namespace qb::win {

// The environment variable's value (the name's letter case does not matter), or "" when it is
// unset or empty.
std::string EnvironmentValue(const std::string& name);

}  // namespace qb::win
