// LineReader.cpp - the 511-byte line reading of report templates.
#include "platform/LineReader.h"

namespace zrv::platform {

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
      std::size_t Stop = Begin;
      std::size_t Limit = End - Begin < Room ? End : Begin + Room;
      while (Stop < Limit && Buffer[Stop] != '\n' && Buffer[Stop] != '\r')
        ++Stop;
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
