/// \file
/// \brief Resolves the result and module names of custom report items of injection
/// projects to result item ids and module ids.
#ifndef ZRVREPORT_ZRVRESULTITEMMAP_CUSTOM_H
#define ZRVREPORT_ZRVRESULTITEMMAP_CUSTOM_H

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVResultItems.h"

/// Looks up custom result names of shell and solid injection projects in the
/// result item catalogue, and module names written in their usual forms.
/// Stateless: every query builds its own item map and discards it.
class ZRVREPORT_EXPORT CZRVResultItemMap_Custom {
public:
  /// Does nothing.
  CZRVResultItemMap_Custom();
  /// Does nothing.
  ~CZRVResultItemMap_Custom();
  /// Does nothing (there is nothing to copy).
  CZRVResultItemMap_Custom& operator=(const CZRVResultItemMap_Custom& Other);

  /// The result item id of \p Name in the key list of \p Module for the kind of
  /// project \p ProjectType (0 solid, 1 shell) and the process \p AppType
  /// (only 0, injection, has lists). \p Reserved is not consulted. The name is
  /// trimmed of white space at both ends (iswspace) and then compared exactly
  /// (case-sensitive); a null name is the empty string. Sends
  /// "[ReportCsutom] itemMap size %d" with the number of keys of the selected
  /// list (0 when none) on every call. Returns the id, or -1 when the kind,
  /// process or module selects no list or the list does not hold the name.
  int QueryItemID(int ProjectType, int AppType, int Reserved, int Module, const wchar_t* Name);

  /// The module that \p Name denotes. The key-word rows are tested in this
  /// order, each as a case-sensitive substring, a later matching row replacing
  /// an earlier one: 0 "Model" "Mesh" "MODEL" "MESH"; 1 "Flow" "Filling" "FLOW"
  /// "FILLING"; 2 "Pack" "Packing" "PACK" "PACKING"; 3 "Cool" "Cooling" "COOL"
  /// "COOLING"; 17 "MoldPreheat" "MOLDPREHEAT"; 4 "Warp" "Warpage" "WARP"
  /// "WARPAGE"; 18 "MoldDeformation" "MOLDDEFORMATION"; 5 "Optics" "Optic"
  /// "OPTICS" "OPTIC"; 13 "Stress" "STRESS"; 20 "Cure" "Curing" "CURE"
  /// "CURING"; 6 "WireSweep" "WIRESWEEP"; 7 "PaddleShift" "PADDLESHIFT"; 19
  /// "HotRunnerSteady" "HOTRUNNERSTEADY" (a name holding one of the last two
  /// gives 19 whatever else it holds). Returns -1 when the name holds none of
  /// the key words; a null name gives -1.
  ZRV_RESULT_MODULES GetModuleID(const wchar_t* Name);

private:
  /// Fills \p ItemMap, without emptying it first, with the list that the kind,
  /// process and module select: for shell (1) Model, ShellInjectionFlow, Pack,
  /// Cool and Warp for modules 0 to 4; for solid (0) Model, SolidInjectionFlow,
  /// Pack, Cool, Warp, Optics, Stress, MoldPreheat, MoldDeformation and
  /// HotRunnerSteady for modules 0 to 5, 13, 17, 18, 19. Fills nothing for any
  /// other kind, a process other than 0 or a module without a list.
  void LoadStringMap(int ProjectType, int AppType, int Reserved, int Module, ZRVItemMap& ItemMap);
};

#endif // ZRVREPORT_ZRVRESULTITEMMAP_CUSTOM_H
