#include "platform/system_services.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "platform/run_time_error.h"

namespace tibbo::platform {
namespace {

namespace fs = std::filesystem;

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "tibbo-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
  }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

TEST(RandomNumber, StaysWithinBoundsAfterClampingAndSwapping) {
  struct Case {
    int lo, hi, expectLo, expectHi;
  };
  const Case cases[] = {{1, 2, 1, 2},     {2, 1, 1, 2},  {-5, 3, 0, 3},
                        {5, 5, 5, 5},     {-3, -1, 0, 0}, {0, INT_MAX, 0, 32767}};
  seedRandomAt(12345);
  for (const Case& c : cases) {
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
      const int r = randomNumber(c.lo, c.hi);
      ASSERT_GE(r, c.expectLo) << c.lo << ".." << c.hi;
      ASSERT_LE(r, c.expectHi) << c.lo << ".." << c.hi;
      seen.insert(r);
    }
    if (c.expectHi - c.expectLo < 4) {
      EXPECT_EQ(seen.size(), static_cast<std::size_t>(c.expectHi - c.expectLo + 1))
          << "every value of " << c.lo << ".." << c.hi << " comes up";
    }
  }
}

TEST(SeedRandom, CounterGrowsByTheSeedModulo256Plus100) {
  for (std::uint32_t tick : {0u, 42u, 1000u, 0xFFFFFFF0u}) {
    const std::uint32_t first = seedRandomAt(tick);
    const std::uint32_t second = seedRandomAt(tick);
    EXPECT_EQ(second - first, first % 256u + 100u) << "tick " << tick;
  }
}

TEST(RandomNumber, IsTheLowerBoundPlusA15BitDrawModuloTheSpan) {
  // The generator: state = state * 1103515245 + 12345, draw = (state / 65536) mod 32768.
  const std::uint32_t seed = seedRandomAt(5000);
  std::uint32_t state = seed * 1103515245u + 12345u;
  const int first = static_cast<int>((state / 65536u) % 32768u);
  state = state * 1103515245u + 12345u;
  const int second = static_cast<int>((state / 65536u) % 32768u);
  EXPECT_EQ(randomNumber(5, 7), 5 + first % 3);
  EXPECT_EQ(randomNumber(1, 2), 1 + second % 2);
}

TEST(NumberToText, IntegersAndDoubles) {
  EXPECT_EQ(numberToText(0), "0");
  EXPECT_EQ(numberToText(7), "7");
  EXPECT_EQ(numberToText(-12), "-12");
  EXPECT_EQ(numberToText(INT_MIN), "-2147483648");
  EXPECT_EQ(numberToText(8.0), "8");
  EXPECT_EQ(numberToText(0.1), "0.1");
  EXPECT_EQ(numberToText(1.0 / 3.0), "0.3333333333333");
  EXPECT_EQ(numberToText(1e20), "1e+20");
}

TEST(JoinTexts, EmptyCountsAsEmpty) {
  EXPECT_EQ(joinTexts("/pet", "/animations/"), "/pet/animations/");
  EXPECT_EQ(joinTexts("", "x"), "x");
  EXPECT_EQ(joinTexts("", ""), "");
}

TEST(IntToBytes, LowByteFirst) {
  EXPECT_EQ(intToBytes(14), (Bytes{14, 0, 0, 0}));
  EXPECT_EQ(intToBytes(-1), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(FileExists, AnythingWithTheNameCounts) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(folder / "file", {1}));
  fs::create_directory(folder / "folder");
  fs::create_symlink(folder / "nowhere", folder / "dangling");
  EXPECT_TRUE(fileExists(folder / "file"));
  EXPECT_TRUE(fileExists(folder / "folder"));
  EXPECT_TRUE(fileExists(folder / "dangling"));
  EXPECT_FALSE(fileExists(folder / "missing"));
  EXPECT_FALSE(fileExists(""));
}

TEST(ReadFile, MissingEmptyOrFolderGiveTheEmptyBuffer) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(folder / "empty", {}));
  ASSERT_TRUE(writeFile(folder / "three", {1, 2, 3}));
  fs::create_directory(folder / "folder");
  EXPECT_TRUE(readFile(folder / "missing").empty());
  EXPECT_TRUE(readFile(folder / "empty").empty());
  EXPECT_TRUE(readFile(folder / "folder").empty());
  EXPECT_EQ(readFile(folder / "three"), (Bytes{1, 2, 3}));
}

TEST(WriteFile, TruncatesAndReportsFailure) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(folder / "f", {1, 2, 3, 4}));
  ASSERT_TRUE(writeFile(folder / "f", {9}));
  EXPECT_EQ(readFile(folder / "f"), (Bytes{9}));
  fs::create_directory(folder / "folder");
  EXPECT_FALSE(writeFile(folder / "folder", {1}));
  EXPECT_FALSE(writeFile(folder / "no/such/folder/f", {1}));
}

TEST(SetFileAttributes, ReadOnlyByModeOthersByExtendedAttribute) {
  TempFolder folder;
  const std::string path = folder / "f";
  ASSERT_TRUE(writeFile(path, {1}));
  if (::setxattr(path.c_str(), "user.probe", "1", 1, 0) != 0 && errno == ENOTSUP)
    GTEST_SKIP() << "this file system keeps no user extended attributes";

  setFileAttributes(path, hiddenAttribute);
  EXPECT_EQ(fileAttributes(path), static_cast<std::uint32_t>(hiddenAttribute));
  char text[16] = {};
  ASSERT_GT(::getxattr(path.c_str(), "user.DOSATTRIB", text, sizeof text - 1), 0);
  EXPECT_STREQ(text, "0x2");

  setFileAttributes(path, readOnlyAttribute | systemAttribute | 0x1000 /* not settable */);
  EXPECT_EQ(fileAttributes(path), static_cast<std::uint32_t>(readOnlyAttribute | systemAttribute));
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0222, 0u);

  setFileAttributes(path, 0);
  EXPECT_EQ(fileAttributes(path), 0u) << "writable again, nothing else set";
  EXPECT_LT(::getxattr(path.c_str(), "user.DOSATTRIB", text, sizeof text), 0);
}

TEST(RunTimeErrorText, WithAndWithoutACode) {
  EXPECT_EQ(runTimeErrorText(6, stackErrorMessage),
            "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n");
  EXPECT_EQ(runTimeErrorText(std::nullopt, startWindowLoadFailedMessage),
            "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(missingFunctionMessage("SkinH_EL.dll", "SkinH_SetAero"),
            "无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_SetAero”");
  EXPECT_EQ(missingFunctionMessage("", "SetProcessWorkingSetSize"),
            "无法找到指定DLL库文件中的输出命令“SetProcessWorkingSetSize”");
  EXPECT_EQ(outOfMemoryMessage(1024), "分配 1024 字节内存失败!");
}

}  // namespace
}  // namespace tibbo::platform
