// SelectionTest.cpp - the selection of key lists by reader entry point, section
// and thermoset flag, and the table of result sections.
#include "TestSupport.h"

#include "catalogue/KeyLists.h"
#include "catalogue/Selection.h"
#include "platform/Platform.h"
#include "template/TemplateLayout.h"

namespace {

using E = zrv::ReaderEntryPoint;

// One accepted section: its tag, the list without and with the thermoset flag
// (the same list where the flag does not matter), and the extra list added
// without the flag.
struct Expected {
  std::wstring Tag, Plain, Thermoset, Extra;
};

// An entry point's sections after [ModelResult], in chain order, each written
// "[Tag]=Plain", "[Tag]=Plain/Thermoset" or "[Tag]=Plain/Thermoset+Extra".
struct EntryExpectation {
  E Entry;
  const wchar_t* Name;
  const wchar_t* Sections;
};

std::vector<Expected> parseSections(const std::wstring& Text) {
  std::vector<Expected> Sections = {{L"[ModelResult]", L"Model", L"Model", L""}};
  std::wistringstream In(Text);
  std::wstring Word;
  while (In >> Word) {
    const std::size_t Equal = Word.find(L'='), Slash = Word.find(L'/'), Plus = Word.find(L'+');
    const std::wstring Plain = Word.substr(Equal + 1, std::min(Slash, Plus) - Equal - 1);
    Sections.push_back(
        {Word.substr(0, Equal), Plain,
         Slash == std::wstring::npos ? Plain : Word.substr(Slash + 1, Plus - Slash - 1),
         Plus == std::wstring::npos ? L"" : Word.substr(Plus + 1)});
  }
  return Sections;
}

const EntryExpectation Expectations[] = {
    {E::ShellInjection, L"LoadShellInjection",
     L"[FlowResult]=ShellInjectionFlow [PackResult]=ShellInjectionPack "
     L"[CoolResult]=ShellInjectionCool [WarpResult]=ShellInjectionWarp"},
    {E::ShellRIM, L"LoadShellRIM", L"[FlowResult]=ShellRIMFlow [CureResult]=ShellRIMCure"},
    {E::ShellGasIn, L"LoadShellGasIn",
     L"[FlowResult]=ShellGasInFlow [PackResult]=ShellGasInPack [CoolResult]=ShellGasInCool "
     L"[WarpResult]=ShellGasInWarp"},
    {E::SolidInjection, L"LoadSolidInjection",
     L"[FlowResult]=SolidInjectionFlow [PackResult]=SolidInjectionPack "
     L"[MoldPreheatResult]=MoldPreheat [CoolResult]=SolidInjectionCool "
     L"[WarpResult]=SolidInjectionWarp [MoldDeformationResult]=MoldDeformation "
     L"[OpticsResult]=SolidInjectionOptics [StressResult]=SolidInjectionStress "
     L"[HotRunnerSteadyResult]=HotRunnerSteady"},
    {E::SolidRIM, L"LoadSolidRIM",
     L"[FlowResult]=SolidRIMFlow [CureResult]=SolidRIMCure [MoldPreheatResult]=MoldPreheat "
     L"[CoolResult]=SolidRIMCool [WarpResult]=SolidRIMWarp [MoldDeformationResult]=MoldDeformation "
     L"[StressResult]=SolidRIMStress"},
    {E::SolidICPackage, L"LoadSolidICPackage",
     L"[FlowResult]=SolidICPackageFlow [CureResult]=SolidICPackageCure "
     L"[MoldPreheatResult]=MoldPreheat [CoolResult]=SolidICPackageCool "
     L"[WarpResult]=SolidICPackageWarp [WireSweep]=SolidICPackageWireSweep "
     L"[PaddleShift]=SolidICPackagePaddleShift [StressResult]=SolidRIMStress"},
    {E::SolidGasIn, L"LoadSolidGasIn",
     L"[FlowResult]=SolidGasInFlow [MoldPreheatResult]=MoldPreheat [CoolResult]=SolidGasInCool "
     L"[WarpResult]=SolidGasInWarp"},
    {E::SolidCOIM, L"LoadSolidCOIM",
     L"[FlowResult]=SolidCOIMFlow [CoolResult]=SolidCOIMCool [WarpResult]=SolidCOIMWarp"},
    {E::SolidICM, L"LoadSolidICM",
     L"[FlowResult]=SolidICMFlow/SolidRIMFlow [CoolResult]=SolidICMCool/SolidRIMCool "
     L"[WarpResult]=SolidICMWarp/SolidRIMWarp [OpticsResult]=SolidICMOptics "
     L"[StressResult]=SolidICMStress"},
    {E::SolidMCIM, L"LoadSolidMCIM",
     L"[FlowResult]=SolidMCIMFlow [CoolResult]=SolidICMCool [WarpResult]=SolidMCIMWarp "
     L"[OpticsResult]=SolidICMOptics [StressResult]=SolidICMStress"},
    {E::SolidCM, L"LoadSolidCM",
     L"[FlowResult]=SolidICMFlow/SolidRIMFlow+SolidCMFlowExtra [MoldPreheatResult]=MoldPreheat "
     L"[CoolResult]=SolidICMCool/SolidRIMCool [WarpResult]=SolidICMWarp/SolidRIMWarp "
     L"[OpticsResult]=SolidICMOptics [StressResult]=SolidICMStress/SolidRIMStress"},
    {E::SolidGAIM, L"LoadSolidGAIM",
     L"[FlowResult]=SolidGAIMFlow [CoolResult]=SolidCOIMCool [WarpResult]=SolidCOIMWarp"},
    {E::SolidWAIM, L"LoadSolidWAIM",
     L"[FlowResult]=SolidGAIMFlow [CoolResult]=SolidCOIMCool [WarpResult]=SolidCOIMWarp"},
    {E::SolidPIM, L"LoadSolidPIM",
     L"[FlowResult]=SolidPIMFlow/SolidRIMFlow [PackResult]=SolidPIMPack/SolidRIMCure "
     L"[MoldPreheatResult]=MoldPreheat [CoolResult]=SolidInjectionCool/SolidRIMCool "
     L"[WarpResult]=SolidInjectionWarp [OpticsResult]=SolidInjectionOptics "
     L"[StressResult]=SolidInjectionStress"},
    {E::SolidBIIM, L"LoadSolidBIIM",
     L"[FlowResult]=SolidBIIMFlow [CoolResult]=SolidCOIMCool [WarpResult]=SolidCOIMWarp"},
    {E::SolidRTM, L"LoadSolidRTM", L"[FlowResult]=SolidRIMFlow [WarpResult]=SolidRIMWarp"},
    {E::SolidCFM, L"LoadSolidCFM",
     L"[FlowResult]=SolidMCIMFlow [MoldPreheatResult]=MoldPreheat "
     L"[CoolResult]=SolidICMCool/SolidRIMCool [WarpResult]=SolidMCIMWarp "
     L"[OpticsResult]=SolidICMOptics [StressResult]=SolidICMStress"},
};

std::wstring nameOf(zrv::KeyList List) { return zrv::EntriesOfKeyList(List).Name; }

} // namespace

TEST(SelectionTest, EveryEntryPointSelectsItsLists) {
  ASSERT_EQ(std::size(Expectations), static_cast<std::size_t>(E::Count));
  for (const EntryExpectation& Entry : Expectations) {
    SCOPED_TRACE(std::wstring(Entry.Name));
    EXPECT_EQ(std::wstring(zrv::EntryPointName(Entry.Entry)), Entry.Name);
    std::vector<ZRV_RESULT_MODULES> Chain;
    // Every entry point reads [ModelResult] first, with the model list.
    for (const Expected& Section : parseSections(Entry.Sections)) {
      SCOPED_TRACE(Section.Tag);
      const auto Module = static_cast<ZRV_RESULT_MODULES>(
          zrv::format::moduleOfSectionLine(std::string(Section.Tag.begin(), Section.Tag.end())));
      ASSERT_NE(Module, ZRV_MODULE_NONE);
      Chain.push_back(Module);
      const zrv::SectionLists Plain = zrv::SelectSectionLists(Entry.Entry, 0, Module);
      const zrv::SectionLists Thermoset = zrv::SelectSectionLists(Entry.Entry, 1, Module);
      EXPECT_EQ(nameOf(Plain.List), Section.Plain);
      EXPECT_EQ(nameOf(Plain.Extra), Section.Extra);
      EXPECT_EQ(nameOf(Thermoset.List), Section.Thermoset);
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

TEST(SelectionTest, SectionKeysHoldWhatFillSectionMapFills) {
  CZRVReportResultItemMap Catalogue;
  for (int Entry = 0; Entry < static_cast<int>(E::Count); ++Entry)
    for (int Thermoset : {0, 1})
      for (int Module = -1; Module <= 21; ++Module) {
        SCOPED_TRACE(std::to_string(Entry) + "/" + std::to_string(Thermoset) + "/" +
                     std::to_string(Module));
        const zrv::SectionLists Lists =
            zrv::SelectSectionLists(static_cast<E>(Entry), Thermoset, Module);
        ZRVItemMap Map;
        const zrv::SectionKeys* Keys = zrv::SectionKeysOf(Lists);
        ASSERT_EQ(Keys != nullptr, zrv::FillSectionMap(Catalogue, Lists, Map) == 1);
        if (!Keys)
          continue;
        EXPECT_EQ(Keys, zrv::SectionKeysOf(Lists)); // built once
        ASSERT_EQ(Keys->size(), Map.size());
        for (const auto& [Key, Id] : Map) {
          ZRV_RESULT_ITEMS Found{};
          ASSERT_TRUE(Keys->find(Key, Found)) << std::string(Key.begin(), Key.end());
          EXPECT_EQ(Found, Id);
          std::wstring Lower = Key;
          std::transform(Lower.begin(), Lower.end(), Lower.begin(),
                         [](wchar_t C) { return C >= L'A' && C <= L'Z' ? C - L'A' + L'a' : C; });
          if (!Map.count(Lower)) {
            EXPECT_FALSE(Keys->find(Lower, Found));
          }
          EXPECT_FALSE(Keys->find(Key + L" ", Found));
          // By their UTF-8 bytes the key and texts near it give what their
          // wide text gives; a byte that is no UTF-8 gives nothing.
          for (const std::wstring& Text : {Key, Key.substr(1), Key + L" ", Lower}) {
            const std::string Bytes = zrv::platform::ToUtf8(Text);
            ZRV_RESULT_ITEMS ByWide{}, ByBytes{};
            const bool Wide = Keys->find(Text, ByWide);
            ASSERT_EQ(Keys->find(std::string_view(Bytes), ByBytes), Wide) << Bytes;
            EXPECT_EQ(ByBytes, ByWide) << Bytes;
          }
          ZRV_RESULT_ITEMS Untouched{};
          EXPECT_FALSE(
              Keys->find(std::string_view(zrv::platform::ToUtf8(Key) + "\xff"), Untouched));
        }
      }
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
