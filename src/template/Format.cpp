// Format.cpp - numbers and text as a template file writes them, and the
// scanner the line rules of the reader use.
#include "template/Format.h"

#include "platform/Platform.h"

#include <charconv>
#include <climits>
#include <system_error>

namespace zrv::format {

// ---- Numbers as written ------------------------------------------------------------

void appendLg(std::string& Out, double Value) {
  char Buffer[64];
  std::to_chars_result Result =
      std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::general, 6);
  Out.append(Buffer, Result.ptr);
}

void appendFixed0(std::string& Out, double Value) {
  // The largest double has 309 digits before the point.
  char Buffer[400];
  std::to_chars_result Result =
      std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::fixed, 0);
  Out.append(Buffer, Result.ptr);
}

void appendInt(std::string& Out, int Value) {
  char Buffer[16];
  std::to_chars_result Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value);
  Out.append(Buffer, Result.ptr);
}

std::string formatLg(double Value) {
  std::string Text;
  appendLg(Text, Value);
  return Text;
}

std::string formatFixed0(double Value) {
  std::string Text;
  appendFixed0(Text, Value);
  return Text;
}

std::string formatInt(int Value) {
  std::string Text;
  appendInt(Text, Value);
  return Text;
}

// ---- Text as written -------------------------------------------------------------

void appendUtf8(std::string& Out, std::wstring_view Text) {
  const std::size_t Size = Text.size();
  std::size_t I = 0;
  // Names are ASCII nearly always: their characters are the bytes.
  while (I < Size && static_cast<unsigned long>(Text[I]) < 0x80)
    ++I;
  const std::size_t Start = Out.size();
  Out.resize(Start + I);
  char* Ascii = Out.data() + Start;
  for (std::size_t J = 0; J < I; ++J)
    Ascii[J] = static_cast<char>(Text[J]);
  for (; I < Size; ++I) {
    auto C = static_cast<unsigned long>(Text[I]);
    if constexpr (sizeof(wchar_t) == 2) {
      // UTF-16: a high surrogate and the low one after it are one code point.
      if (C >= 0xD800 && C <= 0xDBFF && I + 1 < Size) {
        auto Low = static_cast<unsigned long>(Text[I + 1]);
        if (Low >= 0xDC00 && Low <= 0xDFFF) {
          C = 0x10000 + ((C - 0xD800) << 10) + (Low - 0xDC00);
          ++I;
        }
      }
    }
    if ((C >= 0xD800 && C <= 0xDFFF) || C > 0x10FFFF)
      C = 0xFFFD;
    if (C < 0x80) {
      Out += static_cast<char>(C);
    } else if (C < 0x800) {
      Out += static_cast<char>(0xC0 | (C >> 6));
      Out += static_cast<char>(0x80 | (C & 0x3F));
    } else if (C < 0x10000) {
      Out += static_cast<char>(0xE0 | (C >> 12));
      Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
      Out += static_cast<char>(0x80 | (C & 0x3F));
    } else {
      Out += static_cast<char>(0xF0 | (C >> 18));
      Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
      Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
      Out += static_cast<char>(0x80 | (C & 0x3F));
    }
  }
}

std::string encodeLine(std::wstring_view Line) { return platform::ToUtf8(Line); }

bool fitsReadLimit(std::string_view Utf8Line) { return Utf8Line.size() + 1 <= MaxReadLineBytes; }

bool fitsWriteLimit(std::string_view Utf8Line) {
  return Utf8Line.size() + 1 <= MaxWrittenLineBytes;
}

// ---- Reading values from a line --------------------------------------------------------

void LineScanner::skipSpace() {
  while (Pos < Text.size() && isSpace(Text[Pos]))
    ++Pos;
}

bool LineScanner::readWord(std::string_view& Word) {
  skipSpace();
  std::size_t Start = Pos;
  while (Pos < Text.size() && !isSpace(Text[Pos]))
    ++Pos;
  Word = Text.substr(Start, Pos - Start);
  return Pos > Start;
}

bool LineScanner::readInt(int& Value) {
  skipSpace();
  std::size_t Start = Pos;
  std::size_t At = Pos;
  bool Negative = false;
  if (At < Text.size() && (Text[At] == '+' || Text[At] == '-')) {
    Negative = Text[At] == '-';
    ++At;
  }
  std::size_t Digits = At;
  long long Magnitude = 0;
  const long long Limit = static_cast<long long>(INT_MAX) + 1;
  while (At < Text.size() && Text[At] >= '0' && Text[At] <= '9') {
    if (Magnitude <= Limit)
      Magnitude = Magnitude * 10 + (Text[At] - '0');
    ++At;
  }
  if (At == Digits) {
    Pos = Start;
    return false;
  }
  long long Signed = Negative ? -Magnitude : Magnitude;
  if (Signed > INT_MAX)
    Signed = INT_MAX;
  if (Signed < INT_MIN)
    Signed = INT_MIN;
  Value = static_cast<int>(Signed);
  Pos = At;
  return true;
}

bool LineScanner::readReal(double& Value) {
  skipSpace();
  std::size_t At = Pos;
  bool Negative = false;
  if (At < Text.size() && (Text[At] == '+' || Text[At] == '-')) {
    Negative = Text[At] == '-';
    ++At;
  }
  // The number proper, without sign: from_chars would take a second '-'.
  if (At >= Text.size() || Text[At] == '+' || Text[At] == '-')
    return false;
  const char* First = Text.data() + At;
  const char* Last = Text.data() + Text.size();
  double Parsed = 0.0;
  std::from_chars_result Result = std::from_chars(First, Last, Parsed, std::chars_format::general);
  if (Result.ec != std::errc())
    return false;
  Value = Negative ? -Parsed : Parsed;
  Pos = static_cast<std::size_t>(Result.ptr - Text.data());
  return true;
}

int leadingInt(std::string_view Text) {
  int Value = 0;
  return LineScanner(Text).readInt(Value) ? Value : 0;
}

double leadingReal(std::string_view Text) {
  double Value = 0.0;
  return LineScanner(Text).readReal(Value) ? Value : 0.0;
}

std::string commasToBlanks(std::string_view Text) {
  std::string Result(Text);
  for (char& C : Result)
    if (C == FieldSeparator)
      C = ' ';
  return Result;
}

} // namespace zrv::format
