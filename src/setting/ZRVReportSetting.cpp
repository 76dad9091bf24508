// ZRVReportSetting.cpp - the report setting facade: project kind and process,
// the choice of the reader's loader, saving through the writer, and the names
// of project types and of the "ReportSetting" folder.
#include "zrvreport/ZRVReportSetting.h"

#include <cwchar>
#include <memory>

#include "platform/Platform.h"
#include "util/Text.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportSettingWriter.h"
#include "zrvreport/ZRVReportTemplateReader.h"

namespace {

// ---- Loader table -------------------------------------------------------------------
// One row per (kind, application type): the reader's loader and where its two
// flag arguments come from. A row without a loader loads nothing.

enum class Flag { None, Thermoset, Underfill, EncapsulationCM };

struct LoaderRule {
  bool HasLoader;
  ZRV_TEMPLATE_LOADER Loader;
  /// Replaces Loader when the document's thermoset flag is set.
  ZRV_TEMPLATE_LOADER ThermosetLoader;
  Flag FlagA;
  Flag FlagB;
};

constexpr LoaderRule none() {
  return {false, ZRV_LOAD_COUNT, ZRV_LOAD_COUNT, Flag::None, Flag::None};
}
constexpr LoaderRule plain(ZRV_TEMPLATE_LOADER L, Flag A = Flag::None, Flag B = Flag::None) {
  return {true, L, L, A, B};
}
constexpr LoaderRule byThermoset(ZRV_TEMPLATE_LOADER Plain, ZRV_TEMPLATE_LOADER Thermoset) {
  return {true, Plain, Thermoset, Flag::None, Flag::None};
}

constexpr int AppTypeCount = 15;

constexpr LoaderRule SolidLoaders[AppTypeCount] = {
    /* 0 Injection */ byThermoset(ZRV_LOAD_SOLID_INJECTION, ZRV_LOAD_SOLID_RIM),
    /* 1 GasIn     */ none(),
    /* 2 RIM       */ plain(ZRV_LOAD_SOLID_RIM),
    /* 3 ICPackage */ plain(ZRV_LOAD_SOLID_ICPACKAGE, Flag::Underfill, Flag::EncapsulationCM),
    /* 4 ICM       */ plain(ZRV_LOAD_SOLID_ICM, Flag::Thermoset),
    /* 5 FAIM      */ none(),
    /* 6 GAIM      */ plain(ZRV_LOAD_SOLID_GAIM),
    /* 7 WAIM      */ plain(ZRV_LOAD_SOLID_WAIM),
    /* 8 COIM      */ plain(ZRV_LOAD_SOLID_COIM),
    /* 9 MCIM      */ plain(ZRV_LOAD_SOLID_MCIM),
    /* 10 CM       */ plain(ZRV_LOAD_SOLID_CM, Flag::Thermoset),
    /* 11 BIIM     */ plain(ZRV_LOAD_SOLID_BIIM),
    /* 12 PIM      */ plain(ZRV_LOAD_SOLID_PIM, Flag::Thermoset),
    /* 13 RTM      */ plain(ZRV_LOAD_SOLID_RTM),
    /* 14 CFM      */ plain(ZRV_LOAD_SOLID_CFM, Flag::Thermoset),
};

constexpr LoaderRule ShellLoaders[AppTypeCount] = {
    /* 0 Injection */ plain(ZRV_LOAD_SHELL_INJECTION),
    /* 1 GasIn     */ plain(ZRV_LOAD_SHELL_GASIN),
    /* 2 RIM       */ plain(ZRV_LOAD_SHELL_RIM),
    none(),
    none(),
    none(),
    none(),
    none(),
    none(),
    none(),
    none(),
    none(),
    none(),
    none(),
    none(),
};

// ---- Project type names ---------------------------------------------------------------

struct TypeName {
  const wchar_t* Name;
  /// Whether "(RIM)" follows when the run is thermoset or the caller asks.
  bool RimMark;
};

constexpr const wchar_t* RimMarkText = L"(RIM)";

constexpr TypeName SolidNames[AppTypeCount] = {
    {L"SolidInjection", true},      {nullptr, false},      {L"SolidRIM", false},
    {L"SolidEncapsulation", false}, {L"SolidICM", false},  {nullptr, false},
    {L"SolidGAIM", false},          {L"SolidWAIM", false}, {L"SolidCOIM", false},
    {L"SolidFIM", false},           {L"SolidCM", false},   {L"SolidBIIM", false},
    {L"SolidPIM", false},           {L"SolidRTM", false},  {L"SolidCFM", false},
};

constexpr TypeName ShellNames[AppTypeCount] = {
    {L"ShellInjection", false},
    {L"ShellGasIn", false},
    {L"ShellRIM", false},
};

enum class Kind { Solid, Shell, Other };

Kind kindOf(int ProjectType) {
  if (ProjectType == 0 || ProjectType == 2)
    return Kind::Solid;
  return ProjectType == 1 ? Kind::Shell : Kind::Other;
}

bool validAppType(int AppType) { return AppType >= 0 && AppType < AppTypeCount; }

/// The rule of a project; null for a kind or application type without one.
const LoaderRule* loaderRuleOf(int ProjectType, int AppType) {
  if (!validAppType(AppType))
    return nullptr;
  const auto Index = static_cast<std::size_t>(AppType);
  switch (kindOf(ProjectType)) {
  case Kind::Solid:
    return &SolidLoaders[Index];
  case Kind::Shell:
    return &ShellLoaders[Index];
  case Kind::Other:
    break;
  }
  return nullptr;
}

} // namespace

// ---- Construction and ownership ----------------------------------------------------------

CZRVReportSetting::CZRVReportSetting()
    : Reader(new CZRVReportTemplateReader()), Manager(new CZRVReportItemManager()) {}

CZRVReportSetting::CZRVReportSetting(const CZRVReportSetting& Other) : CZRVReportSetting() {
  *this = Other;
}

CZRVReportSetting::~CZRVReportSetting() {
  delete Reader;
  Reader = nullptr;
  delete Manager;
  Manager = nullptr;
  dropWriter();
}

CZRVReportSetting& CZRVReportSetting::operator=(const CZRVReportSetting& Other) {
  if (this == &Other)
    return *this;
  // Make the copies first, so that a failure leaves this facade as it was.
  auto NewReader = std::make_unique<CZRVReportTemplateReader>(*Other.Reader);
  auto NewManager = std::make_unique<CZRVReportItemManager>(*Other.Manager);
  dropWriter();
  delete Reader;
  Reader = NewReader.release();
  delete Manager;
  Manager = NewManager.release();
  ProjectType = Other.ProjectType;
  AppType = Other.AppType;
  Underfill = Other.Underfill;
  EncapsulationCM = Other.EncapsulationCM;
  ProjectPath = Other.ProjectPath;
  ProjectTypeDisplayName = Other.ProjectTypeDisplayName;
  CurViewName = Other.CurViewName;
  CurSettingsName = Other.CurSettingsName;
  return *this;
}

void CZRVReportSetting::dropWriter() {
  delete Writer;
  Writer = nullptr;
}

// ---- Project kind, process and flags --------------------------------------------------

int CZRVReportSetting::SetProjectType(int NewProjectType, int NewAppType) {
  ProjectType = NewProjectType;
  AppType = NewAppType;
  Manager->SetProjectType(NewProjectType);
  return 1;
}

int CZRVReportSetting::GetPrjoectType() const { return ProjectType; }
int CZRVReportSetting::GetAppType() const { return AppType; }

void CZRVReportSetting::SetIsThermosetRun(int IsThermoset) {
  Manager->SetProjectIsThermosetRun(IsThermoset);
}
int CZRVReportSetting::GetIsThermosetRun() const { return Manager->GetProjectIsThermosetRun(); }

void CZRVReportSetting::SetHasValvePin(int HasValvePin) { Manager->SetHasValvePin(HasValvePin); }
int CZRVReportSetting::GetHasValvePin() const { return Manager->GetHasValvePin(); }

void CZRVReportSetting::SetIsUnderfill(int IsUnderfill) { Underfill = IsUnderfill; }
int CZRVReportSetting::GetIsUnderfill() const { return Underfill; }

void CZRVReportSetting::SetIsEncapsulationCM(int IsEncapsulationCM) {
  EncapsulationCM = IsEncapsulationCM;
}
int CZRVReportSetting::GetIsEncapsulationCM() const { return EncapsulationCM; }

// ---- Paths, loading and saving ----------------------------------------------------------

int CZRVReportSetting::SetProjectPath(const wchar_t* Path) {
  Manager->SetProjectPath(Path);
  ProjectPath = zrv::text(Path);
  LoadTemplateFileData();
  return 1;
}

void CZRVReportSetting::SetZorvinPath(const wchar_t* Path) { Manager->SetZorvinPath(Path); }

void CZRVReportSetting::LoadTemplateFileData() {
  Manager->RemoveAllItem();
  const LoaderRule* Rule = loaderRuleOf(ProjectType, AppType);
  if (!Rule || !Rule->HasLoader)
    return;
  const int Thermoset = Manager->GetProjectIsThermosetRun();
  auto flagValue = [&](Flag Which) {
    switch (Which) {
    case Flag::Thermoset:
      return Thermoset;
    case Flag::Underfill:
      return Underfill;
    case Flag::EncapsulationCM:
      return EncapsulationCM;
    case Flag::None:
      break;
    }
    return 0;
  };
  const ZRV_TEMPLATE_LOADER Loader = Thermoset != 0 ? Rule->ThermosetLoader : Rule->Loader;
  const std::wstring Path = ProjectPath;
  Reader->Load(Loader, Path.c_str(), Manager, flagValue(Rule->FlagA), flagValue(Rule->FlagB));
}

void CZRVReportSetting::SetReportItemManager(CZRVReportItemManager* NewManager) {
  if (!NewManager || NewManager == Manager)
    return;
  // The writer is bound to the replaced document; the next save makes one
  // for the new document.
  dropWriter();
  Manager = NewManager;
}

CZRVReportItemManager* CZRVReportSetting::GetReportItemManager() { return Manager; }

CZRVReportTemplateReader* CZRVReportSetting::GetReportTemplateReader() { return Reader; }

void CZRVReportSetting::SetPrjCurViewName(const wchar_t* Name) { CurViewName = zrv::text(Name); }

void CZRVReportSetting::SetPrjCurSettingsName(const wchar_t* Name) {
  CurSettingsName = zrv::text(Name);
}

int CZRVReportSetting::SaveTemplate() {
  if (!Writer)
    Writer = new CZRVReportSettingWriter(Manager);
  Writer->SetPrjCurViewName(CurViewName.c_str());
  Writer->SetPrjCurSettingName(CurSettingsName.c_str());
  Writer->SaveTemplate(ProjectPath.c_str());
  return 1;
}

// ---- Names and folders ----------------------------------------------------------------------

void CZRVReportSetting::GetProjectFolderPath(wchar_t* Path) const {
  if (!Path)
    return;
  constexpr wchar_t Sep = zrv::platform::PathSeparator;
#ifdef _WIN32
  constexpr const wchar_t* Separators = L"\\/";
#else
  constexpr const wchar_t* Separators = L"/";
#endif
  // The executable's drive and folder without the separator that ends it.
  std::wstring Folder = zrv::platform::ExecutablePath();
  const std::size_t LastSeparator = Folder.find_last_of(Separators);
  if (LastSeparator == std::wstring::npos) {
#ifdef _WIN32
    const std::size_t Colon = Folder.find(L':');
    Folder.erase(Colon == std::wstring::npos ? 0 : Colon + 1);
#else
    Folder.clear();
#endif
  } else {
    Folder.erase(LastSeparator);
  }
  Folder += Sep;
  Folder += L"ReportSetting";
  Folder += Sep;
  zrv::copyToBuffer(Folder, Path);
}

void CZRVReportSetting::GetProjectFilePath(int, wchar_t* Path) const {
  zrv::copyToBuffer(ProjectPath, Path);
}

void CZRVReportSetting::GetProjectTypeName(int, int NameAppType, int RimMark, wchar_t* Name) const {
  if (!Name)
    return;
  const Kind ProjectKind = kindOf(ProjectType);
  // A shell project is named by its own application type, a solid one by the
  // caller's.
  const int Chosen = ProjectKind == Kind::Shell ? AppType : NameAppType;
  if (ProjectKind == Kind::Other || !validAppType(Chosen))
    return;
  const TypeName& Entry =
      (ProjectKind == Kind::Shell ? ShellNames : SolidNames)[static_cast<std::size_t>(Chosen)];
  if (!Entry.Name)
    return;
  std::wstring Appended = Entry.Name;
  if (Entry.RimMark && (Manager->GetProjectIsThermosetRun() != 0 || RimMark != 0))
    Appended += RimMarkText;
  zrv::copyToBuffer(Appended, Name + std::wcslen(Name));
}

void CZRVReportSetting::SetProjectTypeDisplayName(int, const wchar_t* Name) {
  ProjectTypeDisplayName = zrv::text(Name);
}

void CZRVReportSetting::GetProjectTypeDisplayName(int, wchar_t* Name) const {
  zrv::copyToBuffer(ProjectTypeDisplayName, Name);
}
