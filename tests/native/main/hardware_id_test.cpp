#include "main/pcinfo/hardware_id.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

using Mac = std::array<std::uint8_t, 6>;

// One adapter's answer to the status request: a return code and, when it writes, an address.
struct StatusAnswer {
  std::uint8_t code;
  std::optional<Mac> address;
};

StatusAnswer Answers(Mac address, std::uint8_t code = qb::kNetBiosIncomplete) {
  return {code, address};
}
StatusAnswer Fails(std::uint8_t code = 0x23 /* NRC_NOWILD */) { return {code, std::nullopt}; }

constexpr Mac kZero{};
constexpr Mac kFirst{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
constexpr Mac kSecond{0xA0, 0x0B, 0xC0, 0x0D, 0xE0, 0x0F};

// NetBIOS that reports the given LANAs and answers status requests per LANA, recording calls.
class FakeNetBios : public qb::NetBios {
 public:
  FakeNetBios(std::vector<std::uint8_t> lanas, std::map<std::uint8_t, StatusAnswer> answers)
      : lanas_(std::move(lanas)), answers_(std::move(answers)) {}

  void Enumerate(qb::LanaList& list) override {
    calls.push_back("enum");
    enumerateSawZeroedList = std::all_of(list.begin(), list.end(), [](auto b) { return b == 0; });
    list[0] = static_cast<std::uint8_t>(lanas_.size());
    std::copy(lanas_.begin(), lanas_.end(), list.begin() + 1);
  }
  void Reset(std::uint8_t lana) override { calls.push_back("reset " + std::to_string(lana)); }
  std::uint8_t AdapterStatus(std::uint8_t lana, qb::AdapterStatusHead& status) override {
    calls.push_back("status " + std::to_string(lana));
    if (calls.size() == 3) {
      firstStatusSawZeroedBuffer =
          std::all_of(status.begin(), status.end(), [](auto b) { return b == 0; });
    }
    const auto found = answers_.find(lana);
    if (found == answers_.end()) return Fails().code;
    if (found->second.address) {
      std::copy(found->second.address->begin(), found->second.address->end(), status.begin());
    }
    return found->second.code;
  }

  std::vector<std::string> calls;
  bool enumerateSawZeroedList = false;
  bool firstStatusSawZeroedBuffer = false;

 private:
  std::vector<std::uint8_t> lanas_;
  std::map<std::uint8_t, StatusAnswer> answers_;
};

struct SearchCase {
  const char* name;
  std::vector<std::uint8_t> lanas;
  std::map<std::uint8_t, StatusAnswer> answers;
  std::string expectedMac;
  std::vector<std::string> expectedCalls;
  std::string expectedId;  // with a volume serial of "1234"
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class MacSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(MacSearch, FindsTheAddressAndTheIdentifier) {
  const SearchCase& c = GetParam();
  FakeNetBios netBios(c.lanas, c.answers);
  const std::string mac = qb::FindMacAddress(netBios);
  EXPECT_EQ(mac, c.expectedMac);
  EXPECT_EQ(netBios.calls, c.expectedCalls);
  EXPECT_TRUE(netBios.enumerateSawZeroedList);
  EXPECT_TRUE(netBios.firstStatusSawZeroedBuffer);

  int volumeQueries = 0;
  const std::string id = qb::ChooseHardwareId(mac, [&] {
    ++volumeQueries;
    return std::string("1234");
  });
  EXPECT_EQ(id, c.expectedId);
  EXPECT_EQ(volumeQueries, c.expectedId == "1234" ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Adapters, MacSearch,
    ::testing::Values(
        SearchCase{"FirstAdapterRealStopsTheSearch",
                   {3, 5},
                   {{3, Answers(kFirst)}, {5, Answers(kSecond)}},
                   "00-1A-2B-3C-4D-5E",
                   {"enum", "reset 3", "status 3"},
                   "00-1A-2B-3C-4D-5E"},
        SearchCase{"ZeroAddressesThenReal",
                   {1, 2, 7},
                   {{1, Answers(kZero)}, {2, Answers(kZero)}, {7, Answers(kSecond)}},
                   "A0-0B-C0-0D-E0-0F",
                   {"enum", "reset 1", "status 1", "reset 2", "status 2", "reset 7", "status 7"},
                   "A0-0B-C0-0D-E0-0F"},
        SearchCase{"AllZeroAddressesAreTheIdentifier",
                   {0, 1},
                   {{0, Answers(kZero)}, {1, Answers(kZero)}},
                   "00-00-00-00-00-00",
                   {"enum", "reset 0", "status 0", "reset 1", "status 1"},
                   "00-00-00-00-00-00"},
        SearchCase{"FirstAdapterFailingEndsTheSearchEmpty",
                   {4, 5},
                   {{4, Fails()}, {5, Answers(kSecond)}},
                   "",
                   {"enum", "reset 4", "status 4"},
                   "1234"},
        SearchCase{"FailingAdapterAfterZerosIsSkipped",
                   {1, 2, 3},
                   {{1, Answers(kZero)}, {2, Fails()}, {3, Answers(kFirst)}},
                   "00-1A-2B-3C-4D-5E",
                   {"enum", "reset 1", "status 1", "reset 2", "status 2", "reset 3", "status 3"},
                   "00-1A-2B-3C-4D-5E"},
        SearchCase{"GoodReturnCountsAsWellAsIncomplete",
                   {2},
                   {{2, Answers(kSecond, qb::kNetBiosGoodReturn)}},
                   "A0-0B-C0-0D-E0-0F",
                   {"enum", "reset 2", "status 2"},
                   "A0-0B-C0-0D-E0-0F"},
        SearchCase{"OtherCodesDoNotCountEvenWithAnAddress",
                   {2},
                   {{2, Answers(kSecond, 1)}},
                   "",
                   {"enum", "reset 2", "status 2"},
                   "1234"},
        SearchCase{"NoAdaptersAsksLanaZeroOnce",
                   {},
                   {{0, Answers(kFirst)}},
                   "00-1A-2B-3C-4D-5E",
                   {"enum", "reset 0", "status 0"},
                   "00-1A-2B-3C-4D-5E"},
        SearchCase{"NoAdaptersAndLanaZeroFailing",
                   {},
                   {},
                   "",
                   {"enum", "reset 0", "status 0"},
                   "1234"}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

// The status buffer is zeroed once only: an adapter that reports success without writing its
// head shows the address the previous adapter left there.
TEST(MacSearch, StatusBufferIsSharedBetweenAdapters) {
  FakeNetBios netBios({1, 2}, {{1, Answers(kZero)}, {2, {qb::kNetBiosGoodReturn, std::nullopt}}});
  EXPECT_EQ(qb::FindMacAddress(netBios), "00-00-00-00-00-00");
}

TEST(MacText, UpperCaseTwoDigitsPerByteJoinedByHyphens) {
  const std::uint8_t address[] = {0x00, 0x0f, 0xab, 0x10, 0xff, 0x09};
  EXPECT_EQ(qb::MacText(address), "00-0F-AB-10-FF-09");
}

TEST(VolumeSerialText, UnsignedDecimalOrDefault) {
  EXPECT_EQ(qb::VolumeSerialText(0x1234u), "4660");
  EXPECT_EQ(qb::VolumeSerialText(0u), "0");
  EXPECT_EQ(qb::VolumeSerialText(0x80000000u), "2147483648");
  EXPECT_EQ(qb::VolumeSerialText(0xFFFFFFFFu), "4294967295");
  EXPECT_EQ(qb::VolumeSerialText(std::nullopt), "00");
}

TEST(ChooseHardwareId, VolumeDefaultWhenNothingElse) {
  EXPECT_EQ(qb::ChooseHardwareId("", [] { return qb::VolumeSerialText(std::nullopt); }), "00");
}

}  // namespace
