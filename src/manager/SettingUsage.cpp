// SettingUsage.cpp - whether report items use a named setting, the switch of
// its users to a fallback setting, and the resolution of item views against
// the view library after a load.
#include "zrvreport/ZRVReportItemManager.h"

#include "manager/DocumentData.h"

#include "manager/SettingLibrary.h"
#include "platform/Platform.h"
#include "platform/Utf8.h"
#include "util/Text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using namespace zrv::manager;

namespace {
/// The setting every user of a deleted or replaced setting falls back to.
const std::wstring DefaultName = L"Default";
} // namespace

// ---- Usage checks -----------------------------------------------------------------------

int CZRVReportItemManager::CheckClippingUsed(const wchar_t* Name) const {
  return isUsed<ClippingKind>(Doc->Items, Doc->FirstIndexByID, zrv::text(Name)) ? 1 : 0;
}
int CZRVReportItemManager::CheckSlicingUsed(const wchar_t* Name) const {
  return isUsed<SlicingKind>(Doc->Items, Doc->FirstIndexByID, zrv::text(Name)) ? 1 : 0;
}
int CZRVReportItemManager::CheckObjectUsed(const wchar_t* Name) const {
  return isUsed<ObjectKind>(Doc->Items, Doc->FirstIndexByID, zrv::text(Name)) ? 1 : 0;
}
int CZRVReportItemManager::CheckCaptureUsed(const wchar_t* Name) const {
  return isUsed<CaptureKind>(Doc->Items, Doc->FirstIndexByID, zrv::text(Name)) ? 1 : 0;
}

int CZRVReportItemManager::CheckViewUsed(const wchar_t* Name) const {
  const std::wstring Wanted = zrv::text(Name);
  // The single view names: judged by the first item with each id.
  if (isUsed<ViewKind>(Doc->Items, Doc->FirstIndexByID, Wanted))
    return 1;
  // The several-view names of every item itself. Each pooled name is judged
  // once, as many items list the same names. Names that differ in length are
  // never equal, letter case ignored: names hold no null character, as every
  // way into an item takes them as null-terminated text.
  const ItemPools& Pools = Doc->Items.pools();
  enum Verdict : unsigned char { Unjudged, Differs, Equal };
  std::vector<Verdict> Judged(Pools.Names.size(), Unjudged);
  std::wstring Listed;
  for (std::size_t I = 0; I < Doc->Items.size(); ++I)
    for (const PoolId ViewName : Pools.ViewNameLists[Doc->Items.record(I).ViewNames]) {
      Verdict& Of = Judged[ViewName];
      if (Of == Unjudged) {
        Listed.clear();
        zrv::platform::KeptToWide(Pools.Names[ViewName], Listed);
        Of = Listed.size() == Wanted.size() && zrv::platform::CompareNoCase(Listed, Wanted) == 0
                 ? Equal
                 : Differs;
      }
      if (Of == Equal)
        return 1;
    }
  return 0;
}

int CZRVReportItemManager::CheckMeltUsed(const wchar_t* Name) const {
  const CZRVReportItemEx* Melt = itemExAt(MeltFrontPosition);
  const std::wstring Bound = Melt ? Melt->MeltName : std::wstring();
  return Bound == zrv::text(Name) ? 1 : 0;
}

// ---- Switches to the fallback setting ---------------------------------------------------------

void CZRVReportItemManager::ChangeClippingToDefault(const wchar_t* Name) {
  switchUsers<ClippingKind>(Doc->Clippings, Doc->Items, Doc->FirstIndexByID, zrv::text(Name),
                            DefaultName);
}
void CZRVReportItemManager::ChangeSlicingToDefault(const wchar_t* Name) {
  switchUsers<SlicingKind>(Doc->Slicings, Doc->Items, Doc->FirstIndexByID, zrv::text(Name),
                           DefaultName);
}
void CZRVReportItemManager::ChangeCaptureToDefault(const wchar_t* Name) {
  switchUsers<CaptureKind>(Doc->Captures, Doc->Items, Doc->FirstIndexByID, zrv::text(Name),
                           DefaultName);
}
void CZRVReportItemManager::ChangeObjectToDefault(const wchar_t* Name, const wchar_t* Fallback) {
  switchUsers<ObjectKind>(Doc->Objects, Doc->Items, Doc->FirstIndexByID, zrv::text(Name),
                          zrv::text(Fallback));
}
void CZRVReportItemManager::ChangeViewToDefault(const wchar_t* Name, const wchar_t* Fallback) {
  switchUsers<ViewKind>(Doc->Views, Doc->Items, Doc->FirstIndexByID, zrv::text(Name),
                        zrv::text(Fallback));
}

void CZRVReportItemManager::ChangeMeltToDefault(const wchar_t* Name) {
  if (CheckMeltUsed(Name))
    SetItemMelt(MeltFrontPosition, DefaultName.c_str());
}

// ---- Project views -----------------------------------------------------------------------------

namespace {

/// Resolves the views of \p Item against the project's view library: a
/// single view takes the library's record or loses its name; each of several
/// views appends its record, or clears the single view name when missing.
void resolveProjectViews(const ViewKind::Library& Library, CZRVReportItem& Item) {
  const std::vector<std::wstring> ViewNames = Item.GetViewNameList();
  if (ViewNames.empty()) {
    const std::wstring Single = Item.GetViewName();
    if (Single.empty())
      return;
    const auto Found = Library.find(Single);
    if (Found != Library.NotFound)
      ViewKind::assign(Item, Single, Library.stored(Found));
    else
      Item.SetViewName(L"");
    return;
  }
  for (const std::wstring& ViewName : ViewNames) {
    if (ViewName.empty())
      continue;
    const auto Found = Library.find(ViewName);
    if (Found != Library.NotFound)
      Item.SetManyView(Library.record(Found));
    else
      Item.SetViewName(L"");
  }
}

} // namespace

void CZRVReportItemManager::SetViewMapByProject() {
  Doc->Views.listInKeyOrder(ViewKind::Empty);
  for (std::size_t Position = 0; Position < Doc->Items.size(); ++Position) {
    if (Doc->Items[Position].GetViewNameList().empty() &&
        Doc->Items[Position].name(ItemName::View).empty())
      continue; // nothing to resolve: the item stays as it is
    CZRVReportItem Item = Doc->Items[Position].copy();
    resolveProjectViews(Doc->Views, Item);
    Doc->Items.replace(Position, Item);
  }
}

void CZRVReportItemManager::SetAllManyViewData() {
  // Every listed name is looked up in the library's own hashed index, once
  // per name: names are listed by many items.
  const ViewKind::Library& Views = Doc->Views;
  ItemPools& Pools = Doc->Items.pools();
  constexpr PoolId None = IdTable::NotFound;
  std::vector<PoolId> RecordOfName(Pools.Names.size(), None);
  auto recordOf = [&](PoolId Name) {
    if (Name < RecordOfName.size() && RecordOfName[Name] != None)
      return RecordOfName[Name];
    // The name's record, or a default record without a name; the record's
    // own name is most often the name it is found by, pooled already.
    const auto At = Views.findKept(Pools.Names[Name]);
    PoolId Record;
    if (At == Views.NotFound) {
      Record = Pools.Views.internNamed(ViewKind::Map::mapped_type(), 0);
    } else {
      Record = Pools.Views.internNamed(
          Views.stored(At), Views.ownNameIsName(At) ? Name : Pools.Names.intern(Views.ownName(At)));
    }
    if (Name < RecordOfName.size())
      RecordOfName[Name] = Record;
    return Record;
  };
  // Items that list the same names with the same records get the same new
  // record list: it is made once for each such pair of pooled lists. The
  // first pair of each name list is kept by name list, any other in a map.
  struct Made {
    PoolId Records = None; ///< the item's record list before
    PoolId Result = None;  ///< the list made for it
  };
  std::vector<Made> FirstOfNames(Pools.ViewNameLists.size());
  std::unordered_map<std::uint64_t, PoolId> OtherPairs;
  std::vector<PoolId> Records;
  for (std::size_t Position = 0; Position < Doc->Items.size(); ++Position) {
    ItemRecord& Item = Doc->Items.record(Position);
    if (Item.ViewNames == 0)
      continue; // the item lists no names: nothing is appended
    Made& First = FirstOfNames[Item.ViewNames];
    const std::uint64_t Key = (static_cast<std::uint64_t>(Item.ViewNames) << 32) | Item.ViewRecords;
    if (First.Records == Item.ViewRecords) {
      Item.ViewRecords = First.Result;
      continue;
    }
    if (First.Records != None) {
      if (const auto Found = OtherPairs.find(Key); Found != OtherPairs.end()) {
        Item.ViewRecords = Found->second;
        continue;
      }
    }
    // The names are read from the item's own list; records are appended.
    const Span<PoolId> Held = Pools.ViewRecordLists[Item.ViewRecords];
    Records.assign(Held.begin(), Held.end());
    for (const PoolId Name : Pools.ViewNameLists[Item.ViewNames])
      Records.push_back(recordOf(Name));
    const PoolId Result = Pools.ViewRecordLists.intern(Records.data(), Records.size());
    if (First.Records == None)
      First = {Item.ViewRecords, Result};
    else
      OtherPairs.emplace(Key, Result);
    Item.ViewRecords = Result;
  }
}
