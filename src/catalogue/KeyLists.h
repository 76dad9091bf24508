// KeyLists.h - the result item key lists of the catalogue and the one routine
// that fills an item map from any of them.
#ifndef ZRVREPORT_CATALOGUE_KEYLISTS_H
#define ZRVREPORT_CATALOGUE_KEYLISTS_H

#include <cstddef>

#include "zrvreport/ZRVResultItems.h"

/// The 49 key lists, each named as its fill member of CZRVReportResultItemMap
/// (Load + name + Map). X(Name) is expanded once per list, in this order.
#define ZRV_KEY_LISTS(X)                                                                           \
  X(Model)                                                                                         \
  X(ShellInjectionFlow)                                                                            \
  X(ShellInjectionPack)                                                                            \
  X(ShellInjectionCool)                                                                            \
  X(ShellInjectionWarp)                                                                            \
  X(ShellRIMFlow)                                                                                  \
  X(ShellRIMCure)                                                                                  \
  X(ShellGasInFlow)                                                                                \
  X(ShellGasInPack)                                                                                \
  X(ShellGasInCool)                                                                                \
  X(ShellGasInWarp)                                                                                \
  X(SolidInjectionFlow)                                                                            \
  X(SolidInjectionPack)                                                                            \
  X(SolidInjectionCool)                                                                            \
  X(SolidInjectionWarp)                                                                            \
  X(SolidInjectionOptics)                                                                          \
  X(SolidInjectionStress)                                                                          \
  X(SolidRIMFlow)                                                                                  \
  X(SolidRIMCure)                                                                                  \
  X(SolidRIMCool)                                                                                  \
  X(SolidRIMWarp)                                                                                  \
  X(SolidRIMStress)                                                                                \
  X(SolidICPackageFlow)                                                                            \
  X(SolidICPackageCure)                                                                            \
  X(SolidICPackageCool)                                                                            \
  X(SolidICPackageWarp)                                                                            \
  X(SolidICPackageWireSweep)                                                                       \
  X(SolidICPackagePaddleShift)                                                                     \
  X(SolidGasInFlow)                                                                                \
  X(SolidGasInCool)                                                                                \
  X(SolidGasInWarp)                                                                                \
  X(SolidCOIMFlow)                                                                                 \
  X(SolidCOIMCool)                                                                                 \
  X(SolidCOIMWarp)                                                                                 \
  X(SolidICMFlow)                                                                                  \
  X(SolidICMCool)                                                                                  \
  X(SolidICMWarp)                                                                                  \
  X(SolidICMOptics)                                                                                \
  X(SolidICMStress)                                                                                \
  X(SolidMCIMFlow)                                                                                 \
  X(SolidMCIMWarp)                                                                                 \
  X(SolidGAIMFlow)                                                                                 \
  X(SolidPIMFlow)                                                                                  \
  X(SolidPIMPack)                                                                                  \
  X(SolidBIIMFlow)                                                                                 \
  X(MoldPreheat)                                                                                   \
  X(MoldDeformation)                                                                               \
  X(HotRunnerSteady)                                                                               \
  X(DifferentialDisplacement)

namespace zrv {

/// One entry of a key list: a template key (plain ASCII) and the result item
/// id it stands for in that list.
struct KeyEntry {
  const wchar_t* Key;
  int Id;
};

/// Names a key list. The 49 lists of ZRV_KEY_LISTS come first, in that order;
/// SolidCMFlowExtra holds the two "FiberConcetration..." keys that the reader's
/// LoadSolidCM adds to its [FlowResult] map when the run is not thermoset (it
/// has no fill member of its own). None names no list.
// clang-format off
enum class KeyList : int {
  None = -1,
#define ZRV_KEY_LIST_ENUMERATOR(Name) Name,
  ZRV_KEY_LISTS(ZRV_KEY_LIST_ENUMERATOR)
#undef ZRV_KEY_LIST_ENUMERATOR
  SolidCMFlowExtra,
  Count
};
// clang-format on

/// The entries of one list, in fill order, with the list's name.
struct KeyListEntries {
  const wchar_t* Name = L""; ///< the list's name ("ShellInjectionFlow"); empty for None
  const KeyEntry* Entries = nullptr;
  std::size_t Size = 0; ///< number of entries (a list repeats no key, so also its key count)
};

/// The entries of \p List; an empty record for KeyList::None or a value
/// outside the enumeration.
KeyListEntries EntriesOfKeyList(KeyList List);

/// The one fill routine behind every fill member: when \p ClearFirst is
/// non-zero the map is emptied first; then every entry of \p List is inserted
/// in order unless its key is already in the map (an existing key keeps its
/// id). KeyList::None or a value outside the enumeration inserts nothing, but
/// a non-zero \p ClearFirst still empties the map.
void FillItemMap(KeyList List, ZRVItemMap& Map, int ClearFirst);

} // namespace zrv

#endif // ZRVREPORT_CATALOGUE_KEYLISTS_H
