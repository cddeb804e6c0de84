#include "main/app/submission_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build_settings.h"

namespace {

const std::string kAddress = "http://svc.example:8080";

// The page cut at CR LF; a line break of any other kind stays inside its line.
std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    lines.push_back(text.substr(start, at - start));
  lines.push_back(text.substr(start));
  return lines;
}

std::size_t Count(const std::string& text, const std::string& word) {
  std::size_t n = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
    ++n;
  return n;
}

TEST(PageTemplate, Has106LinesEachEndingInCrLfAndNoOtherLineBreak) {
  const std::string page = qb::PageTemplate(kAddress);
  ASSERT_GE(page.size(), 2u);
  EXPECT_EQ(page.substr(page.size() - 4), "\r\n\r\n") << "line 106 is empty";
  EXPECT_EQ(Count(page, "\r\n"), 106u);
  EXPECT_EQ(Count(page, "\n"), 106u) << "no bare LF";
  EXPECT_EQ(Count(page, "\r"), 106u) << "no bare CR";
  const auto lines = SplitCrLf(page);
  ASSERT_EQ(lines.size(), 107u);  // the 106 lines and the empty rest after the last CR LF
  EXPECT_EQ(lines.back(), "");
}

TEST(PageTemplate, LinesWithIndentsBlanksAndAddressesAreExact) {
  struct Line {
    int number;
    std::string text;
  };
  const std::vector<Line> expected = {
      {1, "<html>"},
      {3, "<!-- saved from url=(0014)about:internet -->"},
      {4, "<title>Quillborne</title>"},
      {7, "\tfont-family: tahoma,arial,helvetica;"},
      {15, "\tcolor: #99999;"},
      {21, "\tbackground: url(http://svc.example:8080/images/logo.jpg);"},
      {32, ""},
      {37, "\tdocument.getElementById('div_hidden').style.display='block'"},
      {40, "var timer=setTimeout(show_layer,1000*15);//10 s"},
      {45, "\tdocument.f.submit();"},
      {46, "\t"},
      {50, "<body onLoad2=\"document.f.submit()\">"},
      {53, "<div id=\"banner\">"},
      {55, "<p class=\"large\">Please wait while for a moment...</p>"},
      {57, "<form method=\"post\" action=\"http://svc.example:8080/scan/desktop.php?scanid=[scanid]\" "},
      {58, "name=\"f\">"},
      {59, "<input type=\"hidden\" name=\"version\" value=\"[version]\">"},
      {62, "<input type=\"hidden\" name=\"action\" value=\"1\">"},
      {66, "<input type=\"hidden\" name=\"hwid\" value=\"[hwid]\">"},
      {69, "[drivers]"},
      {72, "[hw]"},
      {75, "[badhw]"},
      {78, "[setup_api_log]"},
      {81, "[proc]"},
      {84, "[ie]"},
      {88, "  <div align=\"left\">It looks like that you don't have internet connection, please connect to the internet "},
      {89, "and click submit button.<br><br>"},
      {90, "      "},
      {91, "      <br>"},
      {92, "    If you have problem with your internet or your network card need a driver , click on Menu "},
      {93, "<strong>File</strong> -&gt; <strong>Save Page As</strong> -&gt; Save this file to a USB/CD drive , "},
      {95, "\t<input type=submit>"},
      {96, "\t</div>"},
      {99, ""},
      {100, "</div>"},
      {101, "<script type=\"text/javascript\" src=\"http://svc.example:8080/scan/auto_submit.js\"></script>"},
      {102, ""},
      {103, ""},
      {104, "</body>"},
      {105, "</html>"},
      {106, ""},
  };
  const auto lines = SplitCrLf(qb::PageTemplate(kAddress));
  ASSERT_GE(lines.size(), 106u);
  for (const Line& line : expected)
    EXPECT_EQ(lines[line.number - 1], line.text) << "line " << line.number;
}

TEST(PageTemplate, UsesTheAddressExactlyThreeTimes) {
  EXPECT_EQ(Count(qb::PageTemplate(kAddress), kAddress), 3u);
  EXPECT_EQ(qb::DefaultPageTemplate(), qb::PageTemplate(QB_SERVICE_BASE_ADDRESS));
  EXPECT_EQ(Count(qb::DefaultPageTemplate(), QB_SERVICE_BASE_ADDRESS), 3u);
}

qb::PageValues SampleValues() {
  qb::PageValues v;
  v.version = "6.0";
  v.email = "me@example.com";
  v.password = "secret";
  v.drivers = "abcd";
  v.scanid = "0123456789ABCDEF0123456789ABCDEF";
  v.proc = "efgh";
  v.hwid = "ijkl";
  v.setup_api_log = "driverlength=2=4";
  return v;
}

TEST(FillPage, PutsEachValueInItsFieldAndLeavesTheUnfilledAreas) {
  const std::string page = qb::FillPage(qb::PageTemplate(kAddress), SampleValues());
  const auto lines = SplitCrLf(page);
  ASSERT_EQ(lines.size(), 107u);
  EXPECT_EQ(lines[56], "<form method=\"post\" action=\"http://svc.example:8080/scan/"
                       "desktop.php?scanid=0123456789ABCDEF0123456789ABCDEF\" ");
  EXPECT_EQ(lines[58], "<input type=\"hidden\" name=\"version\" value=\"6.0\">");
  EXPECT_EQ(lines[62], "<input type=\"hidden\" name=\"portable\" value=\"1\">");
  EXPECT_EQ(lines[63], "<input type=\"hidden\" name=\"email\" value=\"me@example.com\">");
  EXPECT_EQ(lines[64], "<input type=\"hidden\" name=\"password\" value=\"secret\">");
  EXPECT_EQ(lines[65], "<input type=\"hidden\" name=\"hwid\" value=\"ijkl\">");
  EXPECT_EQ(lines[68], "abcd");
  EXPECT_EQ(lines[71], "[hw]");
  EXPECT_EQ(lines[74], "[badhw]");
  EXPECT_EQ(lines[77], "driverlength=2=4");
  EXPECT_EQ(lines[80], "efgh");
  EXPECT_EQ(lines[83], "[ie]");
}

TEST(FillPage, ComparesPlaceholdersWithoutRegardToCaseAndFillsEveryOccurrence) {
  qb::PageValues v = SampleValues();
  EXPECT_EQ(qb::FillPage("[EMAIL]|[Email]|[email]|[ScanID]|[HW]|[x]|[", v),
            "me@example.com|me@example.com|me@example.com|0123456789ABCDEF0123456789ABCDEF|"
            "[HW]|[x]|[");
  EXPECT_EQ(qb::FillPage("[[version]]", v), "[6.0]");
}

TEST(FillPage, InsertsValuesAsTypedEvenWhenTheyLookLikePlaceholders) {
  qb::PageValues v = SampleValues();
  v.email = "[password]";
  v.password = "[proc][SCANID]";
  v.drivers = "[hwid]";
  v.version = "[setup_api_log]";
  EXPECT_EQ(qb::FillPage("[version] [email] [password] [drivers]", v),
            "[setup_api_log] [password] [proc][SCANID] [hwid]");
}

TEST(FillPage, EscapesMarkupSoTheBrowserPostsTheStoredText) {
  qb::PageValues v = SampleValues();
  v.email = "a\"b&c<d>e</textarea>";
  v.password = "&quot;";
  const std::string page = qb::FillPage(qb::PageTemplate(kAddress), v);
  EXPECT_THAT(page, ::testing::HasSubstr(
                        "name=\"email\" value=\"a&quot;b&amp;c&lt;d&gt;e&lt;/textarea&gt;\">"));
  EXPECT_THAT(page, ::testing::HasSubstr("name=\"password\" value=\"&amp;quot;\">"));
  EXPECT_EQ(Count(page, "</textarea>"), 6u);
}

TEST(FillPage, EmptyAccountGivesEmptyValues) {
  qb::PageValues v = SampleValues();
  v.email.clear();
  v.password.clear();
  const std::string page = qb::FillPage(qb::PageTemplate(kAddress), v);
  EXPECT_THAT(page, ::testing::HasSubstr("name=\"email\" value=\"\">"));
  EXPECT_THAT(page, ::testing::HasSubstr("name=\"password\" value=\"\">"));
}

TEST(HtmlEscape, EscapesTheFourMarkupCharactersOnly) {
  EXPECT_EQ(qb::HtmlEscape(""), "");
  EXPECT_EQ(qb::HtmlEscape("plain 'text' = [x];\r\n"), "plain 'text' = [x];\r\n");
  EXPECT_EQ(qb::HtmlEscape("&<>\""), "&amp;&lt;&gt;&quot;");
}

// Stand-ins with the cipher's shape: two letters "a".."p" per byte, at most 300000 bytes,
// deciphering stops at the first zero byte.
constexpr std::size_t kLimit = 300000;

std::string FakeEncrypt(const std::string& plain) {
  std::string out;
  for (std::size_t i = 0; i < plain.size() && i < kLimit; ++i) {
    const auto c = static_cast<unsigned char>(plain[i]);
    out += static_cast<char>('a' + (c >> 4));
    out += static_cast<char>('a' + (c & 15));
  }
  return out;
}

std::string FakeDecrypt(const std::string& letters) {
  std::string out;
  for (std::size_t i = 0; i + 1 < letters.size(); i += 2) {
    const char c = static_cast<char>(((letters[i] - 'a') << 4) | (letters[i + 1] - 'a'));
    if (c == 0) break;
    out += c;
  }
  return out;
}

TEST(BuildDriversPayload, RoundTripKeepsCipherTextAndGivesBothLengths) {
  for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{17}, kLimit}) {
    const std::string report(n, 'r');
    const auto payload = qb::BuildDriversPayload(report, FakeEncrypt, FakeDecrypt);
    EXPECT_EQ(payload.drivers, FakeEncrypt(report)) << n;
    EXPECT_EQ(payload.drivers.size(), 2 * n);
    EXPECT_EQ(payload.diagnostic,
              "driverlength=" + std::to_string(n) + "=" + std::to_string(2 * n));
  }
}

TEST(BuildDriversPayload, FailedRoundTripCarriesPlainReportAndCipherTextInDiagnostic) {
  struct Case {
    const char* what;
    std::string report;
  };
  const std::vector<Case> cases = {
      {"longer than the cipher takes", std::string(kLimit + 1, 'x')},
      {"zero byte inside", std::string("bios=A\0B", 8)},
  };
  for (const Case& c : cases) {
    const std::string cipher = FakeEncrypt(c.report);
    const auto payload = qb::BuildDriversPayload(c.report, FakeEncrypt, FakeDecrypt);
    EXPECT_EQ(payload.drivers, c.report) << c.what;
    EXPECT_EQ(payload.diagnostic, "driverlength=" + std::to_string(c.report.size()) + "=" +
                                      std::to_string(cipher.size()) + "=" + cipher)
        << c.what;
  }
}

TEST(BuildDriversPayload, DecipherSeesTheCipherTextItWasGiven) {
  std::string seen;
  const auto payload = qb::BuildDriversPayload(
      "r", [](const std::string&) { return std::string("zz"); },
      [&seen](const std::string& c) {
        seen = c;
        return std::string("r");
      });
  EXPECT_EQ(seen, "zz");
  EXPECT_EQ(payload.drivers, "zz");
  EXPECT_EQ(payload.diagnostic, "driverlength=1=2");
}

TEST(FormatScanId, RemovesBracesAndHyphensAndUpperCases) {
  EXPECT_EQ(qb::FormatScanId("{6B29FC40-CA47-1067-B31D-00DD010662DA}"),
            "6B29FC40CA471067B31D00DD010662DA");
  EXPECT_EQ(qb::FormatScanId("{6b29fc40-ca47-1067-b31d-00dd010662da}"),
            "6B29FC40CA471067B31D00DD010662DA");
  EXPECT_EQ(qb::FormatScanId(""), "");
}

TEST(PathInFolder, JoinsWithOneBackslash) {
  EXPECT_EQ(qb::PathInFolder("E:\\usb", "drivers.html"), "E:\\usb\\drivers.html");
  EXPECT_EQ(qb::PathInFolder("C:\\", "drivers.html"), "C:\\drivers.html");
}

}  // namespace
