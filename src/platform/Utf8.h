// Utf8.h - the one UTF-8 encoder and decoder of the library (ToUtf8 and
// FromUtf8 in Platform.h are built on them), so that ill-formed text turns
// into U+FFFD at the same places on every platform.
#ifndef ZRVREPORT_PLATFORM_UTF8_H
#define ZRVREPORT_PLATFORM_UTF8_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zrv::platform {

/// The most bytes one wide character of a text becomes in UTF-8.
inline constexpr std::size_t Utf8Room = 4;

/// Writes the UTF-8 bytes of \p Text at \p At, which has room for Utf8Room
/// bytes per character, and returns the end of what it wrote. A UTF-16
/// surrogate pair is one code point; a lone surrogate (and, with a 32-bit
/// wchar_t, a value above U+10FFFF) becomes U+FFFD.
char* EncodeUtf8(char* At, std::wstring_view Text);

/// The most bytes one wide character takes in the kept form.
inline constexpr std::size_t KeptRoom = 7;

/// Writes \p Text at \p At (room for KeptRoom bytes a character) in the form
/// the setting libraries keep names in, and returns the end of what it wrote.
/// Every character is its UTF-8 bytes (a UTF-16 surrogate pair its code
/// point's); so is a lone surrogate (the three bytes of its value, which
/// well-formed UTF-8 never holds) and, with a 32-bit wchar_t, a value above
/// U+10FFFF becomes 0xFE and six continuation bytes of its 32 bits. So a
/// well-formed UTF-8 name is its own kept form, and KeptToWide gives any
/// wide text back exactly.
char* WideToKept(char* At, std::wstring_view Text);

/// Appends the wide text of the kept form \p Kept to \p Out.
void KeptToWide(std::string_view Kept, std::wstring& Out);
/// The wide text of the kept form \p Kept.
inline std::wstring KeptToWide(std::string_view Kept) {
  std::wstring Wide;
  Wide.reserve(Kept.size());
  KeptToWide(Kept, Wide);
  return Wide;
}

/// The number of wide characters of the kept form \p Kept (the size of what
/// KeptToWide gives).
inline std::size_t KeptWideLength(std::string_view Kept) {
  std::size_t Length = 0;
  for (char Byte : Kept) {
    const auto B = static_cast<unsigned char>(Byte);
    Length += (B & 0xC0) != 0x80; // each byte but a continuation starts one
    if (sizeof(wchar_t) == 2)
      Length += B >= 0xF0 && B < 0xF8; // a code point above U+FFFF: two units
  }
  return Length;
}

/// Decodes UTF-8 bytes to code points. Each maximal subpart of an ill-formed
/// sequence (a stray byte, a truncated sequence, an overlong form, an encoded
/// surrogate, a value above U+10FFFF) becomes one U+FFFD, the practice the
/// Unicode standard recommends; nothing is dropped. NUL bytes are kept.
std::u32string DecodeUtf8(std::string_view Bytes);

/// The number of bytes at the start of \p Bytes that are below 0x80 (ASCII,
/// each its own UTF-8 character). Eight bytes are looked at in one step: a
/// template's lines are nearly all ASCII.
inline std::size_t AsciiPrefixLength(std::string_view Bytes) {
  constexpr std::uint64_t HighBits = 0x8080808080808080u;
  const char* Data = Bytes.data();
  std::size_t I = 0;
  for (std::uint64_t Word; I + sizeof Word <= Bytes.size(); I += sizeof Word) {
    std::memcpy(&Word, Data + I, sizeof Word);
    if (Word & HighBits)
      break;
  }
  while (I < Bytes.size() && static_cast<unsigned char>(Data[I]) < 0x80)
    ++I;
  return I;
}

/// True when every byte of \p Bytes is below 0x80 (its UTF-8 decoding is the
/// bytes themselves).
inline bool IsAscii(std::string_view Bytes) { return AsciiPrefixLength(Bytes) == Bytes.size(); }

/// True when the kept form \p Kept is the UTF-8 that EncodeUtf8 writes for
/// its text: it holds neither a lone surrogate (0xED and a byte from 0xA0)
/// nor a value above U+10FFFF (0xFE), the two values written as U+FFFD.
inline bool KeptIsUtf8(std::string_view Kept) {
  for (std::size_t I = AsciiPrefixLength(Kept); I < Kept.size(); ++I) {
    const auto B = static_cast<unsigned char>(Kept[I]);
    if (B == 0xFE ||
        (B == 0xED && I + 1 < Kept.size() && static_cast<unsigned char>(Kept[I + 1]) >= 0xA0))
      return false;
  }
  return true;
}

} // namespace zrv::platform

#endif // ZRVREPORT_PLATFORM_UTF8_H
