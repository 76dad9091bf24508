// Utf8.h - the one UTF-8 decoder of the platform layer, so that ill-formed
// bytes turn into U+FFFD at the same places on every platform.
#ifndef ZRVREPORT_PLATFORM_UTF8_H
#define ZRVREPORT_PLATFORM_UTF8_H

#include <string>
#include <string_view>

namespace zrv::platform {

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
