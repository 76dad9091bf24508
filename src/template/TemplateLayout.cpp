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
  SectionSet Tags = 0;
  std::size_t Open = std::string_view::npos;
  for (std::size_t At = Line.find_first_of("[]"); At != std::string_view::npos;
       At = Line.find_first_of("[]", At + 1)) {
    if (Line[At] == '[') {
      Open = At;
      continue;
    }
    if (Open == std::string_view::npos)
      continue;
    std::string_view Token = Line.substr(Open, At - Open + 1);
    for (const SectionLayout& Row : Sections)
      if (Token == Row.Tag)
        Tags |= SectionSet{1} << static_cast<unsigned>(Row.Id);
    Open = std::string_view::npos;
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
