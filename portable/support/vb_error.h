#pragma once
// The portable edition's error: a number, the routine that raised it and a description.
#include <stdexcept>
#include <string>

namespace qbp {

// Common run-time error numbers used by the portable edition.
constexpr long kErrInvalidArgument = 5;  // "Invalid procedure call or argument"
constexpr long kErrOutOfMemory = 7;      // "Out of memory"

struct VbError : std::runtime_error {
  VbError(long number, std::wstring source, std::wstring description)
      : std::runtime_error(Narrow(source) + ": " + Narrow(description)),
        number(number),
        source(std::move(source)),
        description(std::move(description)) {}

  long number;
  std::wstring source;
  std::wstring description;

 private:
  // what() is for diagnostics only; characters outside ASCII become '?'.
  static std::string Narrow(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
      out.push_back(static_cast<unsigned long>(c) < 128 ? static_cast<char>(c) : '?');
    return out;
  }
};

}  // namespace qbp
