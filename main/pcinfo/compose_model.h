#pragma once
#include <string>

#include "main/pcinfo/pc_info_wmi.h"

namespace qb {

// Whether a model part is worth showing: not empty and no "filled " placeholder
// ("To be filled by O.E.M.") in any letter case.
bool IsValidModelPart(const std::string& text);

// Win32_ComputerSystem.Model, followed by " (detail)" when the firmware's product name, family,
// version and SKU (or, failing those, the product's name and SKU number) say something else.
std::string ComposeModel(const WmiQueries& queries);

}  // namespace qb
