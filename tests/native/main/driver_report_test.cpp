#include "main/app/driver_report.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

qb::ComputerFacts SampleFacts() {
  qb::ComputerFacts f;
  f.Bios = "BIOS 1.2";
  f.ComputerName = "HOST";
  f.OperatingSystem = "Windows 7";
  f.OSVersion = "6.1.7601";
  f.MaxProcessMemorySize = "8589934464";
  f.OSArchitecture = "64bits";
  f.IdentifyingNumber = "SN1";
  f.CSProductVersion = "V1";
  f.Model = "M1";
  f.Manufacturer = "Maker";
  return f;
}

const std::string kSampleComputerLines =
    "bios=BIOS 1.2\r\nCSName=HOST\r\nCaption=Windows 7\r\nVersion=6.1.7601\r\n"
    "MaxProcessMemorySize=8589934464\r\nOSArchitecture=64bits\r\nIdentifyingNumber=SN1\r\n"
    "CSProuctVersion=V1\r\nModel=M1\r\nManufacturer=Maker";

qb::TDriverRecord Device(const std::string& name, const std::string& inf, std::uint32_t problem = 0) {
  qb::TDriverRecord r;
  r.Name = name;
  r.DriverVersion = "1.0";
  r.ProviderName = "Prov";
  r.DriverDate = "1-1-2020";
  r.DeviceInstanceID = "ROOT\\X\\0000";
  r.Driver = "{guid}\\0001";
  r.DriverKey = "not reported";
  r.ClassName = "System";
  r.InfPath = inf;
  r.HardwareIDs = "hw1, hw2";
  r.CompatibleIDs = "c1";
  r.MatchingDeviceID = "hw1";
  r.ProblemCode = problem;
  return r;
}

std::string FieldsAfterName(const std::string& inf, const std::string& problem,
                            const std::string& digest) {
  return "[;]1.0[;]Prov[;]1-1-2020[;]ROOT\\X\\0000[;]{guid}\\0001[;]System[;]" + inf +
         "[;]hw1, hw2[;]c1[;]hw1[;]" + problem + "[;]" + digest;
}

const std::string kDigestA = "0123456789ABCDEF0123456789ABCDEF";

// Digests of a fake inf folder; every path asked for is recorded.
struct FakeFiles {
  std::map<std::string, std::string> digests;
  std::vector<std::string> asked;
  std::string operator()(const std::string& path) {
    asked.push_back(path);
    auto it = digests.find(path);
    return it == digests.end() ? "" : it->second;
  }
};

struct ReportCase {
  const char* what;
  qb::ComputerFacts facts;
  std::vector<qb::TDriverRecord> drivers;
  std::string expected;
};

TEST(DriverReport, ExactTexts) {
  qb::ComputerFacts blankEnds = SampleFacts();
  blankEnds.Bios = " \t BIOS 1.2";
  blankEnds.Manufacturer = "Maker \t\r\n";
  qb::ComputerFacts inner = SampleFacts();
  inner.Model = " M 1 ";
  qb::ComputerFacts highByteEnd = SampleFacts();
  highByteEnd.Manufacturer = "Maker\xA0";  // code 160, not a control character
  qb::TDriverRecord awkward = Device("Name [;] with=sep\r\nand break", "a.inf");
  awkward.HardwareIDs = "x[;]y";

  const ReportCase cases[] = {
      {"empty values give bare keys", qb::ComputerFacts{}, {},
       "bios=\r\nCSName=\r\nCaption=\r\nVersion=\r\nMaxProcessMemorySize=\r\nOSArchitecture=\r\n"
       "IdentifyingNumber=\r\nCSProuctVersion=\r\nModel=\r\nManufacturer="},
      {"no devices", SampleFacts(), {}, kSampleComputerLines},
      {"only the ends of the whole text are trimmed", blankEnds, {},
       "bios= \t " + kSampleComputerLines.substr(5)},
      {"bytes above 127 are not trimmed", highByteEnd, {}, kSampleComputerLines + "\xA0"},
      {"inner blanks stay", inner, {},
       "bios=BIOS 1.2\r\nCSName=HOST\r\nCaption=Windows 7\r\nVersion=6.1.7601\r\n"
       "MaxProcessMemorySize=8589934464\r\nOSArchitecture=64bits\r\nIdentifyingNumber=SN1\r\n"
       "CSProuctVersion=V1\r\nModel= M 1 \r\nManufacturer=Maker"},
      {"devices numbered from 1 in list order, missing setup file ends in [;]", SampleFacts(),
       {Device("First", "a.inf"), Device("Second", "missing.inf", 28)},
       kSampleComputerLines + "\r\ndriver_1=First" + FieldsAfterName("a.inf", "0", kDigestA) +
           "\r\ndriver_2=Second" + FieldsAfterName("missing.inf", "28", "")},
      {"separators, '=' and line breaks inside values are written unchanged", SampleFacts(),
       {awkward},
       kSampleComputerLines + "\r\ndriver_1=Name [;] with=sep\r\nand break[;]1.0[;]Prov[;]1-1-2020"
                              "[;]ROOT\\X\\0000[;]{guid}\\0001[;]System[;]a.inf[;]x[;]y[;]c1[;]"
                              "hw1[;]0[;]" + kDigestA},
      {"an empty last field is not trimmed away, a blank device name is", SampleFacts(),
       {Device("   ", "missing.inf")},
       kSampleComputerLines + "\r\ndriver_1=   " + FieldsAfterName("missing.inf", "0", "")},
  };
  for (const auto& c : cases) {
    FakeFiles files;
    files.digests["C:\\Windows\\inf\\a.inf"] = kDigestA;
    EXPECT_EQ(qb::BuildDriverReportText(c.facts, c.drivers, "C:\\Windows", std::ref(files)),
              c.expected)
        << c.what;
  }
}

TEST(DriverReport, DeviceLineHasTwelveSeparators) {
  FakeFiles files;
  const std::string text = qb::BuildDriverReportText(
      qb::ComputerFacts{}, {Device("D", "missing.inf")}, "C:\\Windows", std::ref(files));
  const std::string line = text.substr(text.find("driver_1="));
  std::size_t count = 0;
  for (std::size_t at = line.find("[;]"); at != std::string::npos; at = line.find("[;]", at + 3))
    ++count;
  EXPECT_EQ(count, 12u);
  EXPECT_EQ(line.substr(line.size() - 3), "[;]");
}

TEST(DriverReport, AsksForEachDevicesSetupFileUnderTheInfFolder) {
  FakeFiles files;
  qb::BuildDriverReportText(SampleFacts(),
                            {Device("A", "oem1.inf"), Device("B", ""), Device("C", "oem1.inf")},
                            "C:\\Windows", std::ref(files));
  EXPECT_EQ(files.asked, (std::vector<std::string>{"C:\\Windows\\inf\\oem1.inf",
                                                    "C:\\Windows\\inf\\",
                                                    "C:\\Windows\\inf\\oem1.inf"}));

  FakeFiles noRoot;
  qb::BuildDriverReportText(SampleFacts(), {Device("A", "oem1.inf")}, "", std::ref(noRoot));
  EXPECT_EQ(noRoot.asked, std::vector<std::string>{"\\inf\\oem1.inf"});
}

}  // namespace
