#pragma once
// The submission page: its template, the fill of its placeholders, the report payload with
// its length diagnostic, and the scan identifier text.
#include <functional>
#include <string>

namespace qb {

// The page template, 106 lines each ending in CR LF, with the service address (scheme and
// host, no trailing slash) inserted for the logo, the form's target and the submit script.
std::string PageTemplate(const std::string& serviceBaseAddress);

// The same template for the address this build posts to (QB_SERVICE_BASE_ADDRESS).
std::string DefaultPageTemplate();

// The values that go into the page's placeholders.
struct PageValues {
  std::string version;        // [version]
  std::string portable = "1"; // [portable]
  std::string email;          // [email]
  std::string password;       // [password]
  std::string drivers;        // [drivers]
  std::string scanid;         // [scanid]
  std::string proc;           // [proc]
  std::string hwid;           // [hwid]
  std::string setup_api_log;  // [setup_api_log]
};

// "&", "<", ">" and '"' as character references, so a browser reads back the text itself.
std::string HtmlEscape(const std::string& text);

// Replaces every placeholder of the template (letters compared without regard to case) by its
// HTML-escaped value. Only the template's own text is searched: a value that happens to contain
// a placeholder is inserted as it stands. "[hw]", "[badhw]" and "[ie]" are not placeholders.
std::string FillPage(const std::string& templ, const PageValues& values);

// Text-to-text transformation with the payload key already bound (PC1EncryptText/DecryptText).
using TextTransform = std::function<std::string(const std::string&)>;

// The `drivers` field and the length diagnostic for the `setup_api_log` field.
struct DriversPayload {
  std::string drivers;
  std::string diagnostic;
};

// Enciphers the report and deciphers it once: the diagnostic is "driverlength=" n "=" m (n the
// report's length, m the cipher text's). When the round trip does not give the report back, the
// diagnostic gets "=" and the cipher text appended and the field carries the plain report.
DriversPayload BuildDriversPayload(const std::string& report, const TextTransform& encrypt,
                                   const TextTransform& decrypt);

// A GUID in registry form ("{8-4-4-4-12}") as 32 upper-case hexadecimal digits: every "{", "}"
// and "-" removed.
std::string FormatScanId(const std::string& registryForm);

// "folder\name", without doubling the separator when the folder already ends in one ("C:\").
std::string PathInFolder(const std::string& folder, const std::string& name);

}  // namespace qb
