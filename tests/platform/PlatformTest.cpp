// PlatformTest.cpp - the platform layer's promises: text conversion, files,
// renames, copies, folder listings and the executable's path.
#include "platform/Platform.h"
#include "platform/Utf8.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportTemplateReader.h"

#include "TestSupport.h"

using namespace zrv::platform;

TEST(PlatformText, Utf8EncodingAndReplacementOfBadBytes) {
  // The round trip of valid text is the shared exchange file's test.
  EXPECT_EQ(ToUtf8(L"\u00e9"), "\xC3\xA9");
  // The last three-byte and the first four-byte character.
  EXPECT_EQ(ToUtf8(L"\uFFFF\U00010000"), "\xEF\xBF\xBF\xF0\x90\x80\x80");
  // The first and last two-byte, the first three-byte and the last valid
  // character, both ways.
  const std::string Edges = "\xC2\x80\xDF\xBF\xE0\xA0\x80\xF4\x8F\xBF\xBF";
  EXPECT_EQ(ToUtf8(L"\u0080\u07FF\u0800\U0010FFFF"), Edges);
  EXPECT_EQ(FromUtf8(Edges), L"\u0080\u07FF\u0800\U0010FFFF");

  // Each invalid byte or broken sequence becomes U+FFFD; nothing vanishes.
  EXPECT_EQ(FromUtf8("a\xFF\x62"), L"a\uFFFDb");
  EXPECT_EQ(FromUtf8("a\xC3"), L"a\uFFFD");        // truncated at the end
  EXPECT_EQ(FromUtf8("\xE6\xB5\x78"), L"\uFFFDx"); // truncated in the middle
  EXPECT_EQ(FromUtf8("\xC0\xAF\xC1\xBF\xE0\x9F\xBF"), std::wstring(7, L'\uFFFD')); // overlong
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD"); // encoded surrogate
  EXPECT_EQ(FromUtf8(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
  EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), L"\uFFFD\uFFFD\uFFFD\uFFFD"); // above U+10FFFF
  EXPECT_EQ(FromUtf8("\xF0\x9F\x98\xE2\x82\xAC"), L"\uFFFD\u20AC");     // cut, then valid

  // A surrogate without its partner is written as U+FFFD.
  EXPECT_EQ(ToUtf8(std::wstring{static_cast<wchar_t>(0xD800), L'x'}), "\xEF\xBF\xBDx");
  EXPECT_EQ(ToUtf8(std::wstring{L'x', static_cast<wchar_t>(0xDC00)}), "x\xEF\xBF\xBD");
}

TEST(PlatformText, KeptFormGivesEveryWideTextBack) {
  auto kept = [](std::wstring_view Text) {
    std::string Bytes(Text.size() * KeptRoom, '\0');
    Bytes.resize(static_cast<std::size_t>(WideToKept(Bytes.data(), Text) - Bytes.data()));
    return Bytes;
  };
  const auto Wide = zrvtest::wideOf;
  // Characters are their UTF-8 bytes; a lone surrogate keeps its value
  // (U+FFFD would merge it with other names).
  EXPECT_EQ(kept(L"a\u00e9\U00010000"), "a\xC3\xA9\xF0\x90\x80\x80");
  EXPECT_EQ(kept(Wide({0xD800, 'x'})), "\xED\xA0\x80x");
  std::vector<std::wstring> Texts{L"",
                                  L"Clip_0001",
                                  L"\u0080\u07FF\u0800\uFFFD\uFFFF\U00010000\U0010FFFF",
                                  Wide({0xD800}),
                                  Wide({0xDC00, 'x', 0xDBFF}),
                                  Wide({0xD800, 0xE000})};
  if (sizeof(wchar_t) == 4) // values no UTF-16 text holds, and a split pair
    Texts.push_back(Wide({0x110000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xD800, 0xDC00}));
  for (const std::wstring& Text : Texts) {
    const std::string Bytes = kept(Text);
    std::wstring Back = L"<";
    KeptToWide(Bytes, Back);
    EXPECT_EQ(Back, L"<" + Text);
    EXPECT_EQ(KeptWideLength(Bytes), Text.size());
    // The kept form is the UTF-8 written exactly when no value in it is
    // written as U+FFFD.
    EXPECT_EQ(KeptIsUtf8(Bytes), ToUtf8(Text) == Bytes);
  }
  EXPECT_TRUE(KeptIsUtf8(kept(L"\uD7FF\uE000 \u00e9")));
  EXPECT_FALSE(KeptIsUtf8(kept(L"ab\u00e9") + "\xED\xBF\xBF"));
}

TEST(PlatformText, NamePatternsAndComparisonWithoutCase) {
  // "*.ext" compares the end of the name, a name that is only the extension
  // included; any other pattern compares the whole name; both ignore case.
  EXPECT_TRUE(MatchesPattern(L".csv", L"*.csv"));
  EXPECT_TRUE(MatchesPattern(L"a.CSV", L"*.csv"));
  EXPECT_FALSE(MatchesPattern(L"csv", L"*.csv"));
  EXPECT_TRUE(MatchesPattern(L"Logo.PNG", L"logo.png"));
  EXPECT_FALSE(MatchesPattern(L"logo.png", L"logo.pn"));
  EXPECT_TRUE(MatchesPattern(L"x", L"*.*"));

  // Comparison without case and lower case fold only A to Z.
  EXPECT_EQ(CompareNoCase(L"Top", L"TOP"), 0);
  EXPECT_LT(CompareNoCase(L"abc", L"ABD"), 0);
  EXPECT_GT(CompareNoCase(L"abcd", L"ABC"), 0);
  EXPECT_EQ(ToLower(L"C:\\Result\\Image.PNG"), L"c:\\result\\image.png");
  // Only A to Z fold, as in the Windows runtime's default locale.
  EXPECT_NE(CompareNoCase(L"\u00c4rea", L"\u00e4rea"), 0);
  EXPECT_EQ(CompareNoCase(L"VIEW_\u00c4", L"view_\u00c4"), 0);
  EXPECT_EQ(ToLower(L"\u00c4BC"), L"\u00c4bc");
}

TEST(PlatformText, NameOrderFollowsUtf16CodeUnits) {
  // U+10000 is D800 DC00 in UTF-16 and so sorts before U+E000; plain UTF-32
  // order would put it after.
  ZRVNameLess Less;
  EXPECT_TRUE(Less(L"\U00010000", L"\uE000"));
  EXPECT_FALSE(Less(L"\uE000", L"\U00010000"));
  EXPECT_TRUE(Less(L"B", L"a"));
  EXPECT_TRUE(Less(L"ab", L"abc"));
  EXPECT_FALSE(Less(L"abc", L"abc"));
  // Names with long common starts differ wherever they differ: inside the
  // first four characters, past them, after the shorter one ends.
  EXPECT_TRUE(Less(L"Clia_0012", L"Clip_0012"));
  EXPECT_TRUE(Less(L"Clip_0012", L"Clip_0013"));
  EXPECT_FALSE(Less(L"Clip_0013", L"Clip_0012"));
  EXPECT_TRUE(Less(L"Clip_0012", L"Clip_00120"));
  EXPECT_FALSE(Less(L"Clip_00120", L"Clip_00120"));
  EXPECT_TRUE(Less(L"Cl\U00010000pping", L"Cl\uE000pping"));
  EXPECT_TRUE(Less(L"Clipping_\U00010000", L"Clipping_\uE000"));
}

TEST(PlatformFiles, RenameNeverReplacesAnExistingFile) {
  zrvtest::TempDir Dir;
  zrvtest::plant(Dir.path(), "a.csv=A b.csv=B");
  EXPECT_FALSE(RenameNoReplace(Dir.file(L"a.csv"), Dir.file(L"b.csv")));
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "a.csv") + zrvtest::readBytes(Dir.path() / "b.csv"),
            "AB");

  EXPECT_TRUE(RenameNoReplace(Dir.file(L"a.csv"), Dir.file(L"c.csv")));
  EXPECT_FALSE(fs::exists(Dir.path() / "a.csv"));
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "c.csv"), "A");
  EXPECT_FALSE(RenameNoReplace(Dir.file(L"missing.csv"), Dir.file(L"d.csv")));
}

TEST(PlatformFiles, StatusExistenceReplaceAndDirectories) {
  zrvtest::TempDir Dir;
  EXPECT_FALSE(FileStatusOk(Dir.file(L"none")));
  EXPECT_TRUE(FileStatusOk(Dir.path().wstring()));
  EXPECT_TRUE(PathExists(Dir.path().wstring()));

  EXPECT_TRUE(CreateDirectory(Dir.file(L"one")));
  EXPECT_FALSE(CreateDirectory(Dir.file(L"one")));        // exists already
  EXPECT_FALSE(CreateDirectory(Dir.file(L"two/levels"))); // parent missing
  EXPECT_TRUE(fs::is_directory(Dir.path() / "one"));

  zrvtest::plant(Dir.path(), "src.png=png dst.png=old");
  EXPECT_FALSE(CopyFile(Dir.file(L"src.png"), Dir.file(L"dst.png"), true)); // never overwrites
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "dst.png"), "old");
  EXPECT_TRUE(CopyFile(Dir.file(L"src.png"), Dir.file(L"dst.png"), false));
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "dst.png"), "png");

  zrvtest::plant(Dir.path(), "new.tmp=new t.csv=old");
  EXPECT_TRUE(ReplaceFile(Dir.file(L"new.tmp"), Dir.file(L"t.csv")));
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "t.csv"), "new");
  EXPECT_TRUE(RemoveFile(Dir.file(L"t.csv")));
  EXPECT_FALSE(RemoveFile(Dir.file(L"t.csv")));
}

TEST(PlatformDirectory, ListingByPatternWithDotEntriesAndBits) {
  zrvtest::TempDir Dir;
  zrvtest::plant(Dir.path(), "Shell.csv= SOLID.CSV= notes.txt= csv= pictures/");

  std::vector<DirectoryEntry> All;
  ASSERT_TRUE(ListDirectory(Dir.path().wstring(), L"*", All));
  auto Find = [&](const std::wstring& Name) {
    return std::find_if(All.begin(), All.end(),
                        [&](const DirectoryEntry& E) { return E.Name == Name; });
  };
  ASSERT_NE(Find(L"."), All.end());
  ASSERT_NE(Find(L".."), All.end());
  EXPECT_TRUE(Find(L".")->IsDirectory);
  EXPECT_TRUE(Find(L"pictures")->IsDirectory);
  EXPECT_FALSE(Find(L"notes.txt")->IsDirectory);
  EXPECT_EQ(All.size(), 7u);

  std::vector<DirectoryEntry> Templates;
  ASSERT_TRUE(ListDirectory(Dir.path().wstring(), L"*.csv", Templates));
  std::vector<std::wstring> Names;
  for (const auto& E : Templates)
    Names.push_back(E.Name);
  std::sort(Names.begin(), Names.end());
  EXPECT_EQ(Names, (std::vector<std::wstring>{L"SOLID.CSV", L"Shell.csv"}));

  std::vector<DirectoryEntry> Missing{{L"stale", false, false}};
  EXPECT_FALSE(ListDirectory(Dir.file(L"absent"), L"*", Missing));
  EXPECT_TRUE(Missing.empty());
}

TEST(PlatformFiles, NonAsciiNamesWorkThroughEveryCall) {
  // The wide paths are built by hand: std::filesystem converts wide names
  // through the C locale on Linux, which knows no characters beyond ASCII.
  zrvtest::TempDir Dir;
  const std::wstring Root = Dir.path().wstring() + PathSeparator;
  const std::wstring Name = L"Fl\u00e4che_\u6d41\u52a8.csv";
  std::FILE* Out = OpenTextFileForWriting(Root + Name);
  ASSERT_NE(Out, nullptr);
  std::fputs("x", Out);
  std::fclose(Out);
  EXPECT_TRUE(FileStatusOk(Root + Name));
  EXPECT_TRUE(PathExists(Root + Name));
  EXPECT_TRUE(CopyFile(Root + Name, Root + L"\u00c4.csv", true));
  EXPECT_TRUE(RenameNoReplace(Root + L"\u00c4.csv", Root + L"\u00e4\u00e4.csv"));
  EXPECT_FALSE(PathExists(Root + L"\u00c4.csv"));

  std::vector<DirectoryEntry> Found;
  ASSERT_TRUE(ListDirectory(Dir.path().wstring(), L"*.CSV", Found));
  std::vector<std::wstring> Names;
  for (const auto& E : Found)
    Names.push_back(E.Name);
  std::sort(Names.begin(), Names.end());
  EXPECT_EQ(Names, (std::vector<std::wstring>{Name, L"\u00e4\u00e4.csv"}));

  std::FILE* In = OpenFile(Root + L"\u00e4\u00e4.csv", "rb");
  ASSERT_NE(In, nullptr);
  EXPECT_EQ(std::fgetc(In), 'x');
  std::fclose(In);
  EXPECT_TRUE(RemoveFile(Root + Name));
}

TEST(PlatformProcess, ExecutablePathNamesThisProgram) {
  std::wstring Path = ExecutablePath();
  ASSERT_FALSE(Path.empty());
  EXPECT_TRUE(PathExists(Path));
  EXPECT_TRUE(zrvtest::holds(fs::path(Path).filename().wstring(), L"platform_tests"));
}

TEST(PlatformFiles, TemplateOpensOnlyAsUtf8Text) {
  zrvtest::TempDir Dir;
  zrvtest::writeBytes(Dir.path() / "utf16.csv", std::string("\xFF\xFE[\0F\0", 6));
  zrvtest::writeBytes(Dir.path() / "utf16be.csv", std::string("\xFE\xFF", 2)); // the mark alone
  zrvtest::writeBytes(Dir.path() / "binary.csv", std::string("[File\0Header]\r\n", 15));
  // A NUL after the first line is the reader's business: the file opens.
  zrvtest::writeBytes(Dir.path() / "later.csv", std::string("[FileHeader]\r\nA\0B\r\n", 19));
  zrvtest::writeBytes(Dir.path() / "empty.csv", "");
  // Half a byte-order mark is no mark: 0xFE or 0xFF alone in its place opens.
  zrvtest::writeBytes(Dir.path() / "fe.csv", "\xFE[FileHeader]\r\n");
  zrvtest::writeBytes(Dir.path() / "ff.csv", "[\xFF\r\n");
  for (const wchar_t* Name : {L"utf16.csv", L"utf16be.csv", L"binary.csv"}) {
    OpenFailure Failure;
    EXPECT_EQ(OpenTemplateFile(Dir.file(Name), Failure), nullptr);
    EXPECT_EQ(Failure.Problem, OpenProblem::NotUtf8Text);
    CZRVReportTemplateReader Reader;
    CZRVReportItemManager Doc;
    Doc.SetFileVersion(7);
    zrvtest::DiagnosticCapture Log;
    EXPECT_EQ(Reader.LoadSolidInjection(Dir.file(Name).c_str(), &Doc), 0);
    EXPECT_EQ(Log.Messages,
              std::vector<std::wstring>{L"[ReportTemplateReader] Can't open this template file " +
                                        Dir.file(Name) + L": not a UTF-8 text template"});
    EXPECT_EQ(Doc.GetFileVersion(), 7);
  }
  for (const auto& [Name, First] : {std::pair(L"later.csv", int{'['}), std::pair(L"empty.csv", EOF),
                                    std::pair(L"fe.csv", 0xFE), std::pair(L"ff.csv", int{'['})}) {
    OpenFailure Failure;
    std::FILE* Stream = OpenTemplateFile(Dir.file(Name), Failure);
    ASSERT_NE(Stream, nullptr) << Name;
    EXPECT_EQ(std::fgetc(Stream), First) << Name; // at the start
    std::fclose(Stream);
  }
  OpenFailure Failure;
  EXPECT_EQ(OpenTemplateFile(Dir.file(L"missing.csv"), Failure), nullptr);
  EXPECT_EQ(Failure.Problem, OpenProblem::Missing);
  EXPECT_FALSE(Failure.Reason.empty());
  EXPECT_EQ(OpenTemplateFile(Dir.path().wstring(), Failure), nullptr);
  EXPECT_EQ(Failure.Problem, OpenProblem::Folder);
}
