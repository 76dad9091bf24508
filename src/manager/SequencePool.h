// SequencePool.h - sequences held once each for a document's items: the
// texts of their names and the lists of ids of their several views. The
// elements of all sequences lie one after another in a few large blocks, and a
// sequence is found by its elements through an open-addressing table of
// hashes and ids. A load adds no heap block per name or list, and emptying
// the document frees a handful of blocks, not one per name.
#ifndef ZRVREPORT_MANAGER_SEQUENCEPOOL_H
#define ZRVREPORT_MANAGER_SEQUENCEPOOL_H

#include "platform/Utf8.h"
#include "util/Text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace zrv::manager {

/// A position in one of the document's pools; 0 is the pool's start value
/// (the empty name, a default record, an empty list).
using PoolId = std::uint32_t;

/// The elements of one pooled sequence, seen in place.
template <typename Element> struct Span {
  const Element* First = nullptr;
  std::size_t Count = 0;

  const Element* begin() const { return First; }
  const Element* end() const { return First + Count; }
  std::size_t size() const { return Count; }
  bool empty() const { return Count == 0; }
  const Element& operator[](std::size_t At) const { return First[At]; }
};

/// The index of a pool or a library: an open-addressing table of ids by
/// hash, at most half full. Each slot keeps its id's hash, so that a probe
/// compares a value only when the hashes agree and growing the table reads no
/// value. An erased id leaves a marked slot that probes pass over; it stays
/// taken until the table grows or is filled afresh. A table moved from has
/// no slots: it must be cleared before it is used again.
class IdTable {
public:
  static constexpr PoolId NotFound = ~PoolId(0);

  IdTable() { clear(); }

  /// The slot that holds the id for which \p Holds(id) is true among those
  /// of hash \p Hash, or the free slot where such an id would go.
  template <typename Test> std::size_t slotOf(std::uint32_t Hash, Test&& Holds) const {
    const std::size_t Mask = Slots.size() - 1;
    std::size_t At = Hash & Mask;
    while (Slots[At].Id != NotFound &&
           !(Slots[At].Hash == Hash && Slots[At].Id != Erased && Holds(Slots[At].Id)))
      At = (At + 1) & Mask;
    return At;
  }
  /// The id in slot \p At, or NotFound.
  PoolId operator[](std::size_t At) const { return Slots[At].Id; }
  /// Puts \p Id into the free slot \p At that slotOf gave; \p Held is the
  /// number of slots then taken (the ids held and the erased ones).
  void put(std::size_t At, std::uint32_t Hash, PoolId Id, std::size_t Held) {
    Slots[At] = {Hash, Id};
    if (Held * 2 > Slots.size())
      grow();
  }
  /// Starts loading the slot where an id of hash \p Hash is looked for first,
  /// so that a lookup soon after finds it in the cache: a caller with several
  /// lookups to make starts them all before it waits for the first.
  void prefetch(std::uint32_t Hash) const {
#if defined(__GNUC__)
    __builtin_prefetch(&Slots[Hash & (Slots.size() - 1)]);
#else
    (void)Hash;
#endif
  }
  /// Marks the id in slot \p At (which slotOf found) as erased.
  void erase(std::size_t At) { Slots[At].Id = Erased; }
  void clear() { Slots.assign(16, Slot()); }
  std::size_t slotCount() const { return Slots.size(); }
  /// Makes the table as large as \p Held taken slots need at once, so that
  /// a load that knows about how many ids it adds lays the table out once
  /// instead of at each doubling on the way.
  void reserve(std::size_t Held) {
    std::size_t Size = Slots.size();
    while (Held * 2 > Size)
      Size *= 2;
    if (Size != Slots.size())
      rehash(Size);
  }
  /// Lays the table out again at a quarter full when \p Held taken slots
  /// fill less than an eighth of it (room reserved that a load did not use);
  /// a table of about the right size is left as it is.
  void shrinkToFit(std::size_t Held) {
    std::size_t Size = Slots.size();
    if (Size <= 16 || Held * 8 >= Size)
      return;
    while (Size > 16 && Held * 4 <= Size / 2)
      Size /= 2;
    rehash(Size);
  }

private:
  static constexpr PoolId Erased = NotFound - 1;

  struct Slot {
    std::uint32_t Hash = 0;
    PoolId Id = NotFound;
  };

  void grow() { rehash(Slots.size() * 2); }
  /// Moves every id that is not erased into a table of \p Size slots.
  void rehash(std::size_t Size) {
    std::vector<Slot> Old(Size);
    Old.swap(Slots);
    const std::size_t Mask = Slots.size() - 1;
    for (const Slot& Entry : Old) {
      if (Entry.Id == NotFound || Entry.Id == Erased)
        continue;
      std::size_t At = Entry.Hash & Mask;
      while (Slots[At].Id != NotFound)
        At = (At + 1) & Mask;
      Slots[At] = Entry;
    }
  }

  std::vector<Slot> Slots;
};

/// Sequences of \p Element (a character or an id) held once each, by id; id 0
/// is the empty sequence. A block is filled up to the room it was made with
/// and never grows, so the elements of a sequence never move: a Span stays
/// valid until the pool is trimmed, cleared or destroyed. A copy of a pool is a pool
/// of its own (its places are block numbers and offsets, not addresses).
template <typename Element> class SequencePool {
public:
  SequencePool() { clear(); }

  /// The id of the \p Count elements from \p First; added when the pool
  /// lacks them.
  PoolId intern(const Element* First, std::size_t Count) {
    return intern(First, Count, hashElements(First, Count));
  }
  /// The same for elements whose hashElements is \p Hash.
  PoolId intern(const Element* First, std::size_t Count, std::uint32_t Hash) {
    const std::size_t At = slotOf(First, Count, Hash);
    if (Index[At] != NotFound)
      return Index[At];
    const auto Id = static_cast<PoolId>(Places.size());
    Places.push_back(place(First, Count));
    Index.put(At, Hash, Id, Places.size());
    return Id;
  }

  /// Starts loading where elements of hash \p Hash are looked for
  /// (IdTable::prefetch).
  void prefetch(std::uint32_t Hash) const { Index.prefetch(Hash); }

  /// The id of the \p Count elements from \p First, or NotFound.
  PoolId find(const Element* First, std::size_t Count) const {
    return Index[slotOf(First, Count, hashElements(First, Count))];
  }

  Span<Element> operator[](PoolId Id) const {
    const Place& At = Places[Id];
    return At.Count == 0 ? Span<Element>()
                         : Span<Element>{Blocks[At.Block].data() + At.Start, At.Count};
  }

  /// Room for \p Count sequences in all (the empty one included), in the
  /// index and the list of places; the elements' blocks grow as before.
  void reserve(std::size_t Count) {
    Places.reserve(Count);
    Index.reserve(Count);
  }

  /// The number of sequences, the empty one included.
  std::size_t size() const { return Places.size(); }
  /// The number of elements of all sequences.
  std::size_t elementCount() const {
    std::size_t Count = 0;
    for (const std::vector<Element>& Block : Blocks)
      Count += Block.size();
    return Count;
  }

  /// Gives back the room to spare of the last block and of the places, once
  /// a load has added its sequences. The last block's elements move: no
  /// Span of it may be held across this call.
  void shrinkToFit() {
    Places.shrink_to_fit();
    Index.shrinkToFit(Places.size());
    if (!Blocks.empty())
      Blocks.back().shrink_to_fit();
  }

  /// Empties the pool down to the empty sequence (id 0).
  void clear() {
    Blocks.clear();
    Places.assign(1, Place());
    Index.clear();
    const std::uint32_t Hash = hashElements<Element>(nullptr, 0);
    Index.put(slotOf(nullptr, 0, Hash), Hash, 0, 1);
  }

  static constexpr PoolId NotFound = IdTable::NotFound;

private:
  /// Elements of the first block; each further block has twice the room of
  /// the one before, up to LastBlockSize. A longer sequence gets a block of
  /// its own length.
  static constexpr std::size_t FirstBlockSize = 256;
  static constexpr std::size_t LastBlockSize = 16384;

  struct Place {
    std::uint32_t Block = 0;
    std::uint32_t Start = 0;
    std::uint32_t Count = 0;
  };
  /// Copies the elements into the last block, or into a new one when the
  /// last has no room left for them (a copied pool's blocks have no room to
  /// spare).
  Place place(const Element* First, std::size_t Count) {
    if (Count == 0)
      return Place();
    if (Blocks.empty() || Blocks.back().capacity() - Blocks.back().size() < Count) {
      const std::size_t Room = FirstBlockSize << std::min<std::size_t>(Blocks.size(), 6);
      Blocks.emplace_back();
      Blocks.back().reserve(std::max(std::min(Room, LastBlockSize), Count));
    }
    std::vector<Element>& Last = Blocks.back();
    const Place At{static_cast<std::uint32_t>(Blocks.size() - 1),
                   static_cast<std::uint32_t>(Last.size()), static_cast<std::uint32_t>(Count)};
    Last.insert(Last.end(), First, First + Count);
    return At;
  }

  /// The slot that holds the sequence, or the free slot where it would go.
  std::size_t slotOf(const Element* First, std::size_t Count, std::uint32_t Hash) const {
    return Index.slotOf(Hash, [&](PoolId Id) {
      const Span<Element> Held = (*this)[Id];
      if constexpr (std::is_same_v<Element, char>)
        return sameBytes(std::string_view(Held.First, Held.Count), std::string_view(First, Count));
      else
        return Held.size() == Count && std::equal(Held.begin(), Held.end(), First);
    });
  }

  std::vector<std::vector<Element>> Blocks;
  std::vector<Place> Places; ///< where each sequence is, by id
  IdTable Index;             ///< the ids by sequence hash
};

/// The kept form of a wide name (platform::WideToKept), made on the stack
/// when the name is not long.
class KeptOf {
public:
  explicit KeptOf(std::wstring_view Name) {
    char* Start = Small;
    if (Name.size() > sizeof Small / platform::KeptRoom) {
      Large.resize(Name.size() * platform::KeptRoom);
      Start = Large.data();
    }
    Text = std::string_view(Start,
                            static_cast<std::size_t>(platform::WideToKept(Start, Name) - Start));
  }
  KeptOf(const KeptOf&) = delete;
  KeptOf& operator=(const KeptOf&) = delete;
  std::string_view view() const { return Text; }

private:
  char Small[1024];
  std::string Large;
  std::string_view Text;
};

/// Texts held once each in their kept form (platform::WideToKept): a
/// well-formed UTF-8 name read from a template goes in as its bytes stand,
/// and a wide name comes back exactly. Texts are found and read as views of
/// those bytes.
class TextPool : public SequencePool<char> {
public:
  PoolId intern(std::wstring_view Text) { return internKept(KeptOf(Text).view()); }
  /// The id of the text whose kept form is \p Kept.
  PoolId internKept(std::string_view Kept) {
    return SequencePool::intern(Kept.data(), Kept.size());
  }
  PoolId find(std::wstring_view Text) const { return findKept(KeptOf(Text).view()); }
  PoolId findKept(std::string_view Kept) const {
    return SequencePool::find(Kept.data(), Kept.size());
  }
  /// The kept form of text \p Id.
  std::string_view operator[](PoolId Id) const {
    const Span<char> Held = SequencePool::operator[](Id);
    return std::string_view(Held.First, Held.Count);
  }
  /// Text \p Id as wide text.
  std::wstring wide(PoolId Id) const { return platform::KeptToWide((*this)[Id]); }
};

/// Lists of ids of another pool held once each.
using IdListPool = SequencePool<PoolId>;

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_SEQUENCEPOOL_H
