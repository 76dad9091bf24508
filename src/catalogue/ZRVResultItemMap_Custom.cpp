// ZRVResultItemMap_Custom.cpp - lookup of custom result names in the injection
// key lists and of module names by their key words.
#include "zrvreport/ZRVResultItemMap_Custom.h"

#include <cwctype>
#include <string>

#include "catalogue/KeyLists.h"
#include "catalogue/Selection.h"
#include "platform/Diagnostics.h"
#include "util/Text.h"

namespace {

using K = zrv::KeyList;

// The list of each module for shell (kind 1) and solid (kind 0) injection.
struct InjectionModuleLists {
  int Module;
  K Shell;
  K Solid;
};

constexpr InjectionModuleLists InjectionLists[] = {
    {ZRV_MODULE_MODEL, K::Model, K::Model},
    {ZRV_MODULE_FLOW, K::ShellInjectionFlow, K::SolidInjectionFlow},
    {ZRV_MODULE_PACK, K::ShellInjectionPack, K::SolidInjectionPack},
    {ZRV_MODULE_COOL, K::ShellInjectionCool, K::SolidInjectionCool},
    {ZRV_MODULE_WARP, K::ShellInjectionWarp, K::SolidInjectionWarp},
    {ZRV_MODULE_OPTICS, K::None, K::SolidInjectionOptics},
    {ZRV_MODULE_STRESS, K::None, K::SolidInjectionStress},
    {ZRV_MODULE_MOLD_PREHEAT, K::None, K::MoldPreheat},
    {ZRV_MODULE_MOLD_DEFORMATION, K::None, K::MoldDeformation},
    {ZRV_MODULE_HOT_RUNNER_STEADY, K::None, K::HotRunnerSteady},
};

// Key words of the module names, rows in the order they are tested.
struct ModuleKeyWords {
  ZRV_RESULT_MODULES Module;
  const wchar_t* Words[4];
};

constexpr ModuleKeyWords ModuleWords[] = {
    {ZRV_MODULE_MODEL, {L"Model", L"Mesh", L"MODEL", L"MESH"}},
    {ZRV_MODULE_FLOW, {L"Flow", L"Filling", L"FLOW", L"FILLING"}},
    {ZRV_MODULE_PACK, {L"Pack", L"Packing", L"PACK", L"PACKING"}},
    {ZRV_MODULE_COOL, {L"Cool", L"Cooling", L"COOL", L"COOLING"}},
    {ZRV_MODULE_MOLD_PREHEAT, {L"MoldPreheat", L"MOLDPREHEAT"}},
    {ZRV_MODULE_WARP, {L"Warp", L"Warpage", L"WARP", L"WARPAGE"}},
    {ZRV_MODULE_MOLD_DEFORMATION, {L"MoldDeformation", L"MOLDDEFORMATION"}},
    {ZRV_MODULE_OPTICS, {L"Optics", L"Optic", L"OPTICS", L"OPTIC"}},
    {ZRV_MODULE_STRESS, {L"Stress", L"STRESS"}},
    {ZRV_MODULE_CURE, {L"Cure", L"Curing", L"CURE", L"CURING"}},
    {ZRV_MODULE_WIRE_SWEEP, {L"WireSweep", L"WIRESWEEP"}},
    {ZRV_MODULE_PADDLE_SHIFT, {L"PaddleShift", L"PADDLESHIFT"}},
    {ZRV_MODULE_HOT_RUNNER_STEADY, {L"HotRunnerSteady", L"HOTRUNNERSTEADY"}},
};

// The key words that settle the module at once.
constexpr const wchar_t* HotRunnerWords[] = {L"HotRunnerSteady", L"HOTRUNNERSTEADY"};

bool contains(const std::wstring& Text, const wchar_t* Word) {
  return Word && Text.find(Word) != std::wstring::npos;
}

std::wstring trimmed(const std::wstring& Text) {
  std::size_t First = 0;
  std::size_t Last = Text.size();
  while (First < Last && std::iswspace(static_cast<std::wint_t>(Text[First])))
    ++First;
  while (Last > First && std::iswspace(static_cast<std::wint_t>(Text[Last - 1])))
    --Last;
  return Text.substr(First, Last - First);
}

} // namespace

CZRVResultItemMap_Custom::CZRVResultItemMap_Custom() = default;

CZRVResultItemMap_Custom::~CZRVResultItemMap_Custom() = default;

CZRVResultItemMap_Custom&
CZRVResultItemMap_Custom::operator=(const CZRVResultItemMap_Custom& /*Other*/) {
  return *this;
}

int CZRVResultItemMap_Custom::QueryItemID(int ProjectType, int AppType, int Reserved, int Module,
                                          const wchar_t* Name) {
  ZRVItemMap ItemMap;
  LoadStringMap(ProjectType, AppType, Reserved, Module, ItemMap);
  zrv::Diagnose(L"[ReportCsutom] itemMap size %d", {static_cast<int>(ItemMap.size())});
  const auto Found = ItemMap.find(trimmed(zrv::text(Name)));
  return Found == ItemMap.end() ? -1 : static_cast<int>(Found->second);
}

ZRV_RESULT_MODULES CZRVResultItemMap_Custom::GetModuleID(const wchar_t* Name) {
  if (!Name)
    return ZRV_MODULE_NONE;
  const std::wstring Text(Name);
  ZRV_RESULT_MODULES Result = ZRV_MODULE_NONE;
  for (const ModuleKeyWords& Row : ModuleWords)
    for (const wchar_t* Word : Row.Words)
      if (contains(Text, Word))
        Result = Row.Module;
  for (const wchar_t* Word : HotRunnerWords)
    if (contains(Text, Word))
      return ZRV_MODULE_HOT_RUNNER_STEADY;
  return Result;
}

void CZRVResultItemMap_Custom::LoadStringMap(int ProjectType, int AppType, int /*Reserved*/,
                                             int Module, ZRVItemMap& ItemMap) {
  if ((ProjectType != 0 && ProjectType != 1) || AppType != 0)
    return;
  for (const InjectionModuleLists& Row : InjectionLists) {
    if (Row.Module != Module)
      continue;
    const zrv::KeyListMember Member = zrv::FillMemberOf(ProjectType == 1 ? Row.Shell : Row.Solid);
    if (Member) {
      CZRVReportResultItemMap Catalogue;
      (Catalogue.*Member)(ItemMap, 0);
    }
    return;
  }
}
