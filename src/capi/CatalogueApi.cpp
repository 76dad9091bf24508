// CatalogueApi.cpp - the catalogue and the template folders through the C
// interface: the loaders, the keys and item ids each result section of a
// loader accepts, and the installation of templates.
#include "capi/Boundary.h"

#include <algorithm>

#include "catalogue/KeyLists.h"
#include "catalogue/Selection.h"
#include "setting/ProjectTable.h"
#include "template/TemplateLayout.h"
#include "zrvreport/ZRVReportResultItemMap.h"

using zrv::capi::guarded;

/// The result sections of one loader with their keys, ordered by item id.
struct zrv_catalogue {
  struct Section {
    std::string Tag;
    int Module = 0;
    std::vector<std::pair<std::string, int>> Keys;
  };
  std::vector<Section> Sections;
};

namespace {

zrv::ReaderEntryPoint entryOf(int Loader) { return static_cast<zrv::ReaderEntryPoint>(Loader); }

bool validLoader(int Loader) { return Loader >= 0 && Loader < ZRV_LOAD_COUNT; }

/// What the calling thread's last install noted (see zrv_install_message).
thread_local std::wstring LastInstallMessage;

} // namespace

extern "C" {

zrv_status zrv_loader_count(int* count) {
  if (!count)
    return ZRV_E_NULL_ARGUMENT;
  *count = ZRV_LOAD_COUNT;
  return ZRV_OK;
}

zrv_status zrv_loader_name(int loader, const char** name) {
  if (!validLoader(loader))
    return ZRV_E_OUT_OF_RANGE;
  if (!name)
    return ZRV_E_NULL_ARGUMENT;
  return guarded([&] {
    // The member names are ASCII; kept for the life of the program.
    static const std::vector<std::string> Names = [] {
      std::vector<std::string> List;
      for (int I = 0; I < ZRV_LOAD_COUNT; ++I)
        List.push_back(zrv::capi::utf8(zrv::EntryPointName(entryOf(I))));
      return List;
    }();
    *name = Names[static_cast<std::size_t>(loader)].c_str();
    return ZRV_OK;
  });
}

zrv_status zrv_loader_of_project(int kind, int app_type, unsigned flags, int* loader) {
  if (!loader)
    return ZRV_E_NULL_ARGUMENT;
  if ((flags & ~zrv::capi::AllFlags) != 0)
    return ZRV_E_INVALID_ARGUMENT;
  zrv::LoaderCall Call{};
  const zrv::ProjectFlags Flags{(flags & unsigned{ZRV_FLAG_THERMOSET}) ? 1 : 0,
                                (flags & unsigned{ZRV_FLAG_UNDERFILL}) ? 1 : 0,
                                (flags & unsigned{ZRV_FLAG_ENCAPSULATION_CM}) ? 1 : 0};
  if (!zrv::loaderCallOf(kind, app_type, Flags, Call))
    return ZRV_E_NO_LOADER;
  *loader = static_cast<int>(Call.Loader);
  return ZRV_OK;
}

zrv_status zrv_catalogue_open(int loader, int thermoset, zrv_catalogue** catalogue) {
  if (!catalogue)
    return ZRV_E_NULL_ARGUMENT;
  if (!validLoader(loader))
    return ZRV_E_OUT_OF_RANGE;
  return guarded([&] {
    auto Result = std::make_unique<zrv_catalogue>();
    CZRVReportResultItemMap Catalogue;
    for (ZRV_RESULT_MODULES Module : zrv::AcceptedSections(entryOf(loader))) {
      const zrv::SectionLists Lists =
          zrv::SelectSectionLists(entryOf(loader), thermoset ? 1 : 0, Module);
      ZRVItemMap Map;
      if (!zrv::FillSectionMap(Catalogue, Lists, Map))
        continue;
      zrv_catalogue::Section Section;
      Section.Tag =
          std::string(zrv::format::tagOf(zrv::format::sectionOfModule(static_cast<int>(Module))));
      Section.Module = static_cast<int>(Module);
      for (const auto& [Key, Id] : Map)
        Section.Keys.emplace_back(zrv::capi::utf8(Key), static_cast<int>(Id));
      std::stable_sort(Section.Keys.begin(), Section.Keys.end(),
                       [](const auto& A, const auto& B) { return A.second < B.second; });
      Result->Sections.push_back(std::move(Section));
    }
    *catalogue = Result.release();
    return ZRV_OK;
  });
}

zrv_status zrv_catalogue_destroy(zrv_catalogue* catalogue) {
  if (!catalogue)
    return ZRV_E_NULL_HANDLE;
  delete catalogue;
  return ZRV_OK;
}

zrv_status zrv_catalogue_section_count(const zrv_catalogue* catalogue, int* count) {
  if (!catalogue)
    return ZRV_E_NULL_HANDLE;
  if (!count)
    return ZRV_E_NULL_ARGUMENT;
  *count = static_cast<int>(catalogue->Sections.size());
  return ZRV_OK;
}

zrv_status zrv_catalogue_section(const zrv_catalogue* catalogue, int section, const char** tag,
                                 int* module, int* key_count) {
  if (!catalogue)
    return ZRV_E_NULL_HANDLE;
  if (section < 0 || static_cast<std::size_t>(section) >= catalogue->Sections.size())
    return ZRV_E_OUT_OF_RANGE;
  const auto& S = catalogue->Sections[static_cast<std::size_t>(section)];
  if (tag)
    *tag = S.Tag.c_str();
  if (module)
    *module = S.Module;
  if (key_count)
    *key_count = static_cast<int>(S.Keys.size());
  return ZRV_OK;
}

zrv_status zrv_catalogue_key(const zrv_catalogue* catalogue, int section, int key,
                             const char** name, int* item_id) {
  if (!catalogue)
    return ZRV_E_NULL_HANDLE;
  if (section < 0 || static_cast<std::size_t>(section) >= catalogue->Sections.size())
    return ZRV_E_OUT_OF_RANGE;
  const auto& S = catalogue->Sections[static_cast<std::size_t>(section)];
  if (key < 0 || static_cast<std::size_t>(key) >= S.Keys.size())
    return ZRV_E_OUT_OF_RANGE;
  const auto& Entry = S.Keys[static_cast<std::size_t>(key)];
  if (name)
    *name = Entry.first.c_str();
  if (item_id)
    *item_id = Entry.second;
  return ZRV_OK;
}

zrv_status zrv_install_templates(const char* source_root, const char* target_root) {
  return guarded([&] {
    std::wstring Source;
    std::wstring Target;
    if (const zrv_status Status = zrv::capi::textArg(source_root, Source); Status != ZRV_OK)
      return Status;
    if (const zrv_status Status = zrv::capi::textArg(target_root, Target); Status != ZRV_OK)
      return Status;
    CZRVReportSetting Facade;
    const int Installed = Facade.CopyReportSettingTemplateFile(Source.c_str(), Target.c_str());
    LastInstallMessage = Facade.GetLastCopyMessage();
    return Installed ? ZRV_OK : ZRV_E_FAILED;
  });
}

zrv_status zrv_install_message(char* buffer, size_t size, size_t* needed) {
  return guarded([&] { return zrv::capi::textOut(LastInstallMessage, buffer, size, needed); });
}

} // extern "C"
