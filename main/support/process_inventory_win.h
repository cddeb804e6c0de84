#pragma once
#include <string>

namespace qb {

// The inventory of running programs from WMI's Win32_Process (see process_inventory.h).
// Throws win::WmiError when WMI cannot be reached or queried.
std::string GetProcessInventory();

}  // namespace qb
