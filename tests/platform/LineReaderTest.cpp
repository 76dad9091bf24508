// LineReaderTest.cpp - the template line reading: 511-byte pieces and line ends.
#include "platform/LineReader.h"
#include "platform/Platform.h"

#include "TestSupport.h"

namespace {

/// The pieces a reader gives for \p Bytes; \p EndAfter, when given, gets
/// whether the reader was at the end after each piece.
std::vector<std::string> readAll(const std::string& Bytes, std::vector<bool>* EndAfter = nullptr) {
  zrvtest::TempDir Dir;
  zrvtest::writeBytes(Dir.path() / "in.csv", Bytes);
  std::FILE* In = zrv::platform::OpenFile(Dir.file(L"in.csv"), "rb");
  EXPECT_NE(In, nullptr);
  std::vector<std::string> Pieces;
  if (!In)
    return Pieces;
  zrv::platform::LineReader Reader(In);
  std::string Piece;
  while (Reader.readLine(Piece)) {
    Pieces.push_back(Piece);
    if (EndAfter)
      EndAfter->push_back(Reader.atEnd());
  }
  std::fclose(In);
  return Pieces;
}

} // namespace

TEST(LineReader, CrLfArrivesAsLfAndLoneCrStays) {
  EXPECT_EQ(readAll("a,b\r\nc\r\n"), (std::vector<std::string>{"a,b\n", "c\n"}));
  EXPECT_EQ(readAll("a\nb"), (std::vector<std::string>{"a\n", "b"}));
  EXPECT_EQ(readAll("a\rb\r\n"), (std::vector<std::string>{"a\rb\n"}));
  EXPECT_EQ(readAll("end\r"), (std::vector<std::string>{"end\r"}));
  EXPECT_EQ(readAll("\r\n\r\n"), (std::vector<std::string>{"\n", "\n"}));
  EXPECT_TRUE(readAll("").empty());
}

TEST(LineReader, LongLinesArriveInPiecesOf511Bytes) {
  const std::string X511(511, 'x');
  EXPECT_EQ(readAll(std::string(1100, 'x') + "\r\nnext"),
            (std::vector<std::string>{X511, X511, std::string(78, 'x') + "\n", "next"}));

  // A line of exactly 510 bytes fits with its line end; one of 511 does not,
  // and its line end arrives as a piece of its own.
  EXPECT_EQ(readAll(std::string(510, 'y') + "\r\n").size(), 1u);
  EXPECT_EQ(readAll(X511 + "\r\n"), (std::vector<std::string>{X511, "\n"}));
}

TEST(LineReader, EndOfFileIsReportedLikeFeof) {
  // The end shows once the last piece is read, and no read follows it.
  std::vector<bool> EndAfter;
  EXPECT_EQ(readAll("one\r\ntwo", &EndAfter), (std::vector<std::string>{"one\n", "two"}));
  EXPECT_EQ(EndAfter, (std::vector<bool>{false, true}));
  EndAfter.clear();
  readAll("one\r\n", &EndAfter);
  EXPECT_EQ(EndAfter, std::vector<bool>{false});
}
