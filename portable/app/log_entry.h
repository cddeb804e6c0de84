#pragma once
// The debug log's entry text and size rule.
#include <cstdint>
#include <string>

namespace qbp {

// A log larger than this is restarted; a log of exactly this size is still appended to.
constexpr std::uint64_t kLogSizeLimit = 1048576;

// CR LF, the date and time, ": " and the message (the file writer adds the closing CR LF).
std::wstring LogEntryText(const std::wstring& dateTime, const std::wstring& message);

// The system's general date form: the short date, a space, the long time.
std::wstring GeneralDateText(const std::wstring& shortDate, const std::wstring& longTime);

// True when the next entry replaces the log instead of being appended to it.
bool LogRestarts(bool logExists, std::uint64_t logSize);

}  // namespace qbp
