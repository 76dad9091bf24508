// TextUtil.cpp - UTF-8 and Windows-1252 conversions of the tool.
#include "TextUtil.h"

#include <iconv.h>

namespace zrvtool {
namespace {

void appendUtf8(std::string& Out, char32_t Code) {
  if (Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF))
    Code = 0xFFFD;
  if (Code < 0x80) {
    Out += static_cast<char>(Code);
  } else if (Code < 0x800) {
    Out += static_cast<char>(0xC0 | (Code >> 6));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else if (Code < 0x10000) {
    Out += static_cast<char>(0xE0 | (Code >> 12));
    Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (Code >> 18));
    Out += static_cast<char>(0x80 | ((Code >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  }
}

wchar_t foldCase(wchar_t C) { return C >= L'A' && C <= L'Z' ? static_cast<wchar_t>(C + 32) : C; }

} // namespace

std::string Utf8(std::wstring_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I) {
    auto Code = static_cast<char32_t>(Text[I]);
    if constexpr (sizeof(wchar_t) == 2)
      if (Code >= 0xD800 && Code <= 0xDBFF && I + 1 < Text.size() &&
          static_cast<char32_t>(Text[I + 1]) >= 0xDC00 &&
          static_cast<char32_t>(Text[I + 1]) <= 0xDFFF)
        Code = 0x10000 + ((Code - 0xD800) << 10) + (static_cast<char32_t>(Text[++I]) - 0xDC00);
    appendUtf8(Out, Code);
  }
  return Out;
}

std::wstring Wide(std::string_view Text) {
  std::wstring Out;
  for (std::size_t I = 0; I < Text.size();) {
    auto Byte = static_cast<unsigned char>(Text[I]);
    std::size_t Length = Byte < 0x80         ? 1
                         : (Byte >> 5) == 6  ? 2
                         : (Byte >> 4) == 14 ? 3
                         : (Byte >> 3) == 30 ? 4
                                             : 0;
    char32_t Code = Length == 1   ? Byte
                    : Length == 2 ? Byte & 0x1F
                    : Length == 3 ? Byte & 0x0F
                                  : Byte & 0x07;
    bool Valid = Length != 0 && I + Length <= Text.size();
    for (std::size_t K = 1; Valid && K < Length; ++K) {
      auto Next = static_cast<unsigned char>(Text[I + K]);
      Valid = (Next & 0xC0) == 0x80;
      Code = (Code << 6) | (Next & 0x3F);
    }
    static constexpr char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!Valid || Code < Least[Length] || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF)) {
      Out += L'\xFFFD';
      ++I;
      continue;
    }
    if constexpr (sizeof(wchar_t) == 2)
      if (Code > 0xFFFF) {
        Out += static_cast<wchar_t>(0xD800 + ((Code - 0x10000) >> 10));
        Out += static_cast<wchar_t>(0xDC00 + ((Code - 0x10000) & 0x3FF));
        I += Length;
        continue;
      }
    Out += static_cast<wchar_t>(Code);
    I += Length;
  }
  return Out;
}

std::optional<std::string> ConvertText(std::string_view Text, const char* From, const char* To) {
  iconv_t Converter = iconv_open(To, From);
  if (Converter == reinterpret_cast<iconv_t>(-1))
    return std::nullopt;
  std::string In(Text);
  // Four output bytes per input byte hold every conversion the tool makes
  // (one Windows-1252 byte gives at most three UTF-8 bytes, one UTF-8 byte at
  // most four UTF-32 bytes).
  std::string Out(In.size() * 4 + 4, '\0');
  char* InPos = In.data();
  char* OutPos = Out.data();
  std::size_t InLeft = In.size();
  std::size_t OutLeft = Out.size();
  std::size_t Done = iconv(Converter, &InPos, &InLeft, &OutPos, &OutLeft);
  iconv_close(Converter);
  if (Done == static_cast<std::size_t>(-1) || InLeft != 0)
    return std::nullopt;
  Out.resize(Out.size() - OutLeft);
  return Out;
}

std::optional<std::string> Windows1252ToUtf8(std::string_view Text) {
  return ConvertText(Text, "WINDOWS-1252", "UTF-8");
}

bool IsUtf8(std::string_view Text) { return ConvertText(Text, "UTF-8", "UTF-32LE").has_value(); }

int CompareNoCase(std::wstring_view Left, std::wstring_view Right) {
  for (std::size_t I = 0; I < Left.size() && I < Right.size(); ++I) {
    wchar_t A = foldCase(Left[I]), B = foldCase(Right[I]);
    if (A != B)
      return A < B ? -1 : 1;
  }
  return Left.size() < Right.size() ? -1 : Left.size() > Right.size() ? 1 : 0;
}

} // namespace zrvtool
