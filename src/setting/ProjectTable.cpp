// ProjectTable.cpp - one row per (kind, application type): the loader, where
// its flag arguments come from, and the project type's name.
#include "setting/ProjectTable.h"

#include <cstddef>

namespace zrv {
namespace {

enum class Flag { None, Thermoset, Underfill, EncapsulationCM };

struct ProjectRow {
  bool HasLoader;
  ZRV_TEMPLATE_LOADER Loader;
  /// Replaces Loader when the project's thermoset flag is set.
  ZRV_TEMPLATE_LOADER ThermosetLoader;
  Flag FlagA;
  Flag FlagB;
  const wchar_t* Name;
  /// Whether "(RIM)" follows the name when the run is thermoset.
  bool RimMark;
};

constexpr ProjectRow none(const wchar_t* Name = nullptr) {
  return {false, ZRV_LOAD_COUNT, ZRV_LOAD_COUNT, Flag::None, Flag::None, Name, false};
}
constexpr ProjectRow plain(const wchar_t* Name, ZRV_TEMPLATE_LOADER L, Flag A = Flag::None,
                           Flag B = Flag::None) {
  return {true, L, L, A, B, Name, false};
}

constexpr int AppTypeCount = 15;

constexpr ProjectRow SolidRows[AppTypeCount] = {
    /* 0 Injection */ {true, ZRV_LOAD_SOLID_INJECTION, ZRV_LOAD_SOLID_RIM, Flag::None, Flag::None,
                       L"SolidInjection", true},
    /* 1 GasIn     */ none(),
    /* 2 RIM       */ plain(L"SolidRIM", ZRV_LOAD_SOLID_RIM),
    /* 3 ICPackage */
    plain(L"SolidEncapsulation", ZRV_LOAD_SOLID_ICPACKAGE, Flag::Underfill, Flag::EncapsulationCM),
    /* 4 ICM       */ plain(L"SolidICM", ZRV_LOAD_SOLID_ICM, Flag::Thermoset),
    /* 5 FAIM      */ none(),
    /* 6 GAIM      */ plain(L"SolidGAIM", ZRV_LOAD_SOLID_GAIM),
    /* 7 WAIM      */ plain(L"SolidWAIM", ZRV_LOAD_SOLID_WAIM),
    /* 8 COIM      */ plain(L"SolidCOIM", ZRV_LOAD_SOLID_COIM),
    /* 9 MCIM      */ plain(L"SolidFIM", ZRV_LOAD_SOLID_MCIM),
    /* 10 CM       */ plain(L"SolidCM", ZRV_LOAD_SOLID_CM, Flag::Thermoset),
    /* 11 BIIM     */ plain(L"SolidBIIM", ZRV_LOAD_SOLID_BIIM),
    /* 12 PIM      */ plain(L"SolidPIM", ZRV_LOAD_SOLID_PIM, Flag::Thermoset),
    /* 13 RTM      */ plain(L"SolidRTM", ZRV_LOAD_SOLID_RTM),
    /* 14 CFM      */ plain(L"SolidCFM", ZRV_LOAD_SOLID_CFM, Flag::Thermoset),
};

// Shell application types 3 to 14 are left to value-initialisation: no
// loader, no name.
constexpr ProjectRow ShellRows[AppTypeCount] = {
    /* 0 Injection */ plain(L"ShellInjection", ZRV_LOAD_SHELL_INJECTION),
    /* 1 GasIn     */ plain(L"ShellGasIn", ZRV_LOAD_SHELL_GASIN),
    /* 2 RIM       */ plain(L"ShellRIM", ZRV_LOAD_SHELL_RIM),
};

const ProjectRow* rowOf(int ProjectType, int AppType) {
  if (AppType < 0 || AppType >= AppTypeCount)
    return nullptr;
  const auto Index = static_cast<std::size_t>(AppType);
  if (isSolidKind(ProjectType))
    return &SolidRows[Index];
  return ProjectType == 1 ? &ShellRows[Index] : nullptr;
}

int flagValue(Flag Which, const ProjectFlags& Flags) {
  switch (Which) {
  case Flag::Thermoset:
    return Flags.Thermoset;
  case Flag::Underfill:
    return Flags.Underfill;
  case Flag::EncapsulationCM:
    return Flags.EncapsulationCM;
  case Flag::None:
    break;
  }
  return 0;
}

} // namespace

bool loaderCallOf(int ProjectType, int AppType, const ProjectFlags& Flags, LoaderCall& Call) {
  const ProjectRow* Row = rowOf(ProjectType, AppType);
  if (!Row || !Row->HasLoader)
    return false;
  Call.Loader = Flags.Thermoset != 0 ? Row->ThermosetLoader : Row->Loader;
  Call.FlagA = flagValue(Row->FlagA, Flags);
  Call.FlagB = flagValue(Row->FlagB, Flags);
  Call.Thermoset = Row->FlagA == Flag::Thermoset ? Flags.Thermoset : 0;
  return true;
}

const wchar_t* projectTypeNameOf(int ProjectType, int AppType, bool& RimMark) {
  const ProjectRow* Row = rowOf(ProjectType, AppType);
  RimMark = Row && Row->RimMark;
  return Row ? Row->Name : nullptr;
}

} // namespace zrv
