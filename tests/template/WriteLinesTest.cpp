// WriteLinesTest.cpp - what the writer's setting lines do beyond the fixtures
// that WriterRoundTripTest.cpp saves back byte for byte (every kind of line,
// its labels and numbers): blanks in names, '%' as data, and the melt-front
// percentage count held within 0 to 100. Item lines, [ResultEx] rows, UTF-8
// names and the line limits are compared as whole sections in
// SettingWriterTest.cpp and SafeSaveTest.cpp; ASCII names narrowed in blocks
// and integers of every width are checked here.
#include "platform/Platform.h"
#include "template/Format.h"

#include "TestSupport.h"

using namespace zrv::format;

namespace {

template <typename Record> std::string setting(std::wstring_view Name, const Record& R) {
  ByteBuffer Out;
  appendSettingLine(Out, Name, R);
  return std::string(Out.view());
}

} // namespace

TEST(WriteLines, NamesAndTextsAreWrittenAsData) {
  EXPECT_EQ(setting(L" a  b\tc", ImageRecord()), "_a__b\tc, 0, 4 "); // only blanks become '_'
  EXPECT_EQ(setting(L"100%d %s", ViewRecord()), "100%d_%s,90,0,0,1");
  ByteBuffer Row;
  EXPECT_TRUE(appendResultExRow(Row, 1, 0, L"C:\\t 100%.pptx", 0));
  EXPECT_EQ(Row.view(), "PPTTemplate, 0, C:\\t 100%.pptx "); // no '_' in the setting column
  EXPECT_FALSE(appendResultExRow(Row, 6, 1, L"x", 0));       // no row: nothing appended
  EXPECT_EQ(Row.size(), 31u);
}

TEST(WriteLines, MeltFrontPercentages) {
  MeltRecord Melt;
  EXPECT_EQ(setting(L"Empty", Melt), "Empty, ");
  Melt.Count = 1;
  Melt.Percentage[0] = 99.5;
  EXPECT_EQ(setting(L"M", Melt), "M,100 ");
  Melt.Count = -3;
  EXPECT_EQ(setting(L"M", Melt), "M, ");
  Melt.Count = 250; // more than the record holds: the 100 entries
  for (int I = 0; I < MeltRecord::MaxCount; ++I)
    Melt.Percentage[I] = I;
  const std::string All = setting(L"M", Melt);
  EXPECT_EQ(std::count(All.begin(), All.end(), '-'), 99);
  EXPECT_EQ(All.substr(0, 8), "M,0-1-2-");
  EXPECT_EQ(All.substr(All.size() - 7), "-98-99 ");
}

TEST(WriteLines, Utf8LinesOfNamesAndNumbersOfEveryWidth) {
  // ASCII names are narrowed eight characters at a time: a blank, a
  // character beyond ASCII or the name's end at any place of a block must
  // give the name's own bytes, its blanks as '_' where the layout says so.
  for (std::size_t Length = 1; Length <= 19; ++Length)
    for (std::size_t At = 0; At < Length; ++At)
      for (wchar_t Odd : {L' ', L'\x7f', L'\u00c4', L'\u20ac'}) {
        std::wstring Name(Length, L'n');
        Name[At] = Odd;
        std::wstring Written = Name;
        std::replace(Written.begin(), Written.end(), L' ', L'_');
        ViewRecord View;
        View.AngleX = 105;
        View.Scale = 1.5;
        ByteBuffer Setting;
        appendSettingLine(Setting, Name, View);
        EXPECT_EQ(Setting.view(), zrv::platform::ToUtf8(Written) + ",105,0,0,1.5") << Length << At;
        ItemLineView Item;
        Item.Key = Name; // an item key keeps its blanks
        ByteBuffer Line;
        appendItemLine(Line, Item, L"", L"");
        EXPECT_EQ(Line.view(), zrv::platform::ToUtf8(Name) + ",0,0,0,0,0,0,-,-,-,-,-,0,0,1");
      }

  // Integers of one, two and more digits, negative ones and the extremes.
  const std::wstring_view Views[] = {L"Top", L"Front Left"};
  const ItemLineView Item{
      L"K", 9, 10, 99, 100, -1, INT_MIN, {}, {}, {}, {}, {}, NameSpan{Views, 2}, INT_MAX, -10, 1};
  ByteBuffer Line;
  appendItemLine(Line, Item, L"", L"");
  EXPECT_EQ(Line.view(), "K,9,10,99,100,-1,-2147483648,-,Top;Front Left;,-,-,-,2147483647,-10,1");
}
