// SettingLibrariesTest.cpp - the clipping, slicing, view, object and capture
// libraries: option-list order, hand-over rules per kind, assignment to items,
// deletes that reset items through the first item with the same id, and the
// view and project object extras.
#include "zrvreport/ZRVReportItemManager.h"

#include "ManagerTestUtil.h"

using namespace mtest;

namespace {

Item::tagCLIPSETTING clip(double RangeX) {
  Item::tagCLIPSETTING Clip;
  Clip.RangeX = RangeX;
  return Clip;
}

Item itemWithClipping(int ItemID, ZRV_RESULT_MODULES Module, const wchar_t* Clipping) {
  Item Result = makeItem(ItemID, Module);
  Result.SetClippingName(Clipping);
  Result.SetObjectName(Clipping);
  Result.SetClippingSetting(clip(11.0));
  return Result;
}

} // namespace

// The order of the option lists under stores and deletes is compared with a
// plain model in ItemIndexTest.cpp.
TEST(SettingLibraries, HandOverRulesPerKind) {
  const Names Sorted{L"A", L"D", L"b"};
  const Names SortedWithEmpty{L"", L"A", L"D", L"b"};
  Manager M;
  M.SetClippingSetting(L"old", {});
  M.SetClippingMap(ZRVClipMap{{L"b", {}}, {L"A", {}}, {L"D", {}}, {L"", {}}});
  M.SetSlicingMap(ZRVSliceMap{{L"b", {}}, {L"A", {}}, {L"D", {}}, {L"", {}}});
  M.SetViewMap(ZRVViewMap{{L"b", {}}, {L"A", {}}, {L"D", {}}, {L"", {}}});
  M.SetObjectMap(ZRVObjectMap{{L"b", {}}, {L"A", {}}, {L"D", {}}, {L"", {}}});
  M.SetCaptureMap(ZRVCaptureMap{{L"b", {}}, {L"A", {}}, {L"D", {}}, {L"", {}}});

  EXPECT_EQ(options(M, &Manager::GetClippingOption), Sorted);
  EXPECT_EQ(options(M, &Manager::GetSlicingOption), SortedWithEmpty);
  EXPECT_EQ(options(M, &Manager::GetViewOption), Sorted);
  EXPECT_EQ(options(M, &Manager::GetObjectOption), Sorted);
  EXPECT_EQ(options(M, &Manager::GetCaptureOption), SortedWithEmpty);
  EXPECT_EQ((std::vector<int>{M.GetClippingOptionCount(), M.GetSlicingOptionCount(),
                              M.GetViewOptionCount(), M.GetObjectOptionCount(),
                              M.GetCaptureOptionCount()}),
            (std::vector<int>{4, 4, 4, 3, 4}));
  // Count minus one, past the option list.
  EXPECT_EQ(got(M, &Manager::GetClippingOption, 3), Answer(0, L"untouched"));
  EXPECT_EQ(M.GetClippingSetting(L"old").RangeX, 50.0);
  EXPECT_EQ(M.DeleteClippingSetting(L"old"), 0);
}

TEST(SettingLibraries, AssigningToItems) {
  Manager M;
  M.AddItem(Item());
  Item::tagCLIPSETTING Known = clip(20.0);
  Known.Name = L"known";
  M.SetClippingSetting(L"known", Known);
  auto clipping = [&](int Index) {
    return std::make_tuple(itemAt(M, Index).GetClippingName(), itemAt(M, Index).GetClippingRangeX(),
                           M.HasClippingSetting(Index));
  };
  EXPECT_EQ(M.HasClippingSetting(0), 0);
  EXPECT_EQ(M.SetItemClipping(0, L"unknown"), 1); // an unknown name: the default record
  EXPECT_EQ(clipping(0), std::make_tuple(std::wstring(L"unknown"), 50.0, 1));
  EXPECT_EQ(M.SetItemClipping(0, L"known"), 1);
  EXPECT_EQ(clipping(0), std::make_tuple(std::wstring(L"known"), 20.0, 1));
  // A changed record reaches the item only when assigned again.
  M.SetClippingSetting(L"known", clip(30.0));
  EXPECT_EQ(itemAt(M, 0).GetClippingRangeX(), 20.0);
  EXPECT_EQ(M.SetItemClipping(1, L"known") + M.HasClippingSetting(1), 0);

  M.SetSlicingSetting(L"s", {0, 1, 0, 50, 50, 50, L""});
  EXPECT_EQ(M.SetItemSlicing(0, L"s"), 1);
  EXPECT_EQ(M.GetItemParameterY(0) + M.HasSlicingSetting(0), 2);

  M.SetCaptureSetting(L"flat", {0, 10, 0, 0, L""});
  M.SetCaptureSetting(L"box", {0, 10, 5, 0, L""});
  EXPECT_EQ(M.SetItemCapture(0, L"flat") + M.HasCaptureSetting(0), 1); // no height: no capture
  EXPECT_EQ(M.SetItemCapture(0, L"box") + M.HasCaptureSetting(0), 2);
  EXPECT_EQ(M.SetItemCapture(-1, L"box"), 0);

  EXPECT_EQ(got(M, &Manager::GetCaptureName, Id(0)), Answer(1, L"box"));
  EXPECT_EQ(got(M, &Manager::GetSlicingName, Id(0)), Answer(1, L"s"));
  EXPECT_EQ(got(M, &Manager::GetClippingNameByIndex, 0), Answer(1, L"known"));
  EXPECT_EQ(got(M, &Manager::GetClippingName, Id(5)).first, 0);
  EXPECT_EQ(got(M, &Manager::GetObjectNameByIndex, 1), Answer(0, L"untouched"));
}

TEST(SettingLibraries, ClippingAndObjectDeletesResetUsersJudgedByFirstItemWithIdOthersDoNot) {
  for (bool Object : {false, true}) {
    Manager M;
    M.AddItem(itemWithClipping(1, ZRV_MODULE_FLOW, L"C"));
    M.AddItem(itemWithClipping(2, ZRV_MODULE_FLOW, L"C"));
    M.AddItem(itemWithClipping(1, ZRV_MODULE_PACK, L"other")); // judged by item 0
    M.AddItem(itemWithClipping(3, ZRV_MODULE_FLOW, L"other"));
    M.AddItem(itemWithClipping(4, ZRV_MODULE_FLOW, L"X"));
    M.AddItem(itemWithClipping(4, ZRV_MODULE_PACK, L"C")); // judged by item 4
    if (Object) {
      M.SetObjectSetting(L"C", {});
      EXPECT_EQ(M.DeleteObjectSetting(L"C"), 1);
      EXPECT_EQ(M.DeleteObjectSetting(L"C"), 0);
    } else {
      M.SetClippingSetting(L"C", clip(70.0));
      EXPECT_EQ(M.DeleteClippingSetting(L"C"), 1);
      EXPECT_EQ(M.DeleteClippingSetting(L"C"), 0);
    }
    const wchar_t* Expected[] = {L"", L"", L"", L"other", L"X", L"C"};
    for (int I = 0; I < 6; ++I) {
      const Item Got = itemAt(M, I);
      EXPECT_EQ(Object ? Got.GetObjectName() : Got.GetClippingName(), Expected[I]) << I;
      if (!Object)
        EXPECT_EQ(Got.GetClippingRangeX(), Expected[I][0] ? 11.0 : 50.0) << I;
      else
        EXPECT_EQ(Got.HasObjectSetting(), Expected[I][0] ? 0 : 1) << I;
    }
  }

  // Other deletes leave the items alone.
  Manager M;
  M.AddItem(Item());
  Item::tagVIEWSETTING View;
  View.AngleY = 45.0;
  M.SetViewSetting(L"v", View);
  M.SetSlicingSetting(L"v", {});
  M.SetCaptureSetting(L"v", {});
  M.SetItemView(0, L"v");
  M.SetItemSlicing(0, L"v");
  M.SetItemCapture(0, L"v");
  EXPECT_EQ(M.DeleteViewSetting(L"v") + M.DeleteSlicingSetting(L"v") + M.DeleteCaptureSetting(L"v"),
            3);
  EXPECT_EQ(M.DeleteViewSetting(L"v") + M.DeleteSlicingSetting(L"v") + M.DeleteCaptureSetting(L"v"),
            0);
  EXPECT_EQ(M.GetViewOptionCount() + M.GetSlicingOptionCount() + M.GetCaptureOptionCount(), 0);
  const Item Got = itemAt(M, 0);
  EXPECT_EQ((Names{Got.GetViewName(), Got.GetSlicingName(), Got.GetCaptureName()}),
            (Names{L"v", L"v", L"v"}));
  EXPECT_EQ(Got.GetViewY(), 45.0);
}

TEST(SettingLibraries, ViewOperations) {
  Manager M;
  M.SetViewSettingByProjectAngle(L"Iso View", 1.5f, 2.0f, 3.0f, 0.5f);
  EXPECT_EQ(options(M, &Manager::GetViewOption), Names{L"Iso_View"});
  const Item::tagVIEWSETTING Iso = M.GetViewSetting(L"Iso_View");
  EXPECT_EQ(std::make_pair(Iso.AngleX, Iso.Scale), std::make_pair(1.5, 0.5));
  EXPECT_EQ(Iso.Name, L"Iso_View");
  EXPECT_EQ(M.GetViewSetting(L"Iso View").AngleX, 90.0);

  M.AddItem(makeItem(5, ZRV_MODULE_FLOW));
  Item Second = makeItem(5, ZRV_MODULE_PACK);
  Second.SetManyViewName(L"only");
  M.AddItem(Second);
  EXPECT_EQ(M.HasViewSetting(0), 0);
  EXPECT_EQ(M.SetItemView(0, L"Iso_View") + M.HasViewSetting(0), 2);
  EXPECT_EQ(got(M, &Manager::GetOneViewNameByIndex, 0), Answer(1, L"Iso_View"));
  EXPECT_EQ(got(M, &Manager::GetViewName, Id(5)), Answer(1, L"Iso_View"));

  EXPECT_EQ(M.SetItemManyView(Id(5), L"Front") + M.SetItemManyView(Id(5), L"Top"), 2);
  EXPECT_EQ(M.SetItemManyView(Id(6), L"Top"), 0);
  EXPECT_EQ(M.GetViewCount(Id(5), ZRV_MODULE_FLOW), 2);
  EXPECT_EQ(M.GetViewCount(Id(5), ZRV_MODULE_PACK), 1);
  EXPECT_EQ(M.GetViewCount(Id(5), ZRV_MODULE_COOL), 0);
  EXPECT_EQ(got(M, &Manager::GetViewNameByIndex, Id(5), 1), Answer(1, L"Top"));
  EXPECT_EQ(got(M, &Manager::GetViewNameByIndex, Id(5), 7), Answer(1, L""));
  EXPECT_EQ(got(M, &Manager::GetViewNameByIndex, Id(6), 0).first, 0);

  EXPECT_EQ(M.DeleteItemView(Id(5), L"Front") + M.DeleteItemView(Id(6), L"Front"), 1);
  EXPECT_EQ(M.GetViewCount(Id(5), ZRV_MODULE_FLOW), 1);
  EXPECT_EQ(got(M, &Manager::GetViewNameByIndex, Id(5), 0), Answer(1, L"Top"));
}

TEST(SettingLibraries, ProjectObjectSettingTakesFlagsInPartFirstOrder) {
  using Object = Item::tagOBJECTSETTING;
  const int Object::*Flags[] = {&Object::ShowPart,         &Object::ShowPartInsert,
                                &Object::ShowRunner,       &Object::ShowCoolChannel,
                                &Object::ShowMoldbase,     &Object::ShowMoldInsert,
                                &Object::ShowMeltEntrance, &Object::ShowCoolantEntrance,
                                &Object::ShowHeatingRod,   &Object::ShowHotRunnerMetal};
  Manager M;
  const Object Start = M.GetProjectObjectSetting();
  for (const int Object::*Flag : Flags)
    EXPECT_EQ(Start.*Flag, 0);
  EXPECT_EQ(Start.Name, L"");
  M.SetObjectSettingByProjectObject(L"Project", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
  for (const Object& P : {M.GetProjectObjectSetting(), M.GetObjectSetting(L"Project")}) {
    EXPECT_EQ(P.Name, L"Project");
    for (int I = 0; I < 10; ++I)
      EXPECT_EQ(P.*Flags[I], I + 1) << I;
  }
  EXPECT_EQ(options(M, &Manager::GetObjectOption), Names{L"Project"});

  M.AddItem(Item());
  EXPECT_EQ(M.SetItemObject(0, L"Project") + M.HasObjectSetting(0), 2);
  EXPECT_EQ(itemAt(M, 0).IsShowPartInsert(), 0); // flag 2 is not "on"
  EXPECT_EQ(itemAt(M, 0).GetObjectRecord().ShowHeatingRod, 9);
}

TEST(SettingLibraries, RemoveAllItemEmptiesOptionListsButKeepsRecords) {
  Manager M;
  M.SetClippingSetting(L"c", clip(5.0));
  M.SetSlicingSetting(L"s", {});
  M.SetViewSetting(L"v", {});
  M.SetObjectSetting(L"o", {});
  M.SetCaptureSetting(L"f", {});
  M.SetObjectSettingByProjectObject(L"p", 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
  Manager Copy(M);
  M.RemoveAllItem();
  for (auto Get : {&Manager::GetClippingOption, &Manager::GetSlicingOption, &Manager::GetViewOption,
                   &Manager::GetObjectOption, &Manager::GetCaptureOption})
    EXPECT_TRUE(options(M, Get).empty());
  // Counts of entries still see the kept records; counts of options do not.
  EXPECT_EQ(M.GetClippingOptionCount(), 1);
  EXPECT_EQ(M.GetObjectOptionCount(), 0);
  EXPECT_EQ(M.GetClippingSetting(L"c").RangeX, 5.0);
  EXPECT_EQ(M.GetProjectObjectSetting().Name, L"p");
  // The copy made before keeps its lists.
  EXPECT_EQ(options(Copy, &Manager::GetObjectOption), (Names{L"o", L"p"}));
  EXPECT_EQ(Copy.GetProjectObjectSetting().ShowPart, 1);
}

TEST(SettingLibraries, RecordsKeepTheirOwnNamesAndOrderThroughDeletes) {
  Manager M;
  // A record's own name is given back as stored, whether it is the key,
  // another name or empty.
  Item::tagCLIPSETTING Other = clip(7.0);
  Other.Name = L"other";
  M.SetClippingSetting(L"c", Other);
  Item::tagCLIPSETTING Same = clip(8.0);
  Same.Name = L"same";
  M.SetClippingSetting(L"same", Same);
  M.SetClippingSetting(L"empty", clip(9.0));
  EXPECT_EQ(M.GetClippingSetting(L"c").Name, L"other");
  EXPECT_EQ(M.GetClippingSetting(L"same").Name, L"same");
  EXPECT_EQ(M.GetClippingSetting(L"empty").Name, L"");
  // Many deletes squeeze the library; the records left keep name and values.
  for (int I = 0; I < 100; ++I)
    M.SetClippingSetting((L"n" + std::to_wstring(I)).c_str(), clip(I));
  Item::tagCLIPSETTING Renamed = clip(97.0);
  Renamed.Name = L"renamed";
  M.SetClippingSetting(L"n97", Renamed); // its own name moves with it in the squeeze
  for (int I = 0; I < 100; I += 1 + (I % 3 == 0 ? 1 : 0))
    M.DeleteClippingSetting((L"n" + std::to_wstring(I)).c_str());
  EXPECT_EQ(M.GetClippingSetting(L"n97").RangeX, 97.0);
  EXPECT_EQ(M.GetClippingSetting(L"n1").RangeX, 1.0);
  EXPECT_EQ(M.GetClippingSetting(L"n2").RangeX, 50.0);
  EXPECT_EQ(M.GetClippingSetting(L"c").Name, L"other");
  EXPECT_EQ(M.GetClippingSetting(L"n97").Name, L"renamed");
  EXPECT_EQ(M.GetClippingSetting(L"n94").Name, L"");
  EXPECT_EQ(options(M, &Manager::GetClippingOption).front(), L"c");
  Same.Name = L"c"; // stored again under its own name
  M.SetClippingSetting(L"c", Same);
  EXPECT_EQ(M.GetClippingSetting(L"c").Name, L"c");
  EXPECT_EQ(M.GetClippingSetting(L"c").RangeX, 8.0);
  // A hand-over lists names in the order of UTF-16 code units: a character
  // above U+FFFF before U+E000 to U+FFFF.
  const Names InUtf16Order{L"a", L"\u00E9", L"\U00010000", L"\U0010FFFF", L"\uE000", L"\uFFFF"};
  ZRVViewMap Views;
  for (auto Name = InUtf16Order.rbegin(); Name != InUtf16Order.rend(); ++Name)
    Views[*Name] = {};
  M.SetViewMap(Views);
  EXPECT_EQ(options(M, &Manager::GetViewOption), InUtf16Order);

  // Names no UTF-8 text holds (a lone surrogate, with a 32-bit wchar_t a
  // value above U+10FFFF) are kept apart from U+FFFD and from each other,
  // come back unchanged and are listed in the same order.
  const auto Wide = zrvtest::wideOf;
  Names Odd{L"\uFFFD",           Wide({0xD800}), Wide({0xD800, 0xE000}),
            Wide({0xD800, 'a'}), Wide({0xDC00}), L"\U00010000x",
            L"\uE000",           L"b\uFFFD"};
  if (sizeof(wchar_t) == 4)
    for (std::uint32_t Above : {0x110000u, 0xFFFFFFFFu})
      Odd.push_back(Wide({'b', Above}));
  ZRVViewMap OddViews;
  for (std::size_t I = 0; I < Odd.size(); ++I)
    OddViews[Odd[I]].AngleX = static_cast<double>(I);
  M.SetViewMap(OddViews);
  std::sort(Odd.begin(), Odd.end(), ZRVNameLess());
  EXPECT_EQ(options(M, &Manager::GetViewOption), Odd);
  for (const auto& [Name, View] : OddViews)
    EXPECT_EQ(M.GetViewSetting(Name.c_str()).AngleX, View.AngleX);
}
