// PlatformPosixTest.cpp - what the platform layer does on Linux only: '/' paths,
// 32-bit wchar_t, no text-mode translation, symbolic links, and FIFOs and
// devices refused as templates.
#include "platform/Platform.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportTemplateReader.h"

#include <sys/stat.h>

#include "TestSupport.h"

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
  std::fputs("a\nb\x1A\x63", Out);
  std::fclose(Out);
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "plain.csv"), "a\nb\x1A\x63");
}

TEST(PlatformPosix, SymbolicLinksAreReparsePointsAndAFolderFlushNeedsTheFolder) {
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
  // A folder flush needs the folder.
  EXPECT_TRUE(FlushFolderOf(Dir.file(L"t.csv")));
  EXPECT_FALSE(FlushFolderOf(Dir.file(L"missing/t.csv")));
}

TEST(PlatformPosix, FifoDeviceLinkLoopAndLongNameAreRefusedAtOnce) {
  zrvtest::TempDir Dir;
  const fs::path Fifo = Dir.path() / "pipe.csv";
  ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
  fs::create_symlink("b.csv", Dir.path() / "a.csv");
  fs::create_symlink("a.csv", Dir.path() / "b.csv");
  struct Case {
    std::wstring Path;
    OpenProblem Problem;
    std::wstring Reason;
  };
  const Case Cases[] = {
      {Fifo.wstring(), OpenProblem::NotRegularFile, L"a FIFO (named pipe) is not a file"},
      {L"/dev/zero", OpenProblem::NotRegularFile, L"a character device is not a file"},
      {(Dir.path() / "a.csv").wstring(), OpenProblem::LinkLoop,
       L"Too many levels of symbolic links"},
      {Dir.file(std::wstring(300, L'n')), OpenProblem::NameTooLong, L"File name too long"},
  };
  const auto Start = std::chrono::steady_clock::now();
  for (const Case& C : Cases) {
    SCOPED_TRACE(ToUtf8(C.Path));
    OpenFailure Failure;
    EXPECT_EQ(OpenTemplateFile(C.Path, Failure), nullptr);
    EXPECT_EQ(Failure.Problem, C.Problem);
    EXPECT_EQ(Failure.Reason, C.Reason);
    // The reader refuses it the same way and says why; the header read too.
    CZRVReportTemplateReader Reader;
    CZRVReportItemManager Doc;
    zrvtest::DiagnosticCapture Log;
    EXPECT_EQ(Reader.LoadShellInjection(C.Path.c_str(), &Doc), 0);
    EXPECT_EQ(Reader.LoadTemplateFileHeader(C.Path.c_str(), &Doc), 0);
    EXPECT_EQ(Log.Messages,
              std::vector<std::wstring>{L"[ReportTemplateReader] Can't open this template file " +
                                        C.Path + L": " + C.Reason});
    // Copying one is refused too, instead of waiting for a writer or
    // copying without end.
    EXPECT_FALSE(CopyFile(C.Path, Dir.file(L"copy.csv"), false));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(1));
  EXPECT_FALSE(fs::exists(Dir.path() / "copy.csv"));
}
