/// \file
/// \brief The result item catalogue: one fill member per key list, each putting the
/// template keys of one result section into an item map.
#ifndef ZRVREPORT_ZRVREPORTRESULTITEMMAP_H
#define ZRVREPORT_ZRVREPORTRESULTITEMMAP_H

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVResultItems.h"

/// The fixed vocabulary that ties the keys of a report template's result lines
/// ("MeltFrontTime", "XY_ClampingForce", "ShadedModel" ...) to result item ids.
/// There is one key list per kind of project and result section; the same key
/// means a different id in each list ("MeltFrontTime" is 1 in the shell
/// injection flow list and 417 in the solid injection flow list).
///
/// Every fill member works the same way: when \p clearFirst is non-zero the map
/// is emptied first; then each entry of the list is inserted in the list's
/// order unless its key is already in the map, so a key that the map holds
/// keeps the id it has. Keys compare exactly (case-sensitive, no trimming).
/// The members return nothing and cannot fail; they read nothing of the object.
class ZRVREPORT_EXPORT CZRVReportResultItemMap {
public:
  /// The catalogue has no state; constructing it does nothing.
  CZRVReportResultItemMap() = default;
  /// Copies nothing: the catalogue has no state.
  CZRVReportResultItemMap(const CZRVReportResultItemMap&) = default;
  /// Copies nothing: the catalogue has no state.
  CZRVReportResultItemMap& operator=(const CZRVReportResultItemMap&) = default;
  /// Does nothing.
  virtual ~CZRVReportResultItemMap();

  /// Model and mesh display items (6 keys): [ModelResult] of every project.
  void LoadModelMap(ZRVItemMap& Map, int clearFirst);

  /// Shell injection [FlowResult] (53 keys).
  void LoadShellInjectionFlowMap(ZRVItemMap& Map, int clearFirst);
  /// Shell injection [PackResult] (53 keys).
  void LoadShellInjectionPackMap(ZRVItemMap& Map, int clearFirst);
  /// Shell injection [CoolResult] (25 keys).
  void LoadShellInjectionCoolMap(ZRVItemMap& Map, int clearFirst);
  /// Shell injection [WarpResult] (46 keys).
  void LoadShellInjectionWarpMap(ZRVItemMap& Map, int clearFirst);
  /// Shell RIM [FlowResult] (54 keys).
  void LoadShellRIMFlowMap(ZRVItemMap& Map, int clearFirst);
  /// Shell RIM [CureResult] (54 keys).
  void LoadShellRIMCureMap(ZRVItemMap& Map, int clearFirst);
  /// Shell gas injection [FlowResult] (55 keys).
  void LoadShellGasInFlowMap(ZRVItemMap& Map, int clearFirst);
  /// Shell gas injection [PackResult] (55 keys).
  void LoadShellGasInPackMap(ZRVItemMap& Map, int clearFirst);
  /// Shell gas injection [CoolResult] (25 keys).
  void LoadShellGasInCoolMap(ZRVItemMap& Map, int clearFirst);
  /// Shell gas injection [WarpResult] (46 keys).
  void LoadShellGasInWarpMap(ZRVItemMap& Map, int clearFirst);

  /// Solid injection [FlowResult] (95 keys).
  void LoadSolidInjectionFlowMap(ZRVItemMap& Map, int clearFirst);
  /// Solid injection [PackResult] (76 keys).
  void LoadSolidInjectionPackMap(ZRVItemMap& Map, int clearFirst);
  /// [CoolResult] (50 keys) of solid injection and of PIM when not thermoset.
  void LoadSolidInjectionCoolMap(ZRVItemMap& Map, int clearFirst);
  /// [WarpResult] (67 keys, the DifferentialDisplacement keys among them) of
  /// solid injection and PIM.
  void LoadSolidInjectionWarpMap(ZRVItemMap& Map, int clearFirst);
  /// [OpticsResult] (25 keys) of solid injection and PIM.
  void LoadSolidInjectionOpticsMap(ZRVItemMap& Map, int clearFirst);
  /// [StressResult] (22 keys) of solid injection and PIM.
  void LoadSolidInjectionStressMap(ZRVItemMap& Map, int clearFirst);

  /// [FlowResult] (88 keys) of solid RIM and RTM, and of ICM, CM and PIM when
  /// thermoset.
  void LoadSolidRIMFlowMap(ZRVItemMap& Map, int clearFirst);
  /// [CureResult] of solid RIM (68 keys); also [PackResult] of PIM when
  /// thermoset.
  void LoadSolidRIMCureMap(ZRVItemMap& Map, int clearFirst);
  /// [CoolResult] (19 keys) of solid RIM, and of ICM, CM, PIM and CFM when
  /// thermoset.
  void LoadSolidRIMCoolMap(ZRVItemMap& Map, int clearFirst);
  /// [WarpResult] (67 keys, the DifferentialDisplacement keys among them) of
  /// solid RIM and RTM, and of ICM and CM when thermoset.
  void LoadSolidRIMWarpMap(ZRVItemMap& Map, int clearFirst);
  /// [StressResult] (24 keys) of solid RIM and IC packaging, and of CM when
  /// thermoset.
  void LoadSolidRIMStressMap(ZRVItemMap& Map, int clearFirst);

  /// IC packaging [FlowResult] (86 keys).
  void LoadSolidICPackageFlowMap(ZRVItemMap& Map, int clearFirst);
  /// IC packaging [CureResult] (65 keys).
  void LoadSolidICPackageCureMap(ZRVItemMap& Map, int clearFirst);
  /// IC packaging [CoolResult] (19 keys).
  void LoadSolidICPackageCoolMap(ZRVItemMap& Map, int clearFirst);
  /// IC packaging [WarpResult] (67 keys, the DifferentialDisplacement keys
  /// among them).
  void LoadSolidICPackageWarpMap(ZRVItemMap& Map, int clearFirst);
  /// IC packaging [WireSweep] (23 keys).
  void LoadSolidICPackageWireSweepMap(ZRVItemMap& Map, int clearFirst);
  /// IC packaging [PaddleShift] (11 keys).
  void LoadSolidICPackagePaddleShiftMap(ZRVItemMap& Map, int clearFirst);

  /// Solid gas injection [FlowResult] (94 keys).
  void LoadSolidGasInFlowMap(ZRVItemMap& Map, int clearFirst);
  /// Solid gas injection [CoolResult] (49 keys).
  void LoadSolidGasInCoolMap(ZRVItemMap& Map, int clearFirst);
  /// Solid gas injection [WarpResult] (67 keys, the DifferentialDisplacement
  /// keys at the end).
  void LoadSolidGasInWarpMap(ZRVItemMap& Map, int clearFirst);

  /// COIM [FlowResult] (87 keys).
  void LoadSolidCOIMFlowMap(ZRVItemMap& Map, int clearFirst);
  /// [CoolResult] (50 keys) of COIM, GAIM, WAIM and BIIM.
  void LoadSolidCOIMCoolMap(ZRVItemMap& Map, int clearFirst);
  /// [WarpResult] (67 keys, the DifferentialDisplacement keys among them) of
  /// COIM, GAIM, WAIM and BIIM.
  void LoadSolidCOIMWarpMap(ZRVItemMap& Map, int clearFirst);

  /// [FlowResult] (92 keys) of ICM and CM when not thermoset.
  void LoadSolidICMFlowMap(ZRVItemMap& Map, int clearFirst);
  /// [CoolResult] (50 keys) of MCIM, and of ICM, CM and CFM when not
  /// thermoset.
  void LoadSolidICMCoolMap(ZRVItemMap& Map, int clearFirst);
  /// [WarpResult] (67 keys, the DifferentialDisplacement keys among them) of
  /// ICM and CM when not thermoset.
  void LoadSolidICMWarpMap(ZRVItemMap& Map, int clearFirst);
  /// [OpticsResult] (25 keys) of ICM, MCIM, CM and CFM.
  void LoadSolidICMOpticsMap(ZRVItemMap& Map, int clearFirst);
  /// [StressResult] (22 keys, the same entries as LoadSolidInjectionStressMap)
  /// of ICM, MCIM and CFM, and of CM when not thermoset.
  void LoadSolidICMStressMap(ZRVItemMap& Map, int clearFirst);

  /// [FlowResult] (96 keys) of MCIM and CFM.
  void LoadSolidMCIMFlowMap(ZRVItemMap& Map, int clearFirst);
  /// [WarpResult] (67 keys, the DifferentialDisplacement keys at the end) of
  /// MCIM and CFM.
  void LoadSolidMCIMWarpMap(ZRVItemMap& Map, int clearFirst);

  /// [FlowResult] (92 keys) of GAIM and WAIM.
  void LoadSolidGAIMFlowMap(ZRVItemMap& Map, int clearFirst);

  /// PIM [FlowResult] when not thermoset (89 keys).
  void LoadSolidPIMFlowMap(ZRVItemMap& Map, int clearFirst);
  /// PIM [PackResult] when not thermoset (68 keys).
  void LoadSolidPIMPackMap(ZRVItemMap& Map, int clearFirst);

  /// BIIM [FlowResult] (94 keys).
  void LoadSolidBIIMFlowMap(ZRVItemMap& Map, int clearFirst);

  /// [MoldPreheatResult] (49 keys) of solid injection, RIM, IC packaging, gas
  /// injection, CM, PIM and CFM.
  void LoadMoldPreheatMap(ZRVItemMap& Map, int clearFirst);
  /// [MoldDeformationResult] (14 keys) of solid injection and RIM.
  void LoadMoldDeformationMap(ZRVItemMap& Map, int clearFirst);
  /// [HotRunnerSteadyResult] (13 keys) of solid injection.
  void LoadHotRunnerSteadyMap(ZRVItemMap& Map, int clearFirst);
  /// The eight differential displacement keys (ids 1235 to 1242) that seven
  /// solid warpage lists hold; no section is resolved by it alone.
  void LoadDifferentialDisplacementMap(ZRVItemMap& Map, int clearFirst);
};

#endif // ZRVREPORT_ZRVREPORTRESULTITEMMAP_H
