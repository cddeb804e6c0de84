#pragma once
// Module file: the application-data folder, the debug log, plain text files and settings.
#include <string>

namespace qbp {

// %APPDATA% + "\quillborne\" (ending with "\"), created when missing; creation errors ignored.
std::wstring GetAppDataFolder();

// Appends "CR LF <general date and time>: <message>" and CR LF to "log.txt" in the
// application-data folder; a log larger than 1048576 bytes is restarted with this entry.
// Raises VbError (see WriteTextFile) when the log cannot be written.
void WriteLog(const std::wstring& message);

// Writes the text and CR LF in the ANSI code page: appended to the file (created when
// missing) or, with append false, as the file's whole new content. A file that cannot be
// written raises VbError: the system's error number, source "file - WriteTextFile", and the
// path followed by the system's reason. The existing file is left as it was: an append that
// fails part-way is cut back, and a replacement is written whole to a temporary file beside
// the target before it takes the target's place.
void WriteTextFile(const std::wstring& path, const std::wstring& text, bool append);

// True when FindFirstFileA finds the path; false otherwise, and for a path ending in "\".
bool PathExists(const std::wstring& path);

// The key's value in section "Settings" of GetAppDataFolder() + "\info.txt", "" when missing.
std::wstring ReadSetting(const std::wstring& key);
// Writes the key in section "Settings"; raises VbError when the system refuses the write.
void WriteSetting(const std::wstring& key, const std::wstring& value);

// The current local date and time in the user's general date form (short date, long time).
std::wstring GeneralDateNow();

}  // namespace qbp
