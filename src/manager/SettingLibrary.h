// SettingLibrary.h - the operations that every library of named settings
// shares (hand-over, option list, record read and write, delete) and the
// traits that tell the eight kinds apart.
#ifndef ZRVREPORT_MANAGER_SETTINGLIBRARY_H
#define ZRVREPORT_MANAGER_SETTINGLIBRARY_H

#include "zrvreport/ZRVReportItem.h"
#include "zrvreport/ZRVReportItemEx.h"

#include "manager/FirstPositionIndex.h"
#include "manager/ItemStore.h"
#include "manager/NamedLibrary.h"
#include "manager/StoredMelt.h"
#include "util/Text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zrv::manager {

using ItemList = ItemStore;
/// The document's index of the first item with each result item id: item id
/// -> its position in the item list.
using FirstIndexMap = FirstPositionIndex<std::uint32_t>;

/// What the count getter of a library counts.
enum class Counted { Entries, Options };

/// The fixed positions of the extended items ([ResultEx] rows).
enum ExtendedPosition : int {
  MeltFrontPosition = 0,   ///< "Flow-MeltFrontTime"
  PPTTemplatePosition = 1, ///< "PPTTemplate"
  PDF3DPosition = 2,       ///< "3DPDF"
  AnimationPosition = 3,   ///< "Animation"
  WarpagePosition = 4,     ///< "WarpageScale"
  ImagePosition = 5        ///< "Image"
};

// ---- Library operations ----------------------------------------------------------

/// Replaces the library by a copy of \p Source and lists its names afresh
/// in key order, empty names as \p Rule says.
template <typename Library, typename Map>
void handOver(Library& Target, const Map& Source, EmptyName Rule) {
  Target.assign(Source);
  Target.listInKeyOrder(Rule);
}

template <typename Library> int optionCount(const Library& Target, Counted Rule) {
  return static_cast<int>(Rule == Counted::Entries ? Target.size() : Target.optionCount());
}

/// Copies the option at \p Index into \p Name; 0 and \p Name untouched when
/// the index is negative, not below \p Count or past the option list.
template <typename Library>
int optionByIndex(const Library& Target, int Count, int Index, wchar_t* Name) {
  if (Index < 0 || Index >= Count || static_cast<std::size_t>(Index) >= Target.optionCount())
    return 0;
  if (Name) {
    const std::wstring Option = Target.name(Target.optionAt(static_cast<std::size_t>(Index)));
    Option.copy(Name, Option.size());
    Name[Option.size()] = L'\0';
  }
  return 1;
}

/// The record stored under \p Name, or a default record.
template <typename Library> auto readRecord(const Library& Target, const std::wstring& Name) {
  return Target.get(Name);
}

/// Inserts or replaces the record under \p Name; either way the name becomes
/// the last of the option list.
template <typename Library, typename Record>
void storeRecord(Library& Target, const std::wstring& Name, Record&& Value) {
  Target.store(Name, std::forward<Record>(Value));
}

/// Erases the record and its option; false when the library has no such name.
template <typename Library> bool eraseRecord(Library& Target, const std::wstring& Name) {
  return Target.erase(Name);
}

// ---- The kinds of named setting ------------------------------------------------------
// Each kind names its library type, its hand-over and count rules, and for
// the five kinds attached to report items: the item's name and flag of the
// kind, how a record is assigned to an item, and whether deleting a setting
// resets the items that use it.

struct ClippingKind {
  using Map = ZRVClipMap;
  using Library = NamedLibrary<Map::mapped_type>;
  static constexpr EmptyName Empty = EmptyName::Dropped;
  static constexpr Counted Count = Counted::Entries;
  static constexpr bool DeleteResetsUsers = true;
  static constexpr ItemName NameOf = ItemName::Clipping;
  static int flagOf(const ItemRef& Item) { return Item.HasClippingSetting(); }
  static void assign(CZRVReportItem& Item, const std::wstring& Name, Map::mapped_type Record) {
    Item.SetClippingName(Name.c_str());
    Item.SetClippingSetting(std::move(Record));
  }
};

struct SlicingKind {
  using Map = ZRVSliceMap;
  using Library = NamedLibrary<Map::mapped_type>;
  static constexpr EmptyName Empty = EmptyName::Listed;
  static constexpr Counted Count = Counted::Entries;
  static constexpr bool DeleteResetsUsers = false;
  static constexpr ItemName NameOf = ItemName::Slicing;
  static int flagOf(const ItemRef& Item) { return Item.HasSlicingSetting(); }
  static void assign(CZRVReportItem& Item, const std::wstring& Name, Map::mapped_type Record) {
    Item.SetSlicingName(Name.c_str());
    Item.SetSlicingSetting(std::move(Record));
  }
};

struct ViewKind {
  using Map = ZRVViewMap;
  using Library = NamedLibrary<Map::mapped_type>;
  static constexpr EmptyName Empty = EmptyName::Dropped;
  static constexpr Counted Count = Counted::Entries;
  static constexpr bool DeleteResetsUsers = false;
  /// The item's single view name.
  static constexpr ItemName NameOf = ItemName::View;
  /// The single view flag, or several-view records present.
  static int flagOf(const ItemRef& Item) { return Item.HasViewSetting(); }
  /// Angles and scale go into the item's single view (which raises its view
  /// flag); the record's name is not copied.
  static void assign(CZRVReportItem& Item, const std::wstring& Name, const Map::mapped_type& View) {
    Item.SetViewName(Name.c_str());
    Item.SetViewSetting(View.AngleX, View.AngleY, View.AngleZ, View.Scale);
  }
};

struct ObjectKind {
  using Map = ZRVObjectMap;
  using Library = NamedLibrary<Map::mapped_type>;
  static constexpr EmptyName Empty = EmptyName::Dropped;
  static constexpr Counted Count = Counted::Options;
  static constexpr bool DeleteResetsUsers = true;
  static constexpr ItemName NameOf = ItemName::Object;
  static int flagOf(const ItemRef& Item) { return Item.HasObjectSetting(); }
  static void assign(CZRVReportItem& Item, const std::wstring& Name, Map::mapped_type Record) {
    Item.SetObjectName(Name.c_str());
    Item.SetObjectSetting(std::move(Record));
  }
};

struct CaptureKind {
  using Map = ZRVCaptureMap;
  using Library = NamedLibrary<Map::mapped_type>;
  static constexpr EmptyName Empty = EmptyName::Listed;
  static constexpr Counted Count = Counted::Options;
  static constexpr bool DeleteResetsUsers = false;
  static constexpr ItemName NameOf = ItemName::Capture;
  /// Focus capture in force.
  static int flagOf(const ItemRef& Item) { return Item.IsFocusCapture(); }
  static void assign(CZRVReportItem& Item, const std::wstring& Name, Map::mapped_type Record) {
    Item.SetCaptureName(Name.c_str());
    Item.SetCaptureSetting(std::move(Record));
  }
};

/// The three report-wide libraries list empty names and count their options.
template <typename LibraryMap, typename Stored = typename LibraryMap::mapped_type>
struct ExtendedKind {
  using Map = LibraryMap;
  using Library = NamedLibrary<Stored>;
  static constexpr EmptyName Empty = EmptyName::Listed;
  static constexpr Counted Count = Counted::Options;
};
using MeltKind = ExtendedKind<ZRVMeltMap, StoredMelt>;
using AnimationKind = ExtendedKind<ZRVAnimationMap>;
using ImageKind = ExtendedKind<ZRVImageMap>;

// ---- Operations driven by a library's traits ------------------------------------------

template <typename Traits, typename Map>
void handOver(typename Traits::Library& Target, const Map& Source) {
  handOver(Target, Source, Traits::Empty);
}

/// Replaces the library by \p Source, moved in with no room to spare, and
/// lists its names afresh.
template <typename Traits>
void adopt(typename Traits::Library& Target, typename Traits::Library&& Source) {
  Target = std::move(Source);
  Source.clear(); // its counts went along with its entries
  Target.shrinkToFit();
  Target.listInKeyOrder(Traits::Empty);
}

template <typename Traits> int optionCount(const typename Traits::Library& Target) {
  return optionCount(Target, Traits::Count);
}

template <typename Traits>
int optionByIndex(const typename Traits::Library& Target, int Index, wchar_t* Name) {
  return optionByIndex(Target, optionCount<Traits>(Target), Index, Name);
}

/// The kind's flag of \p Item; 0 for no item.
template <typename Traits> int itemFlag(const ItemRef& Item) {
  return Item ? Traits::flagOf(Item) : 0;
}

/// Copies the kind's name of \p Item into \p Name; 1, or 0 for no item.
template <typename Traits> int copyItemName(const ItemRef& Item, wchar_t* Name) {
  if (!Item)
    return 0;
  copyToBuffer(Item.wideName(Traits::NameOf), Name);
  return 1;
}

/// Gives \p Item the name and the library's record of that name (a default
/// record when the library has none); 1, or 0 for no item.
template <typename Traits>
int assignToItem(const typename Traits::Library& Library, ItemRef Item, const std::wstring& Name) {
  if (!Item)
    return 0;
  Item.change(
      [&](CZRVReportItem& Stored) { Traits::assign(Stored, Name, readRecord(Library, Name)); });
  return 1;
}

// ---- Usage scans ---------------------------------------------------------------------
// An item is judged by the name of the first item with the same result item
// id, whatever its module: two items that share an id are judged, and
// switched, together. So only the first items decide, one per distinct id:
// the scans take the document's index of those first items (FirstIndexMap),
// judge each of them once and carry the verdict to the other items of its id.

/// True when some item, judged by the first item with its id, uses the
/// setting \p Name: some first item has that name.
template <typename Traits>
bool isUsed(const ItemList& Items, const FirstIndexMap& FirstIndexOfID, const std::wstring& Name) {
  // A name no item has is not in the document's name pool.
  const PoolId Wanted = Items.pools().Names.find(std::wstring_view(Name));
  if (Wanted == TextPool::NotFound)
    return false;
  bool Used = false;
  FirstIndexOfID.forEach([&](std::uint32_t, int First) {
    Used = Used ||
           Items.record(static_cast<std::size_t>(First)).Names[static_cast<int>(Traits::NameOf)] ==
               Wanted;
  });
  return Used;
}

/// The indexes of the items that use the setting \p Name, each judged by the
/// first item with its id, in list order. All items are judged before any of
/// them is changed, so items that share an id are switched together.
template <typename Traits>
std::vector<int> usersOf(const ItemList& Items, const FirstIndexMap& FirstIndexOfID,
                         const std::wstring& Name) {
  std::vector<int> UsingIDs;
  std::vector<int> Users;
  const PoolId Wanted = Items.pools().Names.find(std::wstring_view(Name));
  if (Wanted == TextPool::NotFound)
    return Users;
  FirstIndexOfID.forEach([&](std::uint32_t ItemID, int First) {
    if (Items.record(static_cast<std::size_t>(First)).Names[static_cast<int>(Traits::NameOf)] ==
        Wanted)
      UsingIDs.push_back(static_cast<int>(ItemID));
  });
  if (UsingIDs.empty())
    return Users;
  std::sort(UsingIDs.begin(), UsingIDs.end());
  for (std::size_t I = 0; I < Items.size(); ++I)
    if (std::binary_search(UsingIDs.begin(), UsingIDs.end(), Items.record(I).ItemID))
      Users.push_back(static_cast<int>(I));
  return Users;
}

/// Gives every user of \p Name the setting \p Fallback.
template <typename Traits>
void switchUsers(const typename Traits::Library& Library, ItemList& Items,
                 const FirstIndexMap& FirstIndexOfID, const std::wstring& Name,
                 const std::wstring& Fallback) {
  for (int I : usersOf<Traits>(Items, FirstIndexOfID, Name))
    assignToItem<Traits>(Library, Items.at(I), Fallback);
}

/// Erases the setting \p Name; for kinds that say so, its users then get the
/// empty name. 1, or 0 when the library has no such name.
template <typename Traits>
int deleteSetting(typename Traits::Library& Library, ItemList& Items,
                  const FirstIndexMap& FirstIndexOfID, const std::wstring& Name) {
  if (!eraseRecord(Library, Name))
    return 0;
  if constexpr (Traits::DeleteResetsUsers)
    switchUsers<Traits>(Library, Items, FirstIndexOfID, Name, std::wstring());
  return 1;
}

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_SETTINGLIBRARY_H
