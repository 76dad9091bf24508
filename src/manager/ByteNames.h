// ByteNames.h - names held as their bytes in one block, each found by its id
// through a hashed index.
#ifndef ZRVREPORT_MANAGER_BYTENAMES_H
#define ZRVREPORT_MANAGER_BYTENAMES_H

#include "manager/SequencePool.h"
#include "util/Text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zrv::manager {

/// Names (UTF-8 bytes) held once each, by id in the order they were added.
/// The bytes lie one after another in one block, so a probe reads the slot,
/// the name's end and its bytes: one step fewer than a SequencePool, whose
/// blocks never move, and what the lookups of every item line's names want.
/// A view of a name stays valid until the next intern.
class ByteNames {
public:
  static constexpr PoolId NotFound = IdTable::NotFound;

  /// The id of \p Name; NotFound when it is not held.
  PoolId find(std::string_view Name) const { return Index[slotOf(Name, hashBytes(Name))]; }

  /// The id of \p Name, added (as the next id) when it is not held yet.
  PoolId intern(std::string_view Name) {
    const std::uint32_t Hash = hashBytes(Name);
    const std::size_t Slot = slotOf(Name, Hash);
    if (Index[Slot] != NotFound)
      return Index[Slot];
    const auto Id = static_cast<PoolId>(Ends.size());
    Bytes.append(Name);
    Ends.push_back(static_cast<std::uint32_t>(Bytes.size()));
    Index.put(Slot, Hash, Id, Ends.size());
    return Id;
  }

  std::string_view operator[](PoolId Id) const {
    const std::uint32_t Start = Id == 0 ? 0 : Ends[Id - 1];
    return std::string_view(Bytes.data() + Start, Ends[Id] - Start);
  }

  /// The number of names.
  std::size_t size() const { return Ends.size(); }

  void clear() {
    Bytes.clear();
    Ends.clear();
    Index.clear();
  }

private:
  std::size_t slotOf(std::string_view Name, std::uint32_t Hash) const {
    return Index.slotOf(Hash, [&](PoolId Id) {
      const std::uint32_t Start = Id == 0 ? 0 : Ends[Id - 1];
      return sameBytes(std::string_view(Bytes.data() + Start, Ends[Id] - Start), Name);
    });
  }

  std::string Bytes;               ///< every name's bytes, one after another
  std::vector<std::uint32_t> Ends; ///< where each name's bytes end, by id
  IdTable Index;                   ///< the ids by the hash of their bytes
};

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_BYTENAMES_H
