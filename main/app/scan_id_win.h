#pragma once
#include <string>

namespace qb {

// A new GUID as 32 upper-case hexadecimal digits, without braces or hyphens.
std::string NewScanId();

}  // namespace qb
