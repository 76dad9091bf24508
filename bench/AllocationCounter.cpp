// AllocationCounter.cpp - global operator new and delete of the benchmark
// program that count the bytes held. Each block carries its size in a header
// in front of it, so that every form of delete (sized or not) subtracts what
// its new added. The benchmarks run on one thread; the counters are atomic
// all the same, as the benchmark library may start threads of its own.
#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace zrvbench {
namespace {

std::atomic<std::size_t> Live{0};
std::atomic<std::size_t> Count{0};

/// The header in front of each block: its size, padded so that the block
/// keeps the alignment that malloc gives.
constexpr std::size_t HeaderSize = alignof(std::max_align_t);
static_assert(HeaderSize >= sizeof(std::size_t), "the header holds the block size");

void* allocate(std::size_t Size) {
  void* Block = std::malloc(HeaderSize + (Size ? Size : 1));
  if (!Block)
    return nullptr;
  *static_cast<std::size_t*>(Block) = Size;
  Live.fetch_add(Size, std::memory_order_relaxed);
  Count.fetch_add(1, std::memory_order_relaxed);
  return static_cast<char*>(Block) + HeaderSize;
}

void release(void* Pointer) noexcept {
  if (!Pointer)
    return;
  void* Block = static_cast<char*>(Pointer) - HeaderSize;
  Live.fetch_sub(*static_cast<std::size_t*>(Block), std::memory_order_relaxed);
  std::free(Block);
}

void* allocateOrThrow(std::size_t Size) {
  for (;;) {
    if (void* Block = allocate(Size))
      return Block;
    std::new_handler Handler = std::get_new_handler();
    if (!Handler)
      throw std::bad_alloc();
    Handler();
  }
}

/// An over-aligned block: a plain block with room to move the start to the
/// alignment, the offset kept just before the start.
void* allocateAligned(std::size_t Size, std::align_val_t Alignment) {
  const auto Align = static_cast<std::size_t>(Alignment);
  char* Raw = static_cast<char*>(allocateOrThrow(Size + Align + sizeof(std::size_t)));
  std::size_t Address = reinterpret_cast<std::size_t>(Raw) + sizeof(std::size_t);
  Address = (Address + Align - 1) & ~(Align - 1);
  char* Start = reinterpret_cast<char*>(Address);
  reinterpret_cast<std::size_t*>(Start)[-1] = static_cast<std::size_t>(Start - Raw);
  return Start;
}

void releaseAligned(void* Pointer) noexcept {
  if (!Pointer)
    return;
  char* Start = static_cast<char*>(Pointer);
  release(Start - reinterpret_cast<std::size_t*>(Start)[-1]);
}

} // namespace

std::size_t LiveHeapBytes() { return Live.load(std::memory_order_relaxed); }
std::size_t HeapAllocationCount() { return Count.load(std::memory_order_relaxed); }

} // namespace zrvbench

using zrvbench::allocateAligned;
using zrvbench::allocateOrThrow;
using zrvbench::release;
using zrvbench::releaseAligned;

void* operator new(std::size_t Size) { return allocateOrThrow(Size); }
void* operator new[](std::size_t Size) { return allocateOrThrow(Size); }
void* operator new(std::size_t Size, const std::nothrow_t&) noexcept {
  return zrvbench::allocate(Size);
}
void* operator new[](std::size_t Size, const std::nothrow_t&) noexcept {
  return zrvbench::allocate(Size);
}
void operator delete(void* Pointer) noexcept { release(Pointer); }
void operator delete[](void* Pointer) noexcept { release(Pointer); }
void operator delete(void* Pointer, std::size_t) noexcept { release(Pointer); }
void operator delete[](void* Pointer, std::size_t) noexcept { release(Pointer); }
void operator delete(void* Pointer, const std::nothrow_t&) noexcept { release(Pointer); }
void operator delete[](void* Pointer, const std::nothrow_t&) noexcept { release(Pointer); }

void* operator new(std::size_t Size, std::align_val_t Alignment) {
  return allocateAligned(Size, Alignment);
}
void* operator new[](std::size_t Size, std::align_val_t Alignment) {
  return allocateAligned(Size, Alignment);
}
void* operator new(std::size_t Size, std::align_val_t Alignment, const std::nothrow_t&) noexcept {
  try {
    return allocateAligned(Size, Alignment);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t Size, std::align_val_t Alignment, const std::nothrow_t&) noexcept {
  try {
    return allocateAligned(Size, Alignment);
  } catch (...) {
    return nullptr;
  }
}
void operator delete(void* Pointer, std::align_val_t) noexcept { releaseAligned(Pointer); }
void operator delete[](void* Pointer, std::align_val_t) noexcept { releaseAligned(Pointer); }
void operator delete(void* Pointer, std::size_t, std::align_val_t) noexcept {
  releaseAligned(Pointer);
}
void operator delete[](void* Pointer, std::size_t, std::align_val_t) noexcept {
  releaseAligned(Pointer);
}
void operator delete(void* Pointer, std::align_val_t, const std::nothrow_t&) noexcept {
  releaseAligned(Pointer);
}
void operator delete[](void* Pointer, std::align_val_t, const std::nothrow_t&) noexcept {
  releaseAligned(Pointer);
}
