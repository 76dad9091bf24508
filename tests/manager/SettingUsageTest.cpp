// SettingUsageTest.cpp - usage checks and fallback switches judged through the
// first item with the same id, the melt-front binding, and the resolution of
// item views against the view library.
#include "zrvreport/ZRVReportItemManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Item = CZRVReportItem;
using Manager = CZRVReportItemManager;

namespace {

constexpr auto Id(int Value) { return static_cast<ZRV_RESULT_ITEMS>(Value); }

// An item whose clipping, slicing, object, capture and single view names are
// all \p Name.
Item itemNamed(int ItemID, ZRV_RESULT_MODULES Module, const wchar_t* Name) {
  Item Result;
  Result.SetItemID(Id(ItemID));
  Result.SetModuleID(Module);
  Result.SetClippingName(Name);
  Result.SetSlicingName(Name);
  Result.SetObjectName(Name);
  Result.SetCaptureName(Name);
  Result.SetViewName(Name);
  return Result;
}

Item itemAt(const Manager& M, int Index) {
  Item Result;
  EXPECT_EQ(M.GetItem(Index, Result), 1);
  return Result;
}

Item::tagVIEWSETTING view(double AngleX, const wchar_t* Name) {
  Item::tagVIEWSETTING View;
  View.AngleX = AngleX;
  View.Name = Name;
  return View;
}

using Check = int (Manager::*)(const wchar_t*) const;
const Check ItemChecks[] = {&Manager::CheckClippingUsed, &Manager::CheckSlicingUsed,
                            &Manager::CheckObjectUsed, &Manager::CheckCaptureUsed,
                            &Manager::CheckViewUsed};

} // namespace

TEST(SettingUsage, EmptyDocument) {
  Manager M;
  for (Check C : ItemChecks) {
    EXPECT_EQ((M.*C)(L""), 0);
    EXPECT_EQ((M.*C)(L"Default"), 0);
  }
  EXPECT_EQ(M.CheckMeltUsed(L""), 1);
  EXPECT_EQ(M.CheckMeltUsed(nullptr), 1);
  EXPECT_EQ(M.CheckMeltUsed(L"m"), 0);
  M.ChangeClippingToDefault(L"");
  M.ChangeViewToDefault(L"", L"x");
  M.ChangeMeltToDefault(L"");
  EXPECT_EQ(M.GetItemCount() + M.GetItemExCount() + M.GetClippingOptionCount(), 0);
}

TEST(SettingUsage, ChecksJudgeEachItemByTheFirstItemWithItsId) {
  Manager M;
  M.AddItem(itemNamed(1, ZRV_MODULE_FLOW, L"A"));
  M.AddItem(itemNamed(1, ZRV_MODULE_PACK, L"B")); // judged by the first: "A"
  M.AddItem(itemNamed(2, ZRV_MODULE_FLOW, L"C"));
  for (Check C : ItemChecks) {
    EXPECT_EQ((M.*C)(L"A"), 1);
    EXPECT_EQ((M.*C)(L"B"), 0);
    EXPECT_EQ((M.*C)(L"C"), 1);
    EXPECT_EQ((M.*C)(L"c"), 0);
  }
}

TEST(SettingUsage, ViewCheckAlsoWalksEachItemsOwnViewNamesIgnoringCase) {
  Manager M;
  M.AddItem(itemNamed(1, ZRV_MODULE_FLOW, L"Front"));
  Item Second = itemNamed(1, ZRV_MODULE_PACK, L"Back");
  Second.SetManyViewName(L"Iso_View");
  M.AddItem(Second);
  EXPECT_EQ(M.CheckViewUsed(L"iso_view"), 1);
  EXPECT_EQ(M.CheckViewUsed(L"ISO_VIEW"), 1);
  EXPECT_EQ(M.CheckViewUsed(L"front"), 0);
  EXPECT_EQ(M.CheckViewUsed(L"Front"), 1);
  EXPECT_EQ(M.CheckViewUsed(L"Back"), 0);
}

TEST(SettingUsage, SwitchesToDefaultGoThroughTheItemAssignment) {
  Manager M;
  M.AddItem(itemNamed(1, ZRV_MODULE_FLOW, L"A"));
  M.AddItem(itemNamed(1, ZRV_MODULE_PACK, L"B")); // switched with the first
  M.AddItem(itemNamed(2, ZRV_MODULE_FLOW, L"A"));
  M.AddItem(itemNamed(3, ZRV_MODULE_FLOW, L"B"));
  Item::tagSLICESETTING DefaultSlice;
  DefaultSlice.SliceZ = 1;
  M.SetSlicingSetting(L"Default", DefaultSlice);

  M.ChangeClippingToDefault(L"A");
  M.ChangeSlicingToDefault(L"A");
  M.ChangeCaptureToDefault(L"A");
  M.ChangeObjectToDefault(L"A", L"Fallback");
  const wchar_t* Expected[] = {L"Default", L"Default", L"Default", L"B"};
  const wchar_t* ExpectedObject[] = {L"Fallback", L"Fallback", L"Fallback", L"B"};
  for (int I = 0; I < 4; ++I) {
    const Item Got = itemAt(M, I);
    EXPECT_EQ(Got.GetClippingName(), Expected[I]) << I;
    EXPECT_EQ(Got.GetSlicingName(), Expected[I]) << I;
    EXPECT_EQ(Got.GetCaptureName(), Expected[I]) << I;
    EXPECT_EQ(Got.GetObjectName(), ExpectedObject[I]) << I;
    EXPECT_EQ(Got.HasClippingSetting(), I < 3 ? 1 : 0) << I;
    EXPECT_EQ(Got.GetClippingRangeX(), 50.0) << I; // no "Default" clipping: default values
    EXPECT_EQ(Got.GetParameterZ(), I < 3 ? 1 : 0) << I;
  }
  EXPECT_EQ(M.CheckClippingUsed(L"A"), 0);
  EXPECT_EQ(M.CheckClippingUsed(L"Default"), 1);
}

TEST(SettingUsage, ViewSwitchLeavesSeveralViewsAlone) {
  Manager M;
  Item First = itemNamed(1, ZRV_MODULE_FLOW, L"Front");
  First.SetManyViewName(L"Front");
  First.SetManyView(view(10.0, L"Front"));
  M.AddItem(First);
  M.AddItem(itemNamed(2, ZRV_MODULE_FLOW, L"Side"));
  M.SetViewSetting(L"Top", view(33.0, L"Top"));
  M.ChangeViewToDefault(L"Front", L"Top");
  const Item Got = itemAt(M, 0);
  EXPECT_EQ(Got.GetViewName(), L"Top");
  EXPECT_EQ(Got.GetViewX(), 33.0);
  EXPECT_EQ(Got.GetViewNameList(), std::vector<std::wstring>{L"Front"});
  ASSERT_EQ(Got.GetViewRecordList().size(), 1u);
  EXPECT_EQ(Got.GetViewRecordList()[0].AngleX, 10.0);
  EXPECT_EQ(itemAt(M, 1).GetViewName(), L"Side");
}

TEST(SettingUsage, MeltFrontFallback) {
  Manager M;
  M.AddItemEx(CZRVReportItemEx());
  M.SetMeltSettingByIndex(L"m", 0, 40.0);
  M.SetMeltSettingByIndex(L"Default", 0, 60.0);
  M.SetItemMelt(0, L"m");
  EXPECT_EQ(M.CheckMeltUsed(L"m"), 1);
  EXPECT_EQ(M.CheckMeltUsed(L""), 0);
  M.ChangeMeltToDefault(L"other");
  CZRVReportItemEx Melt;
  M.GetItemEx(0, Melt);
  EXPECT_EQ(Melt.MeltName, L"m");
  M.ChangeMeltToDefault(L"m");
  M.GetItemEx(0, Melt);
  EXPECT_EQ(Melt.MeltName, L"Default");
  EXPECT_EQ(Melt.MeltCapture.Percentage[0], 60.0);
}

TEST(SettingUsage, SetViewMapByProjectResolvesAndAppends) {
  Manager M;
  M.SetViewSetting(L"B", view(2.0, L"B"));
  M.SetViewSetting(L"D", view(4.0, L"D"));
  M.SetViewSetting(L"B", view(3.0, L"B"));

  Item Missing = itemNamed(1, ZRV_MODULE_FLOW, L"Gone");
  Missing.SetViewSetting(7.0, 8.0, 9.0, 2.0);
  M.AddItem(Missing);
  M.AddItem(itemNamed(2, ZRV_MODULE_FLOW, L"D"));
  Item Several = itemNamed(3, ZRV_MODULE_FLOW, L"D");
  Several.SetManyViewName(L"B");
  Several.SetManyViewName(L"");
  Several.SetManyViewName(L"X");
  Several.SetManyViewName(L"D");
  M.AddItem(Several);

  M.SetViewMapByProject();
  wchar_t Buf[256];
  ASSERT_EQ(M.GetViewOption(0, Buf), 1);
  EXPECT_STREQ(Buf, L"B"); // listed afresh in key order
  ASSERT_EQ(M.GetViewOption(1, Buf), 1);
  EXPECT_STREQ(Buf, L"D");

  Item Got = itemAt(M, 0);
  EXPECT_EQ(Got.GetViewName(), L"");
  EXPECT_EQ(Got.GetViewX(), 7.0);
  EXPECT_EQ(Got.GetViewScale(), 2.0);
  Got = itemAt(M, 1);
  EXPECT_EQ(Got.GetViewName(), L"D");
  EXPECT_EQ(Got.GetViewX(), 4.0);
  EXPECT_EQ(M.HasViewSetting(1), 1);
  Got = itemAt(M, 2);
  EXPECT_EQ(Got.GetViewName(), L""); // "X" is not in the library
  EXPECT_EQ(Got.GetViewX(), 90.0);   // the single view is not resolved here
  ASSERT_EQ(Got.GetViewRecordList().size(), 2u);
  EXPECT_EQ(Got.GetViewRecordList()[0].Name, L"B");
  EXPECT_EQ(Got.GetViewRecordList()[0].AngleX, 3.0);
  EXPECT_EQ(Got.GetViewRecordList()[1].Name, L"D");

  M.SetViewMapByProject();
  EXPECT_EQ(itemAt(M, 2).GetViewRecordList().size(), 4u);
}

TEST(SettingUsage, SetAllManyViewDataAppendsOneRecordPerName) {
  Manager M;
  M.SetViewSetting(L"Top", view(12.0, L"Top"));
  Item Several = itemNamed(1, ZRV_MODULE_FLOW, L"");
  Several.SetManyViewName(L"Missing");
  Several.SetManyViewName(L"Top");
  M.AddItem(Several);
  M.AddItem(itemNamed(2, ZRV_MODULE_FLOW, L"Top"));
  M.SetAllManyViewData();
  Item Got = itemAt(M, 0);
  ASSERT_EQ(Got.GetViewRecordList().size(), 2u);
  EXPECT_EQ(Got.GetViewRecordList()[0].Name, L"");
  EXPECT_EQ(Got.GetViewRecordList()[0].AngleX, 90.0);
  EXPECT_EQ(Got.GetViewRecordList()[1].Name, L"Top");
  EXPECT_EQ(Got.GetViewRecordList()[1].AngleX, 12.0);
  EXPECT_TRUE(itemAt(M, 1).GetViewRecordList().empty());
  EXPECT_EQ(M.HasViewSetting(0), 1);

  Item::tagVIEWSETTING Out;
  EXPECT_EQ(M.GetViewByIndex(Id(1), 1, Out), 1);
  EXPECT_EQ(Out.AngleX, 12.0);
  double X = 0.0, Y = 0.0, Z = 0.0, S = 0.0;
  EXPECT_EQ(M.GetViewDataByName(Id(1), L"TOP", X, Y, Z, S), 1);
  EXPECT_EQ(X, 12.0);

  M.SetAllManyViewData();
  EXPECT_EQ(itemAt(M, 0).GetViewRecordList().size(), 4u);
}
