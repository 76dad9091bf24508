// WriteLinesTest.cpp - what the writer's setting lines do beyond the fixtures
// that WriterRoundTripTest.cpp saves back byte for byte (every kind of line,
// its labels and numbers): blanks in names, '%' as data, and the melt-front
// percentage count held within 0 to 100. Item lines, [ResultEx] rows, UTF-8
// names and the line limits are compared as whole sections in
// SettingWriterTest.cpp and SafeSaveTest.cpp; ASCII names narrowed in blocks
// and integers of every width are checked here.
#include "manager/SequencePool.h"
#include "platform/Platform.h"
#include "template/Format.h"
#include "util/Text.h"

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

TEST(WriteLines, EncodedItemLinesGiveTheBytesOfWideOnes) {
  // Names numbered as a document pools them: 0 is the empty name.
  // The last holds a lone surrogate: its kept form is no UTF-8, and it is
  // written as U+FFFD.
  const std::wstring Pooled[] = {L"",           L"Top View",
                                 L"Proj",       L"Obj\u00c4 1",
                                 L"\u20ac cap", L"Side seen from the left at 45 degrees",
                                 L"Set ting",   zrvtest::wideOf({'L', 0xDC00, 'x'})};
  auto kept = [](std::wstring_view Name) { return std::string(zrv::manager::KeptOf(Name).view()); };
  std::vector<std::string> Kept;
  for (const std::wstring& Name : Pooled)
    Kept.push_back(kept(Name));
  EncodedNames Names;
  for (const std::string& Name : Kept)
    Names.add(Name);
  ASSERT_EQ(Names.size(), std::size(Pooled));
  // Names are copied in blocks: the room after the last one reads as zeros.
  const EncodedName& Last = Names[Names.size() - 1];
  EXPECT_EQ(std::string_view(Last.Bytes.data() + Last.Bytes.size(), EncodedName::NamePadding),
            std::string(EncodedName::NamePadding, '\0'));
  for (std::size_t I = 0; I < Names.size(); ++I) {
    EXPECT_EQ(Names[I].Kept, Kept[I]);
    EXPECT_EQ(Names[I].Bytes, zrv::platform::ToUtf8(Pooled[I])) << I;
  }
  // Names are encoded when first asked for, in any order: the bytes of those
  // encoded before follow the buffer as it grows.
  std::vector<std::wstring> Many;
  std::vector<std::string> ManyKept;
  for (int I = 0; I < 300; ++I) {
    Many.push_back(std::wstring(static_cast<std::size_t>(I % 17), L'\u20ac') + std::to_wstring(I));
    ManyKept.push_back(kept(Many.back()));
  }
  EncodedNames Late;
  for (const std::string& Name : ManyKept)
    Late.add(Name);
  for (std::size_t I = Many.size(); I-- > 0;) {
    if (I % 3 != 0) {
      ASSERT_EQ(Late[I].Bytes, zrv::platform::ToUtf8(Many[I])) << I;
    }
  }
  for (std::size_t I = 0; I < Many.size(); ++I)
    ASSERT_EQ(Late[I].Bytes, zrv::platform::ToUtf8(Many[I])) << I;

  // Each case: the view, the object, the several views (ids), the project's
  // view and setting names.
  struct Case {
    std::size_t View, Object;
    std::vector<std::size_t> Many;
    std::wstring_view ProjectView, ProjectSetting;
  };
  const Case Cases[] = {{1, 3, {}, L"", L""},        {1, 3, {}, L"Top View", L"Obj\u00c4 1"},
                        {0, 0, {}, L"", L""},        {2, 6, {5, 1}, L"Proj", L"Proj"},
                        {4, 6, {}, L"Proj", L"Set"}, {0, 2, {1}, L"", L"Proj"},
                        {7, 7, {}, L"", L""},        {1, 2, {7, 1}, L"", L""}};
  for (const Case& C : Cases) {
    ItemLineView Wide;
    EncodedItemLine Encoded;
    Wide.Key = Pooled[6];
    Encoded.Key = &Names[6];
    Wide.Output = Encoded.Output = 2;
    Wide.ClippingName = Pooled[4];
    Encoded.ClippingName = &Names[4];
    Wide.ViewName = Pooled[C.View];
    Encoded.ViewName = &Names[C.View];
    Wide.ObjectName = Pooled[C.Object];
    Encoded.ObjectName = &Names[C.Object];
    Encoded.CaptureName = &Names[0];
    Wide.SlicingName = Pooled[3];
    Encoded.SlicingName = &Names[3];
    std::vector<std::wstring_view> WideMany;
    std::vector<const EncodedName*> EncodedMany;
    std::size_t ListLength = 0;
    for (std::size_t Id : C.Many) {
      WideMany.push_back(Pooled[Id]);
      EncodedMany.push_back(&Names[Id]);
      ListLength += Pooled[Id].size() + 1;
    }
    Wide.ManyViewNames = {WideMany.data(), WideMany.size()};
    Encoded.ManyViewNames = {EncodedMany.data(), EncodedMany.size()};
    ByteBuffer FromWide, FromEncoded;
    appendItemLine(FromWide, Wide, C.ProjectView, C.ProjectSetting);
    appendItemLine(FromEncoded, Encoded, kept(C.ProjectView), kept(C.ProjectSetting));
    EXPECT_EQ(FromEncoded.view(), FromWide.view()) << C.View << ' ' << C.Object;
    EXPECT_EQ(viewListLength(Encoded.ManyViewNames), ListLength);
  }
  // One line spelled out: the single view's blank made '_', the object that
  // is the project's own written "-", the empty capture "-".
  ByteBuffer Line;
  EncodedItemLine Item;
  Item.Key = &Names[6];
  Item.ClippingName = &Names[4];
  Item.ViewName = &Names[1];
  Item.ObjectName = &Names[2];
  Item.CaptureName = &Names[0];
  Item.SlicingName = &Names[3];
  appendItemLine(Line, Item, "", "Proj");
  EXPECT_EQ(Line.view(), "Set ting,0,0,0,0,0,0,\xe2\x82\xac cap,Top_View,-,-,Obj\xc3\x84 1,0,0,1");
}

TEST(WriteLines, TagsAreFoundInTagLinesAsWideText) {
  EXPECT_TRUE(zrv::containsAscii(L"[FlowResult][PackResult]", "[PackResult]"));
  EXPECT_FALSE(zrv::containsAscii(L"[FlowResult]", "[FlowResult]x"));
  EXPECT_FALSE(zrv::containsAscii(L"[Flow\u0152esult]", "[FlowResult]"));
  EXPECT_TRUE(zrv::containsAscii(L"", "")); // as a search for the empty text finds it
  EXPECT_FALSE(zrv::containsAscii(L"", "[FlowResult]"));
}
