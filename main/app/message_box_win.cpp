#include "main/app/message_box_win.h"

#include "main/app/app_texts.h"

namespace qb {

void ShowMessage(HWND owner, const std::string& text) {
  ::MessageBoxA(owner, text.c_str(), kApplicationTitle, MB_OK);
}

}  // namespace qb
