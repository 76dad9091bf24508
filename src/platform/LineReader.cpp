// LineReader.cpp - the 511-byte line reading of report templates.
#include "platform/LineReader.h"

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

bool LineReader::readLine(std::string_view& Piece) {
  for (;;) {
    const std::size_t Available = End - Begin;
    const std::size_t Window = Available < MaxPieceBytes ? Available : MaxPieceBytes;
    char* First = Data + Begin;
    if (const void* Lf = Window != 0 ? std::memchr(First, '\n', Window) : nullptr) {
      const auto At = static_cast<std::size_t>(static_cast<const char*>(Lf) - First);
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
