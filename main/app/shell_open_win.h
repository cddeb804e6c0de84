#pragma once
#include <windows.h>

#include <string>

namespace qb {

// Opens the page with the shell's "open" action in a normal window (the default browser).
// The result is not examined: a missing association gives no message.
void OpenInBrowser(HWND owner, const std::string& path);

// Opens the folder with the shell's "open" action in a normal window (a file window).
void OpenFolder(HWND owner, const std::string& folder);

// Full path of "Tallowmere.exe" in the current working directory, or "" when no such file.
std::string FindUploader();

// Starts the uploader found by FindUploader, by its absolute path so that no search path can
// substitute another program, in a hidden window with the scan identifier as its parameters.
// Does nothing when it is absent; a refused start is not reported. True when it was found.
bool StartUploaderIfPresent(HWND owner, const std::string& scanId);

}  // namespace qb
