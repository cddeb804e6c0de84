#include "portable/app/log_entry.h"

namespace qbp {

std::wstring LogEntryText(const std::wstring& dateTime, const std::wstring& message) {
  return L"\r\n" + dateTime + L": " + message;
}

std::wstring GeneralDateText(const std::wstring& shortDate, const std::wstring& longTime) {
  return shortDate + L" " + longTime;
}

bool LogRestarts(bool logExists, std::uint64_t logSize) {
  return logExists && logSize > kLogSizeLimit;
}

}  // namespace qbp
