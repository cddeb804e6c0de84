#include "main/pcinfo/compose_model.h"

#include <algorithm>
#include <cctype>

namespace qb {
namespace {

constexpr char kSystemInformation[] = "MS_SystemInformation";
constexpr char kComputerSystemProduct[] = "Win32_ComputerSystemProduct";

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

bool IsValidModelPart(const std::string& text) {
  return !text.empty() && LowerCase(text).find("filled ") == std::string::npos;
}

std::string ComposeModel(const WmiQueries& queries) {
  std::string model, detail;
  // One scratch text for every firmware query: a query without instances leaves the
  // previous answer in it, and that answer is judged again.
  std::string scratch;
  queries.Cimv2Value("Win32_ComputerSystem", "Model", model);

  queries.WmiValue(kSystemInformation, "SystemProductName", scratch);
  if (IsValidModelPart(scratch)) detail = scratch;
  queries.WmiValue(kSystemInformation, "SystemFamily", scratch);
  if (IsValidModelPart(scratch)) detail = scratch;
  queries.WmiValue(kSystemInformation, "SystemVersion", scratch);
  if (IsValidModelPart(scratch) && detail.empty()) detail = scratch;
  if (IsValidModelPart(scratch) && !detail.empty() && scratch != detail) detail += "/" + scratch;
  queries.WmiValue(kSystemInformation, "SystemSKU", scratch);
  if (IsValidModelPart(scratch)) detail += " -SKU:" + scratch;

  if (detail.empty()) {
    queries.Cimv2Value(kComputerSystemProduct, "Name", detail);
    queries.Cimv2Value(kComputerSystemProduct, "SKUNumber", scratch);
    if (IsValidModelPart(scratch)) detail += "- SKU:" + scratch;
  }

  if (!detail.empty() && detail != model) model += " (" + detail + ")";
  return model;
}

}  // namespace qb
