// Modules.h - the result sections of a report template: the module id of each
// section and its tag, in the order the template file lists them.
#ifndef ZRVREPORT_CATALOGUE_MODULES_H
#define ZRVREPORT_CATALOGUE_MODULES_H

#include <array>
#include <cstddef>
#include <string_view>

#include "zrvreport/ZRVResultItems.h"

namespace zrv {

/// One result section: its module and its tag, wide and narrow (the tags are
/// plain ASCII).
struct ResultSection {
  ZRV_RESULT_MODULES Module;
  const wchar_t* Tag;    ///< "[FlowResult]"
  const char* NarrowTag; ///< the same tag as narrow text
};

/// Number of result sections; no other module id has one.
constexpr std::size_t ResultSectionCount = 13;

/// The 13 result sections in the order the template file lists them:
/// [ModelResult] 0, [FlowResult] 1, [PackResult] 2, [CureResult] 20,
/// [MoldPreheatResult] 17, [CoolResult] 3, [WarpResult] 4,
/// [MoldDeformationResult] 18, [WireSweep] 6, [PaddleShift] 7,
/// [OpticsResult] 5, [StressResult] 13, [HotRunnerSteadyResult] 19.
const std::array<ResultSection, ResultSectionCount>& ResultSectionsInFileOrder();

/// The section tag of \p Module ("[FlowResult]" for 1); the empty string (never
/// null) for a module without a section (8 to 12, 14 to 16, negative or
/// larger values).
const wchar_t* SectionTagOfModule(int Module);

/// The module whose tag is exactly \p Tag; ZRV_MODULE_NONE (-1) for any other
/// text, also one that merely contains a tag.
ZRV_RESULT_MODULES ModuleOfSectionTag(std::wstring_view Tag);

/// The module of a section line: the first section, in file order, whose tag
/// occurs anywhere in \p Line ("[FlowResult],,,," gives 1); ZRV_MODULE_NONE
/// (-1) when the line holds none of the tags. Comparison is exact
/// (case-sensitive).
ZRV_RESULT_MODULES ModuleOfSectionLine(std::string_view Line);
/// The same for a wide line.
ZRV_RESULT_MODULES ModuleOfSectionLine(std::wstring_view Line);

} // namespace zrv

#endif // ZRVREPORT_CATALOGUE_MODULES_H
