// FirstPositionIndex.h - the position of the first item with each key (an
// item id, or an item id and module id packed together), kept flat: an
// open-addressing table of keys beside a table of positions.
#ifndef ZRVREPORT_MANAGER_FIRSTPOSITIONINDEX_H
#define ZRVREPORT_MANAGER_FIRSTPOSITIONINDEX_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zrv::manager {

/// Key -> position of the first item with that key. \p Key is an unsigned
/// integer type. Lookups and additions cost O(1) on average; the tables are
/// at most three quarters full and hold no node per key.
template <typename Key> class FirstPositionIndex {
public:
  /// Records \p Position for \p Wanted unless the key has a position already
  /// (an earlier item stays the first).
  void add(Key Wanted, int Position) {
    if ((Count + 1) * 4 > Positions.size() * 3)
      grow((Count + 1) * 2);
    const std::size_t At = slotOf(Wanted);
    if (Positions[At] != Empty)
      return;
    Keys[At] = Wanted;
    Positions[At] = Position;
    ++Count;
  }

  /// The position recorded for \p Wanted; -1 when there is none.
  int find(Key Wanted) const {
    if (Count == 0)
      return -1;
    return Positions[slotOf(Wanted)];
  }

  /// Number of keys.
  std::size_t size() const { return Count; }

  /// Forgets every key, keeping room for \p Expected keys.
  void clear(std::size_t Expected = 0) {
    Keys.clear();
    Positions.clear();
    Count = 0;
    if (Expected > 0)
      grow(Expected);
  }

  /// Room for \p Expected keys without growing again.
  void reserve(std::size_t Expected) {
    if (Expected * 4 > Positions.size() * 3)
      grow(Expected);
  }

  /// Calls \p Each(key, position) for every key, in no particular order.
  template <typename Visit> void forEach(Visit&& Each) const {
    for (std::size_t At = 0; At < Positions.size(); ++At)
      if (Positions[At] != Empty)
        Each(Keys[At], Positions[At]);
  }

private:
  static constexpr int Empty = -1;

  std::size_t slotOf(Key Wanted) const {
    // Fibonacci hashing spreads ids that differ in any bits over the table.
    const std::size_t Mask = Positions.size() - 1;
    std::size_t At = static_cast<std::size_t>(
        (static_cast<std::uint64_t>(Wanted) * 0x9E3779B97F4A7C15ULL) >> Shift);
    while (Positions[At] != Empty && Keys[At] != Wanted)
      At = (At + 1) & Mask;
    return At;
  }

  /// Lays the keys out again in a table with room for \p Expected keys.
  void grow(std::size_t Expected) {
    std::size_t Size = 16;
    unsigned Bits = 4;
    while (Size * 3 < Expected * 4) {
      Size *= 2;
      ++Bits;
    }
    if (Size <= Positions.size())
      return;
    std::vector<Key> OldKeys(Size);
    std::vector<int> OldPositions(Size, Empty);
    OldKeys.swap(Keys);
    OldPositions.swap(Positions);
    Shift = 64 - Bits;
    for (std::size_t At = 0; At < OldPositions.size(); ++At) {
      if (OldPositions[At] == Empty)
        continue;
      const std::size_t Slot = slotOf(OldKeys[At]);
      Keys[Slot] = OldKeys[At];
      Positions[Slot] = OldPositions[At];
    }
  }

  std::vector<Key> Keys;
  std::vector<int> Positions; ///< Empty where the slot holds no key
  unsigned Shift = 64;
  std::size_t Count = 0;
};

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_FIRSTPOSITIONINDEX_H
