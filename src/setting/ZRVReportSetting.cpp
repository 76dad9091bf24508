// ZRVReportSetting.cpp - the report setting facade: project kind and process,
// the choice of the reader's loader, saving through the writer, and the names
// of project types and of the "ReportSetting" folder.
#include "zrvreport/ZRVReportSetting.h"

#include <cwchar>
#include <memory>

#include "platform/Platform.h"
#include "setting/ProjectTable.h"
#include "util/Text.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportSettingWriter.h"
#include "zrvreport/ZRVReportTemplateReader.h"

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
  Observer = Other.Observer;
  LastLoadStatus = Other.LastLoadStatus;
  LastLoadMessage = Other.LastLoadMessage;
  LastSaveStatus = Other.LastSaveStatus;
  LastSaveMessage = Other.LastSaveMessage;
  LastCopyMessage = Other.LastCopyMessage;
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
  zrv::LoaderCall Call{};
  LastLoadMessage.clear();
  if (!zrv::loaderCallOf(ProjectType, AppType,
                         {Manager->GetProjectIsThermosetRun(), Underfill, EncapsulationCM}, Call)) {
    LastLoadStatus = ZRVLoadStatus::NoLoader;
    return;
  }
  const std::wstring Path = ProjectPath;
  LastLoadStatus = Reader->LoadWithStatus(Call.Loader, Path.c_str(), Manager, Call.FlagA,
                                          Call.FlagB, Observer, &LastLoadMessage);
}

ZRVLoadStatus CZRVReportSetting::GetLastLoadStatus() const { return LastLoadStatus; }
std::wstring CZRVReportSetting::GetLastLoadMessage() const { return LastLoadMessage; }
ZRVSaveStatus CZRVReportSetting::GetLastSaveStatus() const { return LastSaveStatus; }
std::wstring CZRVReportSetting::GetLastSaveMessage() const { return LastSaveMessage; }
void CZRVReportSetting::SetTemplateObserver(ZRVTemplateObserver* NewObserver) {
  Observer = NewObserver;
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
  LastSaveStatus = Writer->GetLastSaveStatus();
  LastSaveMessage = Writer->GetLastSaveMessage();
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
  // A shell project is named by its own application type, a solid one by the
  // caller's.
  bool TakesRimMark = false;
  const wchar_t* TypeName =
      zrv::projectTypeNameOf(ProjectType, ProjectType == 1 ? AppType : NameAppType, TakesRimMark);
  if (!TypeName)
    return;
  std::wstring Appended = TypeName;
  if (TakesRimMark && (Manager->GetProjectIsThermosetRun() != 0 || RimMark != 0))
    Appended += zrv::RimMarkText;
  zrv::copyToBuffer(Appended, Name + std::wcslen(Name));
}

void CZRVReportSetting::SetProjectTypeDisplayName(int, const wchar_t* Name) {
  ProjectTypeDisplayName = zrv::text(Name);
}

void CZRVReportSetting::GetProjectTypeDisplayName(int, wchar_t* Name) const {
  zrv::copyToBuffer(ProjectTypeDisplayName, Name);
}
