// Format.cpp - numbers as a template file writes and reads them, the pattern
// routine that formats every written line, and the scanner the line rules of
// the reader use.
#include "template/Format.h"

#include "platform/Platform.h"

#include <cassert>
#include <charconv>
#include <climits>
#include <system_error>

namespace zrv::format {

// ---- Numbers as written ------------------------------------------------------------

std::string formatLg(double Value) {
  char Buffer[64];
  std::to_chars_result Result =
      std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::general, 6);
  return std::string(Buffer, Result.ptr);
}

std::string formatFixed0(double Value) {
  // The largest double has 309 digits before the point.
  char Buffer[400];
  std::to_chars_result Result =
      std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::fixed, 0);
  return std::string(Buffer, Result.ptr);
}

std::string formatInt(int Value) {
  char Buffer[16];
  std::to_chars_result Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value);
  return std::string(Buffer, Result.ptr);
}

// ---- Formatting a line -------------------------------------------------------------

namespace {

void appendAscii(std::wstring& Line, std::string_view Ascii) {
  for (char C : Ascii)
    Line += static_cast<wchar_t>(static_cast<unsigned char>(C));
}

} // namespace

std::wstring formatLine(std::string_view Pattern, std::initializer_list<LineValue> Values) {
  std::wstring Line;
  const LineValue* Next = Values.begin();
  std::size_t Pos = 0;
  while (Pos < Pattern.size()) {
    char C = Pattern[Pos];
    if (C != '%') {
      Line += static_cast<wchar_t>(static_cast<unsigned char>(C));
      ++Pos;
      continue;
    }
    std::string_view Directive = Pattern.substr(Pos);
    std::size_t Length = 0;
    LineValue::Kind Wanted = LineValue::Kind::Text;
    bool Fixed0 = false;
    if (Directive.substr(0, 2) == "%s") {
      Length = 2;
    } else if (Directive.substr(0, 2) == "%d") {
      Length = 2;
      Wanted = LineValue::Kind::Int;
    } else if (Directive.substr(0, 3) == "%lg") {
      Length = 3;
      Wanted = LineValue::Kind::Real;
    } else if (Directive.substr(0, 4) == "%.0f") {
      Length = 4;
      Wanted = LineValue::Kind::Real;
      Fixed0 = true;
    } else {
      Line += L'%';
      ++Pos;
      continue;
    }
    Pos += Length;
    if (Next == Values.end()) {
      assert(!"line pattern has more directives than values");
      continue;
    }
    const LineValue& Value = *Next++;
    bool KindFits = Value.kind() == Wanted ||
                    (Wanted == LineValue::Kind::Real && Value.kind() == LineValue::Kind::Int);
    if (!KindFits) {
      assert(!"line value of the wrong kind for its directive");
      continue;
    }
    switch (Wanted) {
    case LineValue::Kind::Text:
      Line.append(Value.textValue());
      break;
    case LineValue::Kind::Int:
      appendAscii(Line, formatInt(Value.intValue()));
      break;
    case LineValue::Kind::Real:
      appendAscii(Line, Fixed0 ? formatFixed0(Value.realValue()) : formatLg(Value.realValue()));
      break;
    }
  }
  assert(Next == Values.end() && "line pattern has fewer directives than values");
  return Line;
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
