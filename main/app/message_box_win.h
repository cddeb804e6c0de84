#pragma once
#include <windows.h>

#include <string>

namespace qb {

// A modal message box with one OK button, titled with the application title "Quillborne".
void ShowMessage(HWND owner, const std::string& text);

}  // namespace qb
