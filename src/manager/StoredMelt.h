// StoredMelt.h - how the document's melt-front capture library keeps a
// record: its count and its percentages up to the last place that is not
// zero, instead of all 100 places of the public record; a few places in the
// record itself.
#ifndef ZRVREPORT_MANAGER_STOREDMELT_H
#define ZRVREPORT_MANAGER_STOREDMELT_H

#include "zrvreport/ZRVReportItemEx.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace zrv::manager {

/// A melt-front capture record as the library keeps it; it converts to and
/// from the public record without loss (places past the kept ones are zero,
/// and a place is zero only when all its bits are: -0.0 is kept).
struct StoredMelt {
  using Record = CZRVReportItemEx::stMeltFrontTimeCapture;

  /// Places kept in the record itself; a record that uses more keeps them
  /// all in a block of its own. Most captures use a few places (a load of
  /// 2,000 records of four places allocates no block for them).
  static constexpr int InlinePlaces = 4;

  std::int32_t Count = 0;
  std::int32_t Used = 0; ///< Percentage[0] up to the last non-zero place
  double Inline[InlinePlaces] = {};
  std::vector<double> Spilled; ///< all Used places, when more than InlinePlaces

  StoredMelt() = default;
  StoredMelt(const Record& From) // NOLINT: converts by design
      : StoredMelt(From, Record::MaxCount) {}

  /// The same for a record whose places from \p Written on are known to be
  /// zero (as a template line is read into one): only the places before
  /// them are looked at.
  StoredMelt(const Record& From, int Written)
      : Count(From.Count), Used(usedPlaces(From.Percentage, Written)) {
    if (Used <= InlinePlaces)
      std::memcpy(Inline, From.Percentage, sizeof(double) * static_cast<std::size_t>(Used));
    else
      Spilled.assign(From.Percentage, From.Percentage + Used);
  }

  operator Record() const { // NOLINT: converts by design
    Record To;
    To.Count = Count;
    std::memcpy(To.Percentage, Used <= InlinePlaces ? Inline : Spilled.data(),
                sizeof(double) * static_cast<std::size_t>(Used));
    return To;
  }

private:
  static std::uint64_t bitsOf(double Value) {
    std::uint64_t Bits;
    std::memcpy(&Bits, &Value, sizeof Bits);
    return Bits;
  }
  /// The number of places up to the last one that is not zero, where the
  /// places from \p Written on are zero. Most records use a few places of
  /// the hundred: the zero places after them are passed four at a time.
  static int usedPlaces(const double (&Places)[Record::MaxCount], int Written) {
    static_assert(Record::MaxCount % 4 == 0, "places passed four at a time");
    int Used = Written <= 0                  ? 0
               : Written >= Record::MaxCount ? Record::MaxCount
                                             : (Written + 3) / 4 * 4;
    while (Used > 0 && (bitsOf(Places[Used - 1]) | bitsOf(Places[Used - 2]) |
                        bitsOf(Places[Used - 3]) | bitsOf(Places[Used - 4])) == 0)
      Used -= 4;
    while (Used > 0 && bitsOf(Places[Used - 1]) == 0)
      --Used;
    return Used;
  }
};

/// The melt-front capture library as the document keeps it, in the public
/// library's key order.
using StoredMeltMap = std::map<std::wstring, StoredMelt, ZRVNameLess>;

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_STOREDMELT_H
