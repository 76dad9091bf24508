// TemplateLayout.cpp - lookups over the template layout tables.
#include "template/TemplateLayout.h"

namespace zrv::format {

std::wstring widen(std::string_view Ascii) {
  std::wstring Wide;
  Wide.reserve(Ascii.size());
  for (char C : Ascii)
    Wide += static_cast<wchar_t>(static_cast<unsigned char>(C));
  return Wide;
}

Section sectionOfModule(int ModuleId) {
  if (ModuleId < 0)
    return Section::Count;
  for (const SectionLayout& Row : Sections)
    if (Row.Kind == SectionKind::Result && Row.ModuleId == ModuleId)
      return Row.Id;
  return Section::Count;
}

std::wstring moduleTag(int ModuleId) {
  Section Id = sectionOfModule(ModuleId);
  return Id == Section::Count ? std::wstring() : widen(tagOf(Id));
}

int moduleOfSectionLine(std::string_view Line) {
  for (const SectionLayout& Row : Sections)
    if (Row.Kind == SectionKind::Result && Line.find(Row.Tag) != std::string_view::npos)
      return Row.ModuleId;
  return -1;
}

SectionSet tagsInLine(std::string_view Line) {
  // Each ']' may end a tag, which then starts at the last '[' after the ']'
  // before it: every byte is looked at once, by the system's byte search
  // where it can be.
  SectionSet Tags = 0;
  std::size_t SegmentStart = 0;
  for (std::size_t Close = Line.find(']'); Close != std::string_view::npos;
       Close = Line.find(']', Close + 1)) {
    std::size_t Open = Line.substr(SegmentStart, Close - SegmentStart).rfind('[');
    if (Open != std::string_view::npos) {
      std::string_view Token = Line.substr(SegmentStart + Open, Close - SegmentStart - Open + 1);
      for (const SectionLayout& Row : Sections)
        if (Token == Row.Tag)
          Tags |= SectionSet{1} << static_cast<unsigned>(Row.Id);
    }
    SegmentStart = Close + 1;
  }
  return Tags;
}

ResultExKey resultExKeyOf(std::string_view Key) {
  for (std::size_t I = 0; I < ResultExRows.size(); ++I)
    if (Key == ResultExRows[I].Key)
      return static_cast<ResultExKey>(I);
  return ResultExKey::Count;
}

} // namespace zrv::format
