/// \file
/// \brief Types shared by every public header of the library: the name order of the
/// ordered maps and the diagnostic channel.
#ifndef ZRVREPORT_ZRVCOMMON_H
#define ZRVREPORT_ZRVCOMMON_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "zrvreport/zrvreport_export.h"

/// Orders wide strings by their UTF-16 code units, the order in which every
/// ordered map of the library (settings libraries, item maps) lists its keys.
///
/// Where wchar_t is 16 bits this is the plain code-unit order. Where it is 32
/// bits, a character above U+FFFF sorts as its surrogate pair would, so that a
/// template lists its settings in the same order on every platform.
struct ZRVNameLess {
  /// Returns true when \p Left sorts before \p Right.
  bool operator()(std::wstring_view Left, std::wstring_view Right) const noexcept {
    if constexpr (sizeof(wchar_t) == 2) {
      return Left < Right;
    } else {
      const std::size_t Shorter = Left.size() < Right.size() ? Left.size() : Right.size();
      // Names of one library share long starts ("Clipping 012", "Clipping
      // 013"): the common start is passed over two characters (one 64-bit
      // word) at a time.
      std::size_t I = 0;
      for (; I + 2 <= Shorter; I += 2) {
        std::uint64_t L;
        std::uint64_t R;
        std::memcpy(&L, Left.data() + I, sizeof L);
        std::memcpy(&R, Right.data() + I, sizeof R);
        if (L != R)
          break;
      }
      for (; I < Shorter; ++I) {
        if (Left[I] != Right[I])
          return sortKey(Left[I]) < sortKey(Right[I]);
      }
      return Left.size() < Right.size();
    }
  }

private:
  // The first UTF-16 code unit of a character, scaled so that characters with
  // equal first units still order by their second unit: a character above
  // U+FFFF becomes its high surrogate (0xD800 to 0xDBFF) followed by its low
  // surrogate, which sorts below U+E000 to U+FFFF as UTF-16 does.
  static unsigned long long sortKey(wchar_t C) noexcept {
    const auto Code = static_cast<unsigned long long>(static_cast<std::uint32_t>(C));
    if (Code > 0xFFFF && Code <= 0x10FFFF) {
      const unsigned long long V = Code - 0x10000;
      return ((0xD800 + (V >> 10)) << 16) | (0xDC00 + (V & 0x3FF));
    }
    return Code << 16;
  }
};

/// Receives every diagnostic message of the library: one line, without a line
/// end, led by its component tag ("[ReportSetting] ...").
using ZRVDiagnosticSink = std::function<void(const std::wstring&)>;

/// Installs \p Sink as the process-wide receiver of diagnostic messages and
/// returns the receiver it replaces. An empty sink restores the default: the
/// debugger output channel (OutputDebugStringW) on Windows; elsewhere the
/// messages are discarded, as on a debugger channel that nobody listens to.
ZRVREPORT_EXPORT ZRVDiagnosticSink ZRVSetDiagnosticSink(ZRVDiagnosticSink Sink);

#endif // ZRVREPORT_ZRVCOMMON_H
