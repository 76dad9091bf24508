// ManagerCore.cpp - the settings document's own fields, its items, extended
// items and result modules.
#include "zrvreport/ZRVReportItemManager.h"

#include "manager/DocumentData.h"

#include "platform/Diagnostics.h"
#include "platform/Platform.h"
#include "platform/Utf8.h"
#include "util/Text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

namespace {

// The form in which GetItemIndex compares names: every space removed.
std::wstring withoutSpaces(std::wstring Name) {
  Name.erase(std::remove(Name.begin(), Name.end(), L' '), Name.end());
  return Name;
}

// The key of a name in the name index: without spaces and lower-cased by the
// platform's per-character mapping, the one CompareNoCase compares with, so
// that two names have the same key exactly when GetItemIndex finds them equal.
std::wstring nameKey(std::wstring_view Name) {
  return zrv::platform::ToLower(withoutSpaces(std::wstring(Name)));
}
std::wstring nameKey(std::string_view Kept) { return nameKey(zrv::platform::KeptToWide(Kept)); }

// The key of an item id in the index by id.
std::uint32_t idKey(int ItemID) { return static_cast<std::uint32_t>(ItemID); }

// The key of an item id and module id in the index by both.
std::uint64_t idModuleKey(int ItemID, int ModuleID) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(ItemID)) << 32) |
         static_cast<std::uint32_t>(ModuleID);
}

// The position as the indexes store it.
int positionOf(std::size_t Position) { return static_cast<int>(Position); }

} // namespace

CZRVReportItemManager::CZRVReportItemManager() : Doc(std::make_unique<Impl>()) {}
CZRVReportItemManager::CZRVReportItemManager(const CZRVReportItemManager& Other)
    : Doc(std::make_unique<Impl>(*Other.Doc)) {}
CZRVReportItemManager& CZRVReportItemManager::operator=(const CZRVReportItemManager& Other) {
  // Assigning to itself copies nothing; otherwise every field, item and
  // library is copied into this document's own data.
  if (this != &Other)
    *Doc = *Other.Doc;
  return *this;
}
CZRVReportItemManager::~CZRVReportItemManager() = default;

// ---- The item list and its indexes --------------------------------------------------

void CZRVReportItemManager::appendItem(CZRVReportItem&& Item) {
  Doc->Items.push_back(Item);
  indexLastItem();
}

void CZRVReportItemManager::indexLastItem() {
  const std::size_t Position = Doc->Items.size() - 1;
  const zrv::manager::ItemRecord& Added = Doc->Items.record(Position);
  // A key already present names an earlier item, which stays the first.
  Doc->FirstIndexByID.add(idKey(Added.ItemID), positionOf(Position));
  Doc->FirstIndexByIDModule.add(idModuleKey(Added.ItemID, Added.ModuleID), positionOf(Position));
  if (Doc->NameIndexBuilt) {
    const zrv::manager::ItemRef Item = Doc->Items[Position];
    Doc->FirstIndexByName.emplace(
        std::make_pair(Added.ModuleID, nameKey(Item.name(zrv::manager::ItemName::Item))),
        positionOf(Position));
    Doc->FirstIndexByName.emplace(
        std::make_pair(Added.ModuleID, nameKey(Item.name(zrv::manager::ItemName::Save))),
        positionOf(Position));
  }
}

void CZRVReportItemManager::eraseItem(std::size_t Position) {
  Doc->Items.erase(Position);
  // Every later position moves up and the erased item may have been the
  // first of its keys: rebuilding costs no more than the erase itself.
  reindexItems();
}

void CZRVReportItemManager::replaceItem(std::size_t Position, const CZRVReportItem& Item) {
  const zrv::manager::ItemRecord& Target = Doc->Items.record(Position);
  const bool SameKeys = Target.ItemID == Item.GetItemID() && Target.ModuleID == Item.GetModuleID();
  Doc->Items.replace(Position, Item);
  if (SameKeys)
    Doc->NameIndexBuilt = false; // the names may have changed
  else
    reindexItems();
}

void CZRVReportItemManager::assignItems(const CZRVReportItemManager& Source) {
  if (&Source == this)
    return;
  Doc->Items = Source.Doc->Items;
  reindexItems();
}

void CZRVReportItemManager::clearItems() {
  Doc->Items.clear();
  Doc->FirstIndexByID.clear();
  Doc->FirstIndexByIDModule.clear();
  Doc->FirstIndexByName.clear();
  Doc->NameIndexBuilt = false;
}

void CZRVReportItemManager::reindexItems() {
  Doc->FirstIndexByID.clear(Doc->Items.size());
  Doc->FirstIndexByIDModule.clear(Doc->Items.size());
  Doc->FirstIndexByName.clear();
  Doc->NameIndexBuilt = false;
  for (std::size_t I = 0; I < Doc->Items.size(); ++I) {
    const zrv::manager::ItemRecord& Item = Doc->Items.record(I);
    Doc->FirstIndexByID.add(idKey(Item.ItemID), positionOf(I));
    Doc->FirstIndexByIDModule.add(idModuleKey(Item.ItemID, Item.ModuleID), positionOf(I));
  }
}

int CZRVReportItemManager::firstIndexWithID(int ItemID) const {
  return Doc->FirstIndexByID.find(idKey(ItemID));
}

int CZRVReportItemManager::firstIndexWith(int ItemID, int ModuleID) const {
  return Doc->FirstIndexByIDModule.find(idModuleKey(ItemID, ModuleID));
}

int CZRVReportItemManager::firstIndexNamed(int ModuleID, const std::wstring& Name) const {
  if (!Doc->NameIndexBuilt) {
    Doc->FirstIndexByName.clear();
    for (std::size_t I = 0; I < Doc->Items.size(); ++I) {
      const zrv::manager::ItemRef Item = Doc->Items[I];
      Doc->FirstIndexByName.emplace(
          std::make_pair(static_cast<int>(Item.GetModuleID()),
                         nameKey(Item.name(zrv::manager::ItemName::Item))),
          positionOf(I));
      Doc->FirstIndexByName.emplace(
          std::make_pair(static_cast<int>(Item.GetModuleID()),
                         nameKey(Item.name(zrv::manager::ItemName::Save))),
          positionOf(I));
    }
    Doc->NameIndexBuilt = true;
  }
  const auto Found = Doc->FirstIndexByName.find(std::make_pair(ModuleID, nameKey(Name)));
  return Found != Doc->FirstIndexByName.end() ? Found->second : -1;
}

// ---- Private lookups -------------------------------------------------------------

CZRVReportItemEx* CZRVReportItemManager::itemExAt(int Position) {
  return zrv::inRange(Position, Doc->ItemExs) ? &Doc->ItemExs[static_cast<std::size_t>(Position)]
                                              : nullptr;
}

const CZRVReportItemEx* CZRVReportItemManager::itemExAt(int Position) const {
  return zrv::inRange(Position, Doc->ItemExs) ? &Doc->ItemExs[static_cast<std::size_t>(Position)]
                                              : nullptr;
}

// ---- Project and header fields -----------------------------------------------------

void CZRVReportItemManager::SetProjectType(int Type) { Doc->ProjectType = Type; }
int CZRVReportItemManager::GetProjectType() const { return Doc->ProjectType; }
void CZRVReportItemManager::SetProjectIsThermosetRun(int Value) { Doc->ThermosetRun = Value; }
int CZRVReportItemManager::GetProjectIsThermosetRun() const { return Doc->ThermosetRun; }
void CZRVReportItemManager::SetHasValvePin(int Value) { Doc->HasValvePin = Value; }
int CZRVReportItemManager::GetHasValvePin() const { return Doc->HasValvePin; }
void CZRVReportItemManager::SetFileVersion(int Version) { Doc->FileVersion = Version; }
int CZRVReportItemManager::GetFileVersion() const { return Doc->FileVersion; }
void CZRVReportItemManager::SetFileID(const wchar_t* Value) { Doc->FileID = zrv::text(Value); }
void CZRVReportItemManager::GetFileID(wchar_t* Out) const { zrv::copyToBuffer(Doc->FileID, Out); }
void CZRVReportItemManager::SetFileName(const wchar_t* Value) { Doc->FileName = zrv::text(Value); }
void CZRVReportItemManager::GetFileName(wchar_t* Out) const {
  zrv::copyToBuffer(Doc->FileName, Out);
}
void CZRVReportItemManager::SetFileDate(const wchar_t* Value) { Doc->FileDate = zrv::text(Value); }
void CZRVReportItemManager::GetFileDate(wchar_t* Out) const {
  zrv::copyToBuffer(Doc->FileDate, Out);
}
void CZRVReportItemManager::SetFileProjectType(int Type) { Doc->FileProjectType = Type; }
int CZRVReportItemManager::GetFileProjectType() const { return Doc->FileProjectType; }
void CZRVReportItemManager::SetFileAppType(int Type) { Doc->FileAppType = Type; }
int CZRVReportItemManager::GetFileAppType() const { return Doc->FileAppType; }
void CZRVReportItemManager::SetCreateBy(const wchar_t* Value) { Doc->CreateBy = zrv::text(Value); }
void CZRVReportItemManager::GetCreateBy(wchar_t* Out) const {
  zrv::copyToBuffer(Doc->CreateBy, Out);
}
void CZRVReportItemManager::SetRemark(const wchar_t* Value) { Doc->Remark = zrv::text(Value); }
void CZRVReportItemManager::GetRemark(wchar_t* Out) const { zrv::copyToBuffer(Doc->Remark, Out); }

// ---- Info fields ---------------------------------------------------------------------

void CZRVReportItemManager::SetCompanyName(const wchar_t* Value) {
  Doc->CompanyName = zrv::text(Value);
}
void CZRVReportItemManager::GetCompanyName(wchar_t* Out) const {
  zrv::copyToBuffer(Doc->CompanyName, Out);
}
void CZRVReportItemManager::SetComanyWebSite(const wchar_t* Value) {
  Doc->CompanyWebSite = zrv::text(Value);
}
void CZRVReportItemManager::GetComanyWebSite(wchar_t* Out) const {
  zrv::copyToBuffer(Doc->CompanyWebSite, Out);
}
void CZRVReportItemManager::SetLogoPath(const wchar_t* Value) { Doc->LogoPath = zrv::text(Value); }
void CZRVReportItemManager::GetLogoPath(wchar_t* Out) const {
  zrv::copyToBuffer(Doc->LogoPath, Out);
}
void CZRVReportItemManager::SetAuthorName(const wchar_t* Value) {
  Doc->AuthorName = zrv::text(Value);
}
void CZRVReportItemManager::GetAuthorName(wchar_t* Out) const {
  zrv::copyToBuffer(Doc->AuthorName, Out);
}
void CZRVReportItemManager::SetAuthorEMail(const wchar_t* Value) {
  Doc->AuthorEMail = zrv::text(Value);
}
void CZRVReportItemManager::GetAuthorEMail(wchar_t* Out) const {
  zrv::copyToBuffer(Doc->AuthorEMail, Out);
}
void CZRVReportItemManager::SetTemplateName(const wchar_t* Value) {
  Doc->TemplateName = zrv::text(Value);
}
void CZRVReportItemManager::GetTemplateName(wchar_t* Out) const {
  zrv::copyToBuffer(Doc->TemplateName, Out);
}
void CZRVReportItemManager::SetSummary(const wchar_t* Value) { Doc->Summary = zrv::text(Value); }
void CZRVReportItemManager::GetSummary(wchar_t* Out) const { zrv::copyToBuffer(Doc->Summary, Out); }
void CZRVReportItemManager::SetReportType(int Type) { Doc->ReportType = Type; }
int CZRVReportItemManager::GetReportType() const { return Doc->ReportType; }
void CZRVReportItemManager::SetIsOutputCoverLogo(int Value) { Doc->OutputCoverLogo = Value; }
int CZRVReportItemManager::GetIsOutputCoverLogo() const { return Doc->OutputCoverLogo; }
void CZRVReportItemManager::SetRunNo(int Value) { Doc->RunNo = Value; }
int CZRVReportItemManager::GetRunNo() const { return Doc->RunNo; }
void CZRVReportItemManager::SetIsOutputRun(int Value) { Doc->OutputRun = Value; }
int CZRVReportItemManager::GetIsOutputRun() const { return Doc->OutputRun; }

// ---- Paths and image extension -----------------------------------------------------

void CZRVReportItemManager::SetProjectPath(const wchar_t* Path) {
  Doc->ProjectPath = zrv::text(Path);
}

void CZRVReportItemManager::GetProjectPath(wchar_t* Path) const {
  zrv::Diagnose(L"[ReportSetting] Manager GetProjectPath start");
  zrv::copyToBuffer(Doc->ProjectPath, Path);
  zrv::Diagnose(L"[ReportSetting] Manager GetProjectPath end %s", {Doc->ProjectPath});
}

std::wstring CZRVReportItemManager::GetProjectPath() const {
  zrv::Diagnose(L"[ReportSetting] Manager GetProjectPath CString start %s", {Doc->ProjectPath});
  return Doc->ProjectPath;
}

void CZRVReportItemManager::SetZorvinPath(const wchar_t* Path) {
  Doc->ZorvinPath = zrv::text(Path);
}
void CZRVReportItemManager::GetZorvinPath(wchar_t* Path) const {
  zrv::copyToBuffer(Doc->ZorvinPath, Path);
}
void CZRVReportItemManager::SetReportPath(const wchar_t* Path) {
  Doc->ReportPath = zrv::text(Path);
}
std::wstring CZRVReportItemManager::GetReportPath() const { return Doc->ReportPath; }
void CZRVReportItemManager::SetImageExtension(const wchar_t* Extension) {
  Doc->ImageExtension = zrv::text(Extension);
}
void CZRVReportItemManager::GetImageExt(wchar_t* Extension) const {
  zrv::copyToBuffer(Doc->ImageExtension, Extension);
}

// ---- Items ----------------------------------------------------------------------------

int CZRVReportItemManager::AddItem(const CZRVReportItem& Item) {
  appendItem(CZRVReportItem(Item));
  return static_cast<int>(Doc->Items.size());
}

int CZRVReportItemManager::AddItem(CZRVReportItem&& Item) {
  appendItem(std::move(Item));
  return static_cast<int>(Doc->Items.size());
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
  return AddItem(std::move(Item));
}

void CZRVReportItemManager::RemoveItem(ZRV_RESULT_ITEMS ItemID) {
  const int Position = firstIndexWithID(ItemID);
  if (Position >= 0)
    eraseItem(static_cast<std::size_t>(Position));
}

void CZRVReportItemManager::RemoveAllItem() {
  clearItems();
  Doc->ItemExs.clear();
  Doc->ModuleIDs.clear();
  // A new load lists the names afresh; the records themselves are replaced
  // only when the loaded libraries are handed over. The animation and image
  // option lists are kept.
  Doc->Clippings.clearOptions();
  Doc->Views.clearOptions();
  Doc->Objects.clearOptions();
  Doc->Captures.clearOptions();
  Doc->Melts.clearOptions();
  Doc->Slicings.clearOptions();
  Doc->CompanyName.clear();
  Doc->CompanyWebSite.clear();
  Doc->LogoPath.clear();
  Doc->AuthorName.clear();
  Doc->AuthorEMail.clear();
  Doc->TemplateName.clear();
  Doc->Summary.clear();
  Doc->ReportType = 0;
}

int CZRVReportItemManager::GetItemCount() const { return static_cast<int>(Doc->Items.size()); }
int CZRVReportItemManager::HasItems() const { return Doc->Items.empty() ? 0 : 1; }
int CZRVReportItemManager::HasItemExs() const { return Doc->ItemExs.empty() ? 0 : 1; }

int CZRVReportItemManager::GetItem(int Index, CZRVReportItem& Item) const {
  const auto Found = Doc->Items.at(Index);
  if (!Found)
    return 0;
  Doc->Items.copyTo(Found.position(), Item);
  return 1;
}

int CZRVReportItemManager::GetItem(ZRV_RESULT_ITEMS ItemID, CZRVReportItem& Item) const {
  const auto Found = Doc->Items.at(firstIndexWithID(ItemID));
  if (!Found)
    return 0;
  Doc->Items.copyTo(Found.position(), Item);
  return 1;
}

int CZRVReportItemManager::GetItem(int Index, wchar_t* Name, int& Output, int& Display, int& X,
                                   int& Y, int& Z, int& Faces, wchar_t* Clipping, wchar_t* View,
                                   wchar_t* Object, wchar_t* Capture, wchar_t* Slicing) const {
  auto Item = Doc->Items.at(Index);
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
  if (!zrv::inRange(Index, Doc->Items))
    return 0;
  replaceItem(static_cast<std::size_t>(Index), Item);
  return 1;
}

int CZRVReportItemManager::SetItem(ZRV_RESULT_ITEMS ItemID, const CZRVReportItem& Item) {
  const int Position = firstIndexWithID(ItemID);
  if (Position < 0)
    return 0;
  replaceItem(static_cast<std::size_t>(Position), Item);
  return 1;
}

int CZRVReportItemManager::SetItemName(int ModuleID, ZRV_RESULT_ITEMS ItemID, const wchar_t* Name) {
  auto Target = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  if (!Target)
    return 0;
  Target->SetItemName(Name);
  Doc->NameIndexBuilt = false;
  return 1;
}

int CZRVReportItemManager::GetItemID(int Index) const {
  auto Item = Doc->Items.at(Index);
  return Item ? Item->GetItemID() : 0;
}

int CZRVReportItemManager::GetItemModuleID(int ItemID) const {
  auto Item = Doc->Items.at(firstIndexWithID(ItemID));
  return Item ? Item->GetModuleID() : -1;
}

int CZRVReportItemManager::GetItemModuleIDByIndex(int Index) const {
  auto Item = Doc->Items.at(Index);
  return Item ? Item->GetModuleID() : -1;
}

int CZRVReportItemManager::GetItemName(int Index, wchar_t* Name) const {
  zrv::copyToBuffer(std::wstring(), Name);
  auto Item = Doc->Items.at(Index);
  if (!Item)
    return 0;
  zrv::copyToBuffer(Item->GetItemName(), Name);
  return 1;
}

int CZRVReportItemManager::GetItemIndex(int ItemID, int ModuleID) const {
  return firstIndexWith(ItemID, ModuleID);
}

int CZRVReportItemManager::GetItemIndex(int ModuleID, const wchar_t* Name) const {
  return firstIndexNamed(ModuleID, zrv::text(Name));
}

int CZRVReportItemManager::SetItemOutput(int Index, CZRVReportItem::ZRV_REPORT_OUTPUT Output) {
  auto Item = Doc->Items.at(Index);
  if (!Item)
    return 0;
  Item->SetOutput(Output);
  return 1;
}

int CZRVReportItemManager::SetItemOutput(ZRV_RESULT_ITEMS ItemID,
                                         CZRVReportItem::ZRV_REPORT_OUTPUT Output) {
  auto Item = Doc->Items.at(firstIndexWithID(ItemID));
  if (!Item)
    return 0;
  Item->SetOutput(Output);
  return 1;
}

int CZRVReportItemManager::SetItemOutput(int ItemID, int ModuleID, int Output) {
  auto Item = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  if (!Item)
    return 0;
  Item->SetOutput(Output);
  return 1;
}

int CZRVReportItemManager::SetItemDisplayMode(int Index,
                                              CZRVReportItem::ZRV_REPORT_DISPLAY Display) {
  auto Item = Doc->Items.at(Index);
  if (!Item)
    return 0;
  Item->SetDisplayMode(Display);
  return 1;
}

int CZRVReportItemManager::GetItemOutput(int Index) const {
  auto Item = Doc->Items.at(Index);
  return Item ? Item->GetOutput() : 0;
}

int CZRVReportItemManager::GetItemDisplayMode(int Index) const {
  auto Item = Doc->Items.at(Index);
  return Item ? Item->GetDisplayMode() : 0;
}

int CZRVReportItemManager::GetItemParameterX(int Index) const {
  auto Item = Doc->Items.at(Index);
  return Item ? Item->GetParameterX() : 0;
}

int CZRVReportItemManager::GetItemParameterY(int Index) const {
  auto Item = Doc->Items.at(Index);
  return Item ? Item->GetParameterY() : 0;
}

int CZRVReportItemManager::GetItemParameterZ(int Index) const {
  auto Item = Doc->Items.at(Index);
  return Item ? Item->GetParameterZ() : 0;
}

int CZRVReportItemManager::GetItemFaceNumber(int Index) const {
  auto Item = Doc->Items.at(Index);
  return Item ? Item->GetFaceNumber() : 0;
}

int CZRVReportItemManager::GetItemFaceNumber(int ItemID, int ModuleID) const {
  auto Item = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  return Item ? Item->GetFaceNumber() : 0;
}

int CZRVReportItemManager::SetItemFaceNumber(int Index, int Faces) {
  auto Item = Doc->Items.at(Index);
  if (!Item)
    return 0;
  Item->SetFaceNumber(Faces);
  return 1;
}

int CZRVReportItemManager::IsItemOutput(int Index) const {
  auto Item = Doc->Items.at(Index);
  return Item ? Item->IsOutput() : 0;
}

int CZRVReportItemManager::IsItemOutput(ZRV_RESULT_ITEMS ItemID) const {
  auto Item = Doc->Items.at(firstIndexWithID(ItemID));
  return Item ? Item->IsOutput() : 0;
}

int CZRVReportItemManager::IsItemExist(ZRV_RESULT_ITEMS ItemID) const {
  return Doc->Items.at(firstIndexWithID(ItemID)) ? 1 : 0;
}

// ---- Extended items -------------------------------------------------------------------

int CZRVReportItemManager::AddItemEx(const CZRVReportItemEx& Item) {
  Doc->ItemExs.push_back(Item);
  return static_cast<int>(Doc->ItemExs.size());
}

int CZRVReportItemManager::GetItemExCount() const { return static_cast<int>(Doc->ItemExs.size()); }

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
  Doc->ModuleIDs.push_back(ModuleID);
  return 1;
}

int CZRVReportItemManager::GetModuleCount() const {
  return static_cast<int>(Doc->ModuleIDs.size());
}

int CZRVReportItemManager::GetModuleID(int Index) const {
  return zrv::inRange(Index, Doc->ModuleIDs) ? Doc->ModuleIDs[static_cast<std::size_t>(Index)] : -1;
}

void CZRVReportItemManager::GetModuleIDList(std::vector<int>& ModuleIDList) const {
  ModuleIDList = Doc->ModuleIDs;
}

void CZRVReportItemManager::GetModuleItemIDList(int ModuleID,
                                                std::vector<ZRV_RESULT_ITEMS>& ItemIDList) const {
  for (std::size_t I = 0; I < Doc->Items.size(); ++I)
    if (Doc->Items.record(I).ModuleID == ModuleID)
      ItemIDList.push_back(Doc->Items[I].GetItemID());
}

void CZRVReportItemManager::GetModuleItemIDList(int ModuleID, std::vector<int>& ItemIDList) const {
  for (std::size_t I = 0; I < Doc->Items.size(); ++I)
    if (Doc->Items.record(I).ModuleID == ModuleID)
      ItemIDList.push_back(Doc->Items[I].GetItemID());
}
