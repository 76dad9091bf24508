// LineReader.h - reads a template file line by line as the report template
// reader expects: pieces of at most 511 bytes, CR LF taken as the line end.
#ifndef ZRVREPORT_PLATFORM_LINEREADER_H
#define ZRVREPORT_PLATFORM_LINEREADER_H

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zrv::platform {

/// What a piece holds, found while its line end is searched for.
struct PieceMarks {
  bool Nul = false;      ///< a NUL byte
  bool NonAscii = false; ///< a byte from 0x80 up
  bool Watched = false;  ///< the byte asked for
};

/// Reads lines from a stream opened in binary mode, the way fgets reads a
/// text-mode stream into a 512-byte buffer on Windows:
/// - CR LF arrives as LF; a CR that no LF follows is an ordinary byte;
/// - a piece ends after its LF, or after 511 bytes, or at the end of the file;
///   a longer line therefore arrives in several pieces.
/// The translation is done here, not by the C runtime, so that every platform
/// reads the same bytes the same way (no end-of-file at a Ctrl-Z byte).
///
/// The stream is read in chunks that the reader keeps until it is destroyed,
/// and a piece is a view of the chunk that holds it: reading a line copies
/// nothing, and the pieces read stay valid while the reader lives. (A line
/// that a chunk's end cuts is moved to the start of the next chunk; the CR of
/// a CR LF is overwritten by the LF in place.)
class LineReader {
public:
  /// The longest piece that one read returns, line end included.
  static constexpr std::size_t MaxPieceBytes = 511;
  /// The bytes read from the stream at a time, unless the reader is made
  /// with another size (at least MinChunkBytes).
  static constexpr std::size_t DefaultChunkBytes = 65536;
  static constexpr std::size_t MinChunkBytes = 2 * (MaxPieceBytes + 1);

  explicit LineReader(std::FILE* Input, std::size_t ChunkBytes = DefaultChunkBytes);

  /// Reads the next piece into \p Piece (its LF kept, as fgets keeps it), a
  /// view valid while the reader lives. Returns false, with \p Piece empty,
  /// when nothing was left to read.
  bool readLine(std::string_view& Piece);
  /// The same, and tells in \p Marks whether the piece holds a NUL byte, a
  /// byte beyond ASCII, or \p Watched: what a reader of the lines would
  /// otherwise search each line for again. The line end is searched for
  /// sixteen bytes at a step, those questions asked of the same bytes.
  bool readLine(std::string_view& Piece, char Watched, PieceMarks& Marks);
  /// The same into a string of the caller's.
  bool readLine(std::string& Piece);

  /// Ends the piece last read (\p Piece, as readLine gave it) before its
  /// byte \p Offset, keeping its LF when it had one; gives the piece so cut.
  std::string_view cut(std::string_view Piece, std::size_t Offset);

  /// True once a read has met the end of the file (as feof reports).
  bool atEnd() const { return EndSeen; }

private:
  /// Reads the next chunk of the stream after the unread bytes, which move
  /// to its start; false at the end of the stream (EndSeen is then set).
  bool readChunk();
  /// Reads the next piece as readLine does; \p FindLf finds the first LF
  /// among the bytes it is given (their count when there is none).
  template <typename Finder> bool nextPiece(std::string_view& Piece, Finder FindLf);

  std::FILE* Stream;
  std::size_t ChunkBytes;
  std::vector<std::unique_ptr<char[]>> Chunks; ///< every chunk read, the last in use
  char* Data = nullptr;                        ///< the last chunk
  std::size_t Begin = 0;                       ///< its first unread byte
  std::size_t End = 0;                         ///< one past its last byte read
  bool EndSeen = false;
};

} // namespace zrv::platform

#endif // ZRVREPORT_PLATFORM_LINEREADER_H
