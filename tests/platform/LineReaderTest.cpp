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

/// The pieces of \p Bytes as a byte-at-a-time fgets of a text-mode stream
/// into a 512-byte buffer gives them.
std::vector<std::string> piecesByByte(const std::string& Bytes) {
  std::vector<std::string> Pieces;
  std::string Piece;
  for (std::size_t I = 0; I < Bytes.size();) {
    char C = Bytes[I++];
    if (C == '\r' && I < Bytes.size() && Bytes[I] == '\n')
      C = Bytes[I++];
    Piece += C;
    if (C == '\n' || Piece.size() == 511)
      Pieces.push_back(std::move(Piece)), Piece.clear();
  }
  if (!Piece.empty())
    Pieces.push_back(Piece);
  return Pieces;
}

} // namespace

TEST(LineReader, PiecesAreViewsThatSurviveTheChunksAfterThem) {
  // Lines of every length around a piece and a chunk, with CR LF, LF and
  // lone CR ends, CRs placed at chunk ends: read with small chunks, the views
  // kept to the end, they give what a byte-at-a-time read gives.
  std::string Bytes;
  for (std::size_t Length : {509u, 510u, 511u, 512u})
    Bytes += std::string(Length, 'q') + "\r\n";
  for (int Length = 0; Bytes.size() < 40000; Length = (Length * 7 + 13) % 1100) {
    Bytes += std::string(static_cast<std::size_t>(Length), static_cast<char>('a' + Length % 26));
    Bytes += Length % 3 == 0 ? "\r\n" : Length % 3 == 1 ? "\n" : "\r";
  }
  Bytes += std::string(510, 'z') + "\r"; // a CR as the last byte
  zrvtest::TempDir Dir;
  zrvtest::writeBytes(Dir.path() / "in.csv", Bytes);
  for (std::size_t Chunk : {std::size_t(1), std::size_t(1024), std::size_t(1500), std::size_t(4099),
                            zrv::platform::LineReader::DefaultChunkBytes}) {
    std::FILE* In = zrv::platform::OpenFile(Dir.file(L"in.csv"), "rb");
    ASSERT_NE(In, nullptr);
    zrv::platform::LineReader Reader(In, Chunk);
    std::vector<std::string_view> Views;
    for (std::string_view Piece; Reader.readLine(Piece);)
      Views.push_back(Piece);
    std::fclose(In);
    EXPECT_EQ(std::vector<std::string>(Views.begin(), Views.end()), piecesByByte(Bytes))
        << "chunk " << Chunk;
  }
}

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
