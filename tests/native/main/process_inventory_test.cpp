#include "main/support/process_inventory.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "shared/md5.h"

namespace {

// A small fake file system: path -> contents, and version resources of some files.
struct FakeDisk {
  std::map<std::string, std::string> files;
  std::map<std::string, long long> sizeOverrides;  // for sizes too large to hold
  std::map<std::string, qb::VersionStrings> versions;
  std::vector<std::string> calls;

  qb::ProgramFileFacts Facts() {
    return {[this](const std::string& p) -> long long {
              calls.push_back("size " + p);
              if (auto it = sizeOverrides.find(p); it != sizeOverrides.end()) return it->second;
              auto it = files.find(p);
              return it == files.end() ? -1 : static_cast<long long>(it->second.size());
            },
            [this](const std::string& p) {
              calls.push_back("md5 " + p);
              auto it = files.find(p);
              return it == files.end() ? std::string() : qb::Md5Hex(it->second);
            },
            [this](const std::string& p) {
              calls.push_back("version " + p);
              auto it = versions.find(p);
              return it == versions.end() ? qb::VersionStrings{} : it->second;
            }};
  }
};

qb::ProcessSource Processes(std::vector<qb::ProcessEntry> list) {
  return [list](const std::function<void(const qb::ProcessEntry&)>& visit) {
    for (const auto& p : list) visit(p);
  };
}

const std::string kEmptyMd5 = "D41D8CD98F00B204E9800998ECF8427E";

struct InventoryCase {
  const char* what;
  std::vector<qb::ProcessEntry> processes;
  std::string expected;
};

TEST(ProcessInventory, ExactTexts) {
  FakeDisk disk;
  disk.files["C:\\app.exe"] = "abc";
  disk.files["C:\\plain.exe"] = "message digest";
  disk.files["C:\\empty.exe"] = "";
  disk.files["C:\\a,b=c.exe"] = "a";
  disk.versions["C:\\app.exe"] = {"Maker, Inc.", "App", "6.0", "6.0.0.1"};
  disk.versions["C:\\a,b=c.exe"] = {"", "P==Q", "", ""};
  disk.sizeOverrides["D:\\huge.bin"] = 5000000000LL;

  const std::string appTail = ",1,C:\\app.exe,1,900150983CD24FB0D6963F7D28E17F72,3"
                              "--VERSION--Maker, Inc.==App==6.0==6.0.0.1";
  const InventoryCase cases[] = {
      {"no processes", {}, ""},
      {"null and empty paths and missing files add nothing",
       {{"0", "System Idle Process", std::nullopt}, {"4", "System", std::string()},
        {"9", "gone.exe", std::string("C:\\gone.exe")}},
       ""},
      {"one record opens with CR LF and ends with the file version",
       {{"100", "app.exe", std::string("C:\\app.exe")}}, "\r\n100,app.exe" + appTail},
      {"a file without a version resource",
       {{"7", "plain.exe", std::string("C:\\plain.exe")}},
       "\r\n7,plain.exe,1,C:\\plain.exe,1,F96B697D7CB7938D525A2F31AAF161D0,14--VERSION--======"},
      {"a zero-byte file", {{"8", "empty.exe", std::string("C:\\empty.exe")}},
       "\r\n8,empty.exe,1,C:\\empty.exe,1," + kEmptyMd5 + ",0--VERSION--======"},
      {"two processes of one file, skipped ones between them",
       {{"100", "app.exe", std::string("C:\\app.exe")}, {"4", "System", std::nullopt},
        {"200", "APP.EXE", std::string("C:\\app.exe")}},
       "\r\n100,app.exe" + appTail + "\r\n200,APP.EXE" + appTail},
      {"sizes beyond 4 GiB in full; a file that cannot be hashed gives an empty digest",
       {{"5", "huge", std::string("D:\\huge.bin")}},
       "\r\n5,huge,1,D:\\huge.bin,1,,5000000000--VERSION--======"},
      {"commas and '=' inside fields are written as they are",
       {{"6", "a,b", std::string("C:\\a,b=c.exe")}},
       "\r\n6,a,b,1,C:\\a,b=c.exe,1,0CC175B9C0F1B6A831C399E269772661,1--VERSION--==P==Q===="},
  };
  for (const auto& c : cases)
    EXPECT_EQ(qb::BuildProcessInventoryText(Processes(c.processes), disk.Facts()), c.expected)
        << c.what;
}

TEST(ProcessInventory, ChecksTheSizeFirstAndTouchesNothingElseOfASkippedProcess) {
  FakeDisk disk;
  disk.files["C:\\app.exe"] = "abc";
  qb::BuildProcessInventoryText(
      Processes({{"1", "gone.exe", std::string("C:\\gone.exe")},
                 {"2", "idle", std::nullopt},
                 {"3", "app.exe", std::string("C:\\app.exe")}}),
      disk.Facts());
  EXPECT_EQ(disk.calls, (std::vector<std::string>{"size C:\\gone.exe", "size C:\\app.exe",
                                                   "version C:\\app.exe", "md5 C:\\app.exe"}));
}

}  // namespace
