// ManagerCoreTest.cpp - the settings document's fields, items, extended items
// and modules: start values, first-match-by-id rules, lookups by name, the
// item line getter, RemoveAllItem's reach and the project path log lines.
#include "zrvreport/ZRVReportItemManager.h"

#include <gtest/gtest.h>

#include <cwchar>

#include "TestSupport.h"

using Item = CZRVReportItem;

namespace {

constexpr auto Id(int Value) { return static_cast<ZRV_RESULT_ITEMS>(Value); }

Item makeItem(int ItemID, ZRV_RESULT_MODULES Module, const wchar_t* Name = L"",
              const wchar_t* SaveName = L"") {
  Item Result;
  Result.SetItemID(Id(ItemID));
  Result.SetModuleID(Module);
  Result.SetItemName(Name);
  Result.SetItemSaveName(SaveName);
  return Result;
}

} // namespace

TEST(ManagerCore, StartValues) {
  CZRVReportItemManager M;
  EXPECT_EQ(M.GetProjectType(), -1);
  EXPECT_EQ(M.GetFileProjectType(), -1);
  EXPECT_EQ(M.GetFileAppType(), -1);
  EXPECT_EQ(M.GetReportType(), -1);
  EXPECT_EQ(M.GetIsOutputCoverLogo(), 1);
  EXPECT_EQ(M.GetFileVersion() + M.GetRunNo() + M.GetIsOutputRun() + M.GetHasValvePin() +
                M.GetProjectIsThermosetRun(),
            0);
  wchar_t Buf[256] = L"x";
  M.GetImageExt(Buf);
  EXPECT_STREQ(Buf, L"PNG");
  M.GetFileID(Buf);
  EXPECT_STREQ(Buf, L"");
  EXPECT_EQ(M.GetItemCount() + M.GetItemExCount() + M.GetModuleCount(), 0);
  EXPECT_EQ(M.HasItems(), 0);
  EXPECT_EQ(M.HasItemExs(), 0);
  M.SetRemark(L"r");
  M.SetRemark(nullptr);
  Buf[0] = L'x';
  M.GetRemark(Buf);
  EXPECT_STREQ(Buf, L"");
}

TEST(ManagerCore, AddItemMapsOutputAndDisplayAndCountsUp) {
  CZRVReportItemManager M;
  EXPECT_EQ(M.AddItem(Id(5), 7, 9, 1, 1, 1, 3), 1);
  EXPECT_EQ(M.AddItem(Id(6), 3, 4, 1, 0, 0, 10), 2);
  EXPECT_EQ(M.GetItemOutput(0), 0);
  EXPECT_EQ(M.GetItemDisplayMode(0), 0);
  EXPECT_EQ(M.GetItemOutput(1), 3);
  EXPECT_EQ(M.GetItemDisplayMode(1), 4);
  EXPECT_EQ(M.GetItemFaceNumber(1), 10);
  // The parameter getters report the slice flags, not the values given.
  EXPECT_EQ(M.GetItemParameterX(1), 0);
  Item Stored;
  ASSERT_EQ(M.GetItem(1, Stored), 1);
  EXPECT_EQ(Stored.GetParameterValueX(), 1);
  EXPECT_EQ(Stored.GetModuleID(), ZRV_MODULE_NONE);
  EXPECT_EQ(M.HasItems(), 1);
}

TEST(ManagerCore, OperationsByIdActOnTheFirstItemOnly) {
  CZRVReportItemManager M;
  M.AddItem(makeItem(7, ZRV_MODULE_FLOW, L"first"));
  M.AddItem(makeItem(7, ZRV_MODULE_PACK, L"second"));
  M.AddItem(makeItem(8, ZRV_MODULE_PACK, L"third"));

  EXPECT_EQ(M.SetItemOutput(Id(7), Item::ZRV_OUTPUT_OFF), 1);
  EXPECT_EQ(M.IsItemOutput(Id(7)), 0);
  EXPECT_EQ(M.IsItemOutput(1), 1);
  EXPECT_EQ(M.GetItemModuleID(7), ZRV_MODULE_FLOW);

  Item Got;
  ASSERT_EQ(M.GetItem(Id(7), Got), 1);
  EXPECT_EQ(Got.GetItemName(), L"first");
  EXPECT_EQ(M.SetItem(Id(7), makeItem(9, ZRV_MODULE_COOL, L"replaced")), 1);
  EXPECT_EQ(M.GetItemID(0), 9);
  EXPECT_EQ(M.GetItemID(1), 7);
  EXPECT_EQ(M.SetItem(Id(99), Got), 0);
  EXPECT_EQ(M.GetItem(Id(99), Got), 0);

  M.RemoveItem(Id(7)); // now only the former second item has id 7
  M.RemoveItem(Id(42));
  ASSERT_EQ(M.GetItemCount(), 2);
  wchar_t Name[256];
  M.GetItemName(0, Name);
  EXPECT_STREQ(Name, L"replaced");
  M.GetItemName(1, Name);
  EXPECT_STREQ(Name, L"third");
  EXPECT_EQ(M.IsItemExist(Id(7)), 0);
  EXPECT_EQ(M.IsItemExist(Id(8)), 1);
}

TEST(ManagerCore, AddressingByItemIdAndModule) {
  CZRVReportItemManager M;
  EXPECT_EQ(M.GetItemIndex(7, 1), -1);
  M.AddItem(makeItem(7, ZRV_MODULE_FLOW));
  M.AddItem(makeItem(7, ZRV_MODULE_PACK));
  EXPECT_EQ(M.GetItemIndex(7, ZRV_MODULE_PACK), 1);
  EXPECT_EQ(M.GetItemIndex(7, ZRV_MODULE_COOL), -1);
  EXPECT_EQ(M.GetItemIndex(2, ZRV_MODULE_PACK), -1); // arguments are id, module

  EXPECT_EQ(M.SetItemName(ZRV_MODULE_PACK, Id(7), L"packed"), 1);
  EXPECT_EQ(M.SetItemName(ZRV_MODULE_COOL, Id(7), L"x"), 0);
  wchar_t Name[256];
  M.GetItemName(0, Name);
  EXPECT_STREQ(Name, L"");
  M.GetItemName(1, Name);
  EXPECT_STREQ(Name, L"packed");

  EXPECT_EQ(M.SetItemOutput(7, ZRV_MODULE_PACK, 9), 1);
  EXPECT_EQ(M.GetItemOutput(1), 0);
  EXPECT_EQ(M.GetItemOutput(0), 1);
  EXPECT_EQ(M.SetItemOutput(7, ZRV_MODULE_COOL, 1), 0);
  ASSERT_EQ(M.SetItemFaceNumber(1, 4), 1);
  EXPECT_EQ(M.GetItemFaceNumber(7, ZRV_MODULE_PACK), 4);
  EXPECT_EQ(M.GetItemFaceNumber(7, ZRV_MODULE_COOL), 0);
}

TEST(ManagerCore, GetItemIndexByNameIgnoresSpacesAndCase) {
  CZRVReportItemManager M;
  EXPECT_EQ(M.GetItemIndex(ZRV_MODULE_FLOW, L"x"), -1);
  M.AddItem(makeItem(1, ZRV_MODULE_PACK, L"Melt Front Time", L"MeltFrontTime"));
  M.AddItem(makeItem(2, ZRV_MODULE_FLOW, L"Melt Front Time", L"MeltFrontTime"));
  M.AddItem(makeItem(3, ZRV_MODULE_FLOW, L"Pressure", L"XY_Sprue Pressure"));
  EXPECT_EQ(M.GetItemIndex(ZRV_MODULE_FLOW, L"meltfronttime"), 1);
  EXPECT_EQ(M.GetItemIndex(ZRV_MODULE_FLOW, L"MELT FRONTTIME"), 1);
  EXPECT_EQ(M.GetItemIndex(ZRV_MODULE_FLOW, L"xy_spruepressure"), 2); // by save name
  EXPECT_EQ(M.GetItemIndex(ZRV_MODULE_FLOW, L"Melt_Front_Time"), -1);
  EXPECT_EQ(M.GetItemIndex(ZRV_MODULE_COOL, L"Pressure"), -1);
}

TEST(ManagerCore, ItemLineGetter) {
  CZRVReportItemManager M;
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
  EXPECT_STREQ(Name, L"SaveName");
  EXPECT_EQ(Output, 2);
  EXPECT_EQ(Display, 3);
  EXPECT_EQ(X, 0);
  EXPECT_EQ(Y, 1);
  EXPECT_EQ(Z, 1);
  EXPECT_EQ(Faces, 12);
  EXPECT_STREQ(Clip, L"clip");
  EXPECT_STREQ(View, L"view");
  EXPECT_STREQ(Object, L"object");
  EXPECT_STREQ(Capture, L"capture");
  EXPECT_STREQ(Slice, L"slice");

  Output = -5;
  wcscpy(Name, L"untouched");
  EXPECT_EQ(M.GetItem(1, Name, Output, Display, X, Y, Z, Faces, Clip, View, Object, Capture, Slice),
            0);
  EXPECT_EQ(Output, -5);
  EXPECT_STREQ(Name, L"untouched");
}

TEST(ManagerCore, IndexGettersOutOfRange) {
  CZRVReportItemManager M;
  M.AddItem(makeItem(4, ZRV_MODULE_FLOW, L"name"));
  for (int Bad : {-1, 1}) {
    EXPECT_EQ(M.GetItemID(Bad), 0);
    EXPECT_EQ(M.GetItemModuleIDByIndex(Bad), -1);
    EXPECT_EQ(M.GetItemOutput(Bad), 0);
    EXPECT_EQ(M.GetItemDisplayMode(Bad), 0);
    EXPECT_EQ(M.GetItemParameterZ(Bad), 0);
    EXPECT_EQ(M.GetItemFaceNumber(Bad), 0);
    EXPECT_EQ(M.IsItemOutput(Bad), 0);
    EXPECT_EQ(M.SetItemOutput(Bad, Item::ZRV_OUTPUT_PNG), 0);
    EXPECT_EQ(M.SetItemDisplayMode(Bad, Item::ZRV_DISPLAY_CLIPPING), 0);
    EXPECT_EQ(M.SetItemFaceNumber(Bad, 1), 0);
    EXPECT_EQ(M.SetItem(Bad, Item()), 0);
    wchar_t Name[256] = L"stale";
    EXPECT_EQ(M.GetItemName(Bad, Name), 0);
    EXPECT_STREQ(Name, L"");
  }
  EXPECT_EQ(M.GetItemModuleID(5), -1);
  EXPECT_EQ(M.GetItemModuleIDByIndex(0), ZRV_MODULE_FLOW);
  EXPECT_EQ(M.SetItemDisplayMode(0, static_cast<Item::ZRV_REPORT_DISPLAY>(5)), 1);
  EXPECT_EQ(M.GetItemDisplayMode(0), 0);
}

TEST(ManagerCore, ExtendedItemsAndModules) {
  CZRVReportItemManager M;
  EXPECT_EQ(M.SetItemExOutput(0, 1), 0);
  EXPECT_EQ(M.AddItemEx(CZRVReportItemEx()), 1);
  EXPECT_EQ(M.AddItemEx(CZRVReportItemEx()), 2);
  EXPECT_EQ(M.IsItemExOutput(0), 1);
  EXPECT_EQ(M.SetItemExOutput(0, 2), 1);
  EXPECT_EQ(M.IsItemExOutput(0), 0);
  EXPECT_EQ(M.IsItemExOutput(-1), 0);
  EXPECT_EQ(M.IsItemExOutput(2), 0);
  EXPECT_EQ(M.SetItemExOutput(2, 1), 0);
  CZRVReportItemEx Ex;
  EXPECT_EQ(M.GetItemEx(0, Ex), 1);
  EXPECT_EQ(Ex.Output, 0);
  EXPECT_EQ(M.GetItemEx(2, Ex), 0);

  EXPECT_EQ(M.AddModuleID(ZRV_MODULE_FLOW), 1);
  EXPECT_EQ(M.AddModuleID(ZRV_MODULE_FLOW), 1);
  EXPECT_EQ(M.AddModuleID(ZRV_MODULE_WARP), 1);
  EXPECT_EQ(M.GetModuleCount(), 3);
  EXPECT_EQ(M.GetModuleID(2), ZRV_MODULE_WARP);
  EXPECT_EQ(M.GetModuleID(-1), -1);
  EXPECT_EQ(M.GetModuleID(3), -1);
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
  CZRVReportItemManager M;
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
  for (auto Setter : {&CZRVReportItemManager::SetCompanyName,
                      &CZRVReportItemManager::SetComanyWebSite, &CZRVReportItemManager::SetLogoPath,
                      &CZRVReportItemManager::SetAuthorName, &CZRVReportItemManager::SetAuthorEMail,
                      &CZRVReportItemManager::SetTemplateName, &CZRVReportItemManager::SetSummary})
    (M.*Setter)(L"info");
  M.SetReportType(1);
  M.AddItem(makeItem(1, ZRV_MODULE_FLOW));
  M.AddItemEx(CZRVReportItemEx());
  M.AddModuleID(ZRV_MODULE_FLOW);

  M.RemoveAllItem();
  EXPECT_EQ(M.GetItemCount() + M.GetItemExCount() + M.GetModuleCount(), 0);
  EXPECT_EQ(M.GetReportType(), 0);
  for (auto Getter :
       {&CZRVReportItemManager::GetCompanyName, &CZRVReportItemManager::GetComanyWebSite,
        &CZRVReportItemManager::GetLogoPath, &CZRVReportItemManager::GetAuthorName,
        &CZRVReportItemManager::GetAuthorEMail, &CZRVReportItemManager::GetTemplateName,
        &CZRVReportItemManager::GetSummary}) {
    wchar_t Buf[256] = L"stale";
    (M.*Getter)(Buf);
    EXPECT_STREQ(Buf, L"");
  }
  wchar_t Buf[256];
  M.GetFileID(Buf);
  EXPECT_STREQ(Buf, L"id");
  M.GetFileName(Buf);
  EXPECT_STREQ(Buf, L"file");
  M.GetImageExt(Buf);
  EXPECT_STREQ(Buf, L"JPG");
  EXPECT_EQ(M.GetFileVersion(), 3);
  EXPECT_EQ(M.GetFileProjectType(), 1);
  EXPECT_EQ(M.GetReportPath(), L"/r");
  EXPECT_EQ(M.GetIsOutputCoverLogo(), 0);
  EXPECT_EQ(M.GetRunNo(), 4);
  EXPECT_EQ(M.GetIsOutputRun(), 1);
  zrvtest::DiagnosticCapture Quiet;
  EXPECT_EQ(M.GetProjectPath(), L"/p");
}

TEST(ManagerCore, ProjectPathGettersLog) {
  CZRVReportItemManager M;
  M.SetProjectPath(L"C:\\work\\demo");
  zrvtest::DiagnosticCapture Capture;
  wchar_t Buf[256];
  M.GetProjectPath(Buf);
  EXPECT_STREQ(Buf, L"C:\\work\\demo");
  EXPECT_EQ(M.GetProjectPath(), L"C:\\work\\demo");
  EXPECT_EQ(Capture.Messages,
            (std::vector<std::wstring>{L"[ReportSetting] Manager GetProjectPath start",
                                       L"[ReportSetting] Manager GetProjectPath end C:\\work\\demo",
                                       L"[ReportSetting] Manager GetProjectPath CString start "
                                       L"C:\\work\\demo"}));
}

TEST(ManagerCore, CopiesAreWholeAndIndependent) {
  CZRVReportItemManager M;
  M.SetProjectType(1);
  M.SetHasValvePin(1);
  M.SetZorvinPath(L"/root");
  M.SetCreateBy(L"me");
  M.SetRunNo(2);
  M.AddItem(makeItem(3, ZRV_MODULE_FLOW, L"a"));
  M.AddItemEx(CZRVReportItemEx());
  M.AddModuleID(ZRV_MODULE_FLOW);

  CZRVReportItemManager Copy(M);
  CZRVReportItemManager Assigned;
  Assigned = M;
  M.SetItemName(ZRV_MODULE_FLOW, Id(3), L"changed");
  M.SetProjectType(0);
  for (const CZRVReportItemManager* C : {&Copy, &Assigned}) {
    EXPECT_EQ(C->GetProjectType(), 1);
    EXPECT_EQ(C->GetHasValvePin(), 1);
    EXPECT_EQ(C->GetRunNo(), 2);
    EXPECT_EQ(C->GetItemCount(), 1);
    EXPECT_EQ(C->GetItemExCount(), 1);
    EXPECT_EQ(C->GetModuleID(0), ZRV_MODULE_FLOW);
    wchar_t Buf[256];
    C->GetZorvinPath(Buf);
    EXPECT_STREQ(Buf, L"/root");
    C->GetCreateBy(Buf);
    EXPECT_STREQ(Buf, L"me");
    C->GetItemName(0, Buf);
    EXPECT_STREQ(Buf, L"a");
  }
}
