#include "main/pcinfo/pc_info_wmi.h"

namespace qb {

std::string InstanceText(WmiNamespace wmiNamespace, const std::optional<std::string>& value) {
  if (!value) return {};
  if (wmiNamespace == WmiNamespace::Wmi && *value == "NONE") return {};
  return *value;
}

}  // namespace qb
