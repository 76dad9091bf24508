// LineReader.cpp - the 511-byte line reading of report templates.
#include "platform/LineReader.h"

#include "platform/ByteBlock.h"

#include <cstdint>
#include <cstring>

namespace zrv::platform {

LineReader::LineReader(std::FILE* Input, std::size_t Chunk)
    : Stream(Input), ChunkBytes(Chunk < MinChunkBytes ? MinChunkBytes : Chunk) {}

bool LineReader::readChunk() {
  if (EndSeen)
    return false;
  // The unread bytes (less than a piece) start the new chunk, so that the
  // line they begin lies in one chunk.
  const std::size_t Unread = End - Begin;
  std::unique_ptr<char[]> Next(new char[ChunkBytes]); // left unset: the read fills it
  if (Unread != 0)
    std::memcpy(Next.get(), Data + Begin, Unread);
  const std::size_t Read = std::fread(Next.get() + Unread, 1, ChunkBytes - Unread, Stream);
  if (Read == 0) {
    EndSeen = true;
    return false;
  }
  Data = Next.get();
  Chunks.push_back(std::move(Next));
  Begin = 0;
  End = Unread + Read;
  return true;
}

template <typename Finder> bool LineReader::nextPiece(std::string_view& Piece, Finder FindLf) {
  for (;;) {
    const std::size_t Available = End - Begin;
    const std::size_t Window = Available < MaxPieceBytes ? Available : MaxPieceBytes;
    char* First = Data + Begin;
    if (const std::size_t At = FindLf(First, Window); At != Window) {
      if (At > 0 && First[At - 1] == '\r') {
        First[At - 1] = '\n'; // CR LF arrives as LF
        Piece = std::string_view(First, At);
      } else {
        Piece = std::string_view(First, At + 1);
      }
      Begin += At + 1;
      return true;
    }
    if (Window == MaxPieceBytes) {
      // A full piece without a line end, unless its last byte is the CR of
      // a CR LF: that LF still belongs to it (the two arrive as one byte).
      if (First[MaxPieceBytes - 1] == '\r') {
        if (Available == MaxPieceBytes && readChunk())
          continue;
        if (End - Begin > MaxPieceBytes && First[MaxPieceBytes] == '\n') {
          First[MaxPieceBytes - 1] = '\n';
          Piece = std::string_view(First, MaxPieceBytes);
          Begin += MaxPieceBytes + 1;
          return true;
        }
      }
      Piece = std::string_view(First, MaxPieceBytes);
      Begin += MaxPieceBytes;
      return true;
    }
    // The bytes read end before the line does: read on, up to the end.
    if (readChunk())
      continue;
    Piece = std::string_view(First, Available);
    Begin = End;
    return Available != 0;
  }
}

bool LineReader::readLine(std::string_view& Piece) {
  return nextPiece(Piece, [](const char* First, std::size_t Size) {
    const void* Lf = Size != 0 ? std::memchr(First, '\n', Size) : nullptr;
    return Lf ? static_cast<std::size_t>(static_cast<const char*>(Lf) - First) : Size;
  });
}

bool LineReader::readLine(std::string_view& Piece, char Watched, PieceMarks& Marks) {
  return nextPiece(Piece, [Watched, &Marks](const char* First, std::size_t Size) {
    // Each block's marks count only the bytes before its first LF. The last
    // bytes are padded with LFs, so an LF found in the padding means none.
    std::uint32_t Nul = 0, High = 0, Seen = 0;
    std::size_t At = 0;
    std::size_t Found = Size;
    while (At < Size) {
      const bool Whole = Size - At >= ByteBlock::Size;
      const ByteBlock Block =
          Whole ? ByteBlock(First + At) : ByteBlock(First + At, Size - At, '\n');
      if (Block.anyOfOrHigh('\n', '\0', Watched) == 0) {
        At += ByteBlock::Size; // nearly every block of a line: nothing to mark
        continue;
      }
      const std::uint32_t Lf = Block.equalTo('\n');
      const std::uint32_t Before = Lf != 0 ? (Lf & (0u - Lf)) - 1 : 0xFFFFu;
      Nul |= Block.equalTo('\0') & Before;
      High |= Block.highBits() & Before;
      Seen |= Block.equalTo(Watched) & Before;
      if (Lf != 0) {
        Found = At + lowestBit(Lf);
        break;
      }
      At += ByteBlock::Size;
    }
    Marks = PieceMarks{Nul != 0, High != 0, Seen != 0};
    return Found < Size ? Found : Size;
  });
}

bool LineReader::readLine(std::string& Piece) {
  std::string_view Read;
  const bool Got = readLine(Read);
  Piece.assign(Read);
  return Got;
}

std::string_view LineReader::cut(std::string_view Piece, std::size_t Offset) {
  if (Offset >= Piece.size())
    return Piece;
  if (Piece.back() != '\n')
    return Piece.substr(0, Offset);
  // The piece is a view of the reader's own chunk, written to as the CR of a
  // CR LF is.
  char* First = const_cast<char*>(Piece.data());
  First[Offset] = '\n';
  return std::string_view(First, Offset + 1);
}

} // namespace zrv::platform
