// ByteBlock.h - sixteen bytes of a text looked at in one step: which of them
// equal a byte, lie below one or lie beyond ASCII, as bit masks. The reader
// finds its line ends and cuts its item lines with it, where a search per
// field or per question would cost more than the bytes it looks at.
#ifndef ZRVREPORT_PLATFORM_BYTEBLOCK_H
#define ZRVREPORT_PLATFORM_BYTEBLOCK_H

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define ZRV_BYTE_BLOCK_SSE2 1
#else
#define ZRV_BYTE_BLOCK_SSE2 0
#endif

namespace zrv::platform {

/// The size of a block, shared by both kinds.
struct ByteBlockBase {
  static constexpr std::size_t Size = 16;
};

/// Sixteen bytes asked one at a time: the block of a machine without vector
/// registers, and what the other is tested against. Each question gives a
/// mask with bit I set for byte I; bits 16 and up are 0.
class PortableByteBlock : public ByteBlockBase {
public:
  /// The Size bytes at \p Bytes.
  explicit PortableByteBlock(const char* Bytes) { std::memcpy(Lanes, Bytes, Size); }
  /// The first \p Count (less than Size) bytes at \p Bytes, the rest filled
  /// with \p Fill: a text's last bytes, read without reading past its end.
  PortableByteBlock(const char* Bytes, std::size_t Count, char Fill) {
    std::memset(Lanes, Fill, Size);
    std::memcpy(Lanes, Bytes, Count);
  }

  /// The bytes equal to \p Byte.
  std::uint32_t equalTo(char Byte) const {
    return maskOf([Byte](unsigned char C) { return C == static_cast<unsigned char>(Byte); });
  }
  /// The bytes from 0x80 up.
  std::uint32_t highBits() const {
    return maskOf([](unsigned char C) { return C >= 0x80; });
  }
  /// The bytes below \p Limit, compared as unsigned bytes.
  std::uint32_t below(unsigned char Limit) const {
    return maskOf([Limit](unsigned char C) { return C < Limit; });
  }
  /// The bytes equal to \p A, \p B or \p C, or from 0x80 up: one question
  /// that tells a block none of whose bytes needs a closer look.
  std::uint32_t anyOfOrHigh(char A, char B, char C) const {
    return equalTo(A) | equalTo(B) | equalTo(C) | highBits();
  }

private:
  template <typename Test> std::uint32_t maskOf(Test Holds) const {
    std::uint32_t Mask = 0;
    for (std::size_t I = 0; I < Size; ++I)
      Mask |= std::uint32_t{Holds(static_cast<unsigned char>(Lanes[I]))} << I;
    return Mask;
  }
  char Lanes[Size];
};

#if ZRV_BYTE_BLOCK_SSE2
/// Sixteen bytes in one vector register: each question is a compare or two
/// and a gather of the bytes' high bits. Answers as PortableByteBlock does.
class VectorByteBlock : public ByteBlockBase {
public:
  explicit VectorByteBlock(const char* Bytes)
      : Lanes(_mm_loadu_si128(reinterpret_cast<const __m128i*>(Bytes))) {}
  VectorByteBlock(const char* Bytes, std::size_t Count, char Fill) {
    char Padded[Size];
    std::memset(Padded, Fill, Size);
    std::memcpy(Padded, Bytes, Count);
    Lanes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Padded));
  }

  std::uint32_t equalTo(char Byte) const { return maskOf(equal(Byte)); }
  std::uint32_t highBits() const { return maskOf(Lanes); }
  std::uint32_t below(unsigned char Limit) const {
    // A byte is at least Limit exactly when the larger of the two is itself.
    const __m128i AtLeast =
        _mm_cmpeq_epi8(_mm_max_epu8(Lanes, _mm_set1_epi8(static_cast<char>(Limit))), Lanes);
    return ~maskOf(AtLeast) & 0xFFFFu;
  }
  std::uint32_t anyOfOrHigh(char A, char B, char C) const {
    return maskOf(_mm_or_si128(_mm_or_si128(equal(A), equal(B)), _mm_or_si128(equal(C), Lanes)));
  }

private:
  __m128i equal(char Byte) const { return _mm_cmpeq_epi8(Lanes, _mm_set1_epi8(Byte)); }
  static std::uint32_t maskOf(__m128i Bytes) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(Bytes));
  }
  __m128i Lanes;
};
using ByteBlock = VectorByteBlock;
#else
using ByteBlock = PortableByteBlock;
#endif

/// The index of the lowest set bit of \p Mask, which is not 0.
inline unsigned lowestBit(std::uint32_t Mask) {
#if defined(__GNUC__)
  return static_cast<unsigned>(__builtin_ctz(Mask));
#else
  unsigned Index = 0;
  for (; (Mask & 1u) == 0; Mask >>= 1)
    ++Index;
  return Index;
#endif
}

} // namespace zrv::platform

#endif // ZRVREPORT_PLATFORM_BYTEBLOCK_H
