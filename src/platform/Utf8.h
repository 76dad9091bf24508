// Utf8.h - the one UTF-8 encoder and decoder of the library (ToUtf8 and
// FromUtf8 in Platform.h are built on them), so that ill-formed text turns
// into U+FFFD at the same places on every platform.
#ifndef ZRVREPORT_PLATFORM_UTF8_H
#define ZRVREPORT_PLATFORM_UTF8_H

#include <cstddef>
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

/// Decodes UTF-8 bytes to code points. Each maximal subpart of an ill-formed
/// sequence (a stray byte, a truncated sequence, an overlong form, an encoded
/// surrogate, a value above U+10FFFF) becomes one U+FFFD, the practice the
/// Unicode standard recommends; nothing is dropped. NUL bytes are kept.
std::u32string DecodeUtf8(std::string_view Bytes);

/// True when every byte of \p Bytes is below 0x80 (its UTF-8 decoding is the
/// bytes themselves).
inline bool IsAscii(std::string_view Bytes) {
  for (char B : Bytes)
    if (static_cast<unsigned char>(B) >= 0x80)
      return false;
  return true;
}

} // namespace zrv::platform

#endif // ZRVREPORT_PLATFORM_UTF8_H
