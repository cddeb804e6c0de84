#include "main/app/submission_page.h"

#include <array>
#include <cctype>
#include <cstddef>

#include "build_settings.h"

namespace qb {

namespace {

constexpr char kLineBreak[] = "\r\n";

// Each line followed by CR LF.
template <std::size_t N>
std::string JoinLines(const char* const (&lines)[N]) {
  std::string text;
  for (const char* line : lines) text.append(line).append(kLineBreak);
  return text;
}

// The page's lines up to the first service address, between the addresses, and after the last.
std::string TemplateHead() {
  static const char* const lines[] = {
      "<html>",
      "<head>",
      "<!-- saved from url=(0014)about:internet -->",
      "<title>Quillborne</title>",
      "<style type=\"text/css\">",
      "body {",
      "\tfont-family: tahoma,arial,helvetica;",
      "\tpadding:0;",
      "\tmargin:0;",
      "\tbackground: #f9f9f9;",
      "\ttext-align: center;",
      "}",
      ".large {",
      "\tfont-size:14pt;",
      "\tcolor: #99999;",
      "\tpadding-top: 180px;",
      "}",
      "div#banner {",
      "\twidth: 502px;",
      "\theight: 292px;",
  };
  return JoinLines(lines);
}

std::string TemplateStyleAndScript() {
  static const char* const lines[] = {
      "\tbackground-repeat:no-repeat;",
      "\tposition: absolute;",
      "\tmargin-top: -206px;",
      "\tmargin-left: -251px;",
      "\ttop: 50%;",
      "\tleft: 50%;",
      "}",
      "div#sent_value {",
      "\tdisplay:none;",
      "}",
      "",
      "</style>",
      "<script>",
      "function show_layer()",
      "{",
      "\tdocument.getElementById('div_hidden').style.display='block'",
      "}",
      "",
      "var timer=setTimeout(show_layer,1000*15);//10 s",
      "",
      "function submit_form()",
      "{",
      "\tclearTimeout(timer);",
      "\tdocument.f.submit();",
      "\t",
      "}",
      "</script>",
      "</head>",
      "<body onLoad2=\"document.f.submit()\">",
      "<div id=\"banner\">",
      "</div>",
      "<div id=\"banner\">",
      "",
      "<p class=\"large\">Please wait while for a moment...</p>",
      "",
  };
  return JoinLines(lines);
}

std::string TemplateForm() {
  static const char* const lines[] = {
      "name=\"f\">",
      "<input type=\"hidden\" name=\"version\" value=\"[version]\">",
      "<!-- <centeR><input type=submit name=\"Submit\" value=\"Click here to start\"></centeR>-->",
      "",
      "<input type=\"hidden\" name=\"action\" value=\"1\">",
      "<input type=\"hidden\" name=\"portable\" value=\"[portable]\">",
      "<input type=\"hidden\" name=\"email\" value=\"[email]\">",
      "<input type=\"hidden\" name=\"password\" value=\"[password]\">",
      "<input type=\"hidden\" name=\"hwid\" value=\"[hwid]\">",
      "<div id=\"sent_value\">",
      "<textarea name=\"drivers\" cols=\"50\" rows=\"1\">",
      "[drivers]",
      "</textarea>",
      "<textarea name=\"hw\" cols=\"50\" rows=\"1\">",
      "[hw]",
      "</textarea>",
      "<textarea name=\"badhw\" cols=\"50\" rows=\"1\">",
      "[badhw]",
      "</textarea>",
      "<textarea name=\"setup_api_log\" cols=\"50\" rows=\"1\">",
      "[setup_api_log]",
      "</textarea>",
      "<textarea name=\"proc\" cols=\"50\" rows=\"1\">",
      "[proc]",
      "</textarea>",
      "<textarea name=\"ie\" cols=\"50\" rows=\"1\">",
      "[ie]",
      "</textarea>",
      "</div>",
      "<div id=\"div_hidden\" style=\"display:none\">",
      "  <div align=\"left\">It looks like that you don't have internet connection, please "
      "connect to the internet ",
      "and click submit button.<br><br>",
      "      ",
      "      <br>",
      "    If you have problem with your internet or your network card need a driver , click on "
      "Menu ",
      "<strong>File</strong> -&gt; <strong>Save Page As</strong> -&gt; Save this file to a "
      "USB/CD drive , ",
      "then open this file from computer with internet connection.",
      "\t<input type=submit>",
      "\t</div>",
      "</div>",
      "</form>",
      "",
      "</div>",
  };
  return JoinLines(lines);
}

std::string TemplateTail() {
  static const char* const lines[] = {"", "", "</body>", "</html>", ""};
  return JoinLines(lines);
}

struct Placeholder {
  const char* name;
  std::string PageValues::*value;
};

// In the order the page is filled; the order matters only to readers, since values are never
// searched again.
const std::array<Placeholder, 9> kPlaceholders = {{
    {"[version]", &PageValues::version},
    {"[portable]", &PageValues::portable},
    {"[email]", &PageValues::email},
    {"[password]", &PageValues::password},
    {"[drivers]", &PageValues::drivers},
    {"[scanid]", &PageValues::scanid},
    {"[proc]", &PageValues::proc},
    {"[hwid]", &PageValues::hwid},
    {"[setup_api_log]", &PageValues::setup_api_log},
}};

bool MatchesAt(const std::string& text, std::size_t at, const std::string& word) {
  if (text.size() - at < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const auto a = static_cast<unsigned char>(text[at + i]);
    const auto b = static_cast<unsigned char>(word[i]);
    if (std::tolower(a) != std::tolower(b)) return false;
  }
  return true;
}

const Placeholder* PlaceholderAt(const std::string& text, std::size_t at) {
  for (const Placeholder& p : kPlaceholders)
    if (MatchesAt(text, at, p.name)) return &p;
  return nullptr;
}

}  // namespace

std::string PageTemplate(const std::string& serviceBaseAddress) {
  std::string page = TemplateHead();
  page += "\tbackground: url(" + serviceBaseAddress + "/images/logo.jpg);" + kLineBreak;
  page += TemplateStyleAndScript();
  page += "<form method=\"post\" action=\"" + serviceBaseAddress +
          "/scan/desktop.php?scanid=[scanid]\" " + kLineBreak;
  page += TemplateForm();
  page += "<script type=\"text/javascript\" src=\"" + serviceBaseAddress +
          "/scan/auto_submit.js\"></script>" + kLineBreak;
  page += TemplateTail();
  return page;
}

std::string DefaultPageTemplate() { return PageTemplate(QB_SERVICE_BASE_ADDRESS); }

std::string HtmlEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string FillPage(const std::string& templ, const PageValues& values) {
  std::string page;
  page.reserve(templ.size() + values.drivers.size() + values.proc.size() + 256);
  std::size_t at = 0;
  while (at < templ.size()) {
    const std::size_t open = templ.find('[', at);
    if (open == std::string::npos) {
      page.append(templ, at, std::string::npos);
      break;
    }
    page.append(templ, at, open - at);
    if (const Placeholder* p = PlaceholderAt(templ, open)) {
      page += HtmlEscape(values.*(p->value));
      at = open + std::char_traits<char>::length(p->name);
    } else {
      page += '[';
      at = open + 1;
    }
  }
  return page;
}

DriversPayload BuildDriversPayload(const std::string& report, const TextTransform& encrypt,
                                   const TextTransform& decrypt) {
  DriversPayload payload;
  payload.drivers = encrypt(report);
  payload.diagnostic = "driverlength=" + std::to_string(report.size()) + "=" +
                       std::to_string(payload.drivers.size());
  if (decrypt(payload.drivers) != report) {
    payload.diagnostic += "=" + payload.drivers;
    payload.drivers = report;
  }
  return payload;
}

std::string FormatScanId(const std::string& registryForm) {
  std::string id;
  id.reserve(32);
  for (char c : registryForm) {
    if (c == '{' || c == '}' || c == '-') continue;
    id += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return id;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
  return folder + "\\" + name;
}

}  // namespace qb
