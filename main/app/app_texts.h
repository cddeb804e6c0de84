#pragma once
// Texts of the main edition's windows and messages, composed from plain values.
#include <string>

#include "main/pcinfo/computer_facts.h"

namespace qb {

// Titles the task-bar button and every message box.
inline constexpr const char* kApplicationTitle = "Quillborne";
inline constexpr const char* kBaseVersion = "6.0";
// The uploader; when it lies in the working directory the version loses its build suffix.
inline constexpr const char* kUploaderFileName = "Tallowmere.exe";

// "6.0" with the uploader present, "6.0.001" without it.
std::string AppVersionFor(bool uploaderPresent);

// "Quillborne  <version> - The most simple tool to find your right drivers."
std::string MainCaption(const std::string& appVersion);

// Operating system, "/", architecture (no blanks around the slash).
std::string OperatingSystemLabel(const ComputerFacts& facts);

// Manufacturer, " - ", model.
std::string ModelLabel(const ComputerFacts& facts);

// The general error handler's text: a full stop is added unless the last character is one
// already or sorts before it (blank, comma, ...). Characters compare as unsigned bytes, so
// ANSI letters above 127 count as sorting after the full stop. Empty stays empty.
std::string ErrorBoxText(const std::string& message);

}  // namespace qb
