#pragma once
// The two WMI value queries the computer facts are built from, as an interface, so the rules
// that combine their answers can run without WMI.
#include <optional>
#include <string>

namespace qb {

enum class WmiNamespace { Cimv2, Wmi };  // "root\cimv2", "root\WMI"

// The result text one instance gives: Null is empty; in root\WMI the placeholder "NONE"
// (exactly that, upper case) is empty too.
std::string InstanceText(WmiNamespace wmiNamespace, const std::optional<std::string>& value);

// One property of every instance of a class ("SELECT * FROM <class>"). The result is in-out:
// each instance overwrites it (the last one wins), a query without instances leaves it as it
// was, and a failing query empties it.
class WmiQueries {
 public:
  virtual ~WmiQueries() = default;
  virtual void Cimv2Value(const std::string& className, const std::string& property,
                          std::string& result) const = 0;
  virtual void WmiValue(const std::string& className, const std::string& property,
                        std::string& result) const = 0;
};

}  // namespace qb
