// ManagerCoreTest.cpp - the settings document's fields, items, extended items
// and modules: first-match-by-id rules, the item line getter and
// RemoveAllItem's reach. Lookups by id, module and name are compared with
// plain scans in ItemIndexTest.cpp.
#include "zrvreport/ZRVReportItemManager.h"

#include "ManagerTestUtil.h"

using namespace mtest;

namespace {

using TextSetter = void (Manager::*)(const wchar_t*);
using TextGetter = void (Manager::*)(wchar_t*) const;

// The info fields that RemoveAllItem empties.
const std::pair<TextSetter, TextGetter> InfoFields[] = {
    {&Manager::SetCompanyName, &Manager::GetCompanyName},
    {&Manager::SetComanyWebSite, &Manager::GetComanyWebSite},
    {&Manager::SetLogoPath, &Manager::GetLogoPath},
    {&Manager::SetAuthorName, &Manager::GetAuthorName},
    {&Manager::SetAuthorEMail, &Manager::GetAuthorEMail},
    {&Manager::SetTemplateName, &Manager::GetTemplateName},
    {&Manager::SetSummary, &Manager::GetSummary}};

} // namespace

TEST(ManagerCore, OperationsByIdAndModuleActOnTheFirstMatchOnly) {
  // Lookups, replacement, renaming and removal by id (and module) are
  // compared with plain scans in ItemIndexTest.cpp; here the members that
  // scan leaves out.
  Manager M;
  M.AddItem(makeItem(7, ZRV_MODULE_FLOW, L"first"));
  M.AddItem(makeItem(7, ZRV_MODULE_PACK, L"second"));
  EXPECT_EQ(M.SetItemOutput(Id(7), Item::ZRV_OUTPUT_OFF), 1);
  EXPECT_EQ(M.IsItemOutput(Id(7)), 0);
  EXPECT_EQ(M.IsItemOutput(1), 1);
  Item Got;
  ASSERT_EQ(M.GetItem(Id(7), Got), 1);
  EXPECT_EQ(Got.GetItemName(), L"first");
  EXPECT_EQ(M.SetItem(Id(99), Got) + M.GetItem(Id(99), Got), 0);

  EXPECT_EQ(M.SetItemOutput(7, ZRV_MODULE_PACK, 9), 1); // out of set: off
  EXPECT_EQ(M.GetItemOutput(1), 0);
  EXPECT_EQ(M.SetItemOutput(7, ZRV_MODULE_FLOW, 2), 1);
  EXPECT_EQ(M.GetItemOutput(0), 2);
  EXPECT_EQ(M.SetItemOutput(7, ZRV_MODULE_COOL, 1), 0);
  ASSERT_EQ(M.SetItemFaceNumber(1, 4), 1);
  EXPECT_EQ(M.GetItemFaceNumber(7, ZRV_MODULE_PACK), 4);
  EXPECT_EQ(M.GetItemFaceNumber(7, ZRV_MODULE_COOL), 0);
}

TEST(ManagerCore, ItemLineGetterAndIndexGettersOutOfRange) {
  Manager M;
  Item Line = makeItem(4, ZRV_MODULE_FLOW, L"Item Name", L"SaveName");
  Line.SetOutput(2);
  Line.SetDisplayMode(3);
  Line.SetFaceNumber(12);
  Line.SetSlicingSetting(0, 1, 1);
  Line.SetClippingName(L"clip");
  Line.SetViewName(L"view");
  Line.SetObjectName(L"object");
  Line.SetCaptureName(L"capture");
  Line.SetSlicingName(L"slice");
  M.AddItem(Line);

  wchar_t Name[256], Clip[256], View[256], Object[256], Capture[256], Slice[256];
  int Output = -5, Display = -5, X = -5, Y = -5, Z = -5, Faces = -5;
  ASSERT_EQ(M.GetItem(0, Name, Output, Display, X, Y, Z, Faces, Clip, View, Object, Capture, Slice),
            1);
  EXPECT_EQ(std::make_tuple(Output, Display, X, Y, Z, Faces), std::make_tuple(2, 3, 0, 1, 1, 12));
  EXPECT_EQ((Names{Name, Clip, View, Object, Capture, Slice}),
            (Names{L"SaveName", L"clip", L"view", L"object", L"capture", L"slice"}));

  Output = -5;
  wcscpy(Name, L"untouched");
  EXPECT_EQ(M.GetItem(1, Name, Output, Display, X, Y, Z, Faces, Clip, View, Object, Capture, Slice),
            0);
  EXPECT_EQ(Output, -5);
  EXPECT_STREQ(Name, L"untouched");

  // The getters by index outside the list.
  for (int Bad : {-1, 1}) {
    EXPECT_EQ(M.GetItemID(Bad), 0);
    EXPECT_EQ(M.GetItemModuleIDByIndex(Bad), -1);
    EXPECT_EQ(M.GetItemOutput(Bad) + M.GetItemDisplayMode(Bad) + M.GetItemParameterZ(Bad) +
                  M.GetItemFaceNumber(Bad) + M.IsItemOutput(Bad),
              0);
    EXPECT_EQ(M.SetItemOutput(Bad, Item::ZRV_OUTPUT_PNG) +
                  M.SetItemDisplayMode(Bad, Item::ZRV_DISPLAY_CLIPPING) +
                  M.SetItemFaceNumber(Bad, 1) + M.SetItem(Bad, Item()),
              0);
    EXPECT_EQ(got(M, &Manager::GetItemName, Bad), Answer(0, L""));
  }
  EXPECT_EQ(M.GetItemModuleID(5), -1);
  EXPECT_EQ(M.GetItemModuleIDByIndex(0), ZRV_MODULE_FLOW);
  EXPECT_EQ(M.SetItemDisplayMode(0, static_cast<Item::ZRV_REPORT_DISPLAY>(5)), 1);
  EXPECT_EQ(M.GetItemDisplayMode(0), 0);
}

TEST(ManagerCore, ExtendedItemsAndModules) {
  Manager M;
  EXPECT_EQ(M.SetItemExOutput(0, 1), 0);
  EXPECT_EQ(M.AddItemEx(ItemEx()), 1);
  EXPECT_EQ(M.AddItemEx(ItemEx()), 2);
  EXPECT_EQ(M.IsItemExOutput(0), 1);
  EXPECT_EQ(M.SetItemExOutput(0, 2), 1);
  EXPECT_EQ(itemExAt(M, 0).Output, 0);
  EXPECT_EQ(M.IsItemExOutput(0) + M.IsItemExOutput(-1) + M.IsItemExOutput(2), 0);
  EXPECT_EQ(M.SetItemExOutput(2, 1), 0);
  ItemEx Ex;
  EXPECT_EQ(M.GetItemEx(2, Ex), 0);

  EXPECT_EQ(M.AddModuleID(ZRV_MODULE_FLOW) + M.AddModuleID(ZRV_MODULE_FLOW) +
                M.AddModuleID(ZRV_MODULE_WARP),
            3);
  EXPECT_EQ(
      (std::vector<int>{M.GetModuleCount(), M.GetModuleID(2), M.GetModuleID(-1), M.GetModuleID(3)}),
      (std::vector<int>{3, ZRV_MODULE_WARP, -1, -1}));
  std::vector<int> Modules{99, 98, 97, 96};
  M.GetModuleIDList(Modules);
  EXPECT_EQ(Modules, (std::vector<int>{1, 1, 4}));

  M.AddItem(makeItem(10, ZRV_MODULE_FLOW));
  M.AddItem(makeItem(11, ZRV_MODULE_WARP));
  M.AddItem(makeItem(12, ZRV_MODULE_FLOW));
  std::vector<int> Ids{5};
  M.GetModuleItemIDList(ZRV_MODULE_FLOW, Ids);
  M.GetModuleItemIDList(ZRV_MODULE_FLOW, Ids);
  EXPECT_EQ(Ids, (std::vector<int>{5, 10, 12, 10, 12}));
  std::vector<ZRV_RESULT_ITEMS> TypedIds;
  M.GetModuleItemIDList(ZRV_MODULE_WARP, TypedIds);
  EXPECT_EQ(TypedIds, std::vector<ZRV_RESULT_ITEMS>{Id(11)});
}

TEST(ManagerCore, RemoveAllItemResetsOnlyTheLoadedContent) {
  Manager M;
  M.SetFileVersion(3);
  M.SetFileID(L"id");
  M.SetFileName(L"file");
  M.SetFileProjectType(1);
  M.SetProjectPath(L"/p");
  M.SetReportPath(L"/r");
  M.SetIsOutputCoverLogo(0);
  M.SetRunNo(4);
  M.SetIsOutputRun(1);
  M.SetImageExtension(L"JPG");
  for (const auto& Field : InfoFields)
    (M.*Field.first)(L"info");
  M.SetReportType(1);
  M.AddItem(makeItem(1, ZRV_MODULE_FLOW));
  M.AddItemEx(ItemEx());
  M.AddModuleID(ZRV_MODULE_FLOW);

  M.RemoveAllItem();
  EXPECT_EQ(M.GetItemCount() + M.GetItemExCount() + M.GetModuleCount() + M.GetReportType(), 0);
  for (const auto& Field : InfoFields)
    EXPECT_EQ(text(M, Field.second), L"");
  EXPECT_EQ((Names{text(M, &Manager::GetFileID), text(M, &Manager::GetFileName),
                   text(M, &Manager::GetImageExt), M.GetReportPath()}),
            (Names{L"id", L"file", L"JPG", L"/r"}));
  EXPECT_EQ(std::make_tuple(M.GetFileVersion(), M.GetFileProjectType(), M.GetIsOutputCoverLogo(),
                            M.GetRunNo(), M.GetIsOutputRun()),
            std::make_tuple(3, 1, 0, 4, 1));
  zrvtest::DiagnosticCapture Quiet;
  EXPECT_EQ(M.GetProjectPath(), L"/p");
}

// The document keeps items packed, their names and records pooled for the
// whole document: a copy of the document must own its pools, a copied-out
// item must not reach back into the document, and every field must come back
// exactly as it was stored.
TEST(ManagerCore, PackedItemsComeBackExactlyAndCopiesShareNothing) {
  auto M = std::make_unique<Manager>();
  Item First = makeItem(11, ZRV_MODULE_FLOW, L"First name", L"FirstKey");
  First.SetClippingName(L"Clip A");
  Item::tagCLIPSETTING Clip;
  Clip.RangeY = -0.0;
  Clip.Name = L"Clip A";
  First.SetClippingSetting(Clip);
  First.SetManyViewName(L"Top view");
  First.SetManyViewName(L"Side view");
  First.SetDescription(L"described");
  First.SetStatMaxValue(2.5);
  M->AddItem(First);
  M->AddItem(makeItem(12, ZRV_MODULE_FLOW, L"Second name", L"SecondKey"));

  // Every field as it went in, the sign of a zero included.
  Item Back = itemAt(*M, 0);
  EXPECT_EQ(Back.GetItemName(), L"First name");
  EXPECT_EQ(Back.GetClippingName(), L"Clip A");
  EXPECT_TRUE(std::signbit(Back.GetClippingRangeY()));
  EXPECT_EQ(Back.GetViewNameList(), (Names{L"Top view", L"Side view"}));
  EXPECT_EQ(Back.GetDescription(), L"described");
  EXPECT_EQ(Back.GetStatMaxValue(), 2.5);

  // A copied-out item changed does not change the document.
  Back.SetItemName(L"Changed outside");
  EXPECT_EQ(itemAt(*M, 0).GetItemName(), L"First name");

  // A copy of the document outlives the original and changes on its own.
  auto Copy = std::make_unique<Manager>(*M);
  EXPECT_EQ(Copy->SetItemName(ZRV_MODULE_FLOW, Id(12), L"Renamed in copy"), 1);
  Copy->SetDescription(11, ZRV_MODULE_FLOW, L"copy text");
  EXPECT_EQ(itemAt(*M, 1).GetItemName(), L"Second name");
  EXPECT_EQ(itemAt(*M, 0).GetDescription(), L"described");
  M.reset();
  EXPECT_EQ(itemAt(*Copy, 0).GetItemName(), L"First name");
  EXPECT_EQ(itemAt(*Copy, 1).GetItemName(), L"Renamed in copy");
  EXPECT_EQ(itemAt(*Copy, 0).GetDescription(), L"copy text");
  EXPECT_EQ(Copy->GetItemIndex(ZRV_MODULE_FLOW, L"renamedincopy"), 1);

  // A melt-front record kept short comes back with all its places.
  ItemEx::stMeltFrontTimeCapture Melt;
  Melt.Count = 2;
  Melt.Percentage[0] = 10.0;
  Melt.Percentage[60] = -0.0;
  Melt.Percentage[99] = 7.5;
  Copy->SetMeltSetting(L"m", Melt);
  const ItemEx::stMeltFrontTimeCapture Read = Copy->GetMeltSetting(L"m");
  EXPECT_EQ(Read.Count, 2);
  EXPECT_EQ(std::memcmp(Read.Percentage, Melt.Percentage, sizeof Melt.Percentage), 0);
}
