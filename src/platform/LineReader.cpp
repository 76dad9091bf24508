// LineReader.cpp - the 511-byte line reading of report templates.
#include "platform/LineReader.h"

#include <cstring>

namespace zrv::platform {

// The first LF or CR in [From, Limit), or Limit: two memchr scans (a line of
// a template ends in CR LF, so the CR scan stops at the line's end too).
std::size_t LineReader::stopOf(std::size_t From, std::size_t Limit) const {
  const char* First = Buffer + From;
  std::size_t Length = Limit - From;
  const void* Lf = std::memchr(First, '\n', Length);
  if (Lf)
    Length = static_cast<std::size_t>(static_cast<const char*>(Lf) - First);
  const void* Cr = std::memchr(First, '\r', Length);
  if (Cr)
    Length = static_cast<std::size_t>(static_cast<const char*>(Cr) - First);
  return From + Length;
}

bool LineReader::fill() {
  if (Begin < End)
    return true;
  if (EndSeen)
    return false;
  Begin = 0;
  End = std::fread(Buffer, 1, sizeof(Buffer), Stream);
  if (End == 0) {
    EndSeen = true;
    return false;
  }
  return true;
}

int LineReader::peekByte() {
  if (!fill())
    return EOF;
  return static_cast<unsigned char>(Buffer[Begin]);
}

int LineReader::nextByte() {
  if (!fill())
    return EOF;
  return static_cast<unsigned char>(Buffer[Begin++]);
}

bool LineReader::readLine(std::string& Piece) {
  Piece.clear();
  while (Piece.size() < MaxPieceBytes) {
    // Fast path: copy plain bytes straight from the buffer.
    if (Begin < End) {
      std::size_t Room = MaxPieceBytes - Piece.size();
      std::size_t Limit = End - Begin < Room ? End : Begin + Room;
      std::size_t Stop = stopOf(Begin, Limit);
      Piece.append(Buffer + Begin, Stop - Begin);
      Begin = Stop;
      if (Piece.size() >= MaxPieceBytes)
        break;
    }
    int C = nextByte();
    if (C == EOF)
      break;
    if (C == '\r') {
      if (peekByte() == '\n') {
        ++Begin;
        Piece += '\n';
        break;
      }
      Piece += '\r';
      continue;
    }
    Piece += static_cast<char>(C);
    if (C == '\n')
      break;
  }
  return !Piece.empty();
}

} // namespace zrv::platform
