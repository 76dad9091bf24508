// SelectionTest.cpp - the selection of key lists by reader entry point, section
// and thermoset flag, and the table of result sections.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/KeyLists.h"
#include "catalogue/Selection.h"
#include "template/TemplateLayout.h"

namespace {

using E = zrv::ReaderEntryPoint;

// One accepted section: its tag, the list without and with the thermoset flag
// (the same list where the flag does not matter), and the extra list added
// without the flag.
struct Expected {
  const wchar_t* Tag;
  const wchar_t* Plain;
  const wchar_t* Thermoset = nullptr;
  const wchar_t* Extra = L"";
};

struct EntryExpectation {
  E Entry;
  const wchar_t* Name;
  std::vector<Expected> Sections; // in chain order, after [ModelResult]
};

const std::vector<EntryExpectation>& expectations() {
  static const std::vector<EntryExpectation> All = {
      {E::ShellInjection,
       L"LoadShellInjection",
       {{L"[FlowResult]", L"ShellInjectionFlow"},
        {L"[PackResult]", L"ShellInjectionPack"},
        {L"[CoolResult]", L"ShellInjectionCool"},
        {L"[WarpResult]", L"ShellInjectionWarp"}}},
      {E::ShellRIM,
       L"LoadShellRIM",
       {{L"[FlowResult]", L"ShellRIMFlow"}, {L"[CureResult]", L"ShellRIMCure"}}},
      {E::ShellGasIn,
       L"LoadShellGasIn",
       {{L"[FlowResult]", L"ShellGasInFlow"},
        {L"[PackResult]", L"ShellGasInPack"},
        {L"[CoolResult]", L"ShellGasInCool"},
        {L"[WarpResult]", L"ShellGasInWarp"}}},
      {E::SolidInjection,
       L"LoadSolidInjection",
       {{L"[FlowResult]", L"SolidInjectionFlow"},
        {L"[PackResult]", L"SolidInjectionPack"},
        {L"[MoldPreheatResult]", L"MoldPreheat"},
        {L"[CoolResult]", L"SolidInjectionCool"},
        {L"[WarpResult]", L"SolidInjectionWarp"},
        {L"[MoldDeformationResult]", L"MoldDeformation"},
        {L"[OpticsResult]", L"SolidInjectionOptics"},
        {L"[StressResult]", L"SolidInjectionStress"},
        {L"[HotRunnerSteadyResult]", L"HotRunnerSteady"}}},
      {E::SolidRIM,
       L"LoadSolidRIM",
       {{L"[FlowResult]", L"SolidRIMFlow"},
        {L"[CureResult]", L"SolidRIMCure"},
        {L"[MoldPreheatResult]", L"MoldPreheat"},
        {L"[CoolResult]", L"SolidRIMCool"},
        {L"[WarpResult]", L"SolidRIMWarp"},
        {L"[MoldDeformationResult]", L"MoldDeformation"},
        {L"[StressResult]", L"SolidRIMStress"}}},
      {E::SolidICPackage,
       L"LoadSolidICPackage",
       {{L"[FlowResult]", L"SolidICPackageFlow"},
        {L"[CureResult]", L"SolidICPackageCure"},
        {L"[MoldPreheatResult]", L"MoldPreheat"},
        {L"[CoolResult]", L"SolidICPackageCool"},
        {L"[WarpResult]", L"SolidICPackageWarp"},
        {L"[WireSweep]", L"SolidICPackageWireSweep"},
        {L"[PaddleShift]", L"SolidICPackagePaddleShift"},
        {L"[StressResult]", L"SolidRIMStress"}}},
      {E::SolidGasIn,
       L"LoadSolidGasIn",
       {{L"[FlowResult]", L"SolidGasInFlow"},
        {L"[MoldPreheatResult]", L"MoldPreheat"},
        {L"[CoolResult]", L"SolidGasInCool"},
        {L"[WarpResult]", L"SolidGasInWarp"}}},
      {E::SolidCOIM,
       L"LoadSolidCOIM",
       {{L"[FlowResult]", L"SolidCOIMFlow"},
        {L"[CoolResult]", L"SolidCOIMCool"},
        {L"[WarpResult]", L"SolidCOIMWarp"}}},
      {E::SolidICM,
       L"LoadSolidICM",
       {{L"[FlowResult]", L"SolidICMFlow", L"SolidRIMFlow"},
        {L"[CoolResult]", L"SolidICMCool", L"SolidRIMCool"},
        {L"[WarpResult]", L"SolidICMWarp", L"SolidRIMWarp"},
        {L"[OpticsResult]", L"SolidICMOptics"},
        {L"[StressResult]", L"SolidICMStress"}}},
      {E::SolidMCIM,
       L"LoadSolidMCIM",
       {{L"[FlowResult]", L"SolidMCIMFlow"},
        {L"[CoolResult]", L"SolidICMCool"},
        {L"[WarpResult]", L"SolidMCIMWarp"},
        {L"[OpticsResult]", L"SolidICMOptics"},
        {L"[StressResult]", L"SolidICMStress"}}},
      {E::SolidCM,
       L"LoadSolidCM",
       {{L"[FlowResult]", L"SolidICMFlow", L"SolidRIMFlow", L"SolidCMFlowExtra"},
        {L"[MoldPreheatResult]", L"MoldPreheat"},
        {L"[CoolResult]", L"SolidICMCool", L"SolidRIMCool"},
        {L"[WarpResult]", L"SolidICMWarp", L"SolidRIMWarp"},
        {L"[OpticsResult]", L"SolidICMOptics"},
        {L"[StressResult]", L"SolidICMStress", L"SolidRIMStress"}}},
      {E::SolidGAIM,
       L"LoadSolidGAIM",
       {{L"[FlowResult]", L"SolidGAIMFlow"},
        {L"[CoolResult]", L"SolidCOIMCool"},
        {L"[WarpResult]", L"SolidCOIMWarp"}}},
      {E::SolidWAIM,
       L"LoadSolidWAIM",
       {{L"[FlowResult]", L"SolidGAIMFlow"},
        {L"[CoolResult]", L"SolidCOIMCool"},
        {L"[WarpResult]", L"SolidCOIMWarp"}}},
      {E::SolidPIM,
       L"LoadSolidPIM",
       {{L"[FlowResult]", L"SolidPIMFlow", L"SolidRIMFlow"},
        {L"[PackResult]", L"SolidPIMPack", L"SolidRIMCure"},
        {L"[MoldPreheatResult]", L"MoldPreheat"},
        {L"[CoolResult]", L"SolidInjectionCool", L"SolidRIMCool"},
        {L"[WarpResult]", L"SolidInjectionWarp"},
        {L"[OpticsResult]", L"SolidInjectionOptics"},
        {L"[StressResult]", L"SolidInjectionStress"}}},
      {E::SolidBIIM,
       L"LoadSolidBIIM",
       {{L"[FlowResult]", L"SolidBIIMFlow"},
        {L"[CoolResult]", L"SolidCOIMCool"},
        {L"[WarpResult]", L"SolidCOIMWarp"}}},
      {E::SolidRTM,
       L"LoadSolidRTM",
       {{L"[FlowResult]", L"SolidRIMFlow"}, {L"[WarpResult]", L"SolidRIMWarp"}}},
      {E::SolidCFM,
       L"LoadSolidCFM",
       {{L"[FlowResult]", L"SolidMCIMFlow"},
        {L"[MoldPreheatResult]", L"MoldPreheat"},
        {L"[CoolResult]", L"SolidICMCool", L"SolidRIMCool"},
        {L"[WarpResult]", L"SolidMCIMWarp"},
        {L"[OpticsResult]", L"SolidICMOptics"},
        {L"[StressResult]", L"SolidICMStress"}}},
  };
  return All;
}

std::wstring nameOf(zrv::KeyList List) { return zrv::EntriesOfKeyList(List).Name; }

} // namespace

TEST(SelectionTest, EveryEntryPointSelectsItsLists) {
  ASSERT_EQ(expectations().size(), static_cast<std::size_t>(E::Count));
  for (const EntryExpectation& Entry : expectations()) {
    SCOPED_TRACE(std::wstring(Entry.Name));
    EXPECT_EQ(std::wstring(zrv::EntryPointName(Entry.Entry)), Entry.Name);
    std::vector<ZRV_RESULT_MODULES> Chain;
    // Every entry point reads [ModelResult] first, with the model list.
    std::vector<Expected> Sections = {{L"[ModelResult]", L"Model"}};
    Sections.insert(Sections.end(), Entry.Sections.begin(), Entry.Sections.end());
    for (const Expected& Section : Sections) {
      SCOPED_TRACE(std::wstring(Section.Tag));
      const std::wstring Tag(Section.Tag);
      const auto Module = static_cast<ZRV_RESULT_MODULES>(
          zrv::format::moduleOfSectionLine(std::string(Tag.begin(), Tag.end())));
      ASSERT_NE(Module, ZRV_MODULE_NONE);
      Chain.push_back(Module);
      const zrv::SectionLists Plain = zrv::SelectSectionLists(Entry.Entry, 0, Module);
      const zrv::SectionLists Thermoset = zrv::SelectSectionLists(Entry.Entry, 1, Module);
      EXPECT_EQ(nameOf(Plain.List), Section.Plain);
      EXPECT_EQ(nameOf(Plain.Extra), Section.Extra);
      EXPECT_EQ(nameOf(Thermoset.List), Section.Thermoset ? Section.Thermoset : Section.Plain);
      EXPECT_EQ(Thermoset.Extra, zrv::KeyList::None);
      EXPECT_EQ(zrv::SelectSectionLists(Entry.Entry, -7, Module).List, Thermoset.List);
    }
    EXPECT_EQ(zrv::AcceptedSections(Entry.Entry), Chain);
    for (int Module = -1; Module <= 21; ++Module) {
      bool Accepted = false;
      for (ZRV_RESULT_MODULES Section : Chain)
        Accepted = Accepted || Section == Module;
      EXPECT_EQ(zrv::SelectSectionLists(Entry.Entry, 0, Module).accepted(), Accepted) << Module;
      EXPECT_EQ(zrv::SelectSectionLists(Entry.Entry, 1, Module).accepted(), Accepted) << Module;
    }
    EXPECT_EQ(zrv::SetsManyViewData(Entry.Entry),
              std::wstring(Entry.Name).rfind(L"LoadSolid", 0) == 0);
  }
  EXPECT_TRUE(zrv::AcceptedSections(E::Count).empty());
  EXPECT_FALSE(zrv::SelectSectionLists(E::Count, 0, 0).accepted());
  EXPECT_EQ(std::wstring(zrv::EntryPointName(E::Count)), L"");
}

TEST(SelectionTest, FillSectionMapForSolidCM) {
  CZRVReportResultItemMap Catalogue;
  ZRVItemMap Map{{L"Stale", static_cast<ZRV_RESULT_ITEMS>(1)}};
  ASSERT_EQ(zrv::FillSectionMap(Catalogue, zrv::SelectSectionLists(E::SolidCM, 0, 1), Map), 1);
  ZRVItemMap Expected;
  Catalogue.LoadSolidICMFlowMap(Expected, 1);
  EXPECT_EQ(Map.size(), Expected.size() + 2);
  EXPECT_EQ(Map.count(L"Stale"), 0u);
  EXPECT_EQ(Map.at(L"FiberConcetrationVolumePercentage"), 462);
  EXPECT_EQ(Map.at(L"FlakeConcetrationVolumePercentage"), 462);
  EXPECT_EQ(Map.at(L"FiberConcetrationWeightPercentage"), 463);
  EXPECT_EQ(Map.at(L"FlakeConcetrationWeightPercentage"), 463);

  ASSERT_EQ(zrv::FillSectionMap(Catalogue, zrv::SelectSectionLists(E::SolidCM, 1, 1), Map), 1);
  Catalogue.LoadSolidRIMFlowMap(Expected, 1);
  EXPECT_EQ(Map, Expected);
  EXPECT_EQ(Map.count(L"FiberConcetrationVolumePercentage"), 0u);

  // A section the entry point does not accept leaves the map alone.
  EXPECT_EQ(zrv::FillSectionMap(Catalogue, zrv::SelectSectionLists(E::SolidCM, 0, 2), Map), 0);
  EXPECT_EQ(Map, Expected);
}

TEST(SelectionTest, FillMembersMatchTheirLists) {
  CZRVReportResultItemMap Catalogue;
  for (int Index = 0; Index < static_cast<int>(zrv::KeyList::SolidCMFlowExtra); ++Index) {
    const auto List = static_cast<zrv::KeyList>(Index);
    const zrv::KeyListMember Member = zrv::FillMemberOf(List);
    ASSERT_NE(Member, nullptr) << Index;
    ZRVItemMap ByMember;
    ZRVItemMap ByRoutine;
    (Catalogue.*Member)(ByMember, 1);
    zrv::FillItemMap(List, ByRoutine, 1);
    EXPECT_EQ(ByMember, ByRoutine) << Index;
  }
  EXPECT_EQ(zrv::FillMemberOf(zrv::KeyList::Model), &CZRVReportResultItemMap::LoadModelMap);
  EXPECT_EQ(zrv::FillMemberOf(zrv::KeyList::DifferentialDisplacement),
            &CZRVReportResultItemMap::LoadDifferentialDisplacementMap);
  EXPECT_EQ(zrv::FillMemberOf(zrv::KeyList::SolidCMFlowExtra), nullptr);
  EXPECT_EQ(zrv::FillMemberOf(zrv::KeyList::None), nullptr);

  ZRVItemMap Map{{L"Kept", static_cast<ZRV_RESULT_ITEMS>(4)}};
  zrv::FillItemMap(zrv::KeyList::None, Map, 0);
  EXPECT_EQ(Map.size(), 1u);
  zrv::FillItemMap(zrv::KeyList::None, Map, 1);
  EXPECT_TRUE(Map.empty());
}
