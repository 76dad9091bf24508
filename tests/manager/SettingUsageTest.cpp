// SettingUsageTest.cpp - fallback switches
// judged through the first item with the same id, the melt-front binding, and
// the resolution of item views against the view library. The usage checks on
// filled documents are compared with plain scans in ItemIndexTest.cpp.
#include "zrvreport/ZRVReportItemManager.h"

#include "ManagerTestUtil.h"

using namespace mtest;

namespace {

// An item whose clipping, slicing, object, capture and single view names are
// all \p Name.
Item itemNamed(int ItemID, ZRV_RESULT_MODULES Module, const wchar_t* Name) {
  Item Result = makeItem(ItemID, Module);
  Result.SetClippingName(Name);
  Result.SetSlicingName(Name);
  Result.SetObjectName(Name);
  Result.SetCaptureName(Name);
  Result.SetViewName(Name);
  return Result;
}

Item::tagVIEWSETTING view(double AngleX, const wchar_t* Name) { return {AngleX, 0, 0, 1, Name}; }

// The name and AngleX of each of the item's view records.
using Records = std::vector<std::pair<std::wstring, double>>;
Records viewRecords(const Item& I) {
  Records Result;
  for (const Item::tagVIEWSETTING& View : I.GetViewRecordList())
    Result.emplace_back(View.Name, View.AngleX);
  return Result;
}

} // namespace

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
  for (int I = 0; I < 4; ++I) {
    const Item Got = itemAt(M, I);
    const std::wstring Switched = I < 3 ? L"Default" : L"B";
    EXPECT_EQ((Names{Got.GetClippingName(), Got.GetSlicingName(), Got.GetCaptureName()}),
              (Names{Switched, Switched, Switched}))
        << I;
    EXPECT_EQ(Got.GetObjectName(), I < 3 ? L"Fallback" : L"B") << I;
    // No "Default" clipping: default values.
    EXPECT_EQ(
        std::make_tuple(Got.HasClippingSetting(), Got.GetClippingRangeX(), Got.GetParameterZ()),
        std::make_tuple(I < 3 ? 1 : 0, 50.0, I < 3 ? 1 : 0))
        << I;
  }
  EXPECT_EQ(std::make_pair(M.CheckClippingUsed(L"A"), M.CheckClippingUsed(L"Default")),
            std::make_pair(0, 1));

  // The melt-front capture falls back on the extended item.
  M = Manager();
  M.AddItemEx(ItemEx());
  M.SetMeltSettingByIndex(L"m", 0, 40.0);
  M.SetMeltSettingByIndex(L"Default", 0, 60.0);
  M.SetItemMelt(0, L"m");
  EXPECT_EQ(M.CheckMeltUsed(L"m") - M.CheckMeltUsed(L""), 1);
  M.ChangeMeltToDefault(L"other");
  EXPECT_EQ(itemExAt(M, 0).MeltName, L"m");
  M.ChangeMeltToDefault(L"m");
  EXPECT_EQ(std::make_pair(itemExAt(M, 0).MeltName, itemExAt(M, 0).MeltCapture.Percentage[0]),
            std::make_pair(std::wstring(L"Default"), 60.0));
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
  EXPECT_EQ(std::make_tuple(Got.GetViewName(), Got.GetViewX(), Got.GetViewNameList()),
            std::make_tuple(std::wstring(L"Top"), 33.0, Names{L"Front"}));
  EXPECT_EQ(viewRecords(Got), (Records{{L"Front", 10.0}}));
  EXPECT_EQ(itemAt(M, 1).GetViewName(), L"Side");
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
  for (const wchar_t* Name : {L"B", L"", L"X", L"D"})
    Several.SetManyViewName(Name);
  M.AddItem(Several);

  M.SetViewMapByProject();
  EXPECT_EQ(options(M, &Manager::GetViewOption), (Names{L"B", L"D"})); // afresh in key order
  // The single view: kept when its name is not in the library, resolved
  // when it is; beside several views it is not resolved ("X" is not in the
  // library).
  auto single = [&](int I) {
    return std::make_tuple(itemAt(M, I).GetViewName(), itemAt(M, I).GetViewX(),
                           itemAt(M, I).GetViewScale());
  };
  EXPECT_EQ(single(0), std::make_tuple(std::wstring(), 7.0, 2.0));
  EXPECT_EQ(single(1), std::make_tuple(std::wstring(L"D"), 4.0, 1.0));
  EXPECT_EQ(single(2), std::make_tuple(std::wstring(), 90.0, 1.0));
  EXPECT_EQ(M.HasViewSetting(1), 1);
  EXPECT_EQ(viewRecords(itemAt(M, 2)), (Records{{L"B", 3.0}, {L"D", 4.0}}));

  M.SetViewMapByProject();
  EXPECT_EQ(itemAt(M, 2).GetViewRecordList().size(), 4u);
}

TEST(SettingUsage, SetAllManyViewDataAppendsOneRecordPerName) {
  Manager M;
  M.SetViewSetting(L"Top", view(12.0, L"Top"));
  M.SetViewSetting(L"Alias", view(5.0, L"Side")); // a record named otherwise than its key
  Item Several = itemNamed(1, ZRV_MODULE_FLOW, L"");
  Several.SetManyViewName(L"Missing");
  Several.SetManyViewName(L"Top");
  Several.SetManyViewName(L"Alias");
  M.AddItem(Several);
  M.AddItem(itemNamed(2, ZRV_MODULE_FLOW, L"Top"));
  // The same names with the same records before get the same records after;
  // with other records before, those stay first.
  for (const bool HasRecord : {false, true, false}) {
    Item Same = itemNamed(3, ZRV_MODULE_FLOW, L"");
    Same.SetManyViewName(L"Top");
    Same.SetManyViewName(L"Alias");
    if (HasRecord)
      Same.SetManyView(view(1.0, L"Before"));
    M.AddItem(Same);
  }
  M.SetAllManyViewData();
  EXPECT_EQ(viewRecords(itemAt(M, 0)), (Records{{L"", 90.0}, {L"Top", 12.0}, {L"Side", 5.0}}));
  EXPECT_TRUE(itemAt(M, 1).GetViewRecordList().empty());
  const Records Appended{{L"Top", 12.0}, {L"Side", 5.0}};
  EXPECT_EQ(viewRecords(itemAt(M, 2)), Appended);
  EXPECT_EQ(viewRecords(itemAt(M, 3)), (Records{{L"Before", 1.0}, {L"Top", 12.0}, {L"Side", 5.0}}));
  EXPECT_EQ(viewRecords(itemAt(M, 4)), Appended);
  EXPECT_EQ(M.HasViewSetting(0), 1);

  Item::tagVIEWSETTING Out;
  double X = 0.0, Y = 0.0, Z = 0.0, S = 0.0;
  EXPECT_EQ(M.GetViewByIndex(Id(1), 1, Out) + M.GetViewDataByName(Id(1), L"TOP", X, Y, Z, S), 2);
  EXPECT_EQ(std::make_pair(Out.AngleX, X), std::make_pair(12.0, 12.0));
  EXPECT_EQ(M.GetViewDataByName(Id(7), L"TOP", X, Y, Z, S), 0); // no item of the id
  // An index outside the records gives 1 and leaves the record alone; no item gives 0.
  EXPECT_EQ(M.GetViewByIndex(Id(1), 99, Out) * 10 + M.GetViewByIndex(Id(7), 0, Out), 10);
  EXPECT_EQ(Out.AngleX, 12.0);

  M.SetAllManyViewData();
  EXPECT_EQ(itemAt(M, 0).GetViewRecordList().size(), 6u);
}
