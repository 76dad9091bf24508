// EngineDataTest.cpp - the report engine's data in the settings document: the
// three ways of addressing an item and their not-found answers, the index
// messages, the slot tables, image data and curve rules, and what
// SyncReportEngineData takes over.
#include "zrvreport/ZRVReportItemManager.h"

#include "ManagerTestUtil.h"

using namespace mtest;

namespace {

// Items (5, module 1), (1, module 5), (5, module 2), (5, module 1) again: the
// swapped pair tells the argument orders apart, the repeat the first match.
Manager withItems() {
  Manager M;
  M.AddItem(makeItem(5, 1));
  M.AddItem(makeItem(1, 5));
  M.AddItem(makeItem(5, 2));
  M.AddItem(makeItem(5, 1));
  return M;
}

} // namespace

TEST(EngineData, ItemIdFirstAndModuleFirstReachTheSameFirstItem) {
  Manager M = withItems();
  M.SetItemLegendData(5, 1, 9.5, -2.0, 0xFF0000UL, 0x0000FFUL, L"MPa", 3);
  EXPECT_EQ(M.SetStatMaxValue(1, 5, 42.0), 1);
  EXPECT_EQ(M.SetItemCountOf1Page(1, 5, 4), 1);
  M.SetOutputAirTrap(1, 5, 1);
  M.SetDescription(5, 1, L"first");

  const Item First = itemAt(M, 0);
  EXPECT_EQ(First.GetStatMaxValue() + First.GetItemCountOf1Page() + First.GetOutputAirTrap(), 47.0);
  EXPECT_EQ(First.GetDescription(), L"first");
  // The swapped pair (item 1, module 5) and the repeat stay as they were.
  EXPECT_EQ(itemAt(M, 1).GetStatMaxValue() + itemAt(M, 3).GetStatMaxValue(), 0.0);
  EXPECT_EQ(itemAt(M, 3).GetDescription(), L"");

  double Max = 0, Min = 0;
  unsigned long MaxColor = 0, MinColor = 0;
  wchar_t Unit[256] = L"";
  int Digits = 0;
  M.GetItemLegendData(5, 1, Max, Min, MaxColor, MinColor, Unit, Digits);
  EXPECT_EQ(std::make_tuple(Max, Min, MaxColor, MinColor, std::wstring(Unit), Digits),
            std::make_tuple(9.5, -2.0, 0xFF0000UL, 0x0000FFUL, std::wstring(L"MPa"), 3));
}

TEST(EngineData, NoMatchingItemGivesTheFixedAnswersAndTouchesNothing) {
  Manager M = withItems();
  // (module 3, item 5) matches no item.
  EXPECT_EQ(M.GetStatMinValue(3, 5), 1e15);
  EXPECT_EQ(M.GetStatMaxValue(3, 5), -1e15);
  EXPECT_EQ(M.GetStatAvgValue(3, 5), -1e15);
  EXPECT_EQ(M.GetItemCountOf1Page(3, 5), -1);
  EXPECT_EQ(M.GetOutputAirTrap(3, 5) + M.GetOutputWeldLine(3, 5) + M.HasTagName(3, 5) +
                M.GetIsProjectHasThisItem(3, 5) + M.GetIsReportOutputThisItem(3, 5),
            0);
  EXPECT_EQ(M.SetStatMinValue(3, 5, 1.0) + M.SetItemCountOf1Page(3, 5, 2) +
                M.SetTagName(3, 5, L"t") + M.SetIsProjectHasThisItem(3, 5, 1) +
                M.SetIsReportOutputThisItem(3, 5, 1),
            0);
  EXPECT_EQ(M.HasResultImage(5, 3) + M.HasStatImage(5, 3), 0);

  wchar_t A[256] = L"a", B[256] = L"b", C[256] = L"c";
  double Max = 7, Min = 7;
  unsigned long MaxColor = 7, MinColor = 7;
  int Digits = 7;
  M.GetItemLegendData(5, 3, Max, Min, MaxColor, MinColor, A, Digits);
  EXPECT_EQ(Max + Min + static_cast<double>(MaxColor + MinColor) + Digits, 35.0);
  M.GetItemImagePath(5, 3, A, B);
  M.GetItemDisplayData(5, 3, A, B, C);
  M.GetDisItemName(5, 3, A);
  EXPECT_EQ(M.GetTagName(3, 5, B), 0);
  EXPECT_EQ((Names{A, B, C}), (Names{L"a", L"b", L"c"}));

  // A found item: a tag is stored, a null tag as the empty text.
  EXPECT_EQ(M.SetTagName(2, 5, L"gate") + M.HasTagName(2, 5), 2);
  EXPECT_EQ(M.SetTagName(2, 5, nullptr) + M.HasTagName(2, 5), 1);
}

TEST(EngineData, IndexAccessLogsExactlyTheListedMessagesFiberLayerRangesIncludeTheirBounds) {
  Manager M = withItems();
  zrvtest::DiagnosticCapture Capture;
  M.SetOutputAirTrapByIndex(4, 1);
  M.SetOutputAirTrapByIndex(1, 1);
  M.SetOutputWeldLineByIndex(2, 1);
  EXPECT_EQ(M.GetOutputAirTrapByIndex(1) + M.GetOutputWeldLineByIndex(2), 2);
  EXPECT_TRUE(Capture.Messages.empty());

  EXPECT_EQ(M.GetOutputWeldLineByIndex(-1) + M.GetOutputAirTrapByIndex(4), 0);
  M.SetOutputWeldLineByIndex(7, 1);
  EXPECT_EQ(Capture.Messages, (Names{L"[ReportItemManager] cant find WeldLine item, index -1",
                                     L"[ReportItemManager] cant find AirTrap item, index 4",
                                     L"[ReportItemManager] cant find WeldLine item, index 7"}));
  EXPECT_EQ(itemAt(M, 0).GetOutputAirTrap() + itemAt(M, 3).GetOutputWeldLine(), 0);

  // The shell fiber layer ranges include their bounds.
  for (int Id : {18, 46, 66, 94, 115, 143, 162, 190, 211, 239, 259, 287})
    EXPECT_EQ(Manager::IsShellFiberLayerItem(Id), 1) << Id;
  for (int Id : {-1, 17, 47, 65, 95, 114, 144, 161, 191, 210, 240, 258, 288})
    EXPECT_EQ(Manager::IsShellFiberLayerItem(Id), 0) << Id;
}

TEST(EngineData, PackingProfileAndGateFreezeTimesAreReadByPositionWithinTheirCount) {
  Manager M;
  M.AddPackingPressureProfile(1.5, 80.0);
  M.AddPackingPressureProfile(3.0, 40.0);
  M.AddGateFreezeTime(2.25);
  EXPECT_EQ(M.GetPackingPressureProfileCount() * 10 + M.GetGateFreezeTimeCount(), 21);
  double A = -1.0, B = -1.0;
  EXPECT_EQ(M.GetPackingPressureProfile(1, A, B), 1);
  EXPECT_EQ(std::make_pair(A, B), std::make_pair(3.0, 40.0));
  double T = -1.0;
  EXPECT_EQ(M.GetGateFreezeTime(0, T), 1);
  EXPECT_EQ(T, 2.25);
  // Outside 0 to count minus one: 0, the outputs untouched.
  EXPECT_EQ(M.GetPackingPressureProfile(2, A, B) + M.GetPackingPressureProfile(-1, A, B) +
                M.GetGateFreezeTime(1, T) + M.GetGateFreezeTime(-1, T),
            0);
  EXPECT_EQ(std::make_tuple(A, B, T), std::make_tuple(3.0, 40.0, 2.25));
}

TEST(EngineData, ImageQueriesLookAtTheStoredItemOnDisk) {
  zrvtest::TempDir Dir;
  Manager M = withItems();
  const std::wstring Stat = Dir.file(L"stat.png");
  M.SetItemImagePath(5, 2, Dir.file(L"flow.png").c_str(), Stat.c_str());
  EXPECT_EQ(M.HasStatImage(5, 2), 0);
  zrvtest::writeBytes(Dir.path() / "stat.png", "x");
  EXPECT_EQ(M.HasStatImage(5, 2), 1);

  // A GIF item: the stored item's path moves to the animation's extension.
  Item Gif = itemAt(M, 2);
  Gif.SetOutput(2);
  ASSERT_EQ(M.SetItem(2, Gif), 1);
  EXPECT_EQ(M.HasResultImage(5, 2), 0);
  zrvtest::writeBytes(Dir.path() / "flow.gif", "x");
  EXPECT_EQ(M.HasResultImage(5, 2), 1);
  wchar_t Result[256] = L"", StatOut[256] = L"";
  M.GetItemImagePath(5, 2, Result, StatOut);
  EXPECT_EQ((Names{Result, StatOut}), (Names{Dir.file(L"flow.gif"), Stat}));
}

TEST(EngineData, ImageDataFirstKeyWinsTableFourIsReadByPositionCapturesAreItemZeros) {
  Manager M;
  M.SetImgData(1, L"k", L"first");
  M.SetImgData(1, L"k", L"second");
  M.SetImgData(3, L"k", L"three");
  M.SetImgData(4, L"k", L"four");
  M.SetImgData(4, L"m", L"five");
  M.SetImgData(0, L"z", L"zero");
  M.SetImgData(5, L"z", L"five");
  EXPECT_EQ(text(M, &Manager::GetImgData, 1, L"k"), L"first");
  EXPECT_EQ(text(M, &Manager::GetImgData, 3, L"k"), L"three");
  for (int Table : {1, 2, 4, 0, 5})
    EXPECT_EQ(text(M, &Manager::GetImgData, Table, Table == 1 ? L"K" : L"k"), L"") << Table;
  wchar_t Key[256] = L"", Pic[256] = L"";
  M.GetMeltFrontTimeCaptureImage(1, Key, Pic);
  EXPECT_EQ((Names{Key, Pic}), (Names{L"m", L"five"}));
  M.GetMeltFrontTimeCaptureImage(2, Key, Pic);
  M.GetMeltFrontTimeCaptureImage(-1, Key, Pic);
  EXPECT_EQ((Names{Key, Pic}), (Names{L"m", L"five"}));

  // Melt-front captures come from extended item 0.
  M = Manager();
  EXPECT_EQ(M.GetMeltFrontTimeCaptureCount(), 0);
  EXPECT_EQ(M.GetMeltFrontTimeCapture(0), -1.0);
  ItemEx Melt;
  Melt.MeltCapture.Count = 2;
  Melt.MeltCapture.Percentage[0] = 25.0;
  Melt.MeltCapture.Percentage[1] = 50.0;
  Melt.MeltCapture.Percentage[99] = 99.0;
  M.AddItemEx(Melt);
  M.AddItemEx(ItemEx());
  EXPECT_EQ(M.GetMeltFrontTimeCaptureCount(), 2);
  EXPECT_EQ(M.GetMeltFrontTimeCapture(1), 50.0);
  // Beyond the count the record is read as it is; outside it -1.0.
  EXPECT_EQ(M.GetMeltFrontTimeCapture(2), 0.0);
  EXPECT_EQ(M.GetMeltFrontTimeCapture(99), 99.0);
  EXPECT_EQ(M.GetMeltFrontTimeCapture(100), -1.0);
  EXPECT_EQ(M.GetMeltFrontTimeCapture(-1), -1.0);
}

TEST(EngineData, AnimationPathSlotsFollowTheSlotTable) {
  const std::vector<int> ModuleSlots = {1, 2, 3, 4, 5, 6, 7, 13, 17, 19, 20};
  Manager M;
  for (int Module = -2; Module <= 25; ++Module) {
    M.SetModuleAnimPath(Module, (L"m" + std::to_wstring(Module)).c_str());
    M.SetXYAnimPath(Module, (L"xy" + std::to_wstring(Module)).c_str());
  }
  const Answer Refused(0, L"untouched");
  for (int Module = -2; Module <= 25; ++Module) {
    const bool Slot =
        std::find(ModuleSlots.begin(), ModuleSlots.end(), Module) != ModuleSlots.end();
    const bool XYSlot = Slot && Module != 20;
    EXPECT_EQ(got(M, &Manager::GetModuleAnimPath, Module),
              Slot ? Answer(1, L"m" + std::to_wstring(Module)) : Refused)
        << Module;
    EXPECT_EQ(got(M, &Manager::GetXYAnimPath, Module),
              XYSlot ? Answer(1, L"xy" + std::to_wstring(Module)) : Refused)
        << Module;
  }
  // An empty slot is copied too.
  EXPECT_EQ(got(Manager(), &Manager::GetModuleAnimPath, 20), Answer(1, L""));
}

TEST(EngineData, SummaryTablesZeroToTwoAppendRowsXYCurvesOfTheSameKeysAreReplaced) {
  Manager M;
  const ZRVSummaryData Rows{{L"Mesh", L"Nodes"}, {L"Tet", L"1200"}};
  M.SetSummaryData(2, Rows);
  M.SetSummaryData(2, {{L"Time"}, {L"3 s"}});
  M.SetSummaryData(3, Rows);
  M.SetSummaryData(-1, Rows);
  const ZRVSummaryData Last = M.GetSummaryData(2);
  EXPECT_EQ(Last.FirstColumn, (std::vector<std::wstring>{L"Mesh", L"Nodes", L"Time"}));
  EXPECT_EQ(Last.SecondColumn, (std::vector<std::wstring>{L"Tet", L"1200", L"3 s"}));
  EXPECT_TRUE(M.GetSummaryData(0).FirstColumn.empty());
  M.SetSummaryData(0, Rows); // the first table is one too
  EXPECT_EQ(M.GetSummaryData(0).SecondColumn, Rows.SecondColumn);
  EXPECT_TRUE(M.GetSummaryData(3).FirstColumn.empty());
  EXPECT_TRUE(M.GetSummaryData(-1).SecondColumn.empty());

  // An XY curve with the same keys is replaced at the end.
  M = Manager();
  ZRVXYCurveData Curve;
  EXPECT_EQ(M.GetXYCurveData(0, Curve), 0);
  M.SetXYCurveData({1, 10, {L"old"}, {}, {}});
  M.SetXYCurveData({2, 10, {L"other"}, {}, {}});
  M.SetXYCurveData({1, 20, {L"twenty"}, {}, {7}});
  M.SetXYCurveData({1, 10, {L"new"}, {}, {}});
  // Key 10 is now first found in the curve with SubKey 2; the replaced curve
  // went to the end.
  EXPECT_EQ(M.GetXYCurveData(10, Curve), 1);
  EXPECT_EQ(Curve.FirstTexts, Names{L"other"});
  EXPECT_EQ(M.GetXYCurveData(20, Curve), 1);
  EXPECT_EQ(Curve.Values, std::vector<std::int32_t>{7});
  M.SetXYCurveData({2, 10, {L"other2"}, {}, {}});
  EXPECT_EQ(M.GetXYCurveData(10, Curve), 1);
  EXPECT_EQ(Curve.FirstTexts, Names{L"new"});
  EXPECT_EQ(M.GetXYCurveData(30, Curve), 0);
  EXPECT_EQ(Curve.FirstTexts, Names{L"new"});
}

TEST(EngineData, SyncTakesTheSettingsAndKeepsTheEngineData) {
  Manager Mine;
  Mine.SetProjectIsThermosetRun(1);
  Mine.SetIsOutputCoverLogo(0);
  Mine.SetRunNo(3);
  Mine.SetImageExtension(L"BMP");
  Mine.SetFillingTime(1.25);
  Mine.SetModuleAnimPath(1, L"mine.gif");
  Mine.SetShadedModelPath(L"mine.png");
  Mine.SetSummaryTableData({L"mine", L"", L"", L"", {}, {}, {}});
  Mine.AddItem(makeItem(9, 9));
  Mine.SetClippingSetting(L"MineClip", {});

  Manager Theirs = withItems();
  Theirs.SetProjectType(1);
  Theirs.SetZorvinPath(L"root");
  Theirs.SetFileVersion(7);
  Theirs.SetAuthorEMail(L"mail");
  Theirs.SetReportType(1);
  Theirs.AddItemEx(ItemEx());
  Theirs.AddModuleID(4);
  Theirs.SetClippingSetting(L"C", {});
  Theirs.SetViewSetting(L"V", {});
  Theirs.SetSlicingSetting(L"S", {});
  Theirs.SetObjectSettingByProjectObject(L"O", 1, 0, 0, 0, 0, 0, 0, 0, 0, 1);
  Theirs.SetItemImagePath(5, 1, L"r.png", L"s.png");
  Theirs.SetItemLegendData(5, 1, 1.0, 0.0, 0, 0, L"K", 2);
  Theirs.SetFillingTime(9.0);
  Theirs.SetModuleAnimPath(1, L"theirs.gif");
  Theirs.SetShadedModelPath(L"theirs.png");

  Mine.SyncReportEngineData(&Theirs);
  // Taken over: the settings, the items with their engine data.
  EXPECT_EQ(Mine.GetProjectType() + Mine.GetFileVersion() + Mine.GetReportType(), 9);
  EXPECT_EQ(text(Mine, &Manager::GetZorvinPath), L"root");
  EXPECT_EQ(text(Mine, &Manager::GetAuthorEMail), L"mail");
  EXPECT_EQ(Mine.GetItemCount() + Mine.GetItemExCount() + Mine.GetModuleID(0), 9);
  EXPECT_EQ(text(Mine, &Manager::GetResultImagePath, 5, 1), L"r.png");
  EXPECT_EQ(itemAt(Mine, 0).GetLegendUnit(), L"K");
  EXPECT_EQ(options(Mine, &Manager::GetClippingOption), Names{L"C"});
  EXPECT_EQ(Mine.GetClippingOptionCount() + Mine.GetViewOptionCount() +
                Mine.GetSlicingOptionCount() + Mine.GetObjectOptionCount(),
            4);
  EXPECT_EQ(Mine.GetProjectObjectSetting().ShowHotRunnerMetal, 1);
  // Kept: the run fields, the image extension and every project-wide value.
  EXPECT_EQ(Mine.GetProjectIsThermosetRun() + Mine.GetRunNo() + Mine.GetIsOutputCoverLogo(), 4);
  EXPECT_EQ(Mine.GetFillingTime(), 1.25);
  EXPECT_EQ(
      (Names{text(Mine, &Manager::GetImageExt), got(Mine, &Manager::GetModuleAnimPath, 1).second,
             text(Mine, &Manager::GetShadedModelPath), text(Mine, &Manager::GetMeshName)}),
      (Names{L"BMP", L"mine.gif", L"mine.png", L"mine"}));
}
