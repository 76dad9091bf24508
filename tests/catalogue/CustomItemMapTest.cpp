// CustomItemMapTest.cpp - custom result names and module names resolved by
// the custom item map.

#include "TestSupport.h"
#include "zrvreport/ZRVResultItemMap_Custom.h"

namespace {

constexpr int Solid = 0;
constexpr int Shell = 1;
constexpr int Injection = 0;

} // namespace

TEST(CustomItemMapTest, QueryItemIdPicksTheInjectionListOfTheModuleAndTrimsTheName) {
  CZRVResultItemMap_Custom Custom;
  // Kind, module, key and the id found; the application type is injection.
  for (auto [Kind, Module, Key, Id] :
       {std::tuple(Shell, 1, L"MeltFrontTime", 1), std::tuple(Solid, 1, L"MeltFrontTime", 417),
        std::tuple(Shell, 2, L"MeltFrontTime", 145), std::tuple(Solid, 2, L"MeltFrontTime", 740),
        std::tuple(Shell, 0, L"ShadedModel", 1593), std::tuple(Shell, 3, L"CoolingTime", 289),
        std::tuple(Shell, 4, L"XDisplacement", 339), std::tuple(Solid, 3, L"Temperature", 1018),
        std::tuple(Solid, 4, L"XDisplacement", 1186),
        std::tuple(Solid, 5, L"ReflectiveIndex", 1453), std::tuple(Solid, 13, L"Temperature", 1504),
        std::tuple(Solid, 17, L"RelativeCrystallinity", 1184),
        std::tuple(Solid, 18, L"ScorchIndex", 1565), std::tuple(Solid, 19, L"Viscosity", 1578)})
    EXPECT_EQ(Custom.QueryItemID(Kind, Injection, 0, Module, Key), Id) << Module << " " << Key;
  // The third argument is not consulted.
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 12345, 1, L"Pressure"), 3);
  // Modules, kinds and application types without a list.
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 5, L"MeltFrontTime"), -1);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 13, L"Temperature"), -1);
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 17, L"Temperature"), -1);
  for (int Module : {-1, 6, 7, 8, 12, 14, 20, 21})
    EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, Module, L"XDisplacement"), -1) << Module;
  for (auto [Kind, App] : {std::pair(2, Injection), std::pair(-1, Injection), std::pair(Shell, 2),
                           std::pair(Solid, 1)})
    EXPECT_EQ(Custom.QueryItemID(Kind, App, 0, 1, L"MeltFrontTime"), -1) << Kind << " " << App;
  // Names are trimmed but compared exactly.
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 1, L" \tMeltFrontTime\t \r\n"), 1);
  EXPECT_EQ(Custom.QueryItemID(Solid, Injection, 0, 2, L"  FlakeConcentration(Weight Percentage) "),
            790);
  for (const wchar_t* Name : {L"Melt FrontTime", L"meltfronttime", L"MELTFRONTTIME", L"   "})
    EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 1, Name), -1) << Name;
  EXPECT_EQ(Custom.QueryItemID(Shell, Injection, 0, 1, nullptr), -1);
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
  // A later row of the table wins.
  for (auto [Name, Module] :
       {std::pair(L"Model", 0), std::pair(L"MESH", 0), std::pair(L"Filling", 1),
        std::pair(L"Flow Packing", 2), std::pair(L"Model FLOW", 1), std::pair(L"COOLING", 3),
        std::pair(L"Cooling Stress", 13), std::pair(L"MoldPreheat", 17),
        std::pair(L"MoldPreheat Warpage", 4), std::pair(L"MOLDDEFORMATION", 18),
        std::pair(L"Optic", 5), std::pair(L"Packing Cure", 20), std::pair(L"WIRESWEEP", 6),
        std::pair(L"PaddleShift", 7), std::pair(L"Warp HotRunnerSteady", 19),
        std::pair(L"HOTRUNNERSTEADY Stress", 19)})
    EXPECT_EQ(Custom.GetModuleID(Name), Module) << Name;
  // Key words are compared in letter case.
  for (auto [Name, Module] : {std::pair(L"flow packing", -1), std::pair(L"Mold", -1),
                              std::pair(L"Mold Flow", 1), std::pair(L"", -1)})
    EXPECT_EQ(Custom.GetModuleID(Name), Module) << Name;
  EXPECT_EQ(Custom.GetModuleID(nullptr), -1);
}
