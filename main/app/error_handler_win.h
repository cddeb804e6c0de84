#pragma once
// The application's general error handler: one message box per error, then the program goes on.
#include <windows.h>

#include <exception>
#include <string>

namespace qb {

// Shows the text (with the full-stop rule of ErrorBoxText) titled "Quillborne", error icon, OK.
void ShowGeneralError(HWND owner, const std::string& message);

// Reports the exception in flight; call from a catch block only.
void ReportCurrentException(HWND owner);

// Runs the action and reports any exception it throws, so none crosses a window procedure.
template <typename Action>
void RunReportingErrors(HWND owner, Action&& action) {
  try {
    action();
  } catch (...) {
    ReportCurrentException(owner);
  }
}

}  // namespace qb
