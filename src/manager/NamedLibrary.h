// NamedLibrary.h - a library of named settings kept flat: its records in one
// array, their names once each in one block of bytes (their kept form, UTF-8
// for every character), a hashed index by name, and its option list (the
// names in the order the option getters list them) as positions in that
// array.
#ifndef ZRVREPORT_MANAGER_NAMEDLIBRARY_H
#define ZRVREPORT_MANAGER_NAMEDLIBRARY_H

#include "manager/RecordFields.h"
#include "manager/SequencePool.h"
#include "platform/Utf8.h"
#include "util/Text.h"
#include "zrvreport/ZRVCommon.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zrv::manager {

/// ZRVNameLess on names in their kept form: the bytes are compared up to the
/// first that differs; there two ASCII bytes decide, and otherwise the rest of
/// both names from that character on is widened and ordered by ZRVNameLess
/// (the bytes before it are the same characters).
inline bool keptLess(std::string_view Left, std::string_view Right) {
  const std::size_t Shorter = Left.size() < Right.size() ? Left.size() : Right.size();
  std::size_t I = 0;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  // Names of one library share long starts: eight bytes a step, the first
  // byte that differs being the lowest of the words' difference.
  for (; I + 8 <= Shorter; I += 8) {
    std::uint64_t L;
    std::uint64_t R;
    std::memcpy(&L, Left.data() + I, sizeof L);
    std::memcpy(&R, Right.data() + I, sizeof R);
    if (L != R) {
      I += static_cast<std::size_t>(__builtin_ctzll(L ^ R) / 8);
      break;
    }
  }
#endif
  while (I < Shorter && Left[I] == Right[I])
    ++I;
  if (I == Shorter)
    return Left.size() < Right.size();
  const auto L = static_cast<unsigned char>(Left[I]);
  const auto R = static_cast<unsigned char>(Right[I]);
  if (L < 0x80 && R < 0x80)
    return L < R;
  while (I > 0 && (static_cast<unsigned char>(Left[I]) & 0xC0) == 0x80)
    --I; // back to the first byte of the character (the same in both)
  return ZRVNameLess()(platform::KeptToWide(Left.substr(I)), platform::KeptToWide(Right.substr(I)));
}

/// What happens to an empty name when a library lists its names afresh.
enum class EmptyName { Dropped, Listed };

/// The named settings of one kind. Each entry refers to its name (its kept
/// form) in the library's block of names and holds its record: a record with
/// a field table (RecordFields.h) as its numbers alone, with a mark that says
/// whether its own Name field is the entry's name (the usual case: the name is
/// held once), empty, or another name (kept aside); any other record whole. An
/// entry is found by name through an open-addressing table of name hashes and
/// entry numbers. The option list is a list of entry numbers with a count tree
/// over its slots, so that appending, taking out and reading by position each
/// cost O(log n) (a stored name moves to the end).
///
/// Entry numbers stay valid until a name is erased; erased entries and the
/// holes they leave in the option list are squeezed out once they outnumber
/// the live ones.
template <typename Record> class NamedLibrary {
public:
  using Id = std::uint32_t;
  static constexpr Id NotFound = ~Id(0);
  /// Whether records are kept as their numbers (the record has a field table).
  static constexpr bool Numbered = HasFields<Record>::value;

  /// Number of names (records) in the library.
  std::size_t size() const { return Live; }
  /// One past the largest entry number in use.
  std::size_t entryLimit() const { return Entries.size(); }

  /// The entry named \p Name; NotFound when there is none.
  Id find(std::wstring_view Name) const { return findKept(KeptOf(Name).view()); }
  /// The entry whose name's kept form is \p Kept; NotFound when there is
  /// none.
  Id findKept(std::string_view Kept) const { return findKept(Kept, hashOf(Kept)); }
  /// The same for a kept form whose hashBytes is \p Hash.
  Id findKept(std::string_view Kept, std::uint32_t Hash) const { return Index[slotOf(Kept, Hash)]; }
  /// Starts loading where a name of hash \p Hash is looked for
  /// (IdTable::prefetch).
  void prefetch(std::uint32_t Hash) const { Index.prefetch(Hash); }

  /// The name of entry \p At.
  std::wstring name(Id At) const { return platform::KeptToWide(keptName(At)); }
  /// The kept form of the name of entry \p At.
  std::string_view keptName(Id At) const {
    return std::string_view(Names.data() + Places[At].At, Places[At].Size);
  }
  /// The record of entry \p At as it was stored, its Name field included.
  Record record(Id At) const {
    const Entry& E = Entries[At];
    if constexpr (Numbered) {
      Record Out = recordOf<Record>(E.Value);
      if (E.Named == OwnName::Key)
        Out.Name = name(At);
      else if (E.Named == OwnName::Other)
        Out.Name = OtherNames.at(At);
      return Out;
    } else {
      return E.Value;
    }
  }
  /// The Name field of the record of entry \p At: its entry's name,
  /// nothing, or the other name it was stored with.
  std::wstring ownName(Id At) const {
    if constexpr (Numbered) {
      const Entry& E = Entries[At];
      if (E.Named == OwnName::Key)
        return name(At);
      if (E.Named == OwnName::Other)
        return OtherNames.at(At);
      return {};
    } else {
      return Entries[At].Value.Name;
    }
  }
  /// True when the Name field of the record of entry \p At is the entry's
  /// name.
  bool ownNameIsName(Id At) const {
    if constexpr (Numbered)
      return Entries[At].Named == OwnName::Key;
    else
      return KeptOf(Entries[At].Value.Name).view() == keptName(At);
  }
  /// The record of entry \p At with its Name field left empty (the name is
  /// name(At)): made from its numbers, or the record kept whole in place.
  std::conditional_t<Numbered, Record, const Record&> stored(Id At) const {
    if constexpr (Numbered)
      return recordOf<Record>(Entries[At].Value);
    else
      return Entries[At].Value;
  }

  /// The record named \p Name, or a default record.
  Record get(std::wstring_view Name) const {
    const Id Found = find(Name);
    return Found != NotFound ? record(Found) : Record();
  }

  /// Adds \p Value under \p Name unless the library has the name already
  /// (then false and nothing changes). The name is not listed. With
  /// \p NamedByKey the record's own name is \p Name, whatever its Name field
  /// holds (a record read from a line, whose name is its key).
  bool add(std::wstring_view Name, Record Value, bool NamedByKey = false) {
    const KeptOf Kept(Name);
    const std::uint32_t Hash = hashOf(Kept.view());
    const std::size_t Slot = slotOf(Kept.view(), Hash);
    if (Index[Slot] != NotFound)
      return false;
    const OwnName Named = namedAs(Name, Value, NamedByKey); // before Value moves
    append(Kept.view(), std::move(Value), Slot, Hash, Named);
    return true;
  }
  /// Adds \p Value, whose own name is its key, under the name whose kept
  /// form is \p Kept, as add does (false when the library has the name).
  bool addKept(std::string_view Kept, Record&& Value) {
    const std::uint32_t Hash = hashOf(Kept);
    const std::size_t Slot = slotOf(Kept, Hash);
    if (Index[Slot] != NotFound)
      return false;
    append(Kept, std::move(Value), Slot, Hash, OwnName::Key);
    return true;
  }

  /// Inserts or replaces the record under \p Name; either way the name
  /// becomes the last of the option list.
  void store(std::wstring_view Name, Record Value) {
    const KeptOf Kept(Name);
    const std::uint32_t Hash = hashOf(Kept.view());
    const std::size_t Slot = slotOf(Kept.view(), Hash);
    Id At = Index[Slot];
    const OwnName Named = namedAs(Name, Value, false);
    if (At == NotFound) {
      At = append(Kept.view(), std::move(Value), Slot, Hash, Named);
    } else {
      setValue(At, std::move(Value), Named);
      unlist(At);
    }
    list(At);
  }

  /// Erases the record named \p Name and its option; false when the library
  /// has no such name.
  bool erase(std::wstring_view Name) {
    const KeptOf Kept(Name);
    const std::size_t Slot = slotOf(Kept.view(), hashOf(Kept.view()));
    const Id At = Index[Slot];
    if (At == NotFound)
      return false;
    unlist(At);
    Index.erase(Slot);
    Entries[At].Alive = false;
    Entries[At].Value = KeptRecord();
    if constexpr (Numbered)
      OtherNames.erase(At);
    --Live;
    const std::size_t Dead = Entries.size() - Live;
    if (Dead >= MinDeadToSqueeze && Dead > Live)
      squeeze();
    return true;
  }

  /// Empties the library and its option list.
  void clear() {
    Entries.clear();
    Places.clear();
    Names.clear();
    OtherNames.clear();
    Index.clear();
    Live = 0;
    clearOptions();
  }

  /// Replaces the library by the entries of \p Source (a map from names to
  /// records that convert to Record), none of them listed.
  template <typename Map> void assign(const Map& Source) {
    clear();
    Entries.reserve(Source.size());
    Places.reserve(Source.size());
    std::size_t Chars = 0;
    for (const auto& Pair : Source)
      Chars += Pair.first.size();
    Names.reserve(Chars);
    for (const auto& [Name, Value] : Source)
      add(Name, Record(Value));
  }

  // ---- The option list --------------------------------------------------------

  /// Number of listed names.
  std::size_t optionCount() const { return Listed; }

  /// The entry listed at \p Position (0-based, below optionCount()).
  Id optionAt(std::size_t Position) const {
    if (Listed == Slots.size())
      return Slots[Position];
    // The slot that holds the (Position + 1)-th name: walk the tree down from
    // its largest power of two, keeping the slots whose names come before.
    const std::size_t Room = Tree.size() - 1;
    std::size_t Step = 1;
    while (Step * 2 <= Room)
      Step *= 2;
    std::size_t Slot = 0; // the tree's 1-based slots up to here hold fewer names
    auto Remaining = static_cast<int>(Position) + 1;
    for (; Step > 0; Step /= 2) {
      if (Slot + Step <= Room && Tree[Slot + Step] < Remaining) {
        Slot += Step;
        Remaining -= Tree[Slot];
      }
    }
    return Slots[Slot]; // 1-based Slot + 1 is 0-based Slot
  }

  /// Lists the names afresh in key order, empty names as \p Rule says.
  void listInKeyOrder(EmptyName Rule) {
    clearOptions();
    std::vector<Id> Order;
    Order.reserve(Live);
    for (Id At = 0; At < Entries.size(); ++At)
      if (Entries[At].Alive && (Rule == EmptyName::Listed || Places[At].Size != 0))
        Order.push_back(At);
    auto Less = [this](Id A, Id B) { return keptLess(keptName(A), keptName(B)); };
    // A saved template and a handed-over map come in key order already.
    if (!std::is_sorted(Order.begin(), Order.end(), Less))
      std::sort(Order.begin(), Order.end(), Less);
    Slots = std::move(Order);
    Listed = Slots.size();
    for (std::size_t Slot = 0; Slot < Slots.size(); ++Slot)
      Entries[Slots[Slot]].OptionSlot = static_cast<std::int32_t>(Slot);
    buildTree();
  }

  /// Gives back the room reserved beyond the entries and names held where it
  /// is more than a quarter of what they take: a library that grew by
  /// doubling is copied only when the copy gives back enough to pay for it,
  /// and keeps at most a quarter of its room to spare.
  void shrinkToFit() {
    auto trim = [](auto& Held) {
      if (Held.capacity() - Held.size() > Held.size() / 4)
        Held.shrink_to_fit();
    };
    trim(Entries);
    trim(Places);
    trim(Names);
  }

  /// Empties the option list; the records stay.
  void clearOptions() {
    for (Entry& E : Entries)
      E.OptionSlot = Unlisted;
    Slots.clear();
    Tree.clear();
    Listed = 0;
  }

private:
  /// The slot of the name whose kept form is \p Kept and whose hash is
  /// \p Hash, or the free slot where it would go.
  std::size_t slotOf(std::string_view Kept, std::uint32_t Hash) const {
    return Index.slotOf(Hash, [&](Id At) { return sameBytes(keptName(At), Kept); });
  }

  static constexpr bool detectName(...) { return false; }
  template <typename R>
  static constexpr auto detectName(R*) -> decltype(std::declval<R&>().Name, true) {
    return true;
  }
  // A record that carries its own name needs a field table, so that the
  // name is kept apart from its numbers.
  static_assert(detectName(static_cast<Record*>(nullptr)) == Numbered,
                "a named record needs a field table in RecordFields.h");

  template <typename R, bool = HasFields<R>::value> struct KeptForm { using Type = R; };
  template <typename R> struct KeptForm<R, true> { using Type = NumbersOf<R>; };
  /// How an entry keeps its record.
  using KeptRecord = typename KeptForm<Record>::Type;

  /// What a numbered record's own Name field held when it was stored.
  enum class OwnName : std::uint8_t {
    Key,   ///< the entry's name
    Empty, ///< nothing
    Other, ///< another name, kept in OtherNames
  };

  static constexpr std::int32_t Unlisted = -1;
  static constexpr Id Hole = NotFound;
  /// Fewer dead entries or holes than this are never squeezed out.
  static constexpr std::size_t MinDeadToSqueeze = 16;

  struct Entry {
    KeptRecord Value;
    std::int32_t OptionSlot = Unlisted; ///< its slot in the option list
    bool Alive = true;
    OwnName Named = OwnName::Key;
  };

  static std::uint32_t hashOf(std::string_view Kept) { return hashBytes(Kept); }
  /// Where an entry's name is in Names (in bytes).
  struct NamePlace {
    std::uint32_t At = 0;   ///< its first byte
    std::uint32_t Size = 0; ///< its length in bytes
  };

  /// What the Name field of \p Value, to be stored under \p Name, is
  /// (with \p NamedByKey the record's own name is \p Name, whatever its
  /// Name field holds).
  static OwnName namedAs(std::wstring_view Name, const Record& Value, bool NamedByKey) {
    if constexpr (Numbered) {
      if (NamedByKey || Value.Name == Name)
        return OwnName::Key;
      return Value.Name.empty() ? OwnName::Empty : OwnName::Other;
    } else {
      return OwnName::Key; // the record is kept whole, its Name field with it
    }
  }

  /// Keeps \p Value as the record of entry \p At, its Name field being
  /// \p Named.
  void setValue(Id At, Record&& Value, OwnName Named) {
    Entry& E = Entries[At];
    if constexpr (Numbered) {
      if (!OtherNames.empty()) // nearly always: looked up only when some are kept
        OtherNames.erase(At);
      E.Named = Named;
      if (Named == OwnName::Other)
        OtherNames.emplace(At, std::move(Value.Name));
      E.Value = KeptRecord(numbersOf(Value));
    } else {
      E.Value = std::move(Value);
    }
  }

  /// Adds the entry whose name's kept form is \p Kept at the free index
  /// slot \p Slot that slotOf gave for it (its hash \p Hash).
  Id append(std::string_view Kept, Record&& Value, std::size_t Slot, std::uint32_t Hash,
            OwnName Named) {
    const auto At = static_cast<Id>(Entries.size());
    Entries.emplace_back();
    setValue(At, std::move(Value), Named);
    Places.push_back(
        {static_cast<std::uint32_t>(Names.size()), static_cast<std::uint32_t>(Kept.size())});
    Names.append(Kept);
    ++Live;
    // Erased entries keep their slots until a squeeze: every entry counts.
    Index.put(Slot, Hash, At, Entries.size());
    return At;
  }

  /// Lays out the live entries, their names and the option list again
  /// without dead entries and holes.
  void squeeze() {
    std::vector<Id> NewId(Entries.size(), NotFound);
    std::vector<Entry> KeptEntries;
    KeptEntries.reserve(Live);
    std::vector<NamePlace> KeptPlaces;
    KeptPlaces.reserve(Live);
    std::string KeptNames;
    std::unordered_map<Id, std::wstring> KeptOthers;
    for (Id At = 0; At < Entries.size(); ++At) {
      Entry& E = Entries[At];
      if (!E.Alive)
        continue;
      NewId[At] = static_cast<Id>(KeptEntries.size());
      if constexpr (Numbered)
        if (E.Named == OwnName::Other)
          KeptOthers.emplace(NewId[At], std::move(OtherNames.at(At)));
      const std::string_view Name = keptName(At);
      KeptPlaces.push_back(
          {static_cast<std::uint32_t>(KeptNames.size()), static_cast<std::uint32_t>(Name.size())});
      KeptNames.append(Name);
      KeptEntries.push_back(std::move(E));
    }
    std::vector<Id> Order;
    Order.reserve(Listed);
    for (Id Slot : Slots)
      if (Slot != Hole)
        Order.push_back(NewId[Slot]);
    Entries = std::move(KeptEntries);
    Places = std::move(KeptPlaces);
    Names = std::move(KeptNames);
    OtherNames = std::move(KeptOthers);
    Index.clear();
    for (Id At = 0; At < Entries.size(); ++At) {
      const std::uint32_t Hash = hashOf(keptName(At));
      Index.put(slotOf(keptName(At), Hash), Hash, At, At + 1);
    }
    clearOptions();
    for (Id At : Order)
      list(At);
  }

  // ---- Option list slots ----------------------------------------------------------

  void list(Id At) {
    const std::size_t Slot = Slots.size();
    if (Tree.size() <= Slot + 1) {
      Slots.push_back(At);
      buildTree();
    } else {
      Slots.push_back(At);
      addToTree(Slot, 1);
    }
    Entries[At].OptionSlot = static_cast<std::int32_t>(Slot);
    ++Listed;
  }

  void unlist(Id At) {
    const std::int32_t Slot = Entries[At].OptionSlot;
    if (Slot == Unlisted)
      return;
    Entries[At].OptionSlot = Unlisted;
    Slots[static_cast<std::size_t>(Slot)] = Hole;
    addToTree(static_cast<std::size_t>(Slot), -1);
    --Listed;
    // Holes at the end are simply dropped: their tree counts are 0 already.
    while (!Slots.empty() && Slots.back() == Hole)
      Slots.pop_back();
    const std::size_t Holes = Slots.size() - Listed;
    if (Holes >= MinDeadToSqueeze && Holes > Listed)
      squeezeOptions();
  }

  /// Lists the listed entries again in their order, without holes.
  void squeezeOptions() {
    std::vector<Id> Order;
    Order.reserve(Listed);
    for (Id Kept : Slots)
      if (Kept != Hole)
        Order.push_back(Kept);
    clearOptions();
    for (Id Kept : Order)
      list(Kept);
  }

  /// Counts the slots afresh in a tree with room for at least one more slot.
  void buildTree() {
    std::size_t Room = MinDeadToSqueeze;
    while (Room < Slots.size() + 1)
      Room *= 2;
    Tree.assign(Room + 1, 0);
    for (std::size_t I = 1; I <= Room; ++I) {
      if (I - 1 < Slots.size() && Slots[I - 1] != Hole)
        Tree[I] += 1;
      const std::size_t Parent = I + (I & (~I + 1));
      if (Parent <= Room)
        Tree[Parent] += Tree[I];
    }
  }

  void addToTree(std::size_t Slot, int Delta) {
    for (std::size_t I = Slot + 1; I < Tree.size(); I += I & (~I + 1))
      Tree[I] += Delta;
  }

  std::vector<Entry> Entries;
  std::vector<NamePlace> Places; ///< where each entry's name is, by entry number
  std::string Names;             ///< every entry's name (kept form), one after another
  /// The own Name fields that are neither the entry's name nor empty.
  std::unordered_map<Id, std::wstring> OtherNames;
  IdTable Index; ///< entry numbers by name hash
  std::size_t Live = 0;
  std::vector<Id> Slots; ///< the option list: entry numbers, Hole where taken out
  std::vector<int> Tree; ///< binary indexed tree of the live slots, 1-based
  std::size_t Listed = 0;
};

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_NAMEDLIBRARY_H
