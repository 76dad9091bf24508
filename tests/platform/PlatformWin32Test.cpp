// PlatformWin32Test.cpp - what the platform layer does on Windows only:
// backslash paths, 16-bit wchar_t, the runtime's text mode and the debugger
// output channel.
#include "platform/Diagnostics.h"
#include "platform/LineReader.h"
#include "platform/Platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#undef CopyFile
#undef CreateDirectory
#undef ReplaceFile

#include "TestSupport.h"

using namespace zrv::platform;

TEST(PlatformWin32, Utf16WideCharactersAndSurrogatePairs) {
  static_assert(sizeof(wchar_t) == 2, "wchar_t holds UTF-16 on Windows");
  const std::wstring Pair = FromUtf8("\xF0\x9F\x98\x80");
  EXPECT_EQ(Pair, (std::wstring{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)}));
  EXPECT_EQ(ToUtf8(Pair), "\xF0\x9F\x98\x80");
  // The same two units the other way round are no pair.
  EXPECT_EQ(ToUtf8(std::wstring{static_cast<wchar_t>(0xDE00), static_cast<wchar_t>(0xD83D)}),
            "\xEF\xBF\xBD\xEF\xBF\xBD");
  // Ill-formed bytes around a pair: the pair survives whole.
  EXPECT_EQ(FromUtf8("\xC3\xF0\x9F\x98\x80\xFF"), L"\uFFFD\U0001F600\uFFFD");
}

TEST(PlatformWin32, BackslashPathsAndEitherSeparatorAccepted) {
  EXPECT_EQ(PathSeparator, L'\\');
  zrvtest::TempDir Dir;
  const std::wstring Root = Dir.path().wstring();
  ASSERT_TRUE(CreateDirectory(Root + L"\\Template"));
  zrvtest::writeBytes(Dir.path() / "Template" / "Shell.csv", "x");
  EXPECT_TRUE(FileStatusOk(Root + L"/Template/Shell.csv"));
  EXPECT_TRUE(PathExists(Root + L"\\Template\\Shell.csv"));
  std::vector<DirectoryEntry> Found;
  ASSERT_TRUE(ListDirectory(Root + L"/Template/", L"*.csv", Found));
  ASSERT_EQ(Found.size(), 1u);
  EXPECT_EQ(Found[0].Name, L"Shell.csv");

  // The executable's path comes from GetModuleFileNameW: a drive path with
  // backslashes.
  const std::wstring Self = ExecutablePath();
  ASSERT_GT(Self.size(), 3u);
  EXPECT_EQ(Self.substr(1, 2), L":\\");
  EXPECT_EQ(Self.substr(Self.size() - 4), L".exe");
}

TEST(PlatformWin32, TextModeTranslatesAndBinaryReadingDoesNot) {
  EXPECT_STREQ(TextModeLineEnd, "\n");
  zrvtest::TempDir Dir;
  std::FILE* Out = OpenTextFileForWriting(Dir.file(L"t.csv"));
  ASSERT_NE(Out, nullptr);
  std::fputs("a\nb\r\x1A"
             "c\n",
             Out);
  std::fclose(Out);
  // The runtime writes each "\n" as CR LF and leaves every other byte alone.
  const std::string OnDisk = "a\r\nb\r\x1A"
                             "c\r\n";
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "t.csv"), OnDisk);

  // Read in text mode the runtime would stop at the Ctrl-Z byte; the template
  // reading opens the file in binary mode and translates CR LF itself.
  std::FILE* Text = OpenFile(Dir.file(L"t.csv"), "r");
  ASSERT_NE(Text, nullptr);
  char Buffer[64] = {};
  std::size_t Got = std::fread(Buffer, 1, sizeof(Buffer), Text);
  std::fclose(Text);
  EXPECT_EQ(std::string(Buffer, Got), "a\nb\r");

  std::FILE* Binary = OpenFile(Dir.file(L"t.csv"), "rb");
  ASSERT_NE(Binary, nullptr);
  LineReader Reader(Binary);
  std::vector<std::string> Pieces;
  std::string Piece;
  while (Reader.readLine(Piece))
    Pieces.push_back(Piece);
  std::fclose(Binary);
  EXPECT_EQ(Pieces, (std::vector<std::string>{"a\n", "b\r\x1A"
                                                     "c\n"}));
}

namespace {

// Messages that reach the debugger output channel. OutputDebugStringW raises
// a debug-print exception that a vectored handler sees before the system
// handles it: DBG_PRINTEXCEPTION_WIDE_C carries the wide text, the older
// DBG_PRINTEXCEPTION_C the narrow one.
std::vector<std::wstring>* DebuggerMessages = nullptr;

LONG CALLBACK catchDebugPrint(EXCEPTION_POINTERS* Info) {
  const EXCEPTION_RECORD* Record = Info->ExceptionRecord;
  if (DebuggerMessages && Record->NumberParameters >= 2) {
    const ULONG_PTR Text = Record->ExceptionInformation[1];
    if (Record->ExceptionCode == 0x4001000AUL) { // DBG_PRINTEXCEPTION_WIDE_C
      DebuggerMessages->push_back(reinterpret_cast<const wchar_t*>(Text));
    } else if (Record->ExceptionCode == 0x40010006UL) { // DBG_PRINTEXCEPTION_C
      std::string Narrow(reinterpret_cast<const char*>(Text));
      DebuggerMessages->push_back(std::wstring(Narrow.begin(), Narrow.end()));
    }
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

TEST(PlatformWin32, DefaultSinkIsTheDebuggerOutputChannel) {
  std::vector<std::wstring> Seen;
  DebuggerMessages = &Seen;
  PVOID Handler = ::AddVectoredExceptionHandler(1, catchDebugPrint);
  ASSERT_NE(Handler, nullptr);
  ZRVDiagnosticSink Previous = ZRVSetDiagnosticSink(nullptr);
  zrv::Diagnose(L"[ReportSetting] default sink %d", {7});
  ZRVSetDiagnosticSink(Previous);
  ::RemoveVectoredExceptionHandler(Handler);
  DebuggerMessages = nullptr;
  // A system that sends both forms of the message delivers it twice.
  ASSERT_FALSE(Seen.empty());
  for (const std::wstring& Message : Seen)
    EXPECT_EQ(Message, L"[ReportSetting] default sink 7");
}
