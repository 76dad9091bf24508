// Modules.cpp - the table of result sections and the lookups between module
// ids and section tags.
#include "catalogue/Modules.h"

namespace zrv {
namespace {

constexpr std::array<ResultSection, ResultSectionCount> Sections = {{
    {ZRV_MODULE_MODEL, L"[ModelResult]", "[ModelResult]"},
    {ZRV_MODULE_FLOW, L"[FlowResult]", "[FlowResult]"},
    {ZRV_MODULE_PACK, L"[PackResult]", "[PackResult]"},
    {ZRV_MODULE_CURE, L"[CureResult]", "[CureResult]"},
    {ZRV_MODULE_MOLD_PREHEAT, L"[MoldPreheatResult]", "[MoldPreheatResult]"},
    {ZRV_MODULE_COOL, L"[CoolResult]", "[CoolResult]"},
    {ZRV_MODULE_WARP, L"[WarpResult]", "[WarpResult]"},
    {ZRV_MODULE_MOLD_DEFORMATION, L"[MoldDeformationResult]", "[MoldDeformationResult]"},
    {ZRV_MODULE_WIRE_SWEEP, L"[WireSweep]", "[WireSweep]"},
    {ZRV_MODULE_PADDLE_SHIFT, L"[PaddleShift]", "[PaddleShift]"},
    {ZRV_MODULE_OPTICS, L"[OpticsResult]", "[OpticsResult]"},
    {ZRV_MODULE_STRESS, L"[StressResult]", "[StressResult]"},
    {ZRV_MODULE_HOT_RUNNER_STEADY, L"[HotRunnerSteadyResult]", "[HotRunnerSteadyResult]"},
}};

} // namespace

const std::array<ResultSection, ResultSectionCount>& ResultSectionsInFileOrder() {
  return Sections;
}

const wchar_t* SectionTagOfModule(int Module) {
  for (const ResultSection& Section : Sections)
    if (Section.Module == Module)
      return Section.Tag;
  return L"";
}

ZRV_RESULT_MODULES ModuleOfSectionTag(std::wstring_view Tag) {
  for (const ResultSection& Section : Sections)
    if (Tag == Section.Tag)
      return Section.Module;
  return ZRV_MODULE_NONE;
}

ZRV_RESULT_MODULES ModuleOfSectionLine(std::string_view Line) {
  for (const ResultSection& Section : Sections)
    if (Line.find(Section.NarrowTag) != std::string_view::npos)
      return Section.Module;
  return ZRV_MODULE_NONE;
}

ZRV_RESULT_MODULES ModuleOfSectionLine(std::wstring_view Line) {
  for (const ResultSection& Section : Sections)
    if (Line.find(Section.Tag) != std::wstring_view::npos)
      return Section.Module;
  return ZRV_MODULE_NONE;
}

} // namespace zrv
