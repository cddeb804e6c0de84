#include "main/app/app_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AppVersion, KeepsTheBareVersionOnlyWhenTheUploaderIsPresent) {
  EXPECT_EQ(qb::AppVersionFor(true), "6.0");
  EXPECT_EQ(qb::AppVersionFor(false), "6.0.001");
}

TEST(MainCaption, HasTwoBlanksAfterTheNameAndNoneBeforeTheDash) {
  EXPECT_EQ(qb::MainCaption("6.0.001"),
            "Quillborne  6.0.001 - The most simple tool to find your right drivers.");
  EXPECT_EQ(qb::MainCaption("6.0"),
            "Quillborne  6.0 - The most simple tool to find your right drivers.");
}

TEST(FactLabels, JoinWithoutTrimmingMissingParts) {
  struct Case {
    const char* os;
    const char* arch;
    const char* manufacturer;
    const char* model;
    const char* osLabel;
    const char* modelLabel;
  };
  const Case cases[] = {
      {"Microsoft Windows 10 Pro", "64bits", "Contoso", "Box 7", "Microsoft Windows 10 Pro/64bits",
       "Contoso - Box 7"},
      {"", "32bits", "", "Box 7", "/32bits", " - Box 7"},
      {"", "", "", "", "/", " - "},
      {"Win ", " 64bits", "Contoso ", "", "Win / 64bits", "Contoso  - "},
  };
  for (const Case& c : cases) {
    qb::ComputerFacts facts;
    facts.OperatingSystem = c.os;
    facts.OSArchitecture = c.arch;
    facts.Manufacturer = c.manufacturer;
    facts.Model = c.model;
    EXPECT_EQ(qb::OperatingSystemLabel(facts), c.osLabel);
    EXPECT_EQ(qb::ModelLabel(facts), c.modelLabel);
  }
}

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  struct Case {
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"Access is denied", "Access is denied."},
      {"Done.", "Done."},
      {"Trailing blank ", "Trailing blank "},
      {"List,", "List,"},
      {"Dash-", "Dash-"},          // '-' (45) sorts before '.'
      {"Slash/", "Slash/."},       // '/' (47) sorts after '.'
      {"Path C:\\", "Path C:\\."},
      {"Question?", "Question?."},
      {"Number 7", "Number 7."},
      {"Line\r\n", "Line\r\n"},
      {"Caf\xe9", "Caf\xe9."},     // ANSI letters above 127 count as after '.'
      {"", ""},
      {".", "."},
      {"x", "x."},
  };
  for (const Case& c : cases) EXPECT_EQ(qb::ErrorBoxText(c.in), c.out) << c.in;
}

}  // namespace
