// CustomItemMapTest.cpp - custom result names and module names resolved by
// the custom item map.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "zrvreport/ZRVResultItemMap_Custom.h"

namespace {

constexpr int Solid = 0;
constexpr int Shell = 1;
constexpr int Injection = 0;

} // namespace

TEST(CustomItemMapTest, QueryItemIdPicksTheInjectionListOfTheModuleAndTrimsTheName) {
  CZRVResultItemMap_Custom Custom;
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 1, L"MeltFrontTime"), 1);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 1, L"MeltFrontTime"), 417);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 2, L"MeltFrontTime"), 145);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 2, L"MeltFrontTime"), 740);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 0, L"ShadedModel"), 1593);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 3, L"CoolingTime"), 289);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 4, L"XDisplacement"), 339);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 3, L"Temperature"), 1018);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 4, L"XDisplacement"), 1186);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 5, L"ReflectiveIndex"), 1453);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 13, L"Temperature"), 1504);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 17, L"RelativeCrystallinity"), 1184);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 18, L"ScorchIndex"), 1565);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 19, L"Viscosity"), 1578);
  // The third argument is not consulted.
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 12345, 1, L"Pressure"), 3);
  // Modules, kinds and application types without a list.
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 5, L"MeltFrontTime"), -1);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 13, L"Temperature"), -1);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 17, L"Temperature"), -1);
  for (int Module : {-1, 6, 7, 8, 12, 14, 20, 21})
    EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, Module, L"XDisplacement"), -1) << Module;
  EXPECT_EQ(Custom.QueryItemID(2, Injection, 0, 1, L"MeltFrontTime"), -1);
  EXPECT_EQ(Custom.QueryItemID(-1, Injection, 0, 1, L"MeltFrontTime"), -1);
  EXPECT_EQ(Custom.QueryItemID(Shell, 2, 0, 1, L"MeltFrontTime"), -1);
  EXPECT_EQ(Custom.QueryItemID(Solid, 1, 0, 1, L"MeltFrontTime"), -1);
  // Names are trimmed but compared exactly.
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 1, L" \tMeltFrontTime\t \r\n"), 1);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 1, L"Melt FrontTime"), -1);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 2, L"  FlakeConcentration(Weight Percentage) "),
            790);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 1, L"meltfronttime"), -1);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 1, L"MELTFRONTTIME"), -1);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 1, nullptr), -1);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 1, L"   "), -1);
}

TEST(CustomItemMapTest, QueryItemIdReportsTheMapSizeOnEveryQuery) {
  CZRVResultItemMap_Custom Custom;
  zrvtest::DiagnosticCapture Capture;
  Custom.QueryItemID(Shell, Injection, 0, 1, L"MeltFrontTime");
  Custom.QueryItemID(Solid, Injection, 0, 1, L"NoSuchKey");
  Custom.QueryItemID(Shell, 2, 0, 1, L"MeltFrontTime");
  Custom.QueryItemID(2, Injection, 0, 1, L"MeltFrontTime");
  Custom.QueryItemID(Solid, Injection, 0, 19, nullptr);
  const std::vector<std::wstring> Expected = {
      L"[ReportCsutom] itemMap size 53", L"[ReportCsutom] itemMap size 95",
      L"[ReportCsutom] itemMap size 0", L"[ReportCsutom] itemMap size 0",
      L"[ReportCsutom] itemMap size 13"};
  EXPECT_EQ(Capture.Messages, Expected);
}

TEST(CustomItemMapTest, GetModuleIdLaterRowsWin) {
  CZRVResultItemMap_Custom Custom;
  EXPECT_EQ(Custom.GetModuleID(L"Model"), 0);
  EXPECT_EQ(Custom.GetModuleID(L"MESH"), 0);
  EXPECT_EQ(Custom.GetModuleID(L"Filling"), 1);
  EXPECT_EQ(Custom.GetModuleID(L"Flow Packing"), 2);
  EXPECT_EQ(Custom.GetModuleID(L"Model FLOW"), 1);
  EXPECT_EQ(Custom.GetModuleID(L"COOLING"), 3);
  EXPECT_EQ(Custom.GetModuleID(L"Cooling Stress"), 13);
  EXPECT_EQ(Custom.GetModuleID(L"MoldPreheat"), 17);
  EXPECT_EQ(Custom.GetModuleID(L"MoldPreheat Warpage"), 4);
  EXPECT_EQ(Custom.GetModuleID(L"MOLDDEFORMATION"), 18);
  EXPECT_EQ(Custom.GetModuleID(L"Optic"), 5);
  EXPECT_EQ(Custom.GetModuleID(L"Packing Cure"), 20);
  EXPECT_EQ(Custom.GetModuleID(L"WIRESWEEP"), 6);
  EXPECT_EQ(Custom.GetModuleID(L"PaddleShift"), 7);
  EXPECT_EQ(Custom.GetModuleID(L"Warp HotRunnerSteady"), 19);
  EXPECT_EQ(Custom.GetModuleID(L"HOTRUNNERSTEADY Stress"), 19);
  // Key words are compared in letter case.
  EXPECT_EQ(Custom.GetModuleID(L"flow packing"), -1);
  EXPECT_EQ(Custom.GetModuleID(L"Mold"), -1);
  EXPECT_EQ(Custom.GetModuleID(L"Mold Flow"), 1);
  EXPECT_EQ(Custom.GetModuleID(L""), -1);
  EXPECT_EQ(Custom.GetModuleID(nullptr), -1);
}
