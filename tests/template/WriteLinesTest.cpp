// WriteLinesTest.cpp - every line as the writer formats it: the example file
// rebuilt byte for byte, blanks and '%' as data, the "-" and "Default"
// replacements, and the line limits.
#include "template/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "TestSupport.h"

using namespace zrv::format;

namespace {

std::string fixtureBytes() {
  const char* Dir = std::getenv("ZRV_TEST_DATA");
  EXPECT_NE(Dir, nullptr);
  return Dir ? zrvtest::readBytes(std::filesystem::path(Dir) / "example_solid_injection.csv")
             : std::string();
}

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

TEST(WriteLines, RebuildTheExampleFileByteForByte) {
  std::vector<std::wstring> Lines;
  auto Section_ = [&](Section Id) {
    Lines.push_back(formatTagLine(Id));
    if (!formatLabelLine(Id).empty())
      Lines.push_back(formatLabelLine(Id));
  };
  auto Gap = [&] {
    Lines.insert(Lines.end(), static_cast<std::size_t>(BlankLinesAfterSection), L"");
  };

  Section_(Section::FileHeader);
  Lines.push_back(formatHeaderLine(HeaderField::FileVersion, 1001, L"ignored"));
  Lines.push_back(formatHeaderLine(HeaderField::FileID, 7, L"T0001"));
  Lines.push_back(formatHeaderLine(HeaderField::Name, 0, L"Sample report"));
  Lines.push_back(formatHeaderLine(HeaderField::Date, 0, L"01/05/24"));
  Lines.push_back(formatHeaderLine(HeaderField::ProjectType, 0, L""));
  Lines.push_back(formatHeaderLine(HeaderField::AppType, 0, L""));
  Lines.push_back(formatHeaderLine(HeaderField::CreateBy, 0, L"analyst"));
  Lines.push_back(formatHeaderLine(HeaderField::Remark, 0, L"first issue"));
  Gap();

  Section_(Section::ViewSetting);
  ViewRecord IsoFront;
  IsoFront.AngleX = 45;
  IsoFront.AngleY = 30;
  IsoFront.Scale = 1.2;
  IsoFront.Name = L"not written";
  Lines.push_back(formatViewLine(L"Iso Front", IsoFront)); // blank written as '_'
  Lines.push_back(formatViewLine(L"Top_View", ViewRecord()));
  Gap();
  Section_(Section::ClippingSetting);
  ClipRecord HalfX;
  HalfX.KeepX = 1;
  Lines.push_back(formatClippingLine(L"Half_X", HalfX));
  Gap();
  Section_(Section::SlicingSetting);
  SliceRecord MidZ;
  MidZ.SliceZ = 1;
  Lines.push_back(formatSlicingLine(L"Mid_Z", MidZ));
  Gap();
  Section_(Section::ObjectSetting);
  ObjectRecord PartOnly;
  PartOnly.ShowPart = 1;
  Lines.push_back(formatObjectLine(L"Part Only", PartOnly));
  Gap();
  Section_(Section::FocusCapture);
  CaptureRecord CloseUp;
  CloseUp.Capture = 1;
  CloseUp.Width = 800;
  CloseUp.Height = 600;
  CloseUp.FocusOn = 1; // not written
  Lines.push_back(formatFocusCaptureLine(L"Close_Up", CloseUp));
  Gap();
  Section_(Section::MeltFrontTimeCapture);
  MeltRecord Quarters;
  Quarters.Count = 4;
  Quarters.Percentage[0] = 25;
  Quarters.Percentage[1] = 50.2;
  Quarters.Percentage[2] = 74.5000001;
  Quarters.Percentage[3] = 100;
  Quarters.Percentage[4] = 33; // beyond Count, not written
  Lines.push_back(formatMeltLine(L"Quarters", Quarters));
  Gap();
  Section_(Section::AnimationSetting);
  AnimationRecord ShortGif;
  ShortGif.FPS = 10;
  Lines.push_back(formatAnimationLine(L"Short_Gif", ShortGif));
  Gap();
  Section_(Section::ImageSetting);
  ImageRecord LargePng;
  LargePng.Resolution = 6;
  Lines.push_back(formatImageLine(L"Large_Png", LargePng));
  Gap();

  Section_(Section::ResultEx);
  Lines.push_back(*formatResultExRow(0, 1, L"Quarters", 0.0));
  Lines.push_back(*formatResultExRow(1, 0, L"report_a4.pptx", 0.0));
  Lines.push_back(*formatResultExRow(2, 0, L"anything", 0.0));
  Lines.push_back(*formatResultExRow(3, 1, L"Short_Gif", 0.0));
  Lines.push_back(*formatResultExRow(4, 1, L"ignored", 5.0));
  Lines.push_back(*formatResultExRow(5, 1, L"Large_Png", 0.0));
  Gap();

  Lines.push_back(moduleTag(0));
  Lines.push_back(formatLabelLine(Section::ModelResult));
  ItemLineRecord Shaded = item(L"ShadedModel", 1, 0, 0, 0, 0);
  Shaded.ViewName = L"Iso Front";
  Shaded.ObjectName = L"Part_Only";
  Lines.push_back(formatItemLine(Shaded, L"Current", L"Current"));
  Gap();
  Lines.push_back(moduleTag(1));
  Lines.push_back(formatLabelLine(Section::FlowResult));
  ItemLineRecord Melt = item(L"MeltFrontTime", 2, 0, 0, 0, 0);
  Melt.ViewName = L"Iso_Front";
  Melt.ObjectName = L"Current"; // the project's own object setting
  Melt.CaptureName = L"Close_Up";
  Melt.AirTrap = 1;
  Melt.WeldLine = 1;
  Melt.ItemCountOf1Page = 2;
  Lines.push_back(formatItemLine(Melt, L"Current", L"Current"));
  ItemLineRecord Pressure = item(L"Pressure", 1, 1, 0, 0, 1);
  Pressure.ClippingName = L"Half_X";
  Pressure.ViewName = L"Current"; // the several views win over the single view
  Pressure.ManyViewNames = {L"Iso_Front", L"Top_View"};
  Pressure.SlicingName = L"Mid_Z";
  Lines.push_back(formatItemLine(Pressure, L"Current", L"Current"));
  Gap();

  std::string Bytes;
  for (const std::wstring& Line : Lines)
    Bytes += encodeLine(Line) + "\r\n";
  Bytes += EndLine;
  EXPECT_EQ(Bytes, fixtureBytes());
}

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
  EXPECT_TRUE(fitsWriteLimit(std::string(1022, 'x')));
  EXPECT_FALSE(fitsWriteLimit(std::string(1023, 'x')));
  // 255 characters fit as a name, but not always as a readable line.
  std::wstring Name(255, L'\u20ac');
  EXPECT_TRUE(fitsNameLimit(Name));
  EXPECT_FALSE(fitsNameLimit(Name + L"x"));
  EXPECT_FALSE(fitsReadLimit(encodeLine(formatViewLine(Name, ViewRecord()))));
}
