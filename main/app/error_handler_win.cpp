#include "main/app/error_handler_win.h"

#include <stdexcept>

#include "main/app/app_texts.h"

namespace qb {

void ShowGeneralError(HWND owner, const std::string& message) {
  // A hidden or disabled owner would leave the box without a visible parent to return to.
  if (owner && (!::IsWindowVisible(owner) || !::IsWindowEnabled(owner))) owner = nullptr;
  ::MessageBoxA(owner, ErrorBoxText(message).c_str(), kApplicationTitle,
                MB_ICONERROR | MB_OK);
}

void ReportCurrentException(HWND owner) {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowGeneralError(owner, error.what());
  } catch (...) {
    ShowGeneralError(owner, "Unknown error");
  }
}

}  // namespace qb
