#include "portable/support/registry_root.h"

namespace qbp {
namespace {

struct RootName {
  const wchar_t* name;
  std::uint32_t handle;
};

constexpr RootName kRoots[] = {
    {L"HKEY_CURRENT_USER", 0x80000001},  {L"HKEY_LOCAL_MACHINE", 0x80000002},
    {L"HKEY_CLASSES_ROOT", 0x80000000},  {L"HKEY_USERS", 0x80000003},
    {L"HKEY_CURRENT_CONFIG", 0x80000005}, {L"HKEY_DYN_DATA", 0x80000006},
};

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? wchar_t(c - L'a' + L'A') : c; }

bool SameIgnoringCase(const std::wstring& text, const wchar_t* name) {
  std::size_t i = 0;
  for (; i < text.size() && name[i] != L'\0'; ++i)
    if (AsciiUpper(text[i]) != name[i]) return false;
  return i == text.size() && name[i] == L'\0';
}

}  // namespace

std::uint32_t RootKeyFromName(const std::wstring& sKeyName) {
  for (const RootName& root : kRoots)
    if (SameIgnoringCase(sKeyName, root.name)) return root.handle;
  return 0;
}

}  // namespace qbp
