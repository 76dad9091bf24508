// LineReader.h - reads a template file line by line as the report template
// reader expects: pieces of at most 511 bytes, CR LF taken as the line end.
#ifndef ZRVREPORT_PLATFORM_LINEREADER_H
#define ZRVREPORT_PLATFORM_LINEREADER_H

#include <cstddef>
#include <cstdio>
#include <string>

namespace zrv::platform {

/// Reads lines from a stream opened in binary mode, the way fgets reads a
/// text-mode stream into a 512-byte buffer on Windows:
/// - CR LF arrives as LF; a CR that no LF follows is an ordinary byte;
/// - a piece ends after its LF, or after 511 bytes, or at the end of the file;
///   a longer line therefore arrives in several pieces.
/// The translation is done here, not by the C runtime, so that every platform
/// reads the same bytes the same way (no end-of-file at a Ctrl-Z byte).
class LineReader {
public:
  /// The longest piece that one read returns, line end included.
  static constexpr std::size_t MaxPieceBytes = 511;

  explicit LineReader(std::FILE* Input) : Stream(Input) {}

  /// Reads the next piece into \p Piece (its LF kept, as fgets keeps it).
  /// Returns false, with \p Piece empty, when nothing was left to read.
  bool readLine(std::string& Piece);

  /// True once a read has met the end of the file (as feof reports).
  bool atEnd() const { return EndSeen; }

private:
  std::size_t stopOf(std::size_t From, std::size_t Limit) const;
  int nextByte();
  int peekByte();
  bool fill();

  std::FILE* Stream;
  char Buffer[65536];
  std::size_t Begin = 0;
  std::size_t End = 0;
  bool EndSeen = false;
};

} // namespace zrv::platform

#endif // ZRVREPORT_PLATFORM_LINEREADER_H
