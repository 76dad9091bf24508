// WriteLinesTest.cpp - every line as the writer formats it: each setting kind
// with its values in file order, blanks and '%' as data, the "-" and "Default"
// replacements, and the line limits. The example file saved back byte for
// byte is in WriterRoundTripTest.cpp.
#include "platform/Platform.h"
#include "template/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace zrv::format;

namespace {

ItemLineRecord item(const wchar_t* Key, int Output, int Display, int X, int Y, int Z) {
  ItemLineRecord Item;
  Item.Key = Key;
  Item.Output = Output;
  Item.DisplayMode = Display;
  Item.ParameterX = X;
  Item.ParameterY = Y;
  Item.ParameterZ = Z;
  Item.FaceNumber = 10;
  return Item;
}

} // namespace

TEST(WriteLines, NamesAndTextsAreWrittenAsData) {
  EXPECT_EQ(writtenName(L"Front Left"), L"Front_Left");
  EXPECT_EQ(writtenName(L" a  b "), L"_a__b_");
  EXPECT_EQ(writtenName(L"tab\there"), L"tab\there"); // only blanks are replaced
  EXPECT_EQ(formatHeaderLine(HeaderField::Remark, 0, L"100%d %s, done"), L"Remark,100%d %s, done");
  EXPECT_EQ(formatHeaderLine(HeaderField::ProjectType, 1, L""),
            L"ProjectType,1,\"(0:Solid,1:Shell)\"");
  EXPECT_EQ(formatHeaderLine(HeaderField::AppType, 12, L""),
            L"AppType,12,\"(0:Injection,1:GasIn,2:RIM,3:ICPackage,4:ICM,5:FAIM,6:GAIM,7:WAIM,"
            L"8:COIM,9:MCIM,10:CM,11:BIIM,12:PIM)\"");
  EXPECT_EQ(formatInfoLine(InfoField::ReportType, 1, L""), L"ReportType,1,\"(0:HTML, 1:PPT)\"");
  EXPECT_EQ(formatInfoLine(InfoField::AuthorEMail, 0, L"a@b.c"), L"AuthorE-mail,a@b.c");
  EXPECT_EQ(formatInfoLine(InfoField::CompanyWebSite, 0, L""), L"CompanyWebSite,");
  EXPECT_EQ(formatLabelLine(Section::FileHeader), L"");
  EXPECT_EQ(formatLabelLine(Section::SlicingSetting),
            L"Settings,X,Y,Z,\"X Range %(0-100)\",\"Y Range %(0-100)\",\"Z Range %(0-100)\"");
  EXPECT_EQ(formatLine("%s|%d|%lg|%.0f|%x", {L"50%", 3, 0.5, 2.5}), L"50%|3|0.5|2|%x");

  ViewRecord View;
  View.AngleX = 1234567;
  View.AngleY = -0.000012345;
  EXPECT_EQ(formatViewLine(L"V 1", View), L"V_1,1.23457e+06,-1.2345e-05,0,1");
  ClipRecord Clip;
  Clip.ClipBy = 3;
  Clip.RangeY = 12.75;
  Clip.Inverse = 1;
  EXPECT_EQ(formatClippingLine(L"C", Clip), L"C, 3, 0, 0, 0,50,12.75,50,1");
  ObjectRecord Object;
  Object.ShowHotRunnerMetal = 1;
  Object.ShowRunner = 1;
  EXPECT_EQ(formatObjectLine(L"O", Object), L"O, 1, 0, 0, 0,0,0,0,0,0,1");
  AnimationRecord Anim;
  Anim.Output = 1;
  Anim.Time = 2.5;
  Anim.Resolution = 7;
  EXPECT_EQ(formatAnimationLine(L"A", Anim), L"A, 1, 2.5, 5, 7 ");
  SliceRecord Slice;
  Slice.SliceY = 1;
  Slice.RangeZ = 12.5;
  EXPECT_EQ(formatSlicingLine(L"S 1", Slice), L"S_1, 0, 1, 0, 50, 50, 12.5");
  CaptureRecord Capture;
  Capture.Capture = 1;
  Capture.Width = 800;
  Capture.Height = 600;
  Capture.FocusOn = 1; // not written
  EXPECT_EQ(formatFocusCaptureLine(L"F", Capture), L"F, 1, 800, 600 ");
  ImageRecord Image;
  Image.Output = 1;
  Image.Resolution = 6;
  EXPECT_EQ(formatImageLine(L"I", Image), L"I, 1, 6 ");
}

TEST(WriteLines, MeltFrontPercentages) {
  MeltRecord Melt;
  EXPECT_EQ(formatMeltLine(L"Empty", Melt), L"Empty, ");
  Melt.Count = 1;
  Melt.Percentage[0] = 99.5;
  EXPECT_EQ(formatPercentages(Melt), L"100");
  Melt.Count = -3;
  EXPECT_EQ(formatPercentages(Melt), L"");
  Melt.Count = 250; // more than the record holds: the 100 entries
  for (int I = 0; I < MeltRecord::MaxCount; ++I)
    Melt.Percentage[I] = I;
  std::wstring All = formatPercentages(Melt);
  EXPECT_EQ(std::count(All.begin(), All.end(), L'-'), 99);
  EXPECT_EQ(All.substr(All.size() - 6), L"-98-99");
}

TEST(WriteLines, ResultExRowsAndTheirReplacements) {
  EXPECT_EQ(*formatResultExRow(0, 1, L"", 0), L"Flow-MeltFrontTime, 1, Default ");
  EXPECT_EQ(*formatResultExRow(0, 2, L"My Melt", 0), L"Flow-MeltFrontTime, 0, My Melt ");
  EXPECT_EQ(*formatResultExRow(1, 1, L"", 0), L"PPTTemplate, 1, - ");
  EXPECT_EQ(*formatResultExRow(1, 0, L"C:\\t 100%.pptx", 0), L"PPTTemplate, 0, C:\\t 100%.pptx ");
  EXPECT_EQ(*formatResultExRow(2, 1, L"", 0), L"3DPDF, 1, -");
  EXPECT_EQ(*formatResultExRow(3, 0, L"", 0), L"Animation, 0, Default ");
  EXPECT_EQ(*formatResultExRow(4, 0, L"", 0.125), L"WarpageScale, 0, 0.125 ");
  EXPECT_EQ(*formatResultExRow(5, -1, L"", 0), L"Image, 0, Default ");
  EXPECT_FALSE(formatResultExRow(6, 1, L"x", 0).has_value());
  EXPECT_FALSE(formatResultExRow(100, 1, L"x", 0).has_value());
}

TEST(WriteLines, ItemLineNamesAndViewField) {
  ItemLineRecord Item = item(L"Pressure", 3, 4, 1, 0, 0);
  EXPECT_EQ(formatItemLine(Item, L"", L""), L"Pressure,3,4,1,0,0,10,-,-,-,-,-,0,0,1");

  Item.ClippingName = L"Clip A"; // fields 8, 10, 11, 12 keep their blanks
  Item.ViewName = L"Front Left";
  Item.ObjectName = L"Obj A";
  Item.CaptureName = L"Cap A";
  Item.SlicingName = L"Slice A";
  Item.ItemCountOf1Page = 4;
  EXPECT_EQ(formatItemLine(Item, L"Front_Left", L"Obj_A"),
            L"Pressure,3,4,1,0,0,10,Clip A,Front_Left,Obj A,Cap A,Slice A,0,0,4");
  EXPECT_EQ(formatItemLine(Item, L"Front Left", L"Obj A"),
            L"Pressure,3,4,1,0,0,10,Clip A,-,-,Cap A,Slice A,0,0,4");

  Item.ManyViewNames = {L"Top", L"Front Left"};
  EXPECT_EQ(formatItemLine(Item, L"Front Left", L""),
            L"Pressure,3,4,1,0,0,10,Clip A,Top;Front Left;,Obj A,Cap A,Slice A,0,0,4");
  EXPECT_EQ(formatViewList({}), L"");
  EXPECT_EQ(formatViewList({L"Top", L"Side"}), L"Top;Side;");
}

TEST(WriteLines, Utf8BytesAndLineLimits) {
  EXPECT_EQ(encodeLine(L"Ansicht_\u00c4,1"), "Ansicht_\xc3\x84,1");
  EXPECT_EQ(encodeLine(L"\u20ac"), "\xe2\x82\xac");
  std::wstring Lone(1, static_cast<wchar_t>(0xD800));
  EXPECT_EQ(encodeLine(Lone), "\xef\xbf\xbd");

  EXPECT_TRUE(fitsReadLimit(std::string(510, 'x')));
  EXPECT_FALSE(fitsReadLimit(std::string(511, 'x')));
  // 255 characters fit as a name, but not always as a readable line.
  std::wstring Name(255, L'\u20ac');
  EXPECT_TRUE(fitsNameLimit(Name));
  EXPECT_FALSE(fitsNameLimit(Name + L"x"));
  EXPECT_FALSE(fitsReadLimit(encodeLine(formatViewLine(Name, ViewRecord()))));
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
  ItemLineView Item;
  Item.Key = L"K";
  Item.Output = 9;
  Item.DisplayMode = 10;
  Item.ParameterX = 99;
  Item.ParameterY = 100;
  Item.ParameterZ = -1;
  Item.FaceNumber = std::numeric_limits<int>::min();
  Item.AirTrap = std::numeric_limits<int>::max();
  Item.WeldLine = -10;
  const std::wstring Views[] = {L"Top", L"Front Left"};
  Item.ManyViewNames = NameSpan{Views, 2};
  ByteBuffer Line;
  appendItemLine(Line, Item, L"", L"");
  EXPECT_EQ(Line.view(), "K,9,10,99,100,-1,-2147483648,-,Top;Front Left;,-,-,-,2147483647,-10,1");
}
