// ItemStore.h - how a settings document keeps its report items: one small
// record per item, its numbers packed and its names, setting records and view
// lists held once for the whole document in pools and referred to by 32-bit
// ids; the texts the report engine sets on a few items in a side block made
// only when one is set. The public CZRVReportItem is made from a record when
// an item is copied out, and packed into one when it is stored.
#ifndef ZRVREPORT_MANAGER_ITEMSTORE_H
#define ZRVREPORT_MANAGER_ITEMSTORE_H

#include "zrvreport/ZRVReportItem.h"

#include "manager/RecordFields.h"
#include "manager/SequencePool.h"
#include "platform/Utf8.h"
#include "util/Text.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace zrv::manager {

// ---- Hashing and comparing pooled values ---------------------------------------------
// Numbers are hashed and compared by their bits, so that a pooled record gives
// back exactly what was stored (-0.0 stays -0.0, and a NaN is kept as it was).

inline void mixHash(std::size_t& Hash, std::size_t Value) {
  Hash ^= Value + 0x9e3779b97f4a7c15ULL + (Hash << 6) + (Hash >> 2);
}

inline std::uint64_t bitsOf(double Value) {
  std::uint64_t Bits;
  std::memcpy(&Bits, &Value, sizeof Bits);
  return Bits;
}

inline std::size_t hashOf(std::int32_t Value) {
  return std::hash<std::uint32_t>()(static_cast<std::uint32_t>(Value));
}
inline std::size_t hashOf(double Value) { return std::hash<std::uint64_t>()(bitsOf(Value)); }

inline bool sameValue(std::int32_t A, std::int32_t B) { return A == B; }
inline bool sameValue(std::uint32_t A, std::uint32_t B) { return A == B; }
inline bool sameValue(double A, double B) { return bitsOf(A) == bitsOf(B); }
inline bool sameValue(const std::wstring& A, const std::wstring& B) { return A == B; }

template <typename... Field> std::size_t hashOf(const std::tuple<Field...>& Fields) {
  std::size_t Hash = 0;
  std::apply([&Hash](const auto&... Each) { (mixHash(Hash, hashOf(Each)), ...); }, Fields);
  return Hash;
}

template <typename Tuple, std::size_t... At>
bool sameFields(const Tuple& A, const Tuple& B, std::index_sequence<At...>) {
  return (sameValue(std::get<At>(A), std::get<At>(B)) && ...);
}
template <typename... Field>
bool sameValue(const std::tuple<Field...>& A, const std::tuple<Field...>& B) {
  return sameFields(A, B, std::index_sequence_for<Field...>());
}

/// Values of one type held once each, found by value through an open-addressed
/// hash table of ids. Values never move (references stay valid while the pool
/// lives) and are kept until the pool is cleared. A copy of a pool is a pool
/// of its own: its table holds ids and hashes, not addresses.
template <typename Value> class ValuePool {
public:
  ValuePool() { clear(); }

  /// The id of \p Wanted; it is moved into the pool when the pool lacks it.
  PoolId intern(Value&& Wanted) {
    const std::uint32_t Hash = slotHash(Wanted);
    const std::size_t At = slotOf(Wanted, Hash);
    if (Index[At] != NotFound)
      return Index[At];
    const auto Id = static_cast<PoolId>(Values.size());
    Values.push_back(std::move(Wanted));
    Index.put(At, Hash, Id, Values.size());
    return Id;
  }

  const Value& operator[](PoolId Id) const { return Values[Id]; }

  /// Room in the index for \p Count values in all (the start value included).
  void reserve(std::size_t Count) { Index.reserve(Count); }
  std::size_t size() const { return Values.size(); }
  /// Gives back index room reserved that was not used.
  void shrinkToFit() { Index.shrinkToFit(Values.size()); }

  /// Empties the pool down to its start value (id 0).
  void clear() {
    Values.clear();
    Index.clear();
    Values.emplace_back();
    const std::uint32_t Hash = slotHash(Values.front());
    Index.put(slotOf(Values.front(), Hash), Hash, 0, 1);
  }

  static constexpr PoolId NotFound = IdTable::NotFound;

private:
  /// The value's hash folded to the 32 bits a slot keeps, its high bits
  /// mixed into the low ones that index the table.
  static std::uint32_t slotHash(const Value& Wanted) {
    const std::size_t Wide = hashOf(Wanted);
    const auto Hash = static_cast<std::uint32_t>(Wide ^ (static_cast<std::uint64_t>(Wide) >> 32));
    return Hash ^ (Hash >> 17);
  }

  /// The slot that holds \p Wanted, or the free slot where it would go.
  std::size_t slotOf(const Value& Wanted, std::uint32_t Hash) const {
    return Index.slotOf(Hash, [&](PoolId Id) { return sameValue(Values[Id], Wanted); });
  }

  std::deque<Value> Values;
  IdTable Index;
};

/// Setting records held once each as their numbers and the id of their Name
/// in the document's text pool: a pooled record is plain data with no string
/// of its own, and names shared with items and other records are held once.
template <typename Record> class RecordPool {
public:
  /// The id of \p Value, its Name interned in \p Texts.
  PoolId intern(const Record& Value, TextPool& Texts) {
    return intern(Value, Texts.intern(Value.Name));
  }
  /// The same, when the caller holds the id \p Known of a text of \p Texts
  /// that is likely the Name (a setting named by its key): the Name is then
  /// not interned again.
  PoolId intern(const Record& Value, TextPool& Texts, PoolId Known) {
    const KeptOf Name(Value.Name);
    return intern(Value, Name.view() == Texts[Known] ? Known : Texts.internKept(Name.view()));
  }
  /// The id of the numbers of \p Value with the text \p Name of the pool's
  /// texts as their Name (\p Value's own Name is not looked at).
  PoolId internNamed(const Record& Value, PoolId Name) { return intern(Value, Name); }
  /// The record \p Id with its Name.
  Record get(PoolId Id, const TextPool& Texts) const {
    Record Out = numbers(Id);
    platform::KeptToWide(Texts[Pool[Id].Name], Out.Name);
    return Out;
  }
  /// The record \p Id with its Name left empty.
  Record numbers(PoolId Id) const { return recordOf<Record>(fields(Id)); }
  /// The numbers of record \p Id in place, in the order of fieldsOf.
  const NumbersOf<Record>& fields(PoolId Id) const { return Pool[Id].Fields; }
  void clear() { Pool.clear(); }
  /// Room for \p Count records in all (the default record included).
  void reserve(std::size_t Count) { Pool.reserve(Count); }
  std::size_t size() const { return Pool.size(); }
  void shrinkToFit() { Pool.shrinkToFit(); }

private:
  /// The id of \p Value with the text of id \p Name as its Name.
  PoolId intern(const Record& Value, PoolId Name) {
    return Pool.intern(Named{numbersOf(Value), Name});
  }

  using Numbers = NumbersOf<Record>;
  struct Named {
    Numbers Fields;
    PoolId Name = 0;

    friend std::size_t hashOf(const Named& Value) {
      std::size_t Hash = hashOf(Value.Fields);
      mixHash(Hash, Value.Name);
      return Hash;
    }
    friend bool sameValue(const Named& A, const Named& B) {
      return A.Name == B.Name && sameValue(A.Fields, B.Fields);
    }
  };
  ValuePool<Named> Pool;
};

/// The names of an item, in the order of its record's name ids.
enum class ItemName { Save, Clipping, View, Object, Capture, Slicing, Tag, Item, Count };

/// What the report engine sets on some items while a report is produced,
/// and texts few items have: kept beside an item only when one is set.
struct ItemExtra {
  std::wstring DisItemName;
  std::wstring DisModuleName;
  std::wstring CaptureFilePath;
  std::wstring ResultImagePath;
  std::wstring StatImagePath;
  std::wstring LegendUnit;
  std::wstring Description;
  double LegendMaxValue = 0.0;
  double LegendMinValue = 0.0;
  std::uint32_t LegendMaxColor = 0;
  std::uint32_t LegendMinColor = 0;
  std::int32_t LegendDigits = 0;
  double StatMinValue = 0.0;
  double StatMaxValue = 0.0;
  double StatAvgValue = 0.0;
};

/// One stored item. The start values are those of a new CZRVReportItem.
struct ItemRecord {
  std::int32_t ItemID = 0;
  std::int32_t ModuleID = ZRV_MODULE_NONE;
  std::int32_t Output = CZRVReportItem::ZRV_OUTPUT_PNG;
  std::int32_t DisplayMode = CZRVReportItem::ZRV_DISPLAY_SURFACE;
  std::int32_t ParameterX = 1;
  std::int32_t ParameterY = 1;
  std::int32_t ParameterZ = 1;
  std::int32_t FaceNumber = 10;
  std::int32_t ItemCountOf1Page = 1;
  std::int32_t OutputAirTrap = 0;
  std::int32_t OutputWeldLine = 0;
  std::int32_t ProjectHasThisItem = 0;
  std::int32_t ReportOutputThisItem = 0;
  std::int32_t HasClipping = 0;
  std::int32_t HasView = 0;
  std::int32_t HasObject = 0;
  std::int32_t HasSlicing = 0;
  PoolId Names[static_cast<int>(ItemName::Count)] = {};
  PoolId Clipping = 0;
  PoolId Slicing = 0;
  PoolId View = 0;
  PoolId Object = 0;
  PoolId Capture = 0;
  PoolId ViewNames = 0;   ///< the several-view names
  PoolId ViewRecords = 0; ///< the several-view records
  PoolId Extra = 0;       ///< the side block in ItemPools::Extras (0: none)
};
// Records are plain data: a list of them is copied, moved and freed as bytes.
static_assert(std::is_trivially_copyable_v<ItemRecord>);

/// The pools that the records of one document refer to.
struct ItemPools {
  TextPool Names;
  RecordPool<CZRVReportItem::tagCLIPSETTING> Clippings;
  RecordPool<CZRVReportItem::tagSLICESETTING> Slicings;
  RecordPool<CZRVReportItem::tagVIEWSETTING> Views;
  RecordPool<CZRVReportItem::tagOBJECTSETTING> Objects;
  RecordPool<CZRVReportItem::tagFOCUSCAPTURE> Captures;
  /// Several-view names: lists of ids of Names.
  IdListPool ViewNameLists;
  /// Several-view records: lists of ids of Views.
  IdListPool ViewRecordLists;
  /// The side blocks of the items that have one, by id; the block at 0 has
  /// the start values and is no item's. The block of a record replaced or
  /// erased is given back and used again.
  std::vector<ItemExtra> Extras = std::vector<ItemExtra>(1);
  std::vector<PoolId> SpareExtras;

  /// The id of a side block that holds \p Block.
  PoolId addExtra(ItemExtra&& Block);
  /// Gives back the side block \p Id (0: none).
  void dropExtra(PoolId Id) {
    if (Id != 0)
      SpareExtras.push_back(Id);
  }

  /// The id of the list of \p Names, each interned in Names.
  PoolId internNames(const std::vector<std::wstring>& List);
  /// The id of the list of \p Records, each interned in Views.
  PoolId internViews(const std::vector<CZRVReportItem::tagVIEWSETTING>& List);

  void clear();
  /// Gives back the room to spare of the pools of sequences.
  void shrinkToFit() {
    Names.shrinkToFit();
    ViewNameLists.shrinkToFit();
    ViewRecordLists.shrinkToFit();
    Clippings.shrinkToFit();
    Slicings.shrinkToFit();
    Views.shrinkToFit();
    Objects.shrinkToFit();
    Captures.shrinkToFit();
  }
};

class ItemStore;

/// The several-view names of an item, read in place in their kept form.
class ViewNameList {
public:
  ViewNameList(const TextPool& Pool, Span<PoolId> List) : Texts(&Pool), Ids(List) {}

  std::size_t size() const { return Ids.size(); }
  bool empty() const { return Ids.empty(); }
  std::string_view operator[](std::size_t At) const { return (*Texts)[Ids[At]]; }

  struct Iterator {
    const ViewNameList* List;
    std::size_t At;
    std::string_view operator*() const { return (*List)[At]; }
    Iterator& operator++() {
      ++At;
      return *this;
    }
    bool operator!=(const Iterator& Other) const { return At != Other.At; }
  };
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, size()}; }

private:
  const TextPool* Texts;
  Span<PoolId> Ids;
};

/// One stored item as the document's members read and change it, or none (a
/// lookup that found nothing). Reads of numbers and names come from the
/// record; changes of numbers go into it; anything else is read from a copy
/// made from the record, or changed in such a copy that is then stored back.
class ItemRef {
public:
  ItemRef() = default;
  ItemRef(ItemStore* Items, std::size_t At) : Store(Items), Position(At) {}

  explicit operator bool() const { return Store != nullptr; }
  /// Lets a found item be used as the pointer it replaces: Item->GetOutput().
  const ItemRef* operator->() const { return this; }
  ItemRef* operator->() { return this; }

  const ItemRecord& record() const;
  ItemRecord& record();
  std::size_t position() const { return Position; }

  ZRV_RESULT_ITEMS GetItemID() const { return static_cast<ZRV_RESULT_ITEMS>(record().ItemID); }
  ZRV_RESULT_MODULES GetModuleID() const {
    return static_cast<ZRV_RESULT_MODULES>(record().ModuleID);
  }
  int GetOutput() const { return record().Output; }
  int IsOutput() const { return GetOutput() >= 1 && GetOutput() <= 3 ? 1 : 0; }
  int GetDisplayMode() const { return record().DisplayMode; }
  /// The slicing values, as CZRVReportItem::GetParameterX ... give them.
  int GetParameterX() const { return std::get<0>(sliceNumbers()); }
  int GetParameterY() const { return std::get<1>(sliceNumbers()); }
  int GetParameterZ() const { return std::get<2>(sliceNumbers()); }
  /// The numbers of the slicing record, read in place (SliceX, SliceY,
  /// SliceZ first, as fieldsOf orders them).
  const NumbersOf<CZRVReportItem::tagSLICESETTING>& sliceNumbers() const;
  int GetFaceNumber() const { return record().FaceNumber; }
  int GetItemCountOf1Page() const { return record().ItemCountOf1Page; }
  int GetOutputAirTrap() const { return record().OutputAirTrap; }
  int GetOutputWeldLine() const { return record().OutputWeldLine; }
  int GetIsProjectHasThisItem() const { return record().ProjectHasThisItem; }
  int GetIsReportOutputThisItem() const { return record().ReportOutputThisItem; }
  int HasClippingSetting() const { return record().HasClipping != 0 ? 1 : 0; }
  int HasSlicingSetting() const { return record().HasSlicing != 0 ? 1 : 0; }
  int HasObjectSetting() const { return record().HasObject != 0 ? 1 : 0; }
  int HasViewSetting() const;
  int IsFocusCapture() const;
  int HasTagName() const { return record().Names[static_cast<int>(ItemName::Tag)] != 0 ? 1 : 0; }

  /// The kept form of the name \p Which, read in place.
  std::string_view name(ItemName Which) const;
  /// The name \p Which as wide text.
  std::wstring wideName(ItemName Which) const { return platform::KeptToWide(name(Which)); }
  std::wstring GetItemName() const { return wideName(ItemName::Item); }
  std::wstring GetItemSaveName() const { return wideName(ItemName::Save); }
  std::wstring GetClippingName() const { return wideName(ItemName::Clipping); }
  std::wstring GetViewName() const { return wideName(ItemName::View); }
  std::wstring GetObjectName() const { return wideName(ItemName::Object); }
  std::wstring GetCaptureName() const { return wideName(ItemName::Capture); }
  std::wstring GetSlicingName() const { return wideName(ItemName::Slicing); }
  std::wstring GetTagName() const { return wideName(ItemName::Tag); }
  /// The several-view names, read in place in their kept form.
  ViewNameList GetViewNameList() const;
  int GetViewCount() const { return static_cast<int>(GetViewNameList().size()); }

  void SetOutput(int Value);
  void SetDisplayMode(int Value);
  void SetFaceNumber(int Value) { record().FaceNumber = Value; }
  void SetItemName(const wchar_t* Name);

  /// A CZRVReportItem equal to the stored one.
  CZRVReportItem copy() const;
  /// Changes a copy of the item with \p Change and stores it back (the item
  /// id and module id must stay as they are: the indexes are not touched).
  template <typename Change> void change(Change&& Apply) {
    CZRVReportItem Item = copy();
    Apply(Item);
    storeBack(Item);
  }

private:
  void storeBack(const CZRVReportItem& Item);

  ItemStore* Store = nullptr;
  std::size_t Position = 0;
};

/// The items of one document in list order, with the pools their records
/// refer to. The records are kept in chunks of ChunkSize: the list grows a
/// chunk at a time, so a load of many items never copies the records already
/// read, and a partly filled chunk is the only room to spare.
class ItemStore {
public:
  std::size_t size() const { return Count; }
  bool empty() const { return Count == 0; }
  /// Gives back the room of the last chunk beyond the items held, and the
  /// room to spare of the pools. Names read in place before are no longer
  /// valid.
  void shrinkToFit() {
    if (!Chunks.empty())
      Chunks.back().shrink_to_fit();
    Pools.shrinkToFit();
  }

  /// The item at \p Position; none when it is negative or past the end.
  ItemRef at(int Position) {
    return Position >= 0 && static_cast<std::size_t>(Position) < Count
               ? ItemRef(this, static_cast<std::size_t>(Position))
               : ItemRef();
  }
  /// The item at \p Position, which must be inside the list.
  ItemRef operator[](std::size_t Position) const {
    return ItemRef(const_cast<ItemStore*>(this), Position);
  }

  const ItemRecord& record(std::size_t Position) const {
    return Chunks[Position / ChunkSize][Position % ChunkSize];
  }
  ItemRecord& record(std::size_t Position) {
    return Chunks[Position / ChunkSize][Position % ChunkSize];
  }

  /// Appends \p Item packed into a record.
  void push_back(const CZRVReportItem& Item);
  /// Appends a record whose ids refer to this store's pools.
  void push_back(ItemRecord&& Record);
  /// Replaces the item at \p Position by \p Item packed into a record.
  void replace(std::size_t Position, const CZRVReportItem& Item);
  void erase(std::size_t Position);
  /// Empties the list and its pools.
  void clear();

  /// Fills \p Out with the item at \p Position.
  void copyTo(std::size_t Position, CZRVReportItem& Out) const;

  ItemPools& pools() { return Pools; }
  const ItemPools& pools() const { return Pools; }

  /// Records per chunk (about 17 KB).
  static constexpr std::size_t ChunkSize = 128;

private:
  /// Every chunk but the last holds ChunkSize records.
  std::vector<std::vector<ItemRecord>> Chunks;
  std::size_t Count = 0;
  ItemPools Pools;
};

inline const ItemRecord& ItemRef::record() const { return Store->record(Position); }
inline ItemRecord& ItemRef::record() { return Store->record(Position); }
inline std::string_view ItemRef::name(ItemName Which) const {
  return Store->pools().Names[record().Names[static_cast<int>(Which)]];
}

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_ITEMSTORE_H
