// NumberFormatTest.cpp - numbers as a template file writes them ("%lg", "%.0f",
// "%d") and reads them (the line scanner).
#include "template/Format.h"

#include "TestSupport.h"

using namespace zrv::format;

namespace {

std::string printfLike(const char* Pattern, double Value) {
  char Buffer[512];
  std::snprintf(Buffer, sizeof(Buffer), Pattern, Value);
  return Buffer;
}

/// What a number writer puts into ample room.
template <typename Number> std::string written(char* (*Write)(char*, char*, Number), Number Value) {
  char Room[Fixed0Room];
  return std::string(Room, Write(Room, Room + sizeof Room, Value));
}
std::string formatLg(double Value) { return written(writeLg, Value); }
std::string formatFixed0(double Value) { return written(writeFixed0, Value); }

/// Values around every switch between fixed and exponential form and every
/// rounding boundary of 6 significant digits, plus a spread of bit patterns.
std::vector<double> sampleValues() {
  std::vector<double> Values;
  std::istringstream Listed(
      "0 -0 -0.4 1e-5 0.0001 0.00001234 123456 1234567 999999.4 999999.5 0.1 1.2 "
      "1e15 -12.5 2.5 3.5 1e-300 1.7976931348623157e308 123456.5");
  for (double Value = 0; Listed >> Value;)
    Values.push_back(Value);
  Values.push_back(5e-324);
  for (int Exponent = -12; Exponent <= 12; ++Exponent)
    for (double Mantissa : {1.0, 9.999995, 9.9999949, 4.5, -7.25})
      Values.push_back(Mantissa * std::pow(10.0, Exponent));
  std::uint64_t State = 0x9E3779B97F4A7C15u;
  for (int I = 0; I < 2000; ++I) {
    State = State * 6364136223846793005u + 1442695040888963407u;
    double Value;
    std::uint64_t Bits = State;
    std::memcpy(&Value, &Bits, sizeof(Value));
    if (std::isfinite(Value))
      Values.push_back(Value);
    Values.push_back(static_cast<double>(State >> 40) / 1000.0);
    // Fractions exact in binary, many with a tie at the seventh digit.
    Values.push_back(-std::ldexp(static_cast<double>(State >> 41), -static_cast<int>(State % 40)));
  }
  for (double Tie : {1234.125, 1234.375, 123.0625, 12.03125, 0.0009765625, 100000.5, 99999.75})
    Values.push_back(Tie);
  return Values;
}

/// What \p Reads successive readInt calls take from \p Scanner, each value or
/// "-" for a read that fails, then "|" and what is left.
std::string ints(LineScanner& Scanner, int Reads) {
  std::string Taken;
  for (int I = 0, Value = 0; I < Reads; ++I)
    Taken += (Scanner.readInt(Value) ? std::to_string(Value) : "-") + " ";
  return Taken + "|" + std::string(Scanner.rest());
}

} // namespace

TEST(NumberFormat, LgFixed0AndIntegersAgreeWithTheCLibraryInTheCLocale) {
  // The test runs in the "C" locale (nothing calls setlocale).
  for (double Value : sampleValues()) {
    EXPECT_EQ(formatLg(Value), printfLike("%lg", Value)) << Value;
    ViewRecord View; // a setting line writes its reals through the same rule
    View.AngleX = Value;
    ByteBuffer Line;
    appendSettingLine(Line, L"V", View);
    EXPECT_EQ(Line.view().substr(0, Line.view().find(',', 2)), "V," + printfLike("%lg", Value));
    EXPECT_EQ(formatFixed0(Value), printfLike("%.0f", Value)) << Value;
  }
  // The values the C library has no fixed spelling for.
  const double Inf = std::numeric_limits<double>::infinity();
  const double NaN = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(formatLg(Inf) + formatLg(-Inf) + formatLg(NaN) + formatLg(-NaN), "inf-infnan-nan");
  EXPECT_EQ(written(writeInt, INT_MIN) + written(writeInt, INT_MAX), "-21474836482147483647");
}

TEST(NumberFormat, ScannerReadsIntegersLikeFormattedInput) {
  LineScanner A("  12ab");
  EXPECT_EQ(ints(A, 2), "12 - |ab"); // "ab" is no number, position kept
  // A sign without digits is no number; "1.5": the integer stops at '.'.
  LineScanner B("+5 -7 - 8 1.5");
  EXPECT_EQ(ints(B, 3), "5 -7 - |- 8 1.5");
  std::string_view Word;
  EXPECT_TRUE(B.readWord(Word));
  EXPECT_EQ(Word, "-");
  EXPECT_EQ(ints(B, 3), "8 1 - |.5");

  for (auto [Text, Value] :
       {std::pair("99999999999", INT_MAX), std::pair("-99999999999999999999999", INT_MIN),
        std::pair("\t\r\n 42\n", 42), std::pair("abc", 0), std::pair("", 0),
        std::pair("123456789", 123456789), std::pair("2147483648", INT_MAX), std::pair("12a", 12),
        std::pair("7 ", 7), std::pair("-3", -3), std::pair("0012", 12),
        std::pair("-21474836479", INT_MIN)})
    EXPECT_EQ(leadingInt(Text), Value) << Text;

  // A field is a view into its line: the digits after its end are not read.
  const std::string_view Line = "1234567890123";
  EXPECT_EQ(leadingInt(Line.substr(0, 2)), 12);
  EXPECT_EQ(leadingInt(Line.substr(0, 11)), INT_MAX);
  EXPECT_EQ(leadingReal(Line.substr(0, 3)), 123.0);
  LineScanner Part(Line.substr(0, 4));
  EXPECT_EQ(ints(Part, 2), "1234 - |");
}

TEST(NumberFormat, ScannerReadsRealsLikeFormattedInput) {
  for (auto [Text, Value] :
       {std::pair(".5", 0.5), std::pair("5.", 5.0), std::pair(" -2e3x", -2000.0),
        std::pair("+1.25", 1.25), std::pair("1e", 1.0), std::pair("1e-05", 1e-5),
        std::pair("0x10", 0.0), std::pair("+-1", 0.0), std::pair("abc", 0.0)})
    EXPECT_EQ(leadingReal(Text), Value) << Text;
  EXPECT_TRUE(std::isinf(leadingReal("-inf")));
  EXPECT_TRUE(std::isnan(leadingReal("nan")));
  EXPECT_TRUE(std::isnan(leadingReal("-nan")));
  double Value = 7.0;
  LineScanner Huge("1e999 3");
  EXPECT_FALSE(Huge.readReal(Value)); // beyond the range of double
  EXPECT_EQ(Value, 7.0);

  // Decimals of 1 to 17 digits with the point at every place (short ones are
  // read without the general conversion) read as strtod reads them, and
  // stop where strtod stops.
  std::uint64_t State = 12345;
  for (int Length = 1; Length <= 17; ++Length)
    for (int Point = 0; Point <= Length; ++Point) {
      std::string Text = Point == 0 ? "-" : "";
      for (int I = 0; I < Length; ++I) {
        State = State * 6364136223846793005u + 1442695040888963407u;
        if (I == Point)
          Text += '.';
        Text += static_cast<char>('0' + (State >> 60) % 10);
      }
      Text += Length % 3 == 0 ? "e2;" : ";";
      LineScanner Scanner(Text);
      double Read = 0.0;
      ASSERT_TRUE(Scanner.readReal(Read)) << Text;
      char* End = nullptr;
      const double Expected = std::strtod(Text.c_str(), &End);
      EXPECT_EQ(Read, Expected) << Text;
      EXPECT_EQ(Scanner.rest(), std::string_view(End)) << Text;
    }
  EXPECT_TRUE(std::signbit(leadingReal("-0.0")));
  EXPECT_EQ(leadingReal("12.5e1"), 125.0);
  EXPECT_EQ(leadingReal("999999999999999.5"), 999999999999999.5);

  // Every value written with "%lg" reads back to the value rounded to six
  // significant digits.
  for (double Written : {123456.0, 1234567.0, 0.1, -1e15, 1e-5, 1.2, 90.0}) {
    std::string Text = formatLg(Written);
    EXPECT_EQ(leadingReal(Text), std::stod(printfLike("%.5e", Written))) << Text;
  }
}
