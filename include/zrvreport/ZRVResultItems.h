// ZRVResultItems.h - result item ids, result module ids and the item map that
// resolves template keys to result item ids.
#ifndef ZRVREPORT_ZRVRESULTITEMS_H
#define ZRVREPORT_ZRVRESULTITEMS_H

#include <cstdint>
#include <map>
#include <string>

#include "zrvreport/ZRVCommon.h"

/// A result item id. The catalogue uses the values 1 to 1598 (each one result
/// of one analysis module of one kind of project); -1 stands for no item.
enum ZRV_RESULT_ITEMS : std::int32_t {
  ZRV_RESULT_ITEM_NONE = -1,
  ZRV_RESULT_ITEM_FIRST = 1,
  ZRV_RESULT_ITEM_LAST = 1598
};

/// A result module id: one per result section of the report template.
enum ZRV_RESULT_MODULES : std::int32_t {
  ZRV_MODULE_NONE = -1,
  ZRV_MODULE_MODEL = 0,
  ZRV_MODULE_FLOW = 1,
  ZRV_MODULE_PACK = 2,
  ZRV_MODULE_COOL = 3,
  ZRV_MODULE_WARP = 4,
  ZRV_MODULE_OPTICS = 5,
  ZRV_MODULE_WIRE_SWEEP = 6,
  ZRV_MODULE_PADDLE_SHIFT = 7,
  ZRV_MODULE_STRESS = 13,
  ZRV_MODULE_MOLD_PREHEAT = 17,
  ZRV_MODULE_MOLD_DEFORMATION = 18,
  ZRV_MODULE_HOT_RUNNER_STEADY = 19,
  ZRV_MODULE_CURE = 20
};

/// Item map: template key (ordinal, case-sensitive) to result item id.
using ZRVItemMap = std::map<std::wstring, ZRV_RESULT_ITEMS, ZRVNameLess>;

#endif // ZRVREPORT_ZRVRESULTITEMS_H
