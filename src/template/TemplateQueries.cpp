// TemplateQueries.cpp - the public answers about the template format, read
// from the layout tables, the project table and the catalogue's selection
// table that the reader runs on.
#include "zrvreport/ZRVTemplateFormat.h"

#include "catalogue/KeyLists.h"
#include "catalogue/Selection.h"
#include "setting/ProjectTable.h"
#include "template/TemplateLayout.h"
#include "zrvreport/ZRVReportResultItemMap.h"

namespace fileformat = zrv::format;

namespace {

/// The setting libraries: the section, its kind in words, and the item-line
/// field or the [ResultEx] row whose setting column names it (0 or none).
struct SettingLibrary {
  fileformat::Section Id;
  const wchar_t* What;
  int ItemField;
  fileformat::ResultExKey Row;
};

constexpr SettingLibrary SettingLibraries[] = {
    {fileformat::Section::ViewSetting, L"view", 9, fileformat::ResultExKey::Count},
    {fileformat::Section::ClippingSetting, L"clipping setting", 8, fileformat::ResultExKey::Count},
    {fileformat::Section::SlicingSetting, L"slicing setting", 12, fileformat::ResultExKey::Count},
    {fileformat::Section::ObjectSetting, L"object setting", 10, fileformat::ResultExKey::Count},
    {fileformat::Section::FocusCapture, L"focus-capture setting", 11,
     fileformat::ResultExKey::Count},
    {fileformat::Section::MeltFrontTimeCapture, L"melt-front capture setting", 0,
     fileformat::ResultExKey::MeltFrontTime},
    {fileformat::Section::AnimationSetting, L"animation setting", 0,
     fileformat::ResultExKey::Animation},
    {fileformat::Section::ImageSetting, L"image setting", 0, fileformat::ResultExKey::Image},
};

std::wstring wideTag(fileformat::Section Id) { return fileformat::widen(fileformat::tagOf(Id)); }

} // namespace

std::vector<ZRVTemplateSectionInfo> ZRVTemplateSections() {
  std::vector<ZRVTemplateSectionInfo> Result;
  for (const fileformat::SectionLayout& Row : fileformat::Sections) {
    ZRVTemplateSectionInfo Info;
    Info.Tag = fileformat::widen(Row.Tag);
    Info.Kind = static_cast<ZRVTemplateSectionKind>(Row.Kind);
    Info.Label = fileformat::widen(Row.Label);
    if (Row.Kind == fileformat::SectionKind::Setting) {
      Info.FewestValues = Row.PartialValueCount;
      Info.MostValues = Row.FullValueCount;
    }
    Info.Module = Row.ModuleId;
    for (const SettingLibrary& Library : SettingLibraries)
      if (Library.Id == Row.Id)
        Info.What = Library.What;
    Result.push_back(std::move(Info));
  }
  return Result;
}

ZRVTemplateLimits ZRVTemplateReaderLimits() {
  ZRVTemplateLimits Limits;
  Limits.ReadLineBytes = static_cast<int>(fileformat::MaxReadLineBytes);
  Limits.NameChars = static_cast<int>(fileformat::MaxNameChars);
  Limits.FullItemLineVersion = fileformat::FullItemLineVersion;
  Limits.ItemLineFieldCounts.assign(std::begin(fileformat::ItemLineFieldCounts),
                                    std::end(fileformat::ItemLineFieldCounts));
  return Limits;
}

std::vector<std::wstring> ZRVTemplateHeaderKeys() {
  std::vector<std::wstring> Keys;
  for (const fileformat::KeyRowLayout& Row : fileformat::HeaderRows)
    Keys.push_back(fileformat::widen(Row.Key));
  return Keys;
}

std::vector<ZRVTemplateResultExRow> ZRVTemplateResultExRows() {
  std::vector<ZRVTemplateResultExRow> Rows;
  for (std::size_t Position = 0; Position < fileformat::ResultExRowCount; ++Position) {
    ZRVTemplateResultExRow Row;
    Row.Key = fileformat::widen(fileformat::ResultExRows[Position].Key);
    for (const SettingLibrary& Library : SettingLibraries)
      if (Library.Row == static_cast<fileformat::ResultExKey>(Position))
        Row.SettingSection = wideTag(Library.Id);
    Rows.push_back(std::move(Row));
  }
  return Rows;
}

std::wstring ZRVTemplateFieldSection(int Field) {
  for (const SettingLibrary& Library : SettingLibraries)
    if (Library.ItemField != 0 && Library.ItemField == Field)
      return wideTag(Library.Id);
  return std::wstring();
}

bool ZRVTemplateLoaderOf(int ProjectKind, int AppType, int Thermoset, int Underfill,
                         int EncapsulationCM, ZRVTemplateLoaderCall& Call) {
  zrv::LoaderCall Found{};
  if (!zrv::loaderCallOf(ProjectKind, AppType, {Thermoset, Underfill, EncapsulationCM}, Found))
    return false;
  Call.Loader = Found.Loader;
  Call.FlagA = Found.FlagA;
  Call.FlagB = Found.FlagB;
  Call.Thermoset = Found.Thermoset;
  return true;
}

std::wstring ZRVTemplateLoaderName(ZRV_TEMPLATE_LOADER Loader) {
  if (Loader < 0 || Loader >= ZRV_LOAD_COUNT)
    return std::wstring();
  return zrv::EntryPointName(static_cast<zrv::ReaderEntryPoint>(static_cast<int>(Loader)));
}

std::wstring ZRVTemplateProjectTypeName(int ProjectKind, int AppType, int Thermoset) {
  bool RimMark = false;
  const wchar_t* Name = zrv::projectTypeNameOf(ProjectKind, AppType, RimMark);
  if (!Name)
    return std::wstring();
  std::wstring Text = Name;
  if (RimMark && Thermoset)
    Text += zrv::RimMarkText;
  return Text;
}

std::vector<ZRVTemplateSectionKeys> ZRVTemplateLoaderSections(ZRV_TEMPLATE_LOADER Loader,
                                                              int Thermoset) {
  std::vector<ZRVTemplateSectionKeys> Result;
  if (Loader < 0 || Loader >= ZRV_LOAD_COUNT)
    return Result;
  auto Entry = static_cast<zrv::ReaderEntryPoint>(static_cast<int>(Loader));
  CZRVReportResultItemMap Catalogue;
  for (ZRV_RESULT_MODULES Module : zrv::AcceptedSections(Entry)) {
    zrv::SectionLists Lists = zrv::SelectSectionLists(Entry, Thermoset, Module);
    ZRVItemMap Map;
    if (!zrv::FillSectionMap(Catalogue, Lists, Map))
      continue;
    ZRVTemplateSectionKeys Section;
    Section.Tag = fileformat::moduleTag(Module);
    Section.Module = Module;
    Section.ListName = zrv::EntriesOfKeyList(Lists.List).Name;
    if (Lists.Extra != zrv::KeyList::None)
      Section.ListName += std::wstring(L"+") + zrv::EntriesOfKeyList(Lists.Extra).Name;
    for (const auto& [Key, Id] : Map)
      Section.Keys.emplace_back(Key, static_cast<int>(Id));
    Result.push_back(std::move(Section));
  }
  return Result;
}
