// LineReaderTest.cpp - the template line reading: 511-byte pieces and line ends.
#include "platform/LineReader.h"
#include "platform/ByteBlock.h"
#include "platform/Platform.h"

#include "TestSupport.h"

#include <algorithm>
#include <cstdint>
#include <utility>

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
  // lone CR ends, CRs placed at chunk ends, and some with a NUL, a '[' or a
  // byte beyond ASCII at places around the 16-byte blocks: read with small
  // chunks, the views kept to the end, they give what a byte-at-a-time read
  // gives, by either read. The marks read with a piece tell what its bytes
  // before its LF hold.
  std::string Bytes;
  for (std::size_t Length : {509u, 510u, 511u, 512u})
    Bytes += std::string(Length, 'q') + "\r\n";
  for (int Length = 0; Bytes.size() < 40000; Length = (Length * 7 + 13) % 1100) {
    std::string Line(static_cast<std::size_t>(Length), static_cast<char>('a' + Length % 26));
    for (auto [Every, Byte] : {std::pair{5, '['}, std::pair{7, '\0'}, std::pair{4, '\xE9'}})
      if (Length % Every == 0 && Length > 0)
        Line[static_cast<std::size_t>(Length * 3 / Every) % Line.size()] = Byte;
    Bytes += Line + (Length % 3 == 0 ? "\r\n" : Length % 3 == 1 ? "\n" : "\r");
  }
  Bytes += std::string(510, 'z') + "\r"; // a CR as the last byte
  zrvtest::TempDir Dir;
  zrvtest::writeBytes(Dir.path() / "in.csv", Bytes);
  for (bool WithMarks : {false, true})
    for (std::size_t Chunk : {std::size_t(1), std::size_t(1024), std::size_t(1500),
                              std::size_t(4099), zrv::platform::LineReader::DefaultChunkBytes}) {
      std::FILE* In = zrv::platform::OpenFile(Dir.file(L"in.csv"), "rb");
      ASSERT_NE(In, nullptr);
      zrv::platform::LineReader Reader(In, Chunk);
      std::vector<std::string_view> Views;
      std::string_view Piece;
      zrv::platform::PieceMarks Marks;
      while (WithMarks ? Reader.readLine(Piece, '[', Marks) : Reader.readLine(Piece)) {
        Views.push_back(Piece);
        if (!WithMarks)
          continue;
        const std::string_view Text = Piece.substr(0, Piece.find('\n'));
        const bool High = std::any_of(Text.begin(), Text.end(),
                                      [](char C) { return static_cast<unsigned char>(C) >= 0x80; });
        ASSERT_EQ(Marks.Nul, Text.find('\0') != std::string_view::npos) << Views.size();
        ASSERT_EQ(Marks.Watched, Text.find('[') != std::string_view::npos) << Views.size();
        ASSERT_EQ(Marks.NonAscii, High) << Views.size();
      }
      std::fclose(In);
      EXPECT_EQ(std::vector<std::string>(Views.begin(), Views.end()), piecesByByte(Bytes))
          << "chunk " << Chunk << (WithMarks ? " with marks" : "");
    }
}

TEST(ByteBlock, BothKindsAnswerAsTheBytesSay) {
  // Blocks of bytes drawn from those the questions turn on, whole and as a
  // padded last piece of every length: each answer is what the bytes say,
  // and the vector block answers as the portable one.
  using zrv::platform::ByteBlock;
  using zrv::platform::PortableByteBlock;
  const std::string Alphabet("\0\n,[ !\x7F\x80\xFF"
                             "a\x20\x21\xC3",
                             13);
  std::uint32_t Seed = 12345;
  for (int Round = 0; Round < 3000; ++Round) {
    char Bytes[ByteBlock::Size];
    for (char& B : Bytes) {
      Seed = Seed * 1103515245u + 12345u;
      B = Alphabet[(Seed >> 16) % Alphabet.size()];
    }
    const std::size_t Count = static_cast<std::size_t>(Round) % (ByteBlock::Size + 1);
    const char Fill = Alphabet[static_cast<std::size_t>(Round) % Alphabet.size()];
    const bool Whole = Count == ByteBlock::Size;
    const ByteBlock Vector = Whole ? ByteBlock(Bytes) : ByteBlock(Bytes, Count, Fill);
    const PortableByteBlock Portable =
        Whole ? PortableByteBlock(Bytes) : PortableByteBlock(Bytes, Count, Fill);
    auto expected = [&](auto Holds) {
      std::uint32_t Mask = 0;
      for (std::size_t I = 0; I < ByteBlock::Size; ++I)
        if (Holds(static_cast<unsigned char>(I < Count || Whole ? Bytes[I] : Fill)))
          Mask |= 1u << I;
      return Mask;
    };
    for (char C : Alphabet) {
      const auto U = static_cast<unsigned char>(C);
      const std::uint32_t Equal = expected([U](unsigned char B) { return B == U; });
      const std::uint32_t Below = expected([U](unsigned char B) { return B < U; });
      ASSERT_EQ(Portable.equalTo(C), Equal) << Round;
      ASSERT_EQ(Vector.equalTo(C), Equal) << Round;
      ASSERT_EQ(Portable.below(U), Below) << Round;
      ASSERT_EQ(Vector.below(U), Below) << Round;
    }
    const std::uint32_t High = expected([](unsigned char B) { return B >= 0x80; });
    ASSERT_EQ(Portable.highBits(), High);
    ASSERT_EQ(Vector.highBits(), High);
    const std::uint32_t Any =
        Portable.equalTo('\n') | Portable.equalTo(',') | Portable.equalTo('[') | High;
    ASSERT_EQ(Portable.anyOfOrHigh('\n', ',', '['), Any);
    ASSERT_EQ(Vector.anyOfOrHigh('\n', ',', '['), Any);
    ASSERT_EQ(Vector.below(0), 0u);
    if (Any != 0) {
      const unsigned Lowest = zrv::platform::lowestBit(Any);
      ASSERT_EQ(Any & ((2u << Lowest) - 1), 1u << Lowest);
    }
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
