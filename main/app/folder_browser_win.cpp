#include "main/app/folder_browser_win.h"

#include <objbase.h>
#include <shlobj.h>

#include "shared/win/com_win.h"

namespace qb {

namespace {

// An item identifier list allocated by the shell, freed with the task allocator.
class ItemIdList {
 public:
  explicit ItemIdList(LPITEMIDLIST pidl = nullptr) noexcept : pidl_(pidl) {}
  ~ItemIdList() { ::CoTaskMemFree(pidl_); }
  ItemIdList(const ItemIdList&) = delete;
  ItemIdList& operator=(const ItemIdList&) = delete;
  LPITEMIDLIST get() const noexcept { return pidl_; }
  LPITEMIDLIST* put() noexcept {
    ::CoTaskMemFree(pidl_);
    pidl_ = nullptr;
    return &pidl_;
  }

 private:
  LPITEMIDLIST pidl_;
};

}  // namespace

std::optional<std::string> ChooseUsbFolder(HWND owner) {
  win::ComApartment com;  // the browser needs COM on this thread; nests with the caller's
  ItemIdList root;
  SFGAOF attributes = 0;
  // Without a C: drive the root stays empty and the tree starts at the desktop.
  ::SHParseDisplayName(L"C:\\", nullptr, root.put(), 0, &attributes);

  char displayName[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pidlRoot = root.get();
  info.pszDisplayName = displayName;
  info.lpszTitle = "Select your USB folder";
  info.ulFlags = BIF_RETURNONLYFSDIRS;

  ItemIdList picked(::SHBrowseForFolderA(&info));
  if (!picked.get()) return std::nullopt;
  char path[MAX_PATH] = {};
  if (!::SHGetPathFromIDListA(picked.get(), path)) return std::nullopt;
  return std::string(path);
}

}  // namespace qb
