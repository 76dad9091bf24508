// ItemStore.cpp - items packed into records and made back from them, and the
// item list's changes.
#include "manager/ItemStore.h"

#include "manager/DocumentAccess.h"
#include "util/Text.h"

#include <algorithm>
#include <iterator>

namespace zrv::manager {

PoolId ItemPools::addExtra(ItemExtra&& Block) {
  if (SpareExtras.empty()) {
    Extras.push_back(std::move(Block));
    return static_cast<PoolId>(Extras.size() - 1);
  }
  const PoolId Id = SpareExtras.back();
  SpareExtras.pop_back();
  Extras[Id] = std::move(Block);
  return Id;
}

void ItemPools::clear() {
  Names.clear();
  Clippings.clear();
  Slicings.clear();
  Views.clear();
  Objects.clear();
  Captures.clear();
  ViewNameLists.clear();
  ViewRecordLists.clear();
  Extras.assign(1, ItemExtra());
  SpareExtras.clear();
}

namespace {

/// The id in \p Lists of the list of the ids \p Intern gives the elements of
/// \p List.
template <typename Element, typename Intern>
PoolId internList(IdListPool& Lists, const std::vector<Element>& List, Intern&& Each) {
  if (List.empty())
    return 0;
  std::vector<PoolId> Ids;
  Ids.reserve(List.size());
  for (const Element& Value : List)
    Ids.push_back(Each(Value));
  return Lists.intern(Ids.data(), Ids.size());
}

} // namespace

PoolId ItemPools::internNames(const std::vector<std::wstring>& List) {
  return internList(ViewNameLists, List,
                    [this](const std::wstring& Name) { return Names.intern(Name); });
}

PoolId ItemPools::internViews(const std::vector<CZRVReportItem::tagVIEWSETTING>& List) {
  return internList(ViewRecordLists, List, [this](const CZRVReportItem::tagVIEWSETTING& View) {
    return Views.intern(View, Names);
  });
}

// ---- ItemRef ------------------------------------------------------------------------

const NumbersOf<CZRVReportItem::tagSLICESETTING>& ItemRef::sliceNumbers() const {
  return Store->pools().Slicings.fields(record().Slicing);
}

int ItemRef::HasViewSetting() const {
  return record().HasView != 0 || record().ViewRecords != 0 ? 1 : 0;
}

int ItemRef::IsFocusCapture() const {
  return Store->pools().Captures.numbers(record().Capture).FocusOn;
}

ViewNameList ItemRef::GetViewNameList() const {
  return ViewNameList(Store->pools().Names, Store->pools().ViewNameLists[record().ViewNames]);
}

void ItemRef::SetOutput(int Value) { record().Output = zrv::mapOutput(Value); }
void ItemRef::SetDisplayMode(int Value) { record().DisplayMode = zrv::mapDisplayMode(Value); }
void ItemRef::SetItemName(const wchar_t* Name) {
  record().Names[static_cast<int>(ItemName::Item)] =
      Store->pools().Names.intern(std::wstring_view(zrv::text(Name)));
}

CZRVReportItem ItemRef::copy() const {
  CZRVReportItem Item;
  Store->copyTo(Position, Item);
  return Item;
}

void ItemRef::storeBack(const CZRVReportItem& Item) { Store->replace(Position, Item); }

// ---- ItemStore ----------------------------------------------------------------------

void ItemStore::push_back(const CZRVReportItem& Item) {
  push_back(ZRVDocumentAccess::pack(Item, Pools));
}

void ItemStore::push_back(ItemRecord&& Record) {
  if (Count % ChunkSize == 0) {
    // The first chunk grows as a small list grows; the others are made whole.
    Chunks.emplace_back();
    if (Count > 0)
      Chunks.back().reserve(ChunkSize);
  }
  Chunks.back().push_back(std::move(Record));
  ++Count;
}

void ItemStore::replace(std::size_t Position, const CZRVReportItem& Item) {
  const ItemRecord Packed = ZRVDocumentAccess::pack(Item, Pools);
  Pools.dropExtra(record(Position).Extra);
  record(Position) = Packed;
}

void ItemStore::erase(std::size_t Position) {
  Pools.dropExtra(record(Position).Extra);
  for (std::size_t At = Position; At + 1 < Count; ++At)
    record(At) = std::move(record(At + 1));
  Chunks.back().pop_back();
  if (Chunks.back().empty())
    Chunks.pop_back();
  --Count;
}

void ItemStore::clear() {
  Chunks.clear();
  Count = 0;
  Pools.clear();
}

void ItemStore::copyTo(std::size_t Position, CZRVReportItem& Out) const {
  ZRVDocumentAccess::unpack(record(Position), Pools, Out);
}

} // namespace zrv::manager
