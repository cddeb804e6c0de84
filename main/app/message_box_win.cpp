#include "main/app/message_box_win.h"

namespace qb {

namespace {
constexpr char kApplicationTitle[] = "Quillborne";
}  // namespace

void ShowMessage(HWND owner, const std::string& text) {
  ::MessageBoxA(owner, text.c_str(), kApplicationTitle, MB_OK);
}

}  // namespace qb
