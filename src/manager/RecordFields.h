// RecordFields.h - the fields of each named setting record in one table, so
// that the document can keep a record as its numbers alone (a tuple with no
// string) and give the whole record back: the item setting pools and the
// setting libraries both keep records this way.
#ifndef ZRVREPORT_MANAGER_RECORDFIELDS_H
#define ZRVREPORT_MANAGER_RECORDFIELDS_H

#include "zrvreport/ZRVReportItem.h"
#include "zrvreport/ZRVReportItemEx.h"

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

namespace zrv::manager {

/// The fields of each setting record, its Name last.
inline auto fieldsOf(const CZRVReportItem::tagCLIPSETTING& R) {
  return std::tie(R.ClipBy, R.KeepX, R.KeepY, R.KeepZ, R.RangeX, R.RangeY, R.RangeZ, R.Inverse,
                  R.Name);
}
inline auto fieldsOf(const CZRVReportItem::tagSLICESETTING& R) {
  return std::tie(R.SliceX, R.SliceY, R.SliceZ, R.RangeX, R.RangeY, R.RangeZ, R.Name);
}
inline auto fieldsOf(const CZRVReportItem::tagVIEWSETTING& R) {
  return std::tie(R.AngleX, R.AngleY, R.AngleZ, R.Scale, R.Name);
}
inline auto fieldsOf(const CZRVReportItem::tagOBJECTSETTING& R) {
  return std::tie(R.ShowRunner, R.ShowPart, R.ShowPartInsert, R.ShowCoolChannel, R.ShowMoldbase,
                  R.ShowMoldInsert, R.ShowMeltEntrance, R.ShowCoolantEntrance, R.ShowHeatingRod,
                  R.ShowHotRunnerMetal, R.Name);
}
inline auto fieldsOf(const CZRVReportItem::tagFOCUSCAPTURE& R) {
  return std::tie(R.Capture, R.Width, R.Height, R.FocusOn, R.Name);
}
inline auto fieldsOf(const CZRVReportItemEx::stAnimationSetting& R) {
  return std::tie(R.Output, R.Time, R.FPS, R.Resolution, R.Name);
}
inline auto fieldsOf(const CZRVReportItemEx::stImageSetting& R) {
  return std::tie(R.Output, R.Resolution, R.Name);
}

/// Whether a record type has a field table (and so can be kept as numbers).
template <typename Record, typename = void> struct HasFields : std::false_type {};
template <typename Record>
struct HasFields<Record, std::void_t<decltype(fieldsOf(std::declval<const Record&>()))>>
    : std::true_type {};

/// The fields of a setting record but its Name (the last of fieldsOf), as
/// references, and as values.
template <typename Tuple, std::size_t... At>
auto firstFields(const Tuple& Fields, std::index_sequence<At...>) {
  return std::tie(std::get<At>(Fields)...);
}
template <typename Record> auto numbersOf(const Record& Value) {
  const auto All = fieldsOf(Value);
  return firstFields(All, std::make_index_sequence<std::tuple_size_v<decltype(All)> - 1>());
}
template <typename... Field> std::tuple<Field...> valuesOf(const std::tuple<const Field&...>&);
template <typename Record>
using NumbersOf = decltype(valuesOf(numbersOf(std::declval<const Record&>())));

/// Sets the fields of \p Value but its Name from \p From. (fieldsOf gives
/// const references; the record is the caller's own to change.)
template <typename Record, std::size_t... At>
void setNumbers(Record& Value, const NumbersOf<Record>& From, std::index_sequence<At...>) {
  const auto Fields = numbersOf(Value);
  ((const_cast<std::tuple_element_t<At, NumbersOf<Record>>&>(std::get<At>(Fields)) =
        std::get<At>(From)),
   ...);
}

/// A record with the numbers \p From and an empty Name.
template <typename Record> Record recordOf(const NumbersOf<Record>& From) {
  Record Out;
  setNumbers(Out, From, std::make_index_sequence<std::tuple_size_v<NumbersOf<Record>>>());
  return Out;
}

} // namespace zrv::manager

#endif // ZRVREPORT_MANAGER_RECORDFIELDS_H
