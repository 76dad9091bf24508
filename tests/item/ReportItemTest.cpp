// ReportItemTest.cpp - the report item and the extended item: defaults, mapped
// inputs, derived modes, several views and result image lookup.
#include "zrvreport/ZRVReportItem.h"

#include "TestSupport.h"

using Item = CZRVReportItem;

namespace {
std::wstring lowerAscii(std::wstring Text) {
  for (wchar_t& C : Text)
    if (C >= L'A' && C <= L'Z')
      C = static_cast<wchar_t>(C - L'A' + L'a');
  return Text;
}
} // namespace

TEST(ReportItem, OutputAndDisplayModeAreMapped) {
  Item I;
  // The parameter field starts at 1, but the getter reports the slice flag.
  EXPECT_EQ(I.GetParameterValueX(), 1);
  EXPECT_EQ(I.GetParameterX(), 0);
  for (int V : {0, 1, 2, 3, 4, -1}) {
    I.SetOutput(V);
    EXPECT_EQ(I.GetOutput(), V >= 0 && V <= 3 ? V : 0) << V;
    EXPECT_EQ(I.IsOutput(), V >= 1 && V <= 3 ? 1 : 0) << V;
  }
  for (int V : {4, 5, 3, -1}) {
    I.SetDisplayMode(V);
    EXPECT_EQ(I.GetDisplayMode(), V >= 0 && V <= 4 ? V : 0) << V;
  }
}

TEST(ReportItem, ParametersReportSliceFlagsAndSliceMode) {
  Item I;
  I.SetParameterX(5);
  EXPECT_EQ(I.GetParameterX(), 0);
  I.SetSlicingSetting(1, 0, 0);
  EXPECT_EQ(std::make_tuple(I.GetParameterX(), I.GetSliceMode(), I.HasSlicingSetting()),
            std::make_tuple(1, 1, 1));

  struct Case {
    int X, Y, Z, Mode;
  };
  for (Case C : {Case{0, 1, 1, 1}, Case{0, 1, 0, 2}, Case{0, 0, 1, 3}, Case{0, 0, 0, 1},
                 Case{1, 1, 1, 1}, Case{-1, 2, 0, 2}}) {
    I.SetSlicingSetting(C.X, C.Y, C.Z);
    EXPECT_EQ(std::make_tuple(I.GetSliceMode(), I.GetParameterY(), I.GetParameterZ()),
              std::make_tuple(C.Mode, C.Y, C.Z));
  }

  const Item::tagSLICESETTING Named{0, 0, 1, 50, 50, 12.5, L"Mid_Z"};
  I.SetSlicingSetting(0, 0, 0);
  I.SetSlicingSetting(Named);
  I.SetSlicingSetting(1, 0, 0); // ranges and name stay
  EXPECT_EQ(std::make_pair(I.GetSliceRecord().Name, I.GetSliceRecord().RangeZ),
            std::make_pair(std::wstring(L"Mid_Z"), 12.5));
}

TEST(ReportItem, ClippingModesFlagsAndPartialUpdate) {
  Item I;
  Item::tagCLIPSETTING Clip{3, 0, 2, 0, 50, 50, 50, 1, L"Half_Z"}; // KeepY 2, inverse
  I.SetClippingSetting(Clip);
  // Only exactly 1 counts as kept.
  EXPECT_EQ(std::make_tuple(I.GetClipMode(), I.IsInversed(), I.IsClipKeptY()),
            std::make_tuple(3, 1, 0));

  // The flags and ranges alone: the clip mode, inversion and name stay.
  Item K(I);
  K.SetClippingSetting(1, 1, 0, 10.0, 20.0, 30.0);
  EXPECT_EQ(std::make_tuple(K.GetClipRecord().ClipBy, K.IsInversed(), K.GetClipRecord().Name,
                            K.IsClipKeptX(), K.GetClippingRangeY()),
            std::make_tuple(3, 1, std::wstring(L"Half_Z"), 1, 20.0));

  Item Fresh;
  Fresh.SetClippingSetting(0, 0, 0, 1.0, 2.0, 3.0);
  EXPECT_EQ(Fresh.HasClippingSetting(), 1);

  for (int By : {0, 7, -2, 1, 2}) {
    Clip.ClipBy = By;
    I.SetClippingSetting(Clip);
    EXPECT_EQ(I.GetClipMode(), By == 2 ? 2 : 1) << By;
  }
}

TEST(ReportItem, SeveralViewsNamesAndRecords) {
  Item I;
  I.SetManyViewName(L"Top");
  I.SetManyViewName(L"Top");
  EXPECT_EQ(I.GetViewCount(), 1);
  I.SetManyViewName(L"TOP");
  I.SetManyViewName(L"Side");
  EXPECT_EQ(I.GetViewCount(), 3);
  EXPECT_EQ(I.HasViewSetting(), 0); // names alone do not count

  I.SetManyView({10, 0, 30, 2.5, L"top"});
  I.SetManyView({90, 0, 0, 1, L"Side"});
  EXPECT_EQ(I.HasViewSetting(), 1);

  // Records are found by name in any letter case (the manager's lookups of
  // the same: SettingUsageTest.cpp); a missing one leaves the values alone.
  double X = -7, Y = -1, Z = -1, S = -1;
  EXPECT_EQ(I.GetViewDataByName(L"Front", X, Y, Z, S), 0);
  EXPECT_EQ(X, -7);
  EXPECT_EQ(I.GetViewDataByName(L"TOP", X, Y, Z, S), 1);
  EXPECT_EQ(std::make_tuple(X, Y, Z, S), std::make_tuple(10.0, 0.0, 30.0, 2.5));
  EXPECT_EQ(std::make_tuple(I.GetViewXByName(L"Front"), I.GetViewScaleByName(L"Front"),
                            I.GetViewZByName(L"tOp")),
            std::make_tuple(0.0, 1.0, 30.0));

  EXPECT_EQ((std::vector<std::wstring>{I.GetViewNameByIndex(2), I.GetViewNameByIndex(3),
                                       I.GetViewNameByIndex(-1)}),
            (std::vector<std::wstring>{L"Side", L"", L""}));
  wchar_t Buffer[256] = L"untouched";
  EXPECT_EQ(I.GetViewNameByIndex(3, Buffer), 0);
  EXPECT_STREQ(Buffer, L"untouched");
  EXPECT_EQ(I.GetViewNameByIndex(1, Buffer), 1);
  EXPECT_STREQ(Buffer, L"TOP");

  Item::tagVIEWSETTING Out;
  EXPECT_EQ(I.GetViewByIndex(2, Out) + I.GetViewByIndex(1, Out), 1);
  EXPECT_EQ(Out.Name, L"Side");

  // The third name has no record: the name goes, both records stay.
  I.DeleteItemView(L"Side");
  EXPECT_EQ(std::make_pair(I.GetViewCount(), I.GetViewRecordList().size()),
            std::make_pair(2, std::size_t{2}));
  // Deleting the first name removes the first record too.
  I.DeleteItemView(L"Top");
  EXPECT_EQ(I.GetViewNameList(), std::vector<std::wstring>{L"TOP"});
  ASSERT_EQ(I.GetViewRecordList().size(), 1u);
  EXPECT_EQ(I.GetViewRecordList()[0].Name, L"Side");
  I.DeleteItemView(L"top"); // case-sensitive: nothing happens
  EXPECT_EQ(I.GetViewCount(), 1);
}

TEST(ReportItem, SingleViewFlagsAndObjectFlags) {
  Item I;
  I.SetViewSetting(1, 2, 3, 4);
  EXPECT_EQ(std::make_tuple(I.HasViewSetting(), I.GetViewY(), I.GetViewScale()),
            std::make_tuple(1, 2.0, 4.0));
  I.SetViewSettingByName(L"Top", 9, 9, 9, 9); // keeps the single view and its name
  EXPECT_EQ(std::make_pair(I.GetViewX(), I.GetViewCount()), std::make_pair(1.0, 0));

  // Runner 2, part, cooling channels and hot-runner metal 1.
  const Item::tagOBJECTSETTING Objects{2, 1, 0, 1, 0, 0, 0, 0, 0, 1, L""};
  I.SetObjectSetting(Objects);
  EXPECT_EQ(I.HasObjectSetting(), 1);
  // Only exactly 1 counts as shown.
  EXPECT_EQ(std::make_tuple(I.IsShowPart(), I.IsShowRunner(), I.IsShowHotRunnerMetal(),
                            I.IsShowMoldbase(), I.IsShowCoolChannel()),
            std::make_tuple(1, 0, 1, 0, 1));
}

TEST(ReportItem, ResultImageRewritesAnimationPathsAndTriesTheViewImage) {
  zrvtest::TempDir Dir;
  std::wstring Base = Dir.file(L"MeltFront");
  Item I;
  I.SetOutput(2);
  std::wstring Stored = Base + L".png";
  I.SetResultImagePath(Stored.c_str());
  EXPECT_EQ(I.HasResultImage(), 0);
  EXPECT_EQ(I.GetResultImagePath(), Base + L".gif");

  // The second try: lower-cased path without extension, "_view_0", ".gif".
  fs::path ViewImage = lowerAscii(Base) + L"_view_0.gif";
  zrvtest::writeBytes(ViewImage, "GIF89a");
  Item J;
  J.SetOutput(2);
  J.SetResultImagePath(Stored.c_str());
  EXPECT_EQ(J.HasResultImage(), 1);

  // A still image: the stored path is found as it is.
  zrvtest::writeBytes(Dir.path() / "Pressure.JPEG", "jpg");
  Item K;
  std::wstring Jpeg = Dir.file(L"Pressure.JPEG");
  K.SetResultImagePath(Jpeg.c_str());
  EXPECT_EQ(K.HasResultImage(), 1);
  EXPECT_EQ(K.GetResultImagePath(), Jpeg);
}
