// OptionList.h - the option list of a setting library: its names in the order
// its option getters list them, with appends, take-outs and reads by position
// in O(log n).
#ifndef ZRVREPORT_MANAGER_OPTIONLIST_H
#define ZRVREPORT_MANAGER_OPTIONLIST_H

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace zrv::manager {

/// The names of one setting library in the order in which its option
/// getters list them; a name stands at most once. Appending a name, taking
/// one out and reading the name at a position each cost O(log n), so that
/// keeping a long list in order of last change (a stored name moves to the
/// end) stays O(n log n) over n changes. Taken-out names leave holes, which
/// a count tree over the slots skips and which are squeezed out once they
/// outnumber the names.
class OptionList {
public:
  /// Number of names.
  std::size_t size() const { return Count; }
  /// The name at \p Position (0-based, below size()).
  const std::wstring& operator[](std::size_t Position) const;
  /// Appends \p Name, which the list must not hold.
  void push_back(const std::wstring& Name);
  /// Takes \p Name out; later names move up one place. False when the
  /// list does not hold it.
  bool erase(const std::wstring& Name);
  /// Empties the list.
  void clear();
  /// The names in order, for the readers of a list whole.
  operator std::vector<std::wstring>() const;

private:
  /// Lays the names out again without holes and rebuilds the tree.
  void squeeze();
  /// Adds \p Delta to the count of slot \p Slot in the tree.
  void addToTree(std::size_t Slot, int Delta);

  /// Names in order; a taken-out name leaves an empty, dead slot.
  std::vector<std::wstring> Slots;
  /// 1 for a slot that holds a name, 0 for a hole.
  std::vector<unsigned char> Alive;
  /// Binary indexed tree of Alive, 1-based, over as many slots as it has
  /// room for (a power of two, at least Slots.size()).
  std::vector<int> Tree;
  /// Name -> its slot. Built by the first erase and kept from then on: a
  /// list that is only filled and read (a loaded library) never needs it.
  std::unordered_map<std::wstring, std::size_t> SlotOf;
  bool Indexed = false;
  std::size_t Count = 0;
};

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_OPTIONLIST_H
