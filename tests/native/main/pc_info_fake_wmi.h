#pragma once
// A WMI stand-in for the computer-fact rules: answers per "namespace:Class.Property" key with a
// list of instance values (nullopt is Null), or fails; unknown keys have no instances.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "main/pcinfo/pc_info_wmi.h"

namespace qb::testing {

struct FakeAnswer {
  std::vector<std::optional<std::string>> instances;
  bool fails = false;
};

inline FakeAnswer Values(std::vector<std::optional<std::string>> instances) {
  return {std::move(instances), false};
}
inline FakeAnswer Failure() { return {{}, true}; }

class FakeWmi : public WmiQueries {
 public:
  explicit FakeWmi(std::map<std::string, FakeAnswer> answers) : answers_(std::move(answers)) {}

  void Cimv2Value(const std::string& className, const std::string& property,
                  std::string& result) const override {
    Answer(WmiNamespace::Cimv2, "cimv2:" + className + "." + property, result);
  }
  void WmiValue(const std::string& className, const std::string& property,
                std::string& result) const override {
    Answer(WmiNamespace::Wmi, "wmi:" + className + "." + property, result);
  }

  // Every query in the order asked, as its key.
  const std::vector<std::string>& Asked() const { return asked_; }

 private:
  void Answer(WmiNamespace wmiNamespace, const std::string& key, std::string& result) const {
    asked_.push_back(key);
    const auto found = answers_.find(key);
    if (found == answers_.end()) return;
    if (found->second.fails) {
      result.clear();
      return;
    }
    for (const auto& value : found->second.instances) result = InstanceText(wmiNamespace, value);
  }

  std::map<std::string, FakeAnswer> answers_;
  mutable std::vector<std::string> asked_;
};

}  // namespace qb::testing
