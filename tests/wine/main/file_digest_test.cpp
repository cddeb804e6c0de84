#include "main/support/file_digest_win.h"

#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include <string>

#include "shared/win/handles_win.h"

namespace {

// A fresh folder under %TEMP%, removed with its files afterwards.
class FileDigest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    ASSERT_NE(GetTempPathA(sizeof temp, temp), 0u);
    dir_ = std::string(temp) + "qb_file_digest_" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  }
  void TearDown() override {
    WIN32_FIND_DATAA found{};
    qb::win::FindHandle search(FindFirstFileA((dir_ + "\\*").c_str(), &found));
    if (search) {
      do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
          DeleteFileA((dir_ + "\\" + found.cFileName).c_str());
      } while (FindNextFileA(search.get(), &found));
    }
    search.reset();
    RemoveDirectoryA(dir_.c_str());
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir_ + "\\" + name;
    qb::win::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(file.valid()) << path;
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                          nullptr));
    EXPECT_EQ(written, bytes.size());
    return path;
  }

  std::string dir_;
};

TEST_F(FileDigest, DigestsOfFilesOnDisk) {
  const struct {
    const char* name;
    std::string bytes;
    const char* digest;
  } cases[] = {
      {"abc.txt", "abc", "900150983CD24FB0D6963F7D28E17F72"},
      {"empty.bin", "", "D41D8CD98F00B204E9800998ECF8427E"},
      // Three read chunks; digest from coreutils' md5sum of the same 3,000,000 bytes.
      {"many.bin", std::string(3000000, 'a'), "99DDC9A3A46EA62C95652BDF937A1FB8"},
  };
  for (const auto& c : cases) EXPECT_EQ(qb::GetFileMD5(Write(c.name, c.bytes)), c.digest) << c.name;
}

TEST_F(FileDigest, NoFileGivesEmptyDigest) {
  EXPECT_EQ(qb::GetFileMD5(dir_ + "\\missing.inf"), "");
  EXPECT_EQ(qb::GetFileMD5(dir_ + "\\"), "");  // a folder, as for an empty setup file name
  EXPECT_EQ(qb::GetFileMD5(dir_), "");
  EXPECT_EQ(qb::GetFileMD5(""), "");
}

// Another handle on the file: readers are shared with, writers are not. A file we may not
// open gives an empty digest instead of an error, so one busy file does not end a scan.
TEST_F(FileDigest, FileHeldOpenElsewhere) {
  const std::string path = Write("held.txt", "abc");
  const struct {
    const char* what;
    DWORD access;
    DWORD share;
    const char* digest;
  } cases[] = {
      {"writer sharing everything", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, ""},
      {"writer sharing reads", GENERIC_WRITE, FILE_SHARE_READ, ""},
      {"reader sharing nothing", GENERIC_READ, 0, ""},
      {"reader sharing reads", GENERIC_READ, FILE_SHARE_READ, "900150983CD24FB0D6963F7D28E17F72"},
  };
  for (const auto& c : cases) {
    qb::win::FileHandle other(
        CreateFileA(path.c_str(), c.access, c.share, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(other.valid()) << c.what;
    std::string digest = "unset";
    EXPECT_NO_THROW(digest = qb::GetFileMD5(path)) << c.what;
    EXPECT_EQ(digest, c.digest) << c.what;
  }
  EXPECT_EQ(qb::GetFileMD5(path), "900150983CD24FB0D6963F7D28E17F72");
}

TEST_F(FileDigest, SizesOfFilesAndPatterns) {
  Write("three.txt", "abc");
  Write("empty.bin", "");
  EXPECT_EQ(qb::GetFileSizeByName(dir_ + "\\three.txt"), 3);
  EXPECT_EQ(qb::GetFileSizeByName(dir_ + "\\empty.bin"), 0);
  EXPECT_EQ(qb::GetFileSizeByName(dir_ + "\\*.txt"), 3);
  EXPECT_EQ(qb::GetFileSizeByName(dir_ + "\\missing.exe"), -1);
  EXPECT_EQ(qb::GetFileSizeByName(""), -1);
}

// A sparse file of 5 GiB + 7 bytes: high and low halves of the size both count.
TEST_F(FileDigest, SizeBeyondFourGiB) {
  const std::string path = dir_ + "\\huge.bin";
  {
    qb::win::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.valid());
    DWORD returned = 0;
    DeviceIoControl(file.get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = 5LL * 1024 * 1024 * 1024 + 7;
    if (!SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.get()))
      GTEST_SKIP() << "this file system cannot hold a 5 GiB file (error " << GetLastError() << ")";
  }
  EXPECT_EQ(qb::GetFileSizeByName(path), 5LL * 1024 * 1024 * 1024 + 7);
}

}  // namespace
