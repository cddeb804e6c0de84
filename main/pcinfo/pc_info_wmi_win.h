#pragma once
// The two WMI value queries, through the WMI scripting objects. COM must be initialised on the
// calling thread.
#include <string>

#include "main/pcinfo/pc_info_wmi.h"

namespace qb {

// One property of every instance of the class in root\cimv2 ("SELECT * FROM <class>"); server
// "" is this computer. The result is overwritten by each instance (the last one wins) and left
// unchanged when there is none; any WMI failure empties it. Null values are empty.
void GetCIMV2Value(const std::string& server, const std::string& className,
                   const std::string& property, std::string& result);
// The same in root\WMI, where the placeholder "NONE" is empty too.
void GetWMIValue(const std::string& server, const std::string& className,
                 const std::string& property, std::string& result);

// Both queries on this computer.
class SystemWmiQueries : public WmiQueries {
 public:
  void Cimv2Value(const std::string& className, const std::string& property,
                  std::string& result) const override;
  void WmiValue(const std::string& className, const std::string& property,
                std::string& result) const override;
};

}  // namespace qb
