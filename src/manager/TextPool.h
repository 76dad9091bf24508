// TextPool.h - the texts of a document's items (their names and the names of
// the settings they use) held once each: the characters of all texts one
// after another in a few large blocks, found by text through an
// open-addressing table of hashes and ids. A load adds no heap block per
// name, and emptying the document frees a handful of blocks, not one per name.
#ifndef ZRVREPORT_MANAGER_TEXTPOOL_H
#define ZRVREPORT_MANAGER_TEXTPOOL_H

#include "util/Text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zrv::manager {

/// A position in one of the document's pools; 0 is the pool's start value
/// (the empty name, a default record, an empty list).
using PoolId = std::uint32_t;

/// Texts held once each, by id; id 0 is the empty text. A block is filled up
/// to the room it was made with and never grows, so the characters of a text
/// never move: a view of a text stays valid until the pool is cleared or
/// destroyed. A copy of a pool is a pool of its own (its places are block
/// numbers and offsets, not addresses).
class TextPool {
public:
  TextPool() { clear(); }

  /// The id of \p Text; the text is added when the pool lacks it.
  PoolId intern(std::wstring_view Text) {
    const std::uint32_t Hash = hashName(Text);
    const std::size_t At = slotOf(Text, Hash);
    if (Slots[At].Id != NotFound)
      return Slots[At].Id;
    const auto Id = static_cast<PoolId>(Places.size());
    Places.push_back(place(Text));
    Slots[At] = {Hash, Id};
    if (Places.size() * 2 > Slots.size())
      grow();
    return Id;
  }

  /// The id of \p Text, or NotFound.
  PoolId find(std::wstring_view Text) const { return Slots[slotOf(Text, hashName(Text))].Id; }

  std::wstring_view operator[](PoolId Id) const {
    const Place& At = Places[Id];
    return At.Size == 0 ? std::wstring_view()
                        : std::wstring_view(Blocks[At.Block].data() + At.Start, At.Size);
  }

  /// The number of texts, the empty one included.
  std::size_t size() const { return Places.size(); }

  /// Empties the pool down to the empty text (id 0).
  void clear() {
    Blocks.clear();
    Places.assign(1, Place());
    Slots.assign(16, Slot());
    Slots[slotOf(std::wstring_view(), hashName(std::wstring_view()))] = {
        hashName(std::wstring_view()), 0};
  }

  static constexpr PoolId NotFound = ~PoolId(0);

private:
  /// Characters of the first block; each further block has twice the room
  /// of the one before, up to LastBlockChars. A longer text gets a block of
  /// its own length.
  static constexpr std::size_t FirstBlockChars = 256;
  static constexpr std::size_t LastBlockChars = 16384;

  struct Place {
    std::uint32_t Block = 0;
    std::uint32_t Start = 0;
    std::uint32_t Size = 0;
  };
  struct Slot {
    std::uint32_t Hash = 0;
    PoolId Id = NotFound;
  };

  /// Copies \p Text into the last block, or into a new one when the last has
  /// no room left for it (a copied pool's blocks have no room to spare).
  Place place(std::wstring_view Text) {
    if (Text.empty())
      return Place();
    if (Blocks.empty() || Blocks.back().capacity() - Blocks.back().size() < Text.size()) {
      Blocks.emplace_back();
      const std::size_t Room = FirstBlockChars << std::min<std::size_t>(Blocks.size() - 1, 6);
      Blocks.back().reserve(std::max(std::min(Room, LastBlockChars), Text.size()));
    }
    std::vector<wchar_t>& Last = Blocks.back();
    const Place At{static_cast<std::uint32_t>(Blocks.size() - 1),
                   static_cast<std::uint32_t>(Last.size()),
                   static_cast<std::uint32_t>(Text.size())};
    Last.insert(Last.end(), Text.begin(), Text.end());
    return At;
  }

  /// The slot that holds \p Text, or the free slot where it would go.
  std::size_t slotOf(std::wstring_view Text, std::uint32_t Hash) const {
    const std::size_t Mask = Slots.size() - 1;
    std::size_t At = Hash & Mask;
    while (Slots[At].Id != NotFound && !(Slots[At].Hash == Hash && (*this)[Slots[At].Id] == Text))
      At = (At + 1) & Mask;
    return At;
  }

  void grow() {
    std::vector<Slot> Old(Slots.size() * 2);
    Old.swap(Slots);
    const std::size_t Mask = Slots.size() - 1;
    for (const Slot& Entry : Old) {
      if (Entry.Id == NotFound)
        continue;
      std::size_t At = Entry.Hash & Mask;
      while (Slots[At].Id != NotFound)
        At = (At + 1) & Mask;
      Slots[At] = Entry;
    }
  }

  std::vector<std::vector<wchar_t>> Blocks;
  std::vector<Place> Places; ///< where each text is, by id
  std::vector<Slot> Slots;   ///< open addressing by text hash
};

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_TEXTPOOL_H
