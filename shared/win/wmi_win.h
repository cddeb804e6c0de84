#pragma once
// WMI through its scripting objects (SWbemLocator, SWbemServices, SWbemObjectSet).
// COM must be initialised on the calling thread.
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

struct ISWbemObject;

namespace qb::win {

// A COM failure while connecting, querying or reading a value.
class WmiError : public std::runtime_error {
 public:
  WmiError(const std::string& what, long hresult);
  long hresult() const noexcept { return hresult_; }

 private:
  long hresult_;
};

// One object of a query result, valid during the visit only.
class WmiObject {
 public:
  explicit WmiObject(ISWbemObject* object) : object_(object) {}
  // The property's value as ANSI text; nullopt when it is Null or empty. Throws WmiError when
  // the property does not exist or its value cannot be turned into text.
  std::optional<std::string> Text(const wchar_t* property) const;

 private:
  ISWbemObject* object_;
};

// Connects to the namespace on the server ("" is this computer) and runs the WQL query with
// the flags, visiting the objects in the order WMI returns them. Throws WmiError.
void ForEachWmiObject(const std::wstring& server, const std::wstring& wmiNamespace,
                      const std::wstring& query, long flags,
                      const std::function<void(const WmiObject&)>& visit);

}  // namespace qb::win
