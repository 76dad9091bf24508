// PlatformPosixTest.cpp - what the platform layer does on Linux only: '/' paths,
// 32-bit wchar_t, no text-mode translation and symbolic links.
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TestSupport.h"

namespace fs = std::filesystem;
using namespace zrv::platform;

TEST(PlatformPosix, SlashPathsAndOneWideCharacterPerCodePoint) {
  static_assert(sizeof(wchar_t) == 4, "wchar_t holds UTF-32 on Linux");
  EXPECT_EQ(PathSeparator, L'/');
  EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80"), std::wstring(1, static_cast<wchar_t>(0x1F600)));
  // A surrogate pair in a 32-bit string is two unpaired surrogates.
  EXPECT_EQ(ToUtf8(std::wstring{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)}),
            "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(ToUtf8(std::wstring(1, static_cast<wchar_t>(0x110000))), "\xEF\xBF\xBD");
}

TEST(PlatformPosix, TextModeWritesBytesAsTheyAre) {
  // No translation on writing: the line end CR LF is written out in full.
  EXPECT_STREQ(TextModeLineEnd, "\r\n");
  zrvtest::TempDir Dir;
  std::FILE* Out = OpenTextFileForWriting(Dir.file(L"plain.csv"));
  ASSERT_NE(Out, nullptr);
  std::fputs("a\nb\x1A"
             "c",
             Out);
  std::fclose(Out);
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "plain.csv"), "a\nb\x1A"
                                                          "c");
}

TEST(PlatformPosix, SymbolicLinksAreReparsePoints) {
  zrvtest::TempDir Dir;
  fs::create_directory(Dir.path() / "real");
  fs::create_directory_symlink(Dir.path() / "real", Dir.path() / "link");
  std::vector<DirectoryEntry> All;
  ASSERT_TRUE(ListDirectory(Dir.path().wstring(), L"*", All));
  auto Link = std::find_if(All.begin(), All.end(),
                           [](const DirectoryEntry& E) { return E.Name == L"link"; });
  ASSERT_NE(Link, All.end());
  EXPECT_TRUE(Link->IsReparsePoint);
  EXPECT_TRUE(Link->IsDirectory);
}
