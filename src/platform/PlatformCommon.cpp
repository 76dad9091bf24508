// PlatformCommon.cpp - the parts of the platform layer that are the same on
// every system.
#include "platform/Platform.h"
#include "platform/Utf8.h"

namespace zrv::platform {

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

std::FILE* OpenTemplateFile(const std::wstring& Path, OpenFailure& Failure) {
  std::FILE* Stream = OpenRegularFile(Path, Failure);
  if (!Stream)
    return nullptr;
  // The first line as the reader would take it (at most 511 bytes): a UTF-16
  // text starts with its byte-order mark and holds a NUL in every ASCII
  // character; a binary file holds NUL bytes early.
  unsigned char Head[511];
  std::size_t Got = std::fread(Head, 1, sizeof(Head), Stream);
  bool Utf16 =
      Got >= 2 && ((Head[0] == 0xFF && Head[1] == 0xFE) || (Head[0] == 0xFE && Head[1] == 0xFF));
  bool NulInFirstLine = false;
  for (std::size_t I = 0; I < Got && Head[I] != '\n'; ++I)
    if (Head[I] == 0) {
      NulInFirstLine = true;
      break;
    }
  if (Utf16 || NulInFirstLine || std::fseek(Stream, 0, SEEK_SET) != 0) {
    std::fclose(Stream);
    Failure.Problem = OpenProblem::NotUtf8Text;
    Failure.Reason = L"not a UTF-8 text template";
    return nullptr;
  }
  return Stream;
}

bool MatchesPattern(std::wstring_view Name, std::wstring_view Pattern) {
  if (Pattern == L"*" || Pattern == L"*.*")
    return true;
  if (Pattern.size() >= 2 && Pattern[0] == L'*' && Pattern[1] == L'.') {
    std::wstring_view Extension = Pattern.substr(1); // ".ext"
    if (Name.size() < Extension.size())
      return false;
    return CompareNoCase(Name.substr(Name.size() - Extension.size()), Extension) == 0;
  }
  return CompareNoCase(Name, Pattern) == 0;
}

} // namespace zrv::platform
