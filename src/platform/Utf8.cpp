// Utf8.cpp - the one UTF-8 encoder and decoder of the library: template lines,
// names, paths and system messages all convert through them, so that
// ill-formed text turns into U+FFFD at the same places on every platform.
#include "platform/Utf8.h"
#include "platform/Platform.h"

namespace zrv::platform {

namespace {

/// Writes \p Text at \p At as EncodeUtf8 (without \p KeepEvery) or
/// WideToKept (with it) do: they differ only in what a lone surrogate and a
/// value above U+10FFFF become.
template <bool KeepEvery> char* encodeWide(char* At, std::wstring_view Text) {
  const std::size_t Size = Text.size();
  for (std::size_t I = 0; I < Size; ++I) {
    // Names are ASCII nearly always: four characters at a time while they are.
    while (I + 4 <= Size) {
      const auto A = static_cast<unsigned long>(Text[I]);
      const auto B = static_cast<unsigned long>(Text[I + 1]);
      const auto C = static_cast<unsigned long>(Text[I + 2]);
      const auto D = static_cast<unsigned long>(Text[I + 3]);
      if ((A | B | C | D) >= 0x80)
        break;
      At[0] = static_cast<char>(A);
      At[1] = static_cast<char>(B);
      At[2] = static_cast<char>(C);
      At[3] = static_cast<char>(D);
      At += 4;
      I += 4;
    }
    if (I == Size)
      break;
    auto C = static_cast<std::uint32_t>(Text[I]);
    if (C < 0x80) {
      *At++ = static_cast<char>(C);
      continue;
    }
    if constexpr (sizeof(wchar_t) == 2) {
      // UTF-16: a high surrogate and the low one after it are one code point.
      if (C >= 0xD800 && C <= 0xDBFF && I + 1 < Size) {
        const auto Low = static_cast<std::uint32_t>(Text[I + 1]);
        if (Low >= 0xDC00 && Low <= 0xDFFF) {
          C = 0x10000 + ((C - 0xD800) << 10) + (Low - 0xDC00);
          ++I;
        }
      }
    }
    if (!KeepEvery && ((C >= 0xD800 && C <= 0xDFFF) || C > 0x10FFFF))
      C = 0xFFFD;
    if (C < 0x800) {
      *At++ = static_cast<char>(0xC0 | (C >> 6));
    } else if (C < 0x10000) {
      *At++ = static_cast<char>(0xE0 | (C >> 12));
      *At++ = static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    } else if (!KeepEvery || C <= 0x10FFFF) {
      *At++ = static_cast<char>(0xF0 | (C >> 18));
      *At++ = static_cast<char>(0x80 | ((C >> 12) & 0x3F));
      *At++ = static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    } else {
      *At++ = static_cast<char>(0xFE);
      for (int Shift = 30; Shift > 0; Shift -= 6)
        *At++ = static_cast<char>(0x80 | ((C >> Shift) & 0x3F));
    }
    *At++ = static_cast<char>(0x80 | (C & 0x3F));
  }
  return At;
}

/// Appends code point \p Code to \p Out: where wchar_t is 16 bits, one
/// beyond U+FFFF as its surrogate pair.
void appendCode(std::wstring& Out, std::uint32_t Code) {
  if (sizeof(wchar_t) == 2 && Code >= 0x10000 && Code <= 0x10FFFF) {
    Out += static_cast<wchar_t>(0xD800 + ((Code - 0x10000) >> 10));
    Out += static_cast<wchar_t>(0xDC00 + ((Code - 0x10000) & 0x3FF));
  } else {
    Out += static_cast<wchar_t>(Code);
  }
}

} // namespace

char* EncodeUtf8(char* At, std::wstring_view Text) { return encodeWide<false>(At, Text); }

char* WideToKept(char* At, std::wstring_view Text) { return encodeWide<true>(At, Text); }

void KeptToWide(std::string_view Kept, std::wstring& Out) {
  // Names are ASCII nearly always: widened byte for byte up to the first
  // byte that is not.
  const std::size_t Ascii = AsciiPrefixLength(Kept);
  const std::size_t Start = Out.size();
  Out.resize(Start + Ascii);
  wchar_t* const To = Out.data() + Start;
  for (std::size_t I = 0; I < Ascii; ++I)
    To[I] = static_cast<wchar_t>(Kept[I]);
  const auto* P = reinterpret_cast<const unsigned char*>(Kept.data()) + Ascii;
  const unsigned char* const End =
      reinterpret_cast<const unsigned char*>(Kept.data()) + Kept.size();
  while (P < End) {
    const unsigned char Lead = *P++;
    std::uint32_t C = Lead;
    std::ptrdiff_t More = 0;
    if (Lead >= 0xF8) {
      C = 0;
      More = 6;
    } else if (Lead >= 0xF0) {
      C = Lead & 0x07;
      More = 3;
    } else if (Lead >= 0xE0) {
      C = Lead & 0x0F;
      More = 2;
    } else if (Lead >= 0x80) {
      C = Lead & 0x1F;
      More = 1;
    }
    if (More > End - P)
      break; // a kept form is never cut short; nothing is read past its end
    for (; More > 0; --More)
      C = (C << 6) | (*P++ & 0x3Fu);
    appendCode(Out, C);
  }
}

std::u32string DecodeUtf8(std::string_view Bytes) {
  std::u32string Out;
  Out.reserve(Bytes.size());
  const auto* P = reinterpret_cast<const unsigned char*>(Bytes.data());
  const unsigned char* End = P + Bytes.size();
  while (P < End) {
    unsigned char B = *P;
    if (B < 0x80) {
      Out += static_cast<char32_t>(B);
      ++P;
      continue;
    }
    // Length and first-continuation-byte bounds of a well-formed sequence
    // (the table of well-formed UTF-8 byte sequences).
    int Length = 0;
    char32_t C = 0;
    unsigned char Lo = 0x80, Hi = 0xBF;
    if (B >= 0xC2 && B <= 0xDF) {
      Length = 2;
      C = B & 0x1Fu;
    } else if (B >= 0xE0 && B <= 0xEF) {
      Length = 3;
      C = B & 0x0Fu;
      if (B == 0xE0)
        Lo = 0xA0;
      else if (B == 0xED)
        Hi = 0x9F;
    } else if (B >= 0xF0 && B <= 0xF4) {
      Length = 4;
      C = B & 0x07u;
      if (B == 0xF0)
        Lo = 0x90;
      else if (B == 0xF4)
        Hi = 0x8F;
    } else {
      Out += U'\xFFFD';
      ++P;
      continue;
    }
    // A maximal subpart of a broken sequence becomes one U+FFFD.
    const unsigned char* Q = P + 1;
    int Seen = 1;
    bool Valid = true;
    while (Seen < Length) {
      if (Q >= End) {
        Valid = false;
        break;
      }
      unsigned char Next = *Q;
      unsigned char Low = Seen == 1 ? Lo : 0x80;
      unsigned char High = Seen == 1 ? Hi : 0xBF;
      if (Next < Low || Next > High) {
        Valid = false;
        break;
      }
      C = (C << 6) | (Next & 0x3Fu);
      ++Q;
      ++Seen;
    }
    Out += Valid ? C : U'\xFFFD';
    P = Q;
  }
  return Out;
}

std::string ToUtf8(std::wstring_view Text) {
  std::string Out(Utf8Room * Text.size(), '\0');
  Out.resize(static_cast<std::size_t>(EncodeUtf8(Out.data(), Text) - Out.data()));
  return Out;
}

std::wstring FromUtf8(std::string_view Bytes) {
  // Names and keys are ASCII nearly always: widened byte for byte, with one
  // allocation and no decoding.
  if (IsAscii(Bytes))
    return std::wstring(Bytes.begin(), Bytes.end());
  std::wstring Out;
  Out.reserve(Bytes.size());
  for (char32_t Code : DecodeUtf8(Bytes))
    appendCode(Out, Code);
  return Out;
}

} // namespace zrv::platform
