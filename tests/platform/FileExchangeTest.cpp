// FileExchangeTest.cpp - a file written through the platform layer has the
// same bytes on every platform, and each platform reads those bytes back to
// the same text. Both builds compare with one shared file, so the Linux and
// the Windows build write identical files and each reads the other's.
#include "platform/LineReader.h"
#include "platform/Platform.h"

#include "TestSupport.h"

using namespace zrv::platform;

namespace {

// Non-ASCII text, a character beyond U+FFFF, an empty line, a lone CR and a
// Ctrl-Z byte, each of which a text-mode runtime could change.
const std::vector<std::wstring> ExchangeLines = {L"[FileHeader]",
                                                 L"Name,Fl\u00e4che \u6d41\u52a8,\U0001F600",
                                                 L"",
                                                 L"cr\rinside",
                                                 L"ctrl-z \x1A inside",
                                                 L"[EOF]"};

fs::path exchangeFixture() {
  const char* Data = std::getenv("ZRV_TEST_DATA");
  return fs::path(Data ? Data : "") / "platform" / "exchange.csv";
}

} // namespace

TEST(PlatformExchange, WrittenBytesAreTheSharedFileAndReadBackToTheSameText) {
  zrvtest::TempDir Dir;
  std::FILE* Out = OpenTextFileForWriting(Dir.file(L"exchange.csv"));
  ASSERT_NE(Out, nullptr);
  for (const std::wstring& Line : ExchangeLines) {
    std::fputs(ToUtf8(Line).c_str(), Out);
    std::fputs(TextModeLineEnd, Out);
  }
  ASSERT_EQ(std::fclose(Out), 0);
  const std::string Expected = zrvtest::readBytes(exchangeFixture());
  ASSERT_FALSE(Expected.empty()) << "missing " << exchangeFixture().string();
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "exchange.csv"), Expected);

  // The shared file reads back to the same text.
  std::FILE* In = OpenFile(exchangeFixture().wstring(), "rb");
  ASSERT_NE(In, nullptr) << "missing " << exchangeFixture().string();
  LineReader Reader(In);
  std::vector<std::wstring> Lines;
  std::string Piece;
  while (Reader.readLine(Piece)) {
    ASSERT_FALSE(Piece.empty());
    ASSERT_EQ(Piece.back(), '\n');
    Piece.pop_back();
    Lines.push_back(FromUtf8(Piece));
  }
  std::fclose(In);
  EXPECT_EQ(Lines, ExchangeLines);
}
