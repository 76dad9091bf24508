// ManagerCore.cpp - the settings document's own fields, its items, extended
// items and result modules.
#include "zrvreport/ZRVReportItemManager.h"

#include "platform/Diagnostics.h"
#include "platform/Platform.h"
#include "util/Text.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

using ItemList = std::vector<CZRVReportItem>;

// Position of the first item that satisfies Match, or the end of the list.
template <typename Predicate> std::size_t findItem(const ItemList& Items, Predicate Match) {
  return static_cast<std::size_t>(std::find_if(Items.begin(), Items.end(), Match) - Items.begin());
}

// The form in which GetItemIndex compares names: every space removed.
std::wstring withoutSpaces(std::wstring Name) {
  Name.erase(std::remove(Name.begin(), Name.end(), L' '), Name.end());
  return Name;
}

} // namespace

CZRVReportItemManager::CZRVReportItemManager() = default;
CZRVReportItemManager::CZRVReportItemManager(const CZRVReportItemManager& Other) = default;
CZRVReportItemManager&
CZRVReportItemManager::operator=(const CZRVReportItemManager& Other) = default;
CZRVReportItemManager::~CZRVReportItemManager() = default;

// ---- Private lookups -------------------------------------------------------------

CZRVReportItem* CZRVReportItemManager::itemAt(int Index) {
  return zrv::inRange(Index, Items) ? &Items[static_cast<std::size_t>(Index)] : nullptr;
}

const CZRVReportItem* CZRVReportItemManager::itemAt(int Index) const {
  return zrv::inRange(Index, Items) ? &Items[static_cast<std::size_t>(Index)] : nullptr;
}

CZRVReportItem* CZRVReportItemManager::firstItemWithID(int ItemID) {
  return const_cast<CZRVReportItem*>(std::as_const(*this).firstItemWithID(ItemID));
}

const CZRVReportItem* CZRVReportItemManager::firstItemWithID(int ItemID) const {
  const std::size_t Pos =
      findItem(Items, [ItemID](const CZRVReportItem& Item) { return Item.GetItemID() == ItemID; });
  return Pos < Items.size() ? &Items[Pos] : nullptr;
}

CZRVReportItem* CZRVReportItemManager::firstItemWith(int ItemID, int ModuleID) {
  return const_cast<CZRVReportItem*>(std::as_const(*this).firstItemWith(ItemID, ModuleID));
}

const CZRVReportItem* CZRVReportItemManager::firstItemWith(int ItemID, int ModuleID) const {
  const std::size_t Pos = findItem(Items, [ItemID, ModuleID](const CZRVReportItem& Item) {
    return Item.GetItemID() == ItemID && Item.GetModuleID() == ModuleID;
  });
  return Pos < Items.size() ? &Items[Pos] : nullptr;
}

CZRVReportItemEx* CZRVReportItemManager::itemExAt(int Position) {
  return zrv::inRange(Position, ItemExs) ? &ItemExs[static_cast<std::size_t>(Position)] : nullptr;
}

const CZRVReportItemEx* CZRVReportItemManager::itemExAt(int Position) const {
  return zrv::inRange(Position, ItemExs) ? &ItemExs[static_cast<std::size_t>(Position)] : nullptr;
}

// ---- Project and header fields -----------------------------------------------------

void CZRVReportItemManager::SetProjectType(int Type) { ProjectType = Type; }
int CZRVReportItemManager::GetProjectType() const { return ProjectType; }
void CZRVReportItemManager::SetProjectIsThermosetRun(int Value) { ThermosetRun = Value; }
int CZRVReportItemManager::GetProjectIsThermosetRun() const { return ThermosetRun; }
void CZRVReportItemManager::SetHasValvePin(int Value) { HasValvePin = Value; }
int CZRVReportItemManager::GetHasValvePin() const { return HasValvePin; }
void CZRVReportItemManager::SetFileVersion(int Version) { FileVersion = Version; }
int CZRVReportItemManager::GetFileVersion() const { return FileVersion; }
void CZRVReportItemManager::SetFileID(const wchar_t* Value) { FileID = zrv::text(Value); }
void CZRVReportItemManager::GetFileID(wchar_t* Out) const { zrv::copyToBuffer(FileID, Out); }
void CZRVReportItemManager::SetFileName(const wchar_t* Value) { FileName = zrv::text(Value); }
void CZRVReportItemManager::GetFileName(wchar_t* Out) const { zrv::copyToBuffer(FileName, Out); }
void CZRVReportItemManager::SetFileDate(const wchar_t* Value) { FileDate = zrv::text(Value); }
void CZRVReportItemManager::GetFileDate(wchar_t* Out) const { zrv::copyToBuffer(FileDate, Out); }
void CZRVReportItemManager::SetFileProjectType(int Type) { FileProjectType = Type; }
int CZRVReportItemManager::GetFileProjectType() const { return FileProjectType; }
void CZRVReportItemManager::SetFileAppType(int Type) { FileAppType = Type; }
int CZRVReportItemManager::GetFileAppType() const { return FileAppType; }
void CZRVReportItemManager::SetCreateBy(const wchar_t* Value) { CreateBy = zrv::text(Value); }
void CZRVReportItemManager::GetCreateBy(wchar_t* Out) const { zrv::copyToBuffer(CreateBy, Out); }
void CZRVReportItemManager::SetRemark(const wchar_t* Value) { Remark = zrv::text(Value); }
void CZRVReportItemManager::GetRemark(wchar_t* Out) const { zrv::copyToBuffer(Remark, Out); }

// ---- Info fields ---------------------------------------------------------------------

void CZRVReportItemManager::SetCompanyName(const wchar_t* Value) { CompanyName = zrv::text(Value); }
void CZRVReportItemManager::GetCompanyName(wchar_t* Out) const {
  zrv::copyToBuffer(CompanyName, Out);
}
void CZRVReportItemManager::SetComanyWebSite(const wchar_t* Value) {
  CompanyWebSite = zrv::text(Value);
}
void CZRVReportItemManager::GetComanyWebSite(wchar_t* Out) const {
  zrv::copyToBuffer(CompanyWebSite, Out);
}
void CZRVReportItemManager::SetLogoPath(const wchar_t* Value) { LogoPath = zrv::text(Value); }
void CZRVReportItemManager::GetLogoPath(wchar_t* Out) const { zrv::copyToBuffer(LogoPath, Out); }
void CZRVReportItemManager::SetAuthorName(const wchar_t* Value) { AuthorName = zrv::text(Value); }
void CZRVReportItemManager::GetAuthorName(wchar_t* Out) const {
  zrv::copyToBuffer(AuthorName, Out);
}
void CZRVReportItemManager::SetAuthorEMail(const wchar_t* Value) { AuthorEMail = zrv::text(Value); }
void CZRVReportItemManager::GetAuthorEMail(wchar_t* Out) const {
  zrv::copyToBuffer(AuthorEMail, Out);
}
void CZRVReportItemManager::SetTemplateName(const wchar_t* Value) {
  TemplateName = zrv::text(Value);
}
void CZRVReportItemManager::GetTemplateName(wchar_t* Out) const {
  zrv::copyToBuffer(TemplateName, Out);
}
void CZRVReportItemManager::SetSummary(const wchar_t* Value) { Summary = zrv::text(Value); }
void CZRVReportItemManager::GetSummary(wchar_t* Out) const { zrv::copyToBuffer(Summary, Out); }
void CZRVReportItemManager::SetReportType(int Type) { ReportType = Type; }
int CZRVReportItemManager::GetReportType() const { return ReportType; }
void CZRVReportItemManager::SetIsOutputCoverLogo(int Value) { OutputCoverLogo = Value; }
int CZRVReportItemManager::GetIsOutputCoverLogo() const { return OutputCoverLogo; }
void CZRVReportItemManager::SetRunNo(int Value) { RunNo = Value; }
int CZRVReportItemManager::GetRunNo() const { return RunNo; }
void CZRVReportItemManager::SetIsOutputRun(int Value) { OutputRun = Value; }
int CZRVReportItemManager::GetIsOutputRun() const { return OutputRun; }

// ---- Paths and image extension -----------------------------------------------------

void CZRVReportItemManager::SetProjectPath(const wchar_t* Path) { ProjectPath = zrv::text(Path); }

void CZRVReportItemManager::GetProjectPath(wchar_t* Path) const {
  zrv::Diagnose(L"[ReportSetting] Manager GetProjectPath start");
  zrv::copyToBuffer(ProjectPath, Path);
  zrv::Diagnose(L"[ReportSetting] Manager GetProjectPath end %s", {ProjectPath});
}

std::wstring CZRVReportItemManager::GetProjectPath() const {
  zrv::Diagnose(L"[ReportSetting] Manager GetProjectPath CString start %s", {ProjectPath});
  return ProjectPath;
}

void CZRVReportItemManager::SetZorvinPath(const wchar_t* Path) { ZorvinPath = zrv::text(Path); }
void CZRVReportItemManager::GetZorvinPath(wchar_t* Path) const {
  zrv::copyToBuffer(ZorvinPath, Path);
}
void CZRVReportItemManager::SetReportPath(const wchar_t* Path) { ReportPath = zrv::text(Path); }
std::wstring CZRVReportItemManager::GetReportPath() const { return ReportPath; }
void CZRVReportItemManager::SetImageExtension(const wchar_t* Extension) {
  ImageExtension = zrv::text(Extension);
}
void CZRVReportItemManager::GetImageExt(wchar_t* Extension) const {
  zrv::copyToBuffer(ImageExtension, Extension);
}

// ---- Items ----------------------------------------------------------------------------

int CZRVReportItemManager::AddItem(const CZRVReportItem& Item) {
  Items.push_back(Item);
  return static_cast<int>(Items.size());
}

int CZRVReportItemManager::AddItem(ZRV_RESULT_ITEMS ItemID, int Output, int Display, int X, int Y,
                                   int Z, int Faces) {
  CZRVReportItem Item;
  Item.SetItemID(ItemID);
  Item.SetOutput(Output);
  Item.SetDisplayMode(Display);
  Item.SetParameterX(X);
  Item.SetParameterY(Y);
  Item.SetParameterZ(Z);
  Item.SetFaceNumber(Faces);
  return AddItem(Item);
}

void CZRVReportItemManager::RemoveItem(ZRV_RESULT_ITEMS ItemID) {
  if (const CZRVReportItem* Item = firstItemWithID(ItemID))
    Items.erase(Items.begin() + (Item - Items.data()));
}

void CZRVReportItemManager::RemoveAllItem() {
  Items.clear();
  ItemExs.clear();
  ModuleIDs.clear();
  // A new load lists the names afresh; the records themselves are replaced
  // only when the loaded libraries are handed over. The animation and image
  // option lists are kept.
  ClippingOptions.clear();
  ViewOptions.clear();
  ObjectOptions.clear();
  CaptureOptions.clear();
  MeltOptions.clear();
  SlicingOptions.clear();
  CompanyName.clear();
  CompanyWebSite.clear();
  LogoPath.clear();
  AuthorName.clear();
  AuthorEMail.clear();
  TemplateName.clear();
  Summary.clear();
  ReportType = 0;
}

int CZRVReportItemManager::GetItemCount() const { return static_cast<int>(Items.size()); }
int CZRVReportItemManager::HasItems() const { return Items.empty() ? 0 : 1; }
int CZRVReportItemManager::HasItemExs() const { return ItemExs.empty() ? 0 : 1; }

int CZRVReportItemManager::GetItem(int Index, CZRVReportItem& Item) const {
  const CZRVReportItem* Found = itemAt(Index);
  if (!Found)
    return 0;
  Item = *Found;
  return 1;
}

int CZRVReportItemManager::GetItem(ZRV_RESULT_ITEMS ItemID, CZRVReportItem& Item) const {
  const CZRVReportItem* Found = firstItemWithID(ItemID);
  if (!Found)
    return 0;
  Item = *Found;
  return 1;
}

int CZRVReportItemManager::GetItem(int Index, wchar_t* Name, int& Output, int& Display, int& X,
                                   int& Y, int& Z, int& Faces, wchar_t* Clipping, wchar_t* View,
                                   wchar_t* Object, wchar_t* Capture, wchar_t* Slicing) const {
  const CZRVReportItem* Item = itemAt(Index);
  if (!Item)
    return 0;
  Output = Item->GetOutput();
  Display = Item->GetDisplayMode();
  Faces = Item->GetFaceNumber();
  X = Item->GetParameterX();
  Y = Item->GetParameterY();
  Z = Item->GetParameterZ();
  zrv::copyToBuffer(Item->GetClippingName(), Clipping);
  zrv::copyToBuffer(Item->GetViewName(), View);
  zrv::copyToBuffer(Item->GetObjectName(), Object);
  zrv::copyToBuffer(Item->GetCaptureName(), Capture);
  zrv::copyToBuffer(Item->GetSlicingName(), Slicing);
  zrv::copyToBuffer(Item->GetItemSaveName(), Name);
  return 1;
}

int CZRVReportItemManager::SetItem(int Index, const CZRVReportItem& Item) {
  CZRVReportItem* Target = itemAt(Index);
  if (!Target)
    return 0;
  *Target = Item;
  return 1;
}

int CZRVReportItemManager::SetItem(ZRV_RESULT_ITEMS ItemID, const CZRVReportItem& Item) {
  CZRVReportItem* Target = firstItemWithID(ItemID);
  if (!Target)
    return 0;
  *Target = Item;
  return 1;
}

int CZRVReportItemManager::SetItemName(int ModuleID, ZRV_RESULT_ITEMS ItemID, const wchar_t* Name) {
  CZRVReportItem* Target = firstItemWith(ItemID, ModuleID);
  if (!Target)
    return 0;
  Target->SetItemName(Name);
  return 1;
}

int CZRVReportItemManager::GetItemID(int Index) const {
  const CZRVReportItem* Item = itemAt(Index);
  return Item ? Item->GetItemID() : 0;
}

int CZRVReportItemManager::GetItemModuleID(int ItemID) const {
  const CZRVReportItem* Item = firstItemWithID(ItemID);
  return Item ? Item->GetModuleID() : -1;
}

int CZRVReportItemManager::GetItemModuleIDByIndex(int Index) const {
  const CZRVReportItem* Item = itemAt(Index);
  return Item ? Item->GetModuleID() : -1;
}

int CZRVReportItemManager::GetItemName(int Index, wchar_t* Name) const {
  zrv::copyToBuffer(std::wstring(), Name);
  const CZRVReportItem* Item = itemAt(Index);
  if (!Item)
    return 0;
  zrv::copyToBuffer(Item->GetItemName(), Name);
  return 1;
}

int CZRVReportItemManager::GetItemIndex(int ItemID, int ModuleID) const {
  const CZRVReportItem* Item = firstItemWith(ItemID, ModuleID);
  return Item ? static_cast<int>(Item - Items.data()) : -1;
}

int CZRVReportItemManager::GetItemIndex(int ModuleID, const wchar_t* Name) const {
  const std::wstring Wanted = withoutSpaces(zrv::text(Name));
  const std::size_t Pos = findItem(Items, [&](const CZRVReportItem& Item) {
    using zrv::platform::CompareNoCase;
    return Item.GetModuleID() == ModuleID &&
           (CompareNoCase(withoutSpaces(Item.GetItemName()), Wanted) == 0 ||
            CompareNoCase(withoutSpaces(Item.GetItemSaveName()), Wanted) == 0);
  });
  return Pos < Items.size() ? static_cast<int>(Pos) : -1;
}

int CZRVReportItemManager::SetItemOutput(int Index, CZRVReportItem::ZRV_REPORT_OUTPUT Output) {
  CZRVReportItem* Item = itemAt(Index);
  if (!Item)
    return 0;
  Item->SetOutput(Output);
  return 1;
}

int CZRVReportItemManager::SetItemOutput(ZRV_RESULT_ITEMS ItemID,
                                         CZRVReportItem::ZRV_REPORT_OUTPUT Output) {
  CZRVReportItem* Item = firstItemWithID(ItemID);
  if (!Item)
    return 0;
  Item->SetOutput(Output);
  return 1;
}

int CZRVReportItemManager::SetItemOutput(int ItemID, int ModuleID, int Output) {
  CZRVReportItem* Item = firstItemWith(ItemID, ModuleID);
  if (!Item)
    return 0;
  Item->SetOutput(Output);
  return 1;
}

int CZRVReportItemManager::SetItemDisplayMode(int Index,
                                              CZRVReportItem::ZRV_REPORT_DISPLAY Display) {
  CZRVReportItem* Item = itemAt(Index);
  if (!Item)
    return 0;
  Item->SetDisplayMode(Display);
  return 1;
}

int CZRVReportItemManager::GetItemOutput(int Index) const {
  const CZRVReportItem* Item = itemAt(Index);
  return Item ? Item->GetOutput() : 0;
}

int CZRVReportItemManager::GetItemDisplayMode(int Index) const {
  const CZRVReportItem* Item = itemAt(Index);
  return Item ? Item->GetDisplayMode() : 0;
}

int CZRVReportItemManager::GetItemParameterX(int Index) const {
  const CZRVReportItem* Item = itemAt(Index);
  return Item ? Item->GetParameterX() : 0;
}

int CZRVReportItemManager::GetItemParameterY(int Index) const {
  const CZRVReportItem* Item = itemAt(Index);
  return Item ? Item->GetParameterY() : 0;
}

int CZRVReportItemManager::GetItemParameterZ(int Index) const {
  const CZRVReportItem* Item = itemAt(Index);
  return Item ? Item->GetParameterZ() : 0;
}

int CZRVReportItemManager::GetItemFaceNumber(int Index) const {
  const CZRVReportItem* Item = itemAt(Index);
  return Item ? Item->GetFaceNumber() : 0;
}

int CZRVReportItemManager::GetItemFaceNumber(int ItemID, int ModuleID) const {
  const CZRVReportItem* Item = firstItemWith(ItemID, ModuleID);
  return Item ? Item->GetFaceNumber() : 0;
}

int CZRVReportItemManager::SetItemFaceNumber(int Index, int Faces) {
  CZRVReportItem* Item = itemAt(Index);
  if (!Item)
    return 0;
  Item->SetFaceNumber(Faces);
  return 1;
}

int CZRVReportItemManager::IsItemOutput(int Index) const {
  const CZRVReportItem* Item = itemAt(Index);
  return Item ? Item->IsOutput() : 0;
}

int CZRVReportItemManager::IsItemOutput(ZRV_RESULT_ITEMS ItemID) const {
  const CZRVReportItem* Item = firstItemWithID(ItemID);
  return Item ? Item->IsOutput() : 0;
}

int CZRVReportItemManager::IsItemExist(ZRV_RESULT_ITEMS ItemID) const {
  return firstItemWithID(ItemID) ? 1 : 0;
}

// ---- Extended items -------------------------------------------------------------------

int CZRVReportItemManager::AddItemEx(const CZRVReportItemEx& Item) {
  ItemExs.push_back(Item);
  return static_cast<int>(ItemExs.size());
}

int CZRVReportItemManager::GetItemExCount() const { return static_cast<int>(ItemExs.size()); }

int CZRVReportItemManager::GetItemEx(int Index, CZRVReportItemEx& Item) const {
  const CZRVReportItemEx* Found = itemExAt(Index);
  if (!Found)
    return 0;
  Item = *Found;
  return 1;
}

int CZRVReportItemManager::SetItemExOutput(int Index, int Output) {
  CZRVReportItemEx* Item = itemExAt(Index);
  if (!Item)
    return 0;
  Item->Output = Output == 1 ? 1 : 0;
  return 1;
}

int CZRVReportItemManager::IsItemExOutput(int Index) const {
  const CZRVReportItemEx* Item = itemExAt(Index);
  return Item && Item->Output == 1 ? 1 : 0;
}

// ---- Modules ------------------------------------------------------------------------------

int CZRVReportItemManager::AddModuleID(int ModuleID) {
  ModuleIDs.push_back(ModuleID);
  return 1;
}

int CZRVReportItemManager::GetModuleCount() const { return static_cast<int>(ModuleIDs.size()); }

int CZRVReportItemManager::GetModuleID(int Index) const {
  return zrv::inRange(Index, ModuleIDs) ? ModuleIDs[static_cast<std::size_t>(Index)] : -1;
}

void CZRVReportItemManager::GetModuleIDList(std::vector<int>& ModuleIDList) const {
  ModuleIDList = ModuleIDs;
}

void CZRVReportItemManager::GetModuleItemIDList(int ModuleID,
                                                std::vector<ZRV_RESULT_ITEMS>& ItemIDList) const {
  for (const CZRVReportItem& Item : Items)
    if (Item.GetModuleID() == ModuleID)
      ItemIDList.push_back(Item.GetItemID());
}

void CZRVReportItemManager::GetModuleItemIDList(int ModuleID, std::vector<int>& ItemIDList) const {
  for (const CZRVReportItem& Item : Items)
    if (Item.GetModuleID() == ModuleID)
      ItemIDList.push_back(Item.GetItemID());
}
