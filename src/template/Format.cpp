// Format.cpp - numbers and text as a template file writes them, and the
// scanner the line rules of the reader use.
#include "template/Format.h"

#include "platform/Platform.h"
#include "platform/Utf8.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace zrv::format {

// ---- Numbers as written ------------------------------------------------------------

namespace {

char* endOf(std::to_chars_result Result) { return Result.ec == std::errc() ? Result.ptr : nullptr; }

/// The significant digits "%lg" writes.
constexpr int LgDigits = 6;
/// The powers of ten a value of fixed "%lg" notation is scaled by (up to
/// LgDigits - 1 + 4: a value of exponent -4).
constexpr std::uint64_t PowersOfTen[] = {1,      10,      100,      1000,      10000,
                                         100000, 1000000, 10000000, 100000000, 1000000000};

__extension__ using Wide128 = unsigned __int128;

/// Mantissa / 2^Shift times 10^Scale, rounded to a whole number with ties to
/// even, as the C library rounds the exact binary value.
std::uint64_t roundedScaled(std::uint64_t Mantissa, int Shift, int Scale) {
  const Wide128 Product = static_cast<Wide128>(Mantissa) * PowersOfTen[Scale];
  const auto Whole = static_cast<std::uint64_t>(Product >> Shift);
  const Wide128 Rest = Product - (static_cast<Wide128>(Whole) << Shift);
  const Wide128 Half = static_cast<Wide128>(1) << (Shift - 1);
  return Rest > Half || (Rest == Half && (Whole & 1) != 0) ? Whole + 1 : Whole;
}

/// "%lg" of \p Value when it is written in fixed notation (its decimal
/// exponent after rounding to six significant digits is from -4 to 5), from
/// its exact binary value with no call to the library's general conversion;
/// null for any other value, which the caller writes the general way. The
/// value is Mantissa / 2^Shift; its six digits are that times 10^(5 - X),
/// rounded, for the exponent X at which they are six digits long.
char* writeLgFixed(char* First, char* Last, double Value) {
  const double Magnitude = std::fabs(Value);
  if (!(Magnitude >= 5e-5 && Magnitude < 1e6) || Last - First < 2 + LgDigits + 4)
    return nullptr; // also NaN: exponential notation, or no room for "-0.000123456"
  // A normal double: 1.Fraction times 2^(Biased - 1023), so the value is
  // the 53-bit Mantissa / 2^(1075 - Biased).
  std::uint64_t Bits;
  std::memcpy(&Bits, &Magnitude, sizeof Bits);
  const int Biased = static_cast<int>(Bits >> 52);
  const std::uint64_t Mantissa = (Bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
  const int Shift = 1075 - Biased; // 33 to 67 in this range
  // A guess of the exponent from the binary one, off by at most one either
  // way; the length of the rounded digits says which way.
  int Exponent = static_cast<int>(std::floor((Biased - 1023) * 0.30102999566398120));
  std::uint64_t Digits = 0;
  for (int Tries = 0;; ++Tries) {
    if (Exponent < -4 || Exponent >= LgDigits || Tries == 3)
      return nullptr;
    Digits = roundedScaled(Mantissa, Shift, LgDigits - 1 - Exponent);
    if (Digits >= PowersOfTen[LgDigits])
      ++Exponent;
    else if (Digits < PowersOfTen[LgDigits - 1])
      --Exponent;
    else
      break;
  }
  // The digits after the point, trailing zeros dropped.
  int Decimals = LgDigits - 1 - Exponent;
  for (; Decimals > 0 && Digits % 10 == 0; --Decimals)
    Digits /= 10;
  char Text[LgDigits];
  char* const TextEnd = std::to_chars(Text, Text + LgDigits, Digits).ptr;
  const int Count = static_cast<int>(TextEnd - Text);
  char* Out = First;
  if (std::signbit(Value))
    *Out++ = '-';
  if (Decimals >= Count) { // 0.000ddd
    *Out++ = '0';
    *Out++ = '.';
    Out = std::fill_n(Out, Decimals - Count, '0');
    return std::copy(Text, TextEnd, Out);
  }
  Out = std::copy(Text, TextEnd - Decimals, Out);
  if (Decimals > 0) {
    *Out++ = '.';
    Out = std::copy(TextEnd - Decimals, TextEnd, Out);
  }
  return Out;
}

} // namespace

char* writeInt(char* First, char* Last, int Value) {
  return endOf(std::to_chars(First, Last, Value));
}

char* writeLg(char* First, char* Last, double Value) {
  if (isPlainWholeNumber(Value, LgWholeLimit))
    return writeInt(First, Last, static_cast<int>(Value));
  if (char* End = writeLgFixed(First, Last, Value))
    return End;
  return endOf(std::to_chars(First, Last, Value, std::chars_format::general, LgDigits));
}

char* writeFixed0(char* First, char* Last, double Value) {
  // A whole number needs no rounding.
  if (isPlainWholeNumber(Value, Fixed0WholeLimit))
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

void EncodedNames::encode(EncodedName& Entry) {
  const char* Before = Bytes.view().data();
  const std::size_t Start = Bytes.size();
  if (platform::KeptIsUtf8(Entry.Kept))
    Bytes.append(Entry.Kept);
  else
    appendUtf8(Bytes, platform::KeptToWide(Entry.Kept));
  std::fill_n(Bytes.room(EncodedName::NamePadding), EncodedName::NamePadding, '\0');
  const char* After = Bytes.view().data();
  if (After != Before) // the bytes moved: the names encoded before follow them
    for (EncodedName& Other : Entries)
      if (Other.Bytes.data())
        Other.Bytes = std::string_view(After + (Other.Bytes.data() - Before), Other.Bytes.size());
  Entry.Bytes = std::string_view(After + Start, Bytes.size() - Start);
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

bool LineScanner::readShortDecimal(std::size_t At, bool Negative, double& Value) {
  const char* Next = Text.data() + At;
  const char* const End = Text.data() + Text.size();
  const PlainDecimal Read = plainDecimal(Next, End, true);
  if (!isShortDecimal(Read, Next, End))
    return false; // none, too many digits or an exponent: the general way
  const double Magnitude = shortDecimalValue(Read.Digits, Read.Decimals);
  Value = Negative ? -Magnitude : Magnitude;
  Pos = static_cast<std::size_t>(Next - Text.data());
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
  if (readShortDecimal(At, Negative, Value))
    return true;
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
  // Most integer fields are a few digits alone, which cannot leave the int
  // range: read without the scanner.
  if (!Text.empty() && Text.size() <= static_cast<std::size_t>(MostShortIntDigits)) {
    int Digits = 0;
    std::size_t I = 0;
    for (; I < Text.size() && Text[I] >= '0' && Text[I] <= '9'; ++I)
      Digits = Digits * 10 + (Text[I] - '0');
    if (I == Text.size())
      return Digits;
  }
  int Value = 0;
  return LineScanner(Text).readInt(Value) ? Value : 0;
}

double leadingReal(std::string_view Text) {
  double Value = 0.0;
  return LineScanner(Text).readReal(Value) ? Value : 0.0;
}

} // namespace zrv::format
