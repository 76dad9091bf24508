// Selection.cpp - the selection table: for every entry point of the template
// reader, the result sections it accepts in chain order and the key list of
// each, with the thermoset variants.
#include "catalogue/Selection.h"

#include "platform/Platform.h"

#include <iterator>
#include <map>
#include <memory>
#include <mutex>

namespace zrv {
namespace {

using E = ReaderEntryPoint;
using K = KeyList;

// One accepted section of one entry point. Plain is the list without the
// thermoset flag (and for entry points that take no flag), Thermoset the list
// with it; PlainExtra is added after Plain when the flag is not set.
struct SectionRule {
  E Entry;
  ZRV_RESULT_MODULES Module;
  K Plain;
  K Thermoset;
  K PlainExtra;
};

constexpr SectionRule always(E Entry, ZRV_RESULT_MODULES Module, K List) {
  return {Entry, Module, List, List, K::None};
}

constexpr SectionRule byFlag(E Entry, ZRV_RESULT_MODULES Module, K Plain, K Thermoset,
                             K PlainExtra = K::None) {
  return {Entry, Module, Plain, Thermoset, PlainExtra};
}

constexpr ZRV_RESULT_MODULES Model = ZRV_MODULE_MODEL;
constexpr ZRV_RESULT_MODULES Flow = ZRV_MODULE_FLOW;
constexpr ZRV_RESULT_MODULES Pack = ZRV_MODULE_PACK;
constexpr ZRV_RESULT_MODULES Cool = ZRV_MODULE_COOL;
constexpr ZRV_RESULT_MODULES Warp = ZRV_MODULE_WARP;
constexpr ZRV_RESULT_MODULES Optics = ZRV_MODULE_OPTICS;
constexpr ZRV_RESULT_MODULES WireSweep = ZRV_MODULE_WIRE_SWEEP;
constexpr ZRV_RESULT_MODULES PaddleShift = ZRV_MODULE_PADDLE_SHIFT;
constexpr ZRV_RESULT_MODULES Stress = ZRV_MODULE_STRESS;
constexpr ZRV_RESULT_MODULES MoldPreheat = ZRV_MODULE_MOLD_PREHEAT;
constexpr ZRV_RESULT_MODULES MoldDeformation = ZRV_MODULE_MOLD_DEFORMATION;
constexpr ZRV_RESULT_MODULES HotRunnerSteady = ZRV_MODULE_HOT_RUNNER_STEADY;
constexpr ZRV_RESULT_MODULES Cure = ZRV_MODULE_CURE;

// Rows of each entry point in the order of its dispatch chain.
constexpr SectionRule Rules[] = {
    always(E::ShellInjection, Model, K::Model),
    always(E::ShellInjection, Flow, K::ShellInjectionFlow),
    always(E::ShellInjection, Pack, K::ShellInjectionPack),
    always(E::ShellInjection, Cool, K::ShellInjectionCool),
    always(E::ShellInjection, Warp, K::ShellInjectionWarp),

    always(E::ShellRIM, Model, K::Model),
    always(E::ShellRIM, Flow, K::ShellRIMFlow),
    always(E::ShellRIM, Cure, K::ShellRIMCure),

    always(E::ShellGasIn, Model, K::Model),
    always(E::ShellGasIn, Flow, K::ShellGasInFlow),
    always(E::ShellGasIn, Pack, K::ShellGasInPack),
    always(E::ShellGasIn, Cool, K::ShellGasInCool),
    always(E::ShellGasIn, Warp, K::ShellGasInWarp),

    always(E::SolidInjection, Model, K::Model),
    always(E::SolidInjection, Flow, K::SolidInjectionFlow),
    always(E::SolidInjection, Pack, K::SolidInjectionPack),
    always(E::SolidInjection, MoldPreheat, K::MoldPreheat),
    always(E::SolidInjection, Cool, K::SolidInjectionCool),
    always(E::SolidInjection, Warp, K::SolidInjectionWarp),
    always(E::SolidInjection, MoldDeformation, K::MoldDeformation),
    always(E::SolidInjection, Optics, K::SolidInjectionOptics),
    always(E::SolidInjection, Stress, K::SolidInjectionStress),
    always(E::SolidInjection, HotRunnerSteady, K::HotRunnerSteady),

    always(E::SolidRIM, Model, K::Model),
    always(E::SolidRIM, Flow, K::SolidRIMFlow),
    always(E::SolidRIM, Cure, K::SolidRIMCure),
    always(E::SolidRIM, MoldPreheat, K::MoldPreheat),
    always(E::SolidRIM, Cool, K::SolidRIMCool),
    always(E::SolidRIM, Warp, K::SolidRIMWarp),
    always(E::SolidRIM, MoldDeformation, K::MoldDeformation),
    always(E::SolidRIM, Stress, K::SolidRIMStress),

    always(E::SolidICPackage, Model, K::Model),
    always(E::SolidICPackage, Flow, K::SolidICPackageFlow),
    always(E::SolidICPackage, Cure, K::SolidICPackageCure),
    always(E::SolidICPackage, MoldPreheat, K::MoldPreheat),
    always(E::SolidICPackage, Cool, K::SolidICPackageCool),
    always(E::SolidICPackage, Warp, K::SolidICPackageWarp),
    always(E::SolidICPackage, WireSweep, K::SolidICPackageWireSweep),
    always(E::SolidICPackage, PaddleShift, K::SolidICPackagePaddleShift),
    always(E::SolidICPackage, Stress, K::SolidRIMStress),

    always(E::SolidGasIn, Model, K::Model),
    always(E::SolidGasIn, Flow, K::SolidGasInFlow),
    always(E::SolidGasIn, MoldPreheat, K::MoldPreheat),
    always(E::SolidGasIn, Cool, K::SolidGasInCool),
    always(E::SolidGasIn, Warp, K::SolidGasInWarp),

    always(E::SolidCOIM, Model, K::Model),
    always(E::SolidCOIM, Flow, K::SolidCOIMFlow),
    always(E::SolidCOIM, Cool, K::SolidCOIMCool),
    always(E::SolidCOIM, Warp, K::SolidCOIMWarp),

    always(E::SolidICM, Model, K::Model),
    byFlag(E::SolidICM, Flow, K::SolidICMFlow, K::SolidRIMFlow),
    byFlag(E::SolidICM, Cool, K::SolidICMCool, K::SolidRIMCool),
    byFlag(E::SolidICM, Warp, K::SolidICMWarp, K::SolidRIMWarp),
    always(E::SolidICM, Optics, K::SolidICMOptics),
    always(E::SolidICM, Stress, K::SolidICMStress),

    always(E::SolidMCIM, Model, K::Model),
    always(E::SolidMCIM, Flow, K::SolidMCIMFlow),
    always(E::SolidMCIM, Cool, K::SolidICMCool),
    always(E::SolidMCIM, Warp, K::SolidMCIMWarp),
    always(E::SolidMCIM, Optics, K::SolidICMOptics),
    always(E::SolidMCIM, Stress, K::SolidICMStress),

    always(E::SolidCM, Model, K::Model),
    byFlag(E::SolidCM, Flow, K::SolidICMFlow, K::SolidRIMFlow, K::SolidCMFlowExtra),
    always(E::SolidCM, MoldPreheat, K::MoldPreheat),
    byFlag(E::SolidCM, Cool, K::SolidICMCool, K::SolidRIMCool),
    byFlag(E::SolidCM, Warp, K::SolidICMWarp, K::SolidRIMWarp),
    always(E::SolidCM, Optics, K::SolidICMOptics),
    byFlag(E::SolidCM, Stress, K::SolidICMStress, K::SolidRIMStress),

    always(E::SolidGAIM, Model, K::Model),
    always(E::SolidGAIM, Flow, K::SolidGAIMFlow),
    always(E::SolidGAIM, Cool, K::SolidCOIMCool),
    always(E::SolidGAIM, Warp, K::SolidCOIMWarp),

    always(E::SolidWAIM, Model, K::Model),
    always(E::SolidWAIM, Flow, K::SolidGAIMFlow),
    always(E::SolidWAIM, Cool, K::SolidCOIMCool),
    always(E::SolidWAIM, Warp, K::SolidCOIMWarp),

    always(E::SolidPIM, Model, K::Model),
    byFlag(E::SolidPIM, Flow, K::SolidPIMFlow, K::SolidRIMFlow),
    byFlag(E::SolidPIM, Pack, K::SolidPIMPack, K::SolidRIMCure),
    always(E::SolidPIM, MoldPreheat, K::MoldPreheat),
    byFlag(E::SolidPIM, Cool, K::SolidInjectionCool, K::SolidRIMCool),
    always(E::SolidPIM, Warp, K::SolidInjectionWarp),
    always(E::SolidPIM, Optics, K::SolidInjectionOptics),
    always(E::SolidPIM, Stress, K::SolidInjectionStress),

    always(E::SolidBIIM, Model, K::Model),
    always(E::SolidBIIM, Flow, K::SolidBIIMFlow),
    always(E::SolidBIIM, Cool, K::SolidCOIMCool),
    always(E::SolidBIIM, Warp, K::SolidCOIMWarp),

    always(E::SolidRTM, Model, K::Model),
    always(E::SolidRTM, Flow, K::SolidRIMFlow),
    always(E::SolidRTM, Warp, K::SolidRIMWarp),

    always(E::SolidCFM, Model, K::Model),
    always(E::SolidCFM, Flow, K::SolidMCIMFlow),
    always(E::SolidCFM, MoldPreheat, K::MoldPreheat),
    byFlag(E::SolidCFM, Cool, K::SolidICMCool, K::SolidRIMCool),
    always(E::SolidCFM, Warp, K::SolidMCIMWarp),
    always(E::SolidCFM, Optics, K::SolidICMOptics),
    always(E::SolidCFM, Stress, K::SolidICMStress),
};

// Entry points in the order of the enumeration: member name and whether the
// several-view records are filled after the file.
struct EntryPointRow {
  const wchar_t* Name;
  bool ManyViews;
};

constexpr EntryPointRow EntryPoints[] = {
    {L"LoadShellInjection", false}, {L"LoadShellRIM", false}, {L"LoadShellGasIn", false},
    {L"LoadSolidInjection", true},  {L"LoadSolidRIM", true},  {L"LoadSolidICPackage", true},
    {L"LoadSolidGasIn", true},      {L"LoadSolidCOIM", true}, {L"LoadSolidICM", true},
    {L"LoadSolidMCIM", true},       {L"LoadSolidCM", true},   {L"LoadSolidGAIM", true},
    {L"LoadSolidWAIM", true},       {L"LoadSolidPIM", true},  {L"LoadSolidBIIM", true},
    {L"LoadSolidRTM", true},        {L"LoadSolidCFM", true},
};

static_assert(std::size(EntryPoints) == static_cast<std::size_t>(E::Count),
              "one row per entry point");

bool validEntry(E Entry) {
  const int Index = static_cast<int>(Entry);
  return Index >= 0 && Index < static_cast<int>(E::Count);
}

} // namespace

const wchar_t* EntryPointName(ReaderEntryPoint Entry) {
  return validEntry(Entry) ? EntryPoints[static_cast<int>(Entry)].Name : L"";
}

bool SetsManyViewData(ReaderEntryPoint Entry) {
  return validEntry(Entry) && EntryPoints[static_cast<int>(Entry)].ManyViews;
}

std::vector<ZRV_RESULT_MODULES> AcceptedSections(ReaderEntryPoint Entry) {
  std::vector<ZRV_RESULT_MODULES> Sections;
  for (const SectionRule& Rule : Rules)
    if (Rule.Entry == Entry)
      Sections.push_back(Rule.Module);
  return Sections;
}

SectionLists SelectSectionLists(ReaderEntryPoint Entry, int Thermoset, int Module) {
  SectionLists Lists;
  for (const SectionRule& Rule : Rules) {
    if (Rule.Entry != Entry || Rule.Module != Module)
      continue;
    if (Thermoset != 0) {
      Lists.List = Rule.Thermoset;
    } else {
      Lists.List = Rule.Plain;
      Lists.Extra = Rule.PlainExtra;
    }
    break;
  }
  return Lists;
}

int FillSectionMap(CZRVReportResultItemMap& Catalogue, const SectionLists& Lists, ZRVItemMap& Map) {
  const KeyListMember Member = FillMemberOf(Lists.List);
  if (!Member)
    return 0;
  (Catalogue.*Member)(Map, 1);
  FillItemMap(Lists.Extra, Map, 0);
  return 1;
}

SectionKeys::SectionKeys(const SectionLists& Lists) {
  // The list first, then the extra list insert-if-absent, as FillSectionMap.
  // The index views the keys' bytes in KeyBytes, whose room is made first so
  // that they never move.
  std::size_t Count = 0;
  for (KeyList List : {Lists.List, Lists.Extra})
    Count += EntriesOfKeyList(List).Size;
  KeyBytes.reserve(Count);
  for (KeyList List : {Lists.List, Lists.Extra}) {
    const KeyListEntries Entries = EntriesOfKeyList(List);
    for (std::size_t I = 0; I < Entries.Size; ++I) {
      KeyBytes.push_back(platform::ToUtf8(Entries.Entries[I].Key));
      if (!Ids.emplace(KeyBytes.back(), static_cast<ZRV_RESULT_ITEMS>(Entries.Entries[I].Id))
               .second)
        KeyBytes.pop_back(); // a key of the list before keeps its id
    }
  }
}

bool SectionKeys::find(std::wstring_view Key, ZRV_RESULT_ITEMS& Id) const {
  // A key and its UTF-8 bytes go together one to one; a lone surrogate
  // becomes U+FFFD, which no key holds.
  const std::string Bytes = platform::ToUtf8(Key);
  return find(std::string_view(Bytes), Id);
}

bool SectionKeys::find(std::string_view Utf8Key, ZRV_RESULT_ITEMS& Id) const {
  const auto Found = Ids.find(Utf8Key);
  if (Found == Ids.end())
    return false;
  Id = Found->second;
  return true;
}

const SectionKeys* SectionKeysOf(const SectionLists& Lists) {
  if (!FillMemberOf(Lists.List))
    return nullptr;
  static std::mutex Guard;
  static std::map<std::pair<KeyList, KeyList>, std::unique_ptr<const SectionKeys>> Built;
  std::lock_guard<std::mutex> Lock(Guard);
  std::unique_ptr<const SectionKeys>& Keys = Built[{Lists.List, Lists.Extra}];
  if (!Keys)
    Keys = std::make_unique<const SectionKeys>(Lists);
  return Keys.get();
}

} // namespace zrv
