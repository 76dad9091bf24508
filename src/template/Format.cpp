// Format.cpp - numbers and text as a template file writes them, and the
// scanner the line rules of the reader use.
#include "template/Format.h"

#include "platform/Platform.h"
#include "platform/Utf8.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

namespace zrv::format {

// ---- Numbers as written ------------------------------------------------------------

namespace {

/// True when \p Value is a whole number within +-\p Limit (below the int
/// range) that has no sign of its own to show (negative zero has one): such
/// a real is written as the integer is.
bool isPlainWholeNumber(double Value, double Limit) {
  return Value > -Limit && Value < Limit && Value == static_cast<double>(static_cast<int>(Value)) &&
         !(Value == 0.0 && std::signbit(Value));
}

char* endOf(std::to_chars_result Result) { return Result.ec == std::errc() ? Result.ptr : nullptr; }

} // namespace

char* writeInt(char* First, char* Last, int Value) {
  return endOf(std::to_chars(First, Last, Value));
}

char* writeLg(char* First, char* Last, double Value) {
  // Whole numbers below a million have at most six digits: "%lg" writes them
  // as "%d" would.
  if (isPlainWholeNumber(Value, 1e6))
    return writeInt(First, Last, static_cast<int>(Value));
  return endOf(std::to_chars(First, Last, Value, std::chars_format::general, 6));
}

char* writeFixed0(char* First, char* Last, double Value) {
  // A whole number needs no rounding.
  if (isPlainWholeNumber(Value, 2147483647.0))
    return writeInt(First, Last, static_cast<int>(Value));
  return endOf(std::to_chars(First, Last, Value, std::chars_format::fixed, 0));
}

// ---- Text as written -------------------------------------------------------------

void ByteBuffer::grow(std::size_t Count) {
  const std::size_t Wanted = std::max({Size + Count, Capacity * 2, std::size_t(256)});
  std::unique_ptr<char[]> Larger(new char[Wanted]);
  std::copy(Data.get(), Data.get() + Size, Larger.get());
  Data = std::move(Larger);
  Capacity = Wanted;
}

void appendUtf8(ByteBuffer& Out, std::wstring_view Text) {
  Out.commit(platform::EncodeUtf8(Out.room(platform::Utf8Room * Text.size()), Text));
}

void EncodedNames::add(std::wstring_view Name) {
  appendUtf8(Bytes, Name);
  std::fill_n(Bytes.room(EncodedName::NamePadding), EncodedName::NamePadding, '\0');
  Ends.push_back(Bytes.size());
  Wide.push_back(Name);
}

bool fitsReadLimit(std::string_view Utf8Line) { return Utf8Line.size() + 1 <= MaxReadLineBytes; }

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

} // namespace zrv::format
