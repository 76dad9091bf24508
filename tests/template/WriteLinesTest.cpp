// WriteLinesTest.cpp - every line as the writer appends it, compared byte for
// byte: each setting kind with its values in file order, blanks and '%' as
// data, the "-" and "Default" replacements, UTF-8 bytes and the line limits.
// The example file saved back byte for byte is in WriterRoundTripTest.cpp.
#include "template/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace zrv::format;

namespace {

template <typename Append> std::string bytesOf(Append&& AppendLine) {
  ByteBuffer Out;
  AppendLine(Out);
  return std::string(Out.view());
}

template <typename Record> std::string setting(std::wstring_view Name, const Record& R) {
  return bytesOf([&](ByteBuffer& Out) { appendSettingLine(Out, Name, R); });
}

std::string header(HeaderField Field, int Number, std::wstring_view Text) {
  return bytesOf([&](ByteBuffer& Out) { appendHeaderLine(Out, Field, Number, Text); });
}

std::string info(InfoField Field, int Number, std::wstring_view Text) {
  return bytesOf([&](ByteBuffer& Out) { appendInfoLine(Out, Field, Number, Text); });
}

std::string resultEx(std::size_t Position, int Output, std::wstring_view Setting, double Scale) {
  return bytesOf([&](ByteBuffer& Out) {
    EXPECT_TRUE(appendResultExRow(Out, Position, Output, Setting, Scale));
  });
}

/// An item line's values with names of its own, seen by the writer in place.
struct Item {
  std::wstring Key = L"Pressure", Clipping, View, Object, Capture, Slicing;
  std::vector<std::wstring> ManyViews;
  int ItemCountOf1Page = 1;
  std::string line(std::wstring_view ProjectView, std::wstring_view ProjectSetting) const {
    ItemLineView Line;
    Line.Key = Key;
    Line.Output = 3;
    Line.DisplayMode = 4;
    Line.ParameterX = 1;
    Line.FaceNumber = 10;
    Line.ClippingName = Clipping;
    Line.ViewName = View;
    Line.ObjectName = Object;
    Line.CaptureName = Capture;
    Line.SlicingName = Slicing;
    Line.ManyViewNames = {ManyViews.data(), ManyViews.size()};
    Line.ItemCountOf1Page = ItemCountOf1Page;
    return bytesOf(
        [&](ByteBuffer& Out) { appendItemLine(Out, Line, ProjectView, ProjectSetting); });
  }
};

} // namespace

TEST(WriteLines, NamesAndTextsAreWrittenAsData) {
  EXPECT_EQ(setting(L" a  b\tc", ImageRecord()), "_a__b\tc, 0, 0 "); // only blanks become '_'
  EXPECT_EQ(header(HeaderField::Remark, 0, L"100%d %s, done"), "Remark,100%d %s, done");
  EXPECT_EQ(header(HeaderField::ProjectType, 1, L""), "ProjectType,1,\"(0:Solid,1:Shell)\"");
  EXPECT_EQ(header(HeaderField::AppType, 12, L""),
            "AppType,12,\"(0:Injection,1:GasIn,2:RIM,3:ICPackage,4:ICM,5:FAIM,6:GAIM,7:WAIM,"
            "8:COIM,9:MCIM,10:CM,11:BIIM,12:PIM)\"");
  EXPECT_EQ(info(InfoField::ReportType, 1, L""), "ReportType,1,\"(0:HTML, 1:PPT)\"");
  EXPECT_EQ(info(InfoField::AuthorEMail, 0, L"a@b.c"), "AuthorE-mail,a@b.c");
  EXPECT_EQ(info(InfoField::CompanyWebSite, 0, L""), "CompanyWebSite,");

  ViewRecord View;
  View.AngleX = 1234567;
  View.AngleY = -0.000012345;
  EXPECT_EQ(setting(L"V 1", View), "V_1,1.23457e+06,-1.2345e-05,0,1");
  ClipRecord Clip;
  Clip.ClipBy = 3;
  Clip.RangeY = 12.75;
  Clip.Inverse = 1;
  EXPECT_EQ(setting(L"C", Clip), "C, 3, 0, 0, 0,50,12.75,50,1");
  ObjectRecord Object;
  Object.ShowHotRunnerMetal = 1;
  Object.ShowRunner = 1;
  EXPECT_EQ(setting(L"O", Object), "O, 1, 0, 0, 0,0,0,0,0,0,1");
  AnimationRecord Anim;
  Anim.Output = 1;
  Anim.Time = 2.5;
  Anim.Resolution = 7;
  EXPECT_EQ(setting(L"A", Anim), "A, 1, 2.5, 5, 7 ");
  SliceRecord Slice;
  Slice.SliceY = 1;
  Slice.RangeZ = 12.5;
  EXPECT_EQ(setting(L"S 1", Slice), "S_1, 0, 1, 0, 50, 50, 12.5");
  CaptureRecord Capture;
  Capture.Capture = 1;
  Capture.Width = 800;
  Capture.Height = 600;
  Capture.FocusOn = 1; // not written
  EXPECT_EQ(setting(L"F", Capture), "F, 1, 800, 600 ");
  ImageRecord Image;
  Image.Output = 1;
  Image.Resolution = 6;
  EXPECT_EQ(setting(L"I", Image), "I, 1, 6 ");
}

TEST(WriteLines, MeltFrontPercentages) {
  MeltRecord Melt;
  EXPECT_EQ(setting(L"Empty", Melt), "Empty, ");
  Melt.Count = 1;
  Melt.Percentage[0] = 99.5;
  EXPECT_EQ(setting(L"M", Melt), "M, 100");
  Melt.Count = -3;
  EXPECT_EQ(setting(L"M", Melt), "M, ");
  Melt.Count = 250; // more than the record holds: the 100 entries
  for (int I = 0; I < MeltRecord::MaxCount; ++I)
    Melt.Percentage[I] = I;
  const std::string All = setting(L"M", Melt);
  EXPECT_EQ(std::count(All.begin(), All.end(), '-'), 99);
  EXPECT_EQ(All.substr(0, 8), "M, 0-1-2");
  EXPECT_EQ(All.substr(All.size() - 6), "-98-99");
}

TEST(WriteLines, ResultExRowsAndTheirReplacements) {
  EXPECT_EQ(resultEx(0, 1, L"", 0), "Flow-MeltFrontTime, 1, Default ");
  EXPECT_EQ(resultEx(0, 2, L"My Melt", 0), "Flow-MeltFrontTime, 0, My Melt ");
  EXPECT_EQ(resultEx(1, 1, L"", 0), "PPTTemplate, 1, - ");
  EXPECT_EQ(resultEx(1, 0, L"C:\\t 100%.pptx", 0), "PPTTemplate, 0, C:\\t 100%.pptx ");
  EXPECT_EQ(resultEx(2, 1, L"", 0), "3DPDF, 1, -");
  EXPECT_EQ(resultEx(3, 0, L"", 0), "Animation, 0, Default ");
  EXPECT_EQ(resultEx(4, 0, L"", 0.125), "WarpageScale, 0, 0.125 ");
  EXPECT_EQ(resultEx(5, -1, L"", 0), "Image, 0, Default ");
  for (std::size_t Position : {std::size_t{6}, std::size_t{100}}) {
    ByteBuffer Out;
    EXPECT_FALSE(appendResultExRow(Out, Position, 1, L"x", 0));
    EXPECT_EQ(Out.size(), 0u);
  }
}

TEST(WriteLines, ItemLineNamesAndViewField) {
  Item I;
  EXPECT_EQ(I.line(L"", L""), "Pressure,3,4,1,0,0,10,-,-,-,-,-,0,0,1");

  I.Clipping = L"Clip A"; // fields 8, 10, 11, 12 keep their blanks
  I.View = L"Front Left";
  I.Object = L"Obj A";
  I.Capture = L"Cap A";
  I.Slicing = L"Slice A";
  I.ItemCountOf1Page = 4;
  EXPECT_EQ(I.line(L"Front_Left", L"Obj_A"),
            "Pressure,3,4,1,0,0,10,Clip A,Front_Left,Obj A,Cap A,Slice A,0,0,4");
  EXPECT_EQ(I.line(L"Front Left", L"Obj A"),
            "Pressure,3,4,1,0,0,10,Clip A,-,-,Cap A,Slice A,0,0,4");

  I.ManyViews = {L"Top", L"Front Left"};
  EXPECT_EQ(I.line(L"Front Left", L""),
            "Pressure,3,4,1,0,0,10,Clip A,Top;Front Left;,Obj A,Cap A,Slice A,0,0,4");
  EXPECT_EQ(viewListLength(I.ManyViews.data(), I.ManyViews.size()), 15u);
  EXPECT_EQ(viewListLength(nullptr, 0), 0u);
}

TEST(WriteLines, Utf8BytesAndLineLimits) {
  EXPECT_EQ(setting(L"Ansicht \u00c4\u20ac", ImageRecord()), "Ansicht_\xc3\x84\xe2\x82\xac, 0, 0 ");
  const std::wstring Lone(1, static_cast<wchar_t>(0xD800));
  EXPECT_EQ(header(HeaderField::Remark, 0, Lone), "Remark,\xef\xbf\xbd");

  EXPECT_TRUE(fitsReadLimit(std::string(510, 'x')));
  EXPECT_FALSE(fitsReadLimit(std::string(511, 'x')));
  // 255 characters fit as a name, but not always as a readable line.
  std::wstring Name(255, L'\u20ac');
  EXPECT_TRUE(fitsNameLimit(Name));
  EXPECT_FALSE(fitsNameLimit(Name + L"x"));
  EXPECT_FALSE(fitsReadLimit(setting(Name, ViewRecord())));
}
