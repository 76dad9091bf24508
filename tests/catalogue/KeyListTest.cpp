// KeyListTest.cpp - the key lists of the result item catalogue checked against
// the catalogue's key list table (key counts and id blocks) and its edge cases.
#include "TestSupport.h"

#include "zrvreport/ZRVReportResultItemMap.h"

namespace {

using M = CZRVReportResultItemMap;
using Member = void (M::*)(ZRVItemMap&, int);

// Parses "1-45, 47" into {1, ..., 45, 47}.
std::set<int> parseBlocks(const std::string& Text) {
  std::set<int> Ids;
  std::size_t Pos = 0;
  while (Pos < Text.size()) {
    std::size_t End = Text.find(',', Pos);
    if (End == std::string::npos)
      End = Text.size();
    const std::string Block = Text.substr(Pos, End - Pos);
    const std::size_t Dash = Block.find('-');
    const int First = std::stoi(Block.substr(0, Dash));
    const int Last = Dash == std::string::npos ? First : std::stoi(Block.substr(Dash + 1));
    for (int Id = First; Id <= Last; ++Id)
      Ids.insert(Id);
    Pos = End + 1;
  }
  return Ids;
}

constexpr const char* NoCurves = "";
constexpr const char* ShellCurves = "1579-1582, 1590-1592";
constexpr const char* SolidCurves = "1579-1582, 1584-1589";

// The key list table: list, fill member, distinct keys, ids outside the curve
// range 1579 to 1592, and the curve ids the list holds.
struct ListRow {
  const wchar_t* Name;
  Member Fill;
  std::size_t Keys;
  const char* IdBlocks;
  const char* Curves;
};

const ListRow Table[] = {
    {L"Model", &M::LoadModelMap, 6, "1593-1598", NoCurves},
    {L"ShellInjectionFlow", &M::LoadShellInjectionFlowMap, 53, "1-45, 47", ShellCurves},
    {L"ShellInjectionPack", &M::LoadShellInjectionPackMap, 53, "145-189, 191", ShellCurves},
    {L"ShellInjectionCool", &M::LoadShellInjectionCoolMap, 25, "289-313", NoCurves},
    {L"ShellInjectionWarp", &M::LoadShellInjectionWarpMap, 46, "339-377", ShellCurves},
    {L"ShellRIMFlow", &M::LoadShellRIMFlowMap, 54, "48-93, 95", ShellCurves},
    {L"ShellRIMCure", &M::LoadShellRIMCureMap, 54, "241-286, 288", ShellCurves},
    {L"ShellGasInFlow", &M::LoadShellGasInFlowMap, 55, "96-142, 144", ShellCurves},
    {L"ShellGasInPack", &M::LoadShellGasInPackMap, 55, "192-238, 240", ShellCurves},
    {L"ShellGasInCool", &M::LoadShellGasInCoolMap, 25, "314-338", NoCurves},
    {L"ShellGasInWarp", &M::LoadShellGasInWarpMap, 46, "378-416", ShellCurves},
    {L"SolidInjectionFlow", &M::LoadSolidInjectionFlowMap, 95,
     "417, 419-440, 442-448, 452-493, 495, 498-503, 505-508, 524, 526", SolidCurves},
    {L"SolidInjectionPack", &M::LoadSolidInjectionPackMap, 76,
     "486-493, 507, 524, 526, 740, 742-750, 753-773, 777, 781-802, 805", SolidCurves},
    {L"SolidInjectionCool", &M::LoadSolidInjectionCoolMap, 50, "1018-1057", SolidCurves},
    {L"SolidInjectionWarp", &M::LoadSolidInjectionWarpMap, 67, "1186-1242", SolidCurves},
    {L"SolidInjectionOptics", &M::LoadSolidInjectionOpticsMap, 25, "1439-1453", SolidCurves},
    {L"SolidInjectionStress", &M::LoadSolidInjectionStressMap, 22, "1493-1504", SolidCurves},
    {L"SolidRIMFlow", &M::LoadSolidRIMFlowMap, 88,
     "453-454, 460-463, 475-493, 495, 499-500, 502-505, 509, 511-533, 535-539, 543-559",
     SolidCurves},
    {L"SolidRIMCure", &M::LoadSolidRIMCureMap, 68,
     "486-493, 772-773, 789-790, 917, 919-941, 943-947, 951-967", SolidCurves},
    {L"SolidRIMCool", &M::LoadSolidRIMCoolMap, 19, "1029-1030, 1058-1064", SolidCurves},
    {L"SolidRIMWarp", &M::LoadSolidRIMWarpMap, 67, "1235-1291", SolidCurves},
    {L"SolidRIMStress", &M::LoadSolidRIMStressMap, 24, "1493-1506", SolidCurves},
    {L"SolidICPackageFlow", &M::LoadSolidICPackageFlowMap, 86,
     "453-454, 460-463, 475-493, 495, 499-500, 502-503, 505, 568, 570-591, 593-597, 601-617",
     SolidCurves},
    {L"SolidICPackageCure", &M::LoadSolidICPackageCureMap, 65,
     "486-493, 789-790, 804, 968, 970-991, 993-997, 1001-1017", "1579-1582, 1584-1588"},
    {L"SolidICPackageCool", &M::LoadSolidICPackageCoolMap, 19, "1029-1030, 1065-1071", SolidCurves},
    {L"SolidICPackageWarp", &M::LoadSolidICPackageWarpMap, 67, "1234-1242, 1292-1339", SolidCurves},
    {L"SolidICPackageWireSweep", &M::LoadSolidICPackageWireSweepMap, 23, "1469-1481", SolidCurves},
    {L"SolidICPackagePaddleShift", &M::LoadSolidICPackagePaddleShiftMap, 11, "1482-1492", NoCurves},
    {L"SolidGasInFlow", &M::LoadSolidGasInFlowMap, 94,
     "425, 427, 453-454, 460-463, 475-493, 495, 498-500, 502-503, 505, 679-685, 687, 689-711, "
     "715-731, 891-892",
     SolidCurves},
    {L"SolidGasInCool", &M::LoadSolidGasInCoolMap, 49, "1029-1030, 1056, 1109-1123, 1125-1145",
     SolidCurves},
    {L"SolidGasInWarp", &M::LoadSolidGasInWarpMap, 67, "1235-1242, 1390-1438", SolidCurves},
    {L"SolidCOIMFlow", &M::LoadSolidCOIMFlowMap, 87,
     "425, 427, 453-454, 475-495, 498-500, 502-503, 505, 679-685, 687, 689-711, 715, 721-731, 739, "
     "891-892",
     SolidCurves},
    {L"SolidCOIMCool", &M::LoadSolidCOIMCoolMap, 50, "1029-1030, 1056-1057, 1109-1123, 1125-1145",
     SolidCurves},
    {L"SolidCOIMWarp", &M::LoadSolidCOIMWarpMap, 67, "1235-1242, 1390-1438", SolidCurves},
    {L"SolidICMFlow", &M::LoadSolidICMFlowMap, 92,
     "453-454, 460-463, 475-493, 495, 498-500, 502-503, 505, 524, 621, 623-651, 655-671, 835-836",
     SolidCurves},
    {L"SolidICMCool", &M::LoadSolidICMCoolMap, 50, "1029-1030, 1056-1057, 1072-1086, 1088-1108",
     SolidCurves},
    {L"SolidICMWarp", &M::LoadSolidICMWarpMap, 67, "1235-1242, 1341-1389", SolidCurves},
    {L"SolidICMOptics", &M::LoadSolidICMOpticsMap, 25, "1454-1468", SolidCurves},
    {L"SolidICMStress", &M::LoadSolidICMStressMap, 22, "1493-1504", SolidCurves},
    {L"SolidMCIMFlow", &M::LoadSolidMCIMFlowMap, 96,
     "453-454, 460-463, 475-493, 495-500, 502-503, 505, 524, 567, 621, 623-651, 655-671, 835-836",
     "1579-1589"},
    {L"SolidMCIMWarp", &M::LoadSolidMCIMWarpMap, 67, "1235-1242, 1341-1389", SolidCurves},
    {L"SolidGAIMFlow", &M::LoadSolidGAIMFlowMap, 92,
     "425, 427, 453-454, 460-461, 475-493, 495, 498-500, 502-503, 505, 679-685, 687, 689-711, "
     "715-731, 891-892",
     SolidCurves},
    {L"SolidPIMFlow", &M::LoadSolidPIMFlowMap, 89,
     "417, 419-440, 442-448, 452-461, 464-493, 495, 498-500, 502-505, 524", SolidCurves},
    {L"SolidPIMPack", &M::LoadSolidPIMPackMap, 68,
     "486-493, 504, 740, 742-747, 749, 753-758, 760-770, 772-773, 777, 781-788, 791-802, 805, 932, "
     "934",
     "1579-1582, 1584-1586, 1588"},
    {L"SolidBIIMFlow", &M::LoadSolidBIIMFlowMap, 94,
     "425, 427, 453-454, 460-461, 475-495, 498-500, 502-503, 505, 679-685, 687, 689-711, 715-731, "
     "891-892, 1057",
     SolidCurves},
    {L"MoldPreheat", &M::LoadMoldPreheatMap, 49, "1146-1184", SolidCurves},
    {L"MoldDeformation", &M::LoadMoldDeformationMap, 14, "1552-1565", NoCurves},
    {L"HotRunnerSteady", &M::LoadHotRunnerSteadyMap, 13, "1566-1578", NoCurves},
    {L"DifferentialDisplacement", &M::LoadDifferentialDisplacementMap, 8, "1235-1242", NoCurves},
};

ZRVItemMap fill(Member Fill) {
  M Catalogue;
  ZRVItemMap Map;
  (Catalogue.*Fill)(Map, 1);
  return Map;
}

int idOf(Member Fill, const wchar_t* Key) {
  const ZRVItemMap Map = fill(Fill);
  const auto Found = Map.find(Key);
  return Found == Map.end() ? -1 : static_cast<int>(Found->second);
}

} // namespace

TEST(KeyListTest, EveryListMatchesTheKeyListTable) {
  ASSERT_EQ(std::size(Table), 49u);
  for (const ListRow& Row : Table) {
    SCOPED_TRACE(std::wstring(Row.Name));
    const ZRVItemMap Map = fill(Row.Fill);
    EXPECT_EQ(Map.size(), Row.Keys);
    std::set<int> Ids;
    for (const auto& [Key, Id] : Map) {
      EXPECT_FALSE(Key.empty());
      Ids.insert(static_cast<int>(Id));
    }
    std::set<int> Expected = parseBlocks(Row.IdBlocks);
    Expected.merge(parseBlocks(Row.Curves));
    EXPECT_EQ(Ids, Expected);

    // Without clearing, the map keeps what it held (a listed key its own
    // id); clearing first gives the same map whatever the map held before.
    M Catalogue;
    const std::wstring Listed = Map.begin()->first;
    ZRVItemMap Refill{{L"Unrelated", static_cast<ZRV_RESULT_ITEMS>(7)},
                      {Listed, static_cast<ZRV_RESULT_ITEMS>(9999)}};
    (Catalogue.*Row.Fill)(Refill, 0);
    EXPECT_EQ(std::make_tuple(Refill.size(), Refill.at(L"Unrelated"), Refill.at(Listed)),
              std::make_tuple(Map.size() + 1, 7, 9999));
    (Catalogue.*Row.Fill)(Refill, 1);
    EXPECT_EQ(Refill, Map);
  }
}

TEST(KeyListTest, KeysAndIdsOfChosenEntries) {
  // "List:Key=Id", -1 for a key outside the list. The same key has other ids
  // in other lists (MeltFrontTime), different keys share an id (679, 789);
  // keys of another list, in other letter case, or without the blank or hash
  // they are written with are outside.
  std::istringstream Spots(
      "Model:Thickness=1598 ShellInjectionFlow:FiberOrientationLayerSkin=47 "
      "ShellInjectionWarp:TotalDisplacementPVT=377 SolidInjectionFlow:ScorchIndex=526 "
      "SolidInjectionFlow:XY_Converion=1587 SolidInjectionPack:ClampingForceCentroid=805 "
      "SolidInjectionWarp:TotalDisplacement=1215 SolidInjectionWarp:MajorModulus=1206 "
      "SolidRIMFlow:PowderConcentration=504 "
      "SolidICPackageWireSweep:DistanceToClosestWireByWire=1481 "
      "SolidMCIMFlow:XY_GasVolumeFraction=1583 SolidPIMPack:ScorchIndex=934 "
      "SolidBIIMFlow:ReMeltedAreaTemperature=1057 "
      "DifferentialDisplacement:TotalDifferentialShrinkageEffectDisplacement=1242 "
      "ShellInjectionFlow:MeltFrontTime=1 ShellRIMFlow:MeltFrontTime=48 "
      "ShellInjectionPack:MeltFrontTime=145 SolidInjectionFlow:MeltFrontTime=417 "
      "SolidGasInFlow:MeltFrontTime=679 SolidGAIMFlow:MeltFrontTime=679 "
      "SolidCOIMFlow:MeltFrontTimeSkin=679 SolidBIIMFlow:MeltFrontTime(EM#1)=679 "
      "SolidInjectionPack:FlakeConcentration(VolumePercentage)=789 "
      "SolidRIMCure:FlakeConcentrationVolumePercentage=789 ShellInjectionFlow:meltfronttime=-1 "
      "SolidInjectionPack:FlakeConcentration(WeightPercentage)=-1 "
      "SolidBIIMFlow:MeltFrontTime=-1");
  for (std::string Spot; Spots >> Spot;) {
    const std::size_t Colon = Spot.find(':'), Equals = Spot.rfind('=');
    const std::string List = Spot.substr(0, Colon),
                      Key = Spot.substr(Colon + 1, Equals - Colon - 1);
    const auto Row = std::find_if(std::begin(Table), std::end(Table), [&](const ListRow& R) {
      return std::wstring(R.Name) == std::wstring(List.begin(), List.end());
    });
    ASSERT_NE(Row, std::end(Table)) << Spot;
    EXPECT_EQ(idOf(Row->Fill, std::wstring(Key.begin(), Key.end()).c_str()),
              std::stoi(Spot.substr(Equals + 1)))
        << Spot;
  }
  EXPECT_EQ(idOf(&M::LoadShellInjectionFlowMap, L"MeltFrontTime "), -1);
}
