// Text.h - small text and index helpers shared by every subsystem.
#ifndef ZRVREPORT_UTIL_TEXT_H
#define ZRVREPORT_UTIL_TEXT_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zrv {

/// A hash of \p Count elements (characters or ids) for the document's hashed
/// tables: FNV-1a over their values, mixed so that its low bits alone index a
/// table. Names and lists are short; this inlines where a general byte hash
/// is a call costing more than the table's lookup.
template <typename Element> std::uint32_t hashElements(const Element* First, std::size_t Count) {
  std::uint32_t Hash = 2166136261u;
  for (std::size_t I = 0; I < Count; ++I)
    Hash = (Hash ^ static_cast<std::uint32_t>(First[I])) * 16777619u;
  return Hash ^ (Hash >> 15);
}

/// The same for bytes (names as UTF-8), eight at a time: each word is
/// multiplied in and its high bits folded down, so that a name of 20 bytes
/// costs three steps, not twenty. The bytes after the last whole word are
/// read as the last eight bytes (overlapping the word before), or, in a text
/// shorter than a word, as its first and last four (or first, middle and
/// last byte): no byte-by-byte copy.
template <> inline std::uint32_t hashElements(const char* First, std::size_t Count) {
  std::uint64_t Hash = 0x9E3779B97F4A7C15u ^ Count;
  auto mix = [&Hash](std::uint64_t Word) {
    Hash = (Hash ^ Word) * 0xFF51AFD7ED558CCDu;
    Hash ^= Hash >> 32;
  };
  auto word = [First](std::size_t At) {
    std::uint64_t Word;
    std::memcpy(&Word, First + At, sizeof Word);
    return Word;
  };
  std::size_t I = 0;
  for (; I + 8 <= Count; I += 8)
    mix(word(I));
  if (I < Count) {
    if (Count >= 8) {
      mix(word(Count - 8));
    } else if (Count >= 4) {
      std::uint32_t Low, High;
      std::memcpy(&Low, First, sizeof Low);
      std::memcpy(&High, First + Count - 4, sizeof High);
      mix(Low | static_cast<std::uint64_t>(High) << 32);
    } else {
      const auto Byte = [First](std::size_t At) {
        return static_cast<std::uint64_t>(static_cast<unsigned char>(First[At]));
      };
      mix(Byte(0) | Byte(Count / 2) << 8 | Byte(Count - 1) << 16);
    }
  }
  Hash *= 0xC4CEB9FE1A85EC53u;
  return static_cast<std::uint32_t>(Hash >> 32);
}

/// The hash of the bytes of \p Bytes that every table of names (kept forms,
/// UTF-8 keys) is looked up by.
inline std::uint32_t hashBytes(std::string_view Bytes) {
  return hashElements(Bytes.data(), Bytes.size());
}

/// True when the first and the last sizeof(Word) bytes of the \p Count bytes
/// at \p A and at \p B are the same: all of them when \p Count is one to
/// two words' bytes.
template <typename Word> bool sameEnds(const char* A, const char* B, std::size_t Count) {
  Word A0, A1, B0, B1;
  std::memcpy(&A0, A, sizeof(Word));
  std::memcpy(&B0, B, sizeof(Word));
  std::memcpy(&A1, A + Count - sizeof(Word), sizeof(Word));
  std::memcpy(&B1, B + Count - sizeof(Word), sizeof(Word));
  return ((A0 ^ B0) | (A1 ^ B1)) == 0;
}

/// True when \p Left and \p Right hold the same bytes. Names are short and a
/// call to memcmp costs more than their compare: 4 to 16 bytes are compared
/// as two words that may overlap (the first and the last), fewer one by one.
inline bool sameBytes(std::string_view Left, std::string_view Right) {
  const std::size_t Count = Left.size();
  if (Count != Right.size())
    return false;
  const char* const A = Left.data();
  const char* const B = Right.data();
  if (Count > 16)
    return std::memcmp(A, B, Count) == 0;
  if (Count >= 8)
    return sameEnds<std::uint64_t>(A, B, Count);
  if (Count >= 4)
    return sameEnds<std::uint32_t>(A, B, Count);
  for (std::size_t I = 0; I < Count; ++I)
    if (A[I] != B[I])
      return false;
  return true;
}

/// True when \p Text holds the ASCII text \p Ascii, each byte taken as the
/// character of the same value: what a search for the widened text finds
/// (the empty text is found in any text), without widening it.
inline bool containsAscii(std::wstring_view Text, std::string_view Ascii) {
  const auto Same = [](wchar_t Wide, char Byte) {
    return Wide == static_cast<wchar_t>(static_cast<unsigned char>(Byte));
  };
  return Ascii.empty() ||
         std::search(Text.begin(), Text.end(), Ascii.begin(), Ascii.end(), Same) != Text.end();
}

/// A text argument of the interface: a null pointer is the empty string.
inline std::wstring text(const wchar_t* Value) {
  return Value ? std::wstring(Value) : std::wstring();
}

/// Copies \p Value with its terminator into a caller's buffer (the caller
/// provides room). A null buffer is left alone.
inline void copyToBuffer(std::wstring_view Value, wchar_t* Buffer) {
  if (!Buffer)
    return;
  Value.copy(Buffer, Value.size());
  Buffer[Value.size()] = L'\0';
}

/// True when \p Index addresses an element of \p Container.
template <typename Container> bool inRange(int Index, const Container& Items) {
  return Index >= 0 && static_cast<std::size_t>(Index) < Items.size();
}

/// An output kind as stored: 1, 2 and 3 unchanged, anything else 0 (off).
inline int mapOutput(int Value) { return Value >= 1 && Value <= 3 ? Value : 0; }

/// A display mode as stored: 1 to 4 unchanged, anything else 0 (surface).
inline int mapDisplayMode(int Value) { return Value >= 1 && Value <= 4 ? Value : 0; }

/// Replaces every occurrence of \p From in \p Text by \p To, left to right.
inline void replaceAll(std::wstring& Text, std::wstring_view From, std::wstring_view To) {
  if (From.empty())
    return;
  for (std::size_t Pos = Text.find(From); Pos != std::wstring::npos;
       Pos = Text.find(From, Pos + To.size()))
    Text.replace(Pos, From.size(), To);
}

} // namespace zrv

#endif // ZRVREPORT_UTIL_TEXT_H
