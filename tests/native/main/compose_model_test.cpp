#include "main/pcinfo/compose_model.h"

#include <gtest/gtest.h>

#include "pc_info_fake_wmi.h"

namespace {

using qb::testing::FakeAnswer;
using qb::testing::FakeWmi;
using qb::testing::Failure;
using qb::testing::Values;

constexpr char kModel[] = "cimv2:Win32_ComputerSystem.Model";
constexpr char kProduct[] = "wmi:MS_SystemInformation.SystemProductName";
constexpr char kFamily[] = "wmi:MS_SystemInformation.SystemFamily";
constexpr char kVersion[] = "wmi:MS_SystemInformation.SystemVersion";
constexpr char kSku[] = "wmi:MS_SystemInformation.SystemSKU";
constexpr char kProductName[] = "cimv2:Win32_ComputerSystemProduct.Name";
constexpr char kSkuNumber[] = "cimv2:Win32_ComputerSystemProduct.SKUNumber";

struct ModelCase {
  const char* name;
  std::map<std::string, FakeAnswer> answers;
  std::string expected;
};

void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }

class ComposeModelTable : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ComposeModelTable, ComposesTheModelText) {
  const FakeWmi wmi(GetParam().answers);
  EXPECT_EQ(qb::ComposeModel(wmi), GetParam().expected);
}

const std::optional<std::string> Null;

INSTANTIATE_TEST_SUITE_P(
    Rules, ComposeModelTable,
    ::testing::Values(
        ModelCase{"ProductAndVersion",
                  {{kModel, Values({"X"})}, {kProduct, Values({"P"})}, {kFamily, Values({Null})},
                   {kVersion, Values({"V"})}, {kSku, Values({Null})}},
                  "X (P/V)"},
        ModelCase{"FamilyReplacesProductAndEqualVersionIsNotRepeated",
                  {{kModel, Values({"X"})}, {kProduct, Values({"P"})}, {kFamily, Values({"F"})},
                   {kVersion, Values({"F"})}, {kSku, Values({"S"})}},
                  "X (F -SKU:S)"},
        ModelCase{"PlaceholdersInAnyCaseFallBackToProductNameAndSku",
                  {{kModel, Values({"X"})}, {kProduct, Values({"To Be Filled By O.E.M."})},
                   {kFamily, Values({"TO BE FILLED BY OEM"})},
                   {kVersion, Values({"to be filled by o.e.m."})},
                   {kSku, Values({"Please Filled in"})}, {kProductName, Values({"N"})},
                   {kSkuNumber, Values({"K"})}},
                  "X (N- SKU:K)"},
        ModelCase{"DetailEqualToModelAddsNothing",
                  {{kModel, Values({"X"})}, {kProduct, Values({"X"})}, {kFamily, Values({Null})},
                   {kVersion, Values({"X"})}, {kSku, Values({Null})}},
                  "X"},
        ModelCase{"ProductNameEqualToModelAddsNothing",
                  {{kModel, Values({"X"})}, {kProductName, Values({"X"})}},
                  "X"},
        ModelCase{"UpperCaseNoneIsEmpty",
                  {{kModel, Values({"X"})}, {kProduct, Values({"P"})}, {kFamily, Values({Null})},
                   {kVersion, Values({"NONE"})}, {kSku, Values({"NONE"})}},
                  "X (P)"},
        ModelCase{"OtherSpellingsOfNoneAreValues",
                  {{kModel, Values({"X"})}, {kProduct, Values({"P"})}, {kFamily, Values({Null})},
                   {kVersion, Values({"None"})}, {kSku, Values({"none"})}},
                  "X (P/None -SKU:none)"},
        ModelCase{"NoneInRootCimv2IsAValue",
                  {{kModel, Values({"NONE"})}, {kProductName, Values({"N"})},
                   {kSkuNumber, Values({"NONE"})}},
                  "NONE (N- SKU:NONE)"},
        ModelCase{"LastInstanceWins",
                  {{kModel, Values({"First", "X"})}, {kProduct, Values({"P1", "P2"})},
                   {kFamily, Values({"F", Null})}, {kVersion, Values({Null, "V"})},
                   {kSku, Values({"S", "NONE"})}},
                  "X (P2/V)"},
        // SystemFamily, SystemVersion and SystemSKU find no instance: the scratch text still
        // holds the product name, which is judged (and appended as SKU) again.
        ModelCase{"QueryWithoutInstanceKeepsThePreviousAnswer",
                  {{kModel, Values({"X"})}, {kProduct, Values({"P"})}},
                  "X (P -SKU:P)"},
        ModelCase{"FailedQueryEmptiesTheScratchText",
                  {{kModel, Values({"X"})}, {kProduct, Values({"P"})}, {kFamily, Failure()},
                   {kVersion, Failure()}, {kSku, Failure()}},
                  "X (P)"},
        ModelCase{"RootWmiUnavailableFallsBackToProduct",
                  {{kModel, Values({"X"})}, {kProduct, Failure()}, {kFamily, Failure()},
                   {kVersion, Failure()}, {kSku, Failure()}, {kProductName, Values({"N"})},
                   {kSkuNumber, Values({Null})}},
                  "X (N)"},
        ModelCase{"ProductNameIsNotCheckedForPlaceholders",
                  {{kModel, Values({"X"})}, {kProductName, Values({"To be filled by O.E.M."})}},
                  "X (To be filled by O.E.M.)"},
        ModelCase{"FilledWithoutBlankIsAValue",
                  {{kModel, Values({"X"})}, {kProduct, Values({"Prefilled"})},
                   {kFamily, Values({Null})}, {kVersion, Values({"Box filled"})},
                   {kSku, Values({Null})}},
                  "X (Prefilled/Box filled)"},
        ModelCase{"VersionComparisonIsCaseSensitive",
                  {{kModel, Values({"X"})}, {kProduct, Values({"Abc"})}, {kFamily, Values({Null})},
                   {kVersion, Values({"ABC"})}, {kSku, Values({Null})}},
                  "X (Abc/ABC)"},
        ModelCase{"VersionAloneBecomesTheDetail",
                  {{kModel, Values({"X"})}, {kProduct, Values({""})}, {kFamily, Values({Null})},
                   {kVersion, Values({"V"})}, {kSku, Values({Null})}},
                  "X (V)"},
        ModelCase{"SkuAloneStillKeepsTheProductFallbackAway",
                  {{kModel, Values({"X"})}, {kProduct, Values({Null})}, {kFamily, Values({Null})},
                   {kVersion, Values({Null})}, {kSku, Values({"S"})},
                   {kProductName, Values({"N"})}},
                  "X ( -SKU:S)"},
        ModelCase{"NoModelButDetail",
                  {{kProductName, Values({"N"})}},
                  " (N)"},
        ModelCase{"NothingKnown", {}, ""}),
    [](const ::testing::TestParamInfo<ModelCase>& info) { return info.param.name; });

TEST(ModelPart, ValidUnlessEmptyOrAPlaceholder) {
  EXPECT_FALSE(qb::IsValidModelPart(""));
  EXPECT_FALSE(qb::IsValidModelPart("To Be FILLED by OEM"));
  EXPECT_FALSE(qb::IsValidModelPart("filled "));
  EXPECT_TRUE(qb::IsValidModelPart("filled"));
  EXPECT_TRUE(qb::IsValidModelPart("Filled-in"));
  EXPECT_TRUE(qb::IsValidModelPart(" "));
}

TEST(ComposeModel, AsksEachSourceInItsNamespaceInOrder) {
  const FakeWmi wmi({});
  qb::ComposeModel(wmi);
  EXPECT_EQ(wmi.Asked(), (std::vector<std::string>{kModel, kProduct, kFamily, kVersion, kSku,
                                                  kProductName, kSkuNumber}));
}

TEST(ComposeModel, ProductIsNotAskedOnceFirmwareGaveADetail) {
  const FakeWmi wmi({{kProduct, Values({"P"})}, {kProductName, Values({"N"})}});
  EXPECT_EQ(qb::ComposeModel(wmi), " (P -SKU:P)");
  EXPECT_EQ(wmi.Asked().size(), 5u);
}

}  // namespace
