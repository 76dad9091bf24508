// LeastWork.h - the least work a load and a save of a template do, as a
// yardstick between the baselines (a line scan, a durable write) and the
// library: what no loader that builds a document of the file, and no writer
// that lays its lines out again, can do without.
#ifndef ZRVREPORT_BENCH_LEASTWORK_H
#define ZRVREPORT_BENCH_LEASTWORK_H

#include "manager/ByteNames.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zrvbench {

using zrv::manager::ByteNames;

/// A template kept as flat records: each setting's numbers, each item line's
/// numbers with its setting names as ids in their section's names, the names
/// as bytes. Nothing is decoded to wide text, nothing is checked beyond the
/// count of an item line's fields, no option list is made.
struct LeastDocument {
  static constexpr int MostValues = 10;
  struct Setting {
    double Values[MostValues];
    int Count;
  };
  struct Item {
    std::uint32_t Key;
    int Numbers[9];            ///< fields 2 to 7 and 13 to 15
    std::uint32_t Settings[4]; ///< clipping, object, capture, slicing ids
    std::uint32_t ViewsAt, ViewCount;
  };
  ByteNames Keys;
  std::vector<ByteNames> Names;               ///< by section (setting sections, [ResultEx])
  std::vector<std::vector<Setting>> Settings; ///< by section, by name id
  std::vector<Item> Items;
  std::vector<std::uint32_t> Views;
};

/// Loads \p Path into \p Document the least way: the lines read with the
/// library's line reader, each checked for ASCII (and decoded when it is
/// not), setting lines read into their kind's records and names, item lines
/// split into fields and their key and setting names found by their bytes.
/// Returns the number of items.
std::size_t LoadLeast(const std::wstring& Path, LeastDocument& Document);

/// Lays out every setting line and item line of \p Document into \p Buffer
/// (kept between calls, so that its room is made once) and returns the bytes:
/// names copied, whole numbers as integers, other numbers shortest.
std::string_view FormatLeast(const LeastDocument& Document, std::vector<char>& Buffer);

} // namespace zrvbench

#endif // ZRVREPORT_BENCH_LEASTWORK_H
