// StoredMelt.h - how the document's melt-front capture library keeps a
// record: its count and its percentages up to the last place that is not
// zero, instead of all 100 places of the public record.
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

  std::int32_t Count = 0;
  std::vector<double> Places; ///< Percentage[0] up to the last non-zero place

  StoredMelt() = default;
  StoredMelt(const Record& From) : Count(From.Count) { // NOLINT: converts by design
    int Used = Record::MaxCount;
    while (Used > 0 && isZero(From.Percentage[Used - 1]))
      --Used;
    Places.assign(From.Percentage, From.Percentage + Used);
  }

  operator Record() const { // NOLINT: converts by design
    Record To;
    To.Count = Count;
    for (std::size_t I = 0; I < Places.size(); ++I)
      To.Percentage[I] = Places[I];
    return To;
  }

private:
  static bool isZero(double Value) {
    std::uint64_t Bits;
    std::memcpy(&Bits, &Value, sizeof Bits);
    return Bits == 0;
  }
};

/// The melt-front capture library as the document keeps it, in the public
/// library's key order.
using StoredMeltMap = std::map<std::wstring, StoredMelt, ZRVNameLess>;

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_STOREDMELT_H
