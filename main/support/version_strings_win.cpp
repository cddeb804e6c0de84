#include "main/support/version_strings_win.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace qb {
namespace {

bool IsExecutable(const std::string& path) {
  SHFILEINFOA info{};
  return ::SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_EXETYPE) != 0;
}

std::vector<char> ReadVersionResource(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> resource(size, '\0');
  if (!::GetFileVersionInfoA(path.c_str(), 0, size, resource.data())) return {};
  return resource;
}

// The first translation entry: language in the low 16 bits, code page in the high 16 bits.
bool FirstTranslation(std::vector<char>& resource, DWORD& translation) {
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(resource.data(), "\\VarFileInfo\\Translation", &value, &length) ||
      !value || length < sizeof translation)
    return false;
  std::memcpy(&translation, value, sizeof translation);
  return true;
}

// The value as a zero-terminated text, never read past the resource or the reported length.
std::string StringValue(std::vector<char>& resource, DWORD translation, const char* name) {
  char block[96] = {};
  std::snprintf(block, sizeof block, "\\StringFileInfo\\%.4x%.4x\\%s",
                static_cast<unsigned>(LOWORD(translation)), static_cast<unsigned>(HIWORD(translation)),
                name);
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(resource.data(), block, &value, &length) || !value) return std::string();
  const char* text = static_cast<const char*>(value);
  const char* end = resource.data() + resource.size();
  const std::size_t limit =
      text >= resource.data() && text < end ? static_cast<std::size_t>(end - text) : length;
  return std::string(text, strnlen(text, limit));
}

}  // namespace

VersionStrings ReadVersionStrings(const std::string& path) {
  VersionStrings strings;
  if (!IsExecutable(path)) return strings;
  std::vector<char> resource = ReadVersionResource(path);
  DWORD translation = 0;
  if (resource.empty() || !FirstTranslation(resource, translation)) return strings;
  strings.CompanyName = StringValue(resource, translation, "CompanyName");
  strings.ProductName = StringValue(resource, translation, "ProductName");
  strings.ProductVersion = StringValue(resource, translation, "ProductVersion");
  strings.FileVersion = StringValue(resource, translation, "FileVersion");
  return strings;
}

}  // namespace qb
