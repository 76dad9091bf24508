// LineReaderTest.cpp - the template line reading: 511-byte pieces and line ends.
#include "platform/LineReader.h"
#include "platform/Platform.h"

#include "TestSupport.h"

namespace {

std::vector<std::string> readAll(const std::string& Bytes, bool* EndSeen = nullptr) {
  zrvtest::TempDir Dir;
  zrvtest::writeBytes(Dir.path() / "in.csv", Bytes);
  std::FILE* In = zrv::platform::OpenFile(Dir.file(L"in.csv"), "rb");
  EXPECT_NE(In, nullptr);
  std::vector<std::string> Pieces;
  if (!In)
    return Pieces;
  zrv::platform::LineReader Reader(In);
  std::string Piece;
  while (Reader.readLine(Piece))
    Pieces.push_back(Piece);
  if (EndSeen)
    *EndSeen = Reader.atEnd();
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
  bool EndSeen = false;
  readAll("last line without end", &EndSeen);
  EXPECT_TRUE(EndSeen);

  zrvtest::TempDir Dir;
  zrvtest::writeBytes(Dir.path() / "two.csv", "one\r\ntwo");
  std::FILE* In = zrv::platform::OpenFile(Dir.file(L"two.csv"), "rb");
  ASSERT_NE(In, nullptr);
  zrv::platform::LineReader Reader(In);
  std::string Piece;
  ASSERT_TRUE(Reader.readLine(Piece));
  EXPECT_FALSE(Reader.atEnd());
  ASSERT_TRUE(Reader.readLine(Piece));
  EXPECT_EQ(Piece, "two");
  EXPECT_TRUE(Reader.atEnd());
  EXPECT_FALSE(Reader.readLine(Piece));
  std::fclose(In);
}
