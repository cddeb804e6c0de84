#include "main/app/shell_open_win.h"

#include <shellapi.h>

#include "main/app/app_texts.h"

namespace qb {

namespace {

void ShellOpen(HWND owner, const std::string& target, const char* parameters, int show) {
  ::ShellExecuteA(owner, "open", target.c_str(), parameters, nullptr, show);
}

}  // namespace

void OpenInBrowser(HWND owner, const std::string& path) {
  ShellOpen(owner, path, nullptr, SW_SHOWNORMAL);
}

void OpenFolder(HWND owner, const std::string& folder) {
  ShellOpen(owner, folder, nullptr, SW_SHOWNORMAL);
}

std::string FindUploader() {
  char full[MAX_PATH] = {};
  char* filePart = nullptr;
  const DWORD length = ::GetFullPathNameA(kUploaderFileName, MAX_PATH, full, &filePart);
  if (length == 0 || length >= MAX_PATH) return "";
  const DWORD attributes = ::GetFileAttributesA(full);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return "";
  return std::string(full, length);
}

bool StartUploaderIfPresent(HWND owner, const std::string& scanId) {
  const std::string uploader = FindUploader();
  if (uploader.empty()) return false;
  ShellOpen(owner, uploader, scanId.c_str(), SW_HIDE);
  return true;
}

}  // namespace qb
