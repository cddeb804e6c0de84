#include "portable/support/bas_md5_win.h"

#include <gtest/gtest.h>

#include "portable/support/md5_class.h"
#include "portable/support/md5_class_win.h"
#include "portable/support/vb_error.h"
#include "scratch_folder.h"

namespace {

using qbp_test::ScratchFolder;
using qbp_test::Wide;

std::string Pattern(std::size_t length) {
  std::string bytes;
  for (std::size_t i = 0; i < length; ++i) bytes.push_back(char((i * 31 + 7) % 256));
  return bytes;
}

// The provider's digest of a file and the class's digest of the same bytes must agree, for
// lengths around both block boundaries and for block sizes that split the data unevenly.
TEST(BasMd5, FileDigestAgreesWithTheClass) {
  ScratchFolder folder;
  std::vector<std::size_t> lengths = {0, 1, 3, 1000, 5000};
  for (std::size_t n = 55; n <= 65; ++n) lengths.push_back(n);
  for (std::size_t n = 119; n <= 129; ++n) lengths.push_back(n);
  const std::string path = folder / "data.bin";
  for (std::size_t length : lengths) {
    const std::string bytes = Pattern(length);
    qbp_test::WriteBytes(path, bytes);
    qbp::MD5 md5;
    const std::wstring expected = md5.DigestStrToHexStr(bytes);
    for (std::int32_t block : {1, 7, 64, 1024})
      EXPECT_EQ(qbp::GetFileMD5HashCode(Wide(path), block), expected) << length << "/" << block;
  }
}

TEST(BasMd5, Rfc1321VectorsFromFiles) {
  ScratchFolder folder;
  const struct {
    const char* content;
    const wchar_t* digest;
  } cases[] = {
      {"", L"D41D8CD98F00B204E9800998ECF8427E"},
      {"a", L"0CC175B9C0F1B6A831C399E269772661"},
      {"message digest", L"F96B697D7CB7938D525A2F31AAF161D0"},
  };
  for (const auto& c : cases) {
    qbp_test::WriteBytes(folder / "v.txt", c.content);
    EXPECT_EQ(qbp::GetFileMD5HashCode(Wide(folder / "v.txt"), 1024), c.digest) << c.content;
  }
}

TEST(BasMd5, HashFileHandsOutSixteenBytes) {
  ScratchFolder folder;
  qbp_test::WriteBytes(folder / "abc.txt", "abc");
  qbp::GetFileMD5HashCode(Wide(folder / "abc.txt"), 2);  // sets the block size
  std::vector<std::uint8_t> hash;
  EXPECT_EQ(qbp::HashFile(Wide(folder / "abc.txt"), hash), 16);
  const std::vector<std::uint8_t> expected = {0x90, 0x01, 0x50, 0x98, 0x3C, 0xD2, 0x4F, 0xB0,
                                              0xD6, 0x96, 0x3F, 0x7D, 0x28, 0xE1, 0x7F, 0x72};
  EXPECT_EQ(hash, expected);
}

// A missing file or folder raises the file error and leaves nothing behind.
TEST(BasMd5, MissingPathRaisesTheFileErrorAndCreatesNothing) {
  ScratchFolder folder;
  const struct {
    std::string path;
    long number;
  } cases[] = {
      {folder / "missing.exe", ERROR_FILE_NOT_FOUND},
      {folder / "no folder\\missing.exe", ERROR_PATH_NOT_FOUND},
  };
  for (const auto& c : cases) {
    try {
      qbp::GetFileMD5HashCode(Wide(c.path), 1024);
      ADD_FAILURE() << "no error for " << c.path;
    } catch (const qbp::VbError& error) {
      EXPECT_EQ(error.number, c.number);
      EXPECT_EQ(error.source, L"basMD5 - GetFileMD5HashCode");
      EXPECT_FALSE(error.description.empty());
    }
    EXPECT_FALSE(qbp_test::Exists(c.path));
  }
  EXPECT_TRUE(qbp_test::Names(folder.path()).empty());
}

TEST(BasMd5, HashFileRaisesUnderItsOwnName) {
  ScratchFolder folder;
  std::vector<std::uint8_t> hash;
  try {
    qbp::HashFile(Wide(folder / "missing.exe"), hash);
    ADD_FAILURE() << "no error";
  } catch (const qbp::VbError& error) {
    EXPECT_EQ(error.number, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(error.source, L"basMD5 - HashFile");
  }
}

// Running programs hold their files open, some for writing: those files still hash.
TEST(BasMd5, FileHeldOpenByAWriterHashes) {
  ScratchFolder folder;
  const std::string path = folder / "busy.log";
  for (DWORD share : {DWORD(FILE_SHARE_READ), DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE)}) {
    HANDLE writer = ::CreateFileA(path.c_str(), GENERIC_WRITE, share, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(writer, "abc", 3, &written, nullptr);
    EXPECT_EQ(qbp::GetFileMD5HashCode(Wide(path), 1024), L"900150983CD24FB0D6963F7D28E17F72");
    ::CloseHandle(writer);
  }
}

// Whether the digest succeeds or fails after the file was opened, the file is closed again.
TEST(BasMd5, FileIsClosedOnEveryPath) {
  ScratchFolder folder;
  const std::string path = folder / "data.bin";
  qbp_test::WriteBytes(path, Pattern(3000));
  qbp::GetFileMD5HashCode(Wide(path), 1024);
  EXPECT_TRUE(qbp_test::NobodyHoldsOpen(path));

  try {
    qbp::GetFileMD5HashCode(Wide(path), 0);  // a buffer of no bytes cannot be read into
    ADD_FAILURE() << "no error for block size 0";
  } catch (const qbp::VbError& error) {
    EXPECT_EQ(error.number, qbp::kErrInvalidArgument);
    EXPECT_EQ(error.source, L"basMD5 - GetFileMD5HashCode");
  }
  EXPECT_TRUE(qbp_test::NobodyHoldsOpen(path));
}

TEST(BasMd5, AFolderIsNotAFile) {
  ScratchFolder folder;
  EXPECT_THROW(qbp::GetFileMD5HashCode(Wide(folder.path()), 1024), qbp::VbError);
}

// Wide text is digested as its ANSI bytes (Windows-1252 here: e-acute 0xE9, Euro sign 0x80).
TEST(Md5ClassWide, DigestsTheAnsiBytes) {
  if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << ::GetACP();
  qbp::MD5 md5;
  EXPECT_EQ(qbp::DigestWideTextToHexStr(md5, L"\u00e9\u20ac"),
            L"C17CA5490B95AA07BB32D9127125086F");  // hashlib of E9 80
  EXPECT_EQ(qbp::DigestWideTextToHexStr(md5, L""), L"D41D8CD98F00B204E9800998ECF8427E");
}

}  // namespace
