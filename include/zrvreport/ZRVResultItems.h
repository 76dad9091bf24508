/// \file
/// \brief Result item ids, result module ids and the item map that resolves template keys
/// to result item ids.
#ifndef ZRVREPORT_ZRVRESULTITEMS_H
#define ZRVREPORT_ZRVRESULTITEMS_H

#include <cstdint>
#include <map>
#include <string>

#include "zrvreport/ZRVCommon.h"

/// A result item id. The catalogue uses the values 1 to 1598 (each one result
/// of one analysis module of one kind of project); -1 stands for no item.
enum ZRV_RESULT_ITEMS : std::int32_t {
  ZRV_RESULT_ITEM_NONE = -1,  ///< no item
  ZRV_RESULT_ITEM_FIRST = 1,  ///< the lowest id of the catalogue
  ZRV_RESULT_ITEM_LAST = 1598 ///< the highest id of the catalogue
};

/// A result module id: one per result section of the report template. Other
/// values may be stored (a module without a section); the writer gives them an
/// empty tag line.
enum ZRV_RESULT_MODULES : std::int32_t {
  ZRV_MODULE_NONE = -1,              ///< no module
  ZRV_MODULE_MODEL = 0,              ///< [ModelResult]: model and mesh
  ZRV_MODULE_FLOW = 1,               ///< [FlowResult]: filling
  ZRV_MODULE_PACK = 2,               ///< [PackResult]: packing
  ZRV_MODULE_COOL = 3,               ///< [CoolResult]: cooling
  ZRV_MODULE_WARP = 4,               ///< [WarpResult]: warpage
  ZRV_MODULE_OPTICS = 5,             ///< [OpticsResult]: optics
  ZRV_MODULE_WIRE_SWEEP = 6,         ///< [WireSweep]: IC package wire sweep
  ZRV_MODULE_PADDLE_SHIFT = 7,       ///< [PaddleShift]: IC package paddle shift
  ZRV_MODULE_STRESS = 13,            ///< [StressResult]: stress
  ZRV_MODULE_MOLD_PREHEAT = 17,      ///< [MoldPreheatResult]: mold preheat
  ZRV_MODULE_MOLD_DEFORMATION = 18,  ///< [MoldDeformationResult]: mold deformation
  ZRV_MODULE_HOT_RUNNER_STEADY = 19, ///< [HotRunnerSteadyResult]: steady hot runner
  ZRV_MODULE_CURE = 20               ///< [CureResult]: curing
};

/// Item map: template key (ordinal, case-sensitive) to result item id.
using ZRVItemMap = std::map<std::wstring, ZRV_RESULT_ITEMS, ZRVNameLess>;

#endif // ZRVREPORT_ZRVRESULTITEMS_H
