// OptionList.cpp - the option list of a setting library: names in order of
// last change, with appends, take-outs and reads by position in O(log n).
#include "manager/OptionList.h"

#include <utility>

namespace {
// Fewer holes than this are never squeezed out.
constexpr std::size_t MinHolesToSqueeze = 16;
} // namespace

const std::wstring& zrv::manager::OptionList::operator[](std::size_t Position) const {
  if (Count == Slots.size())
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

void zrv::manager::OptionList::addToTree(std::size_t Slot, int Delta) {
  for (std::size_t I = Slot + 1; I < Tree.size(); I += I & (~I + 1))
    Tree[I] += Delta;
}

void zrv::manager::OptionList::push_back(const std::wstring& Name) {
  const std::size_t Slot = Slots.size();
  if (Tree.size() <= Slot + 1) {
    // Double the tree's room and count the slots afresh.
    std::size_t Room = Tree.size() > 1 ? (Tree.size() - 1) * 2 : MinHolesToSqueeze;
    while (Room < Slot + 1)
      Room *= 2;
    Tree.assign(Room + 1, 0);
    for (std::size_t I = 1; I <= Room; ++I) {
      if (I - 1 < Alive.size())
        Tree[I] += Alive[I - 1];
      const std::size_t Parent = I + (I & (~I + 1));
      if (Parent <= Room)
        Tree[Parent] += Tree[I];
    }
  }
  Slots.push_back(Name);
  Alive.push_back(1);
  addToTree(Slot, 1);
  if (Indexed)
    SlotOf.emplace(Name, Slot);
  ++Count;
}

bool zrv::manager::OptionList::erase(const std::wstring& Name) {
  if (!Indexed) {
    SlotOf.reserve(Count);
    for (std::size_t I = 0; I < Slots.size(); ++I)
      if (Alive[I] != 0)
        SlotOf.emplace(Slots[I], I);
    Indexed = true;
  }
  const auto Found = SlotOf.find(Name);
  if (Found == SlotOf.end())
    return false;
  const std::size_t Slot = Found->second;
  SlotOf.erase(Found);
  Alive[Slot] = 0;
  Slots[Slot] = std::wstring();
  addToTree(Slot, -1);
  --Count;
  // Holes at the end are simply dropped: their tree counts are 0 already.
  while (!Alive.empty() && Alive.back() == 0) {
    Alive.pop_back();
    Slots.pop_back();
  }
  const std::size_t Holes = Slots.size() - Count;
  if (Holes >= MinHolesToSqueeze && Holes > Count)
    squeeze();
  return true;
}

void zrv::manager::OptionList::squeeze() {
  std::vector<std::wstring> Names;
  Names.reserve(Count);
  for (std::size_t I = 0; I < Slots.size(); ++I)
    if (Alive[I] != 0)
      Names.push_back(std::move(Slots[I]));
  clear();
  for (const std::wstring& Name : Names)
    push_back(Name);
}

void zrv::manager::OptionList::clear() {
  Slots.clear();
  Alive.clear();
  Tree.clear();
  SlotOf.clear();
  Indexed = false;
  Count = 0;
}

zrv::manager::OptionList::operator std::vector<std::wstring>() const {
  std::vector<std::wstring> Names;
  Names.reserve(Count);
  for (std::size_t I = 0; I < Slots.size(); ++I)
    if (Alive[I] != 0)
      Names.push_back(Slots[I]);
  return Names;
}
