// SettingLibraries.cpp - the clipping, slicing, view, object and focus-capture
// libraries of the settings document and their assignment to report items.
#include "zrvreport/ZRVReportItemManager.h"

#include "manager/DocumentData.h"

#include "manager/SettingLibrary.h"
#include "util/Text.h"

#include <utility>

using namespace zrv::manager;
using Item = CZRVReportItem;

// ---- Clipping ----------------------------------------------------------------------

void CZRVReportItemManager::SetClippingMap(const ZRVClipMap& Map) {
  handOver<ClippingKind>(Doc->Clippings, Map);
}
int CZRVReportItemManager::HasClippingSetting(int Index) const {
  return itemFlag<ClippingKind>(Doc->Items.at(Index));
}
int CZRVReportItemManager::GetClippingOptionCount() const {
  return optionCount<ClippingKind>(Doc->Clippings);
}
int CZRVReportItemManager::GetClippingOption(int Index, wchar_t* Name) const {
  return optionByIndex<ClippingKind>(Doc->Clippings, Index, Name);
}
int CZRVReportItemManager::GetClippingName(ZRV_RESULT_ITEMS ItemID, wchar_t* Name) const {
  return copyItemName<ClippingKind>(Doc->Items.at(firstIndexWithID(ItemID)), Name);
}
int CZRVReportItemManager::GetClippingNameByIndex(int Index, wchar_t* Name) const {
  return copyItemName<ClippingKind>(Doc->Items.at(Index), Name);
}
Item::tagCLIPSETTING CZRVReportItemManager::GetClippingSetting(const wchar_t* Name) const {
  return readRecord(Doc->Clippings, zrv::text(Name));
}
void CZRVReportItemManager::SetClippingSetting(const wchar_t* Name, Item::tagCLIPSETTING Setting) {
  storeRecord(Doc->Clippings, zrv::text(Name), std::move(Setting));
}
int CZRVReportItemManager::SetItemClipping(int Index, const wchar_t* Name) {
  return assignToItem<ClippingKind>(Doc->Clippings, Doc->Items.at(Index), zrv::text(Name));
}
int CZRVReportItemManager::DeleteClippingSetting(const wchar_t* Name) {
  return deleteSetting<ClippingKind>(Doc->Clippings, Doc->Items, Doc->FirstIndexByID,
                                     zrv::text(Name));
}

// ---- Slicing ---------------------------------------------------------------------------

void CZRVReportItemManager::SetSlicingMap(const ZRVSliceMap& Map) {
  handOver<SlicingKind>(Doc->Slicings, Map);
}
int CZRVReportItemManager::HasSlicingSetting(int Index) const {
  return itemFlag<SlicingKind>(Doc->Items.at(Index));
}
int CZRVReportItemManager::GetSlicingOptionCount() const {
  return optionCount<SlicingKind>(Doc->Slicings);
}
int CZRVReportItemManager::GetSlicingOption(int Index, wchar_t* Name) const {
  return optionByIndex<SlicingKind>(Doc->Slicings, Index, Name);
}
int CZRVReportItemManager::GetSlicingName(ZRV_RESULT_ITEMS ItemID, wchar_t* Name) const {
  return copyItemName<SlicingKind>(Doc->Items.at(firstIndexWithID(ItemID)), Name);
}
Item::tagSLICESETTING CZRVReportItemManager::GetSlicingSetting(const wchar_t* Name) const {
  return readRecord(Doc->Slicings, zrv::text(Name));
}
void CZRVReportItemManager::SetSlicingSetting(const wchar_t* Name, Item::tagSLICESETTING Setting) {
  storeRecord(Doc->Slicings, zrv::text(Name), std::move(Setting));
}
int CZRVReportItemManager::SetItemSlicing(int Index, const wchar_t* Name) {
  return assignToItem<SlicingKind>(Doc->Slicings, Doc->Items.at(Index), zrv::text(Name));
}
int CZRVReportItemManager::DeleteSlicingSetting(const wchar_t* Name) {
  return deleteSetting<SlicingKind>(Doc->Slicings, Doc->Items, Doc->FirstIndexByID,
                                    zrv::text(Name));
}

// ---- View ---------------------------------------------------------------------------------

void CZRVReportItemManager::SetViewMap(const ZRVViewMap& Map) {
  handOver<ViewKind>(Doc->Views, Map);
}
int CZRVReportItemManager::HasViewSetting(int Index) const {
  return itemFlag<ViewKind>(Doc->Items.at(Index));
}
int CZRVReportItemManager::GetViewOptionCount() const { return optionCount<ViewKind>(Doc->Views); }
int CZRVReportItemManager::GetViewOption(int Index, wchar_t* Name) const {
  return optionByIndex<ViewKind>(Doc->Views, Index, Name);
}
int CZRVReportItemManager::GetViewName(ZRV_RESULT_ITEMS ItemID, wchar_t* Name) const {
  return copyItemName<ViewKind>(Doc->Items.at(firstIndexWithID(ItemID)), Name);
}
int CZRVReportItemManager::GetOneViewNameByIndex(int Index, wchar_t* Name) const {
  return copyItemName<ViewKind>(Doc->Items.at(Index), Name);
}
Item::tagVIEWSETTING CZRVReportItemManager::GetViewSetting(const wchar_t* Name) const {
  return readRecord(Doc->Views, zrv::text(Name));
}
void CZRVReportItemManager::SetViewSetting(const wchar_t* Name, Item::tagVIEWSETTING Setting) {
  storeRecord(Doc->Views, zrv::text(Name), std::move(Setting));
}
int CZRVReportItemManager::SetItemView(int Index, const wchar_t* Name) {
  return assignToItem<ViewKind>(Doc->Views, Doc->Items.at(Index), zrv::text(Name));
}
int CZRVReportItemManager::DeleteViewSetting(const wchar_t* Name) {
  return deleteSetting<ViewKind>(Doc->Views, Doc->Items, Doc->FirstIndexByID, zrv::text(Name));
}

void CZRVReportItemManager::SetViewSettingByProjectAngle(const wchar_t* Name, float AngleX,
                                                         float AngleY, float AngleZ, float Scale) {
  std::wstring Key = zrv::text(Name);
  zrv::replaceAll(Key, L" ", L"_");
  Item::tagVIEWSETTING View;
  View.AngleX = static_cast<double>(AngleX);
  View.AngleY = static_cast<double>(AngleY);
  View.AngleZ = static_cast<double>(AngleZ);
  View.Scale = static_cast<double>(Scale);
  View.Name = Key;
  storeRecord(Doc->Views, Key, std::move(View));
}

int CZRVReportItemManager::GetViewCount(ZRV_RESULT_ITEMS ItemID, int ModuleID) const {
  auto Found = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  return Found ? Found->GetViewCount() : 0;
}

int CZRVReportItemManager::GetViewByIndex(ZRV_RESULT_ITEMS ItemID, int Index,
                                          Item::tagVIEWSETTING& View) const {
  auto Found = Doc->Items.at(firstIndexWithID(ItemID));
  if (!Found)
    return 0;
  Found.copy().GetViewByIndex(Index, View); // a bad index leaves View as it was
  return 1;
}

int CZRVReportItemManager::GetViewNameByIndex(ZRV_RESULT_ITEMS ItemID, int Index,
                                              wchar_t* Name) const {
  auto Found = Doc->Items.at(firstIndexWithID(ItemID));
  if (!Found)
    return 0;
  zrv::copyToBuffer(Found.copy().GetViewNameByIndex(Index), Name);
  return 1;
}

int CZRVReportItemManager::GetViewDataByName(ZRV_RESULT_ITEMS ItemID, const wchar_t* Name,
                                             double& AngleX, double& AngleY, double& AngleZ,
                                             double& Scale) const {
  auto Found = Doc->Items.at(firstIndexWithID(ItemID));
  if (!Found)
    return 0;
  Found.copy().GetViewDataByName(Name, AngleX, AngleY, AngleZ, Scale);
  return 1;
}

int CZRVReportItemManager::SetItemManyView(ZRV_RESULT_ITEMS ItemID, const wchar_t* Name) {
  auto Found = Doc->Items.at(firstIndexWithID(ItemID));
  if (!Found)
    return 0;
  Found.change([Name](Item& Stored) { Stored.SetManyViewName(Name); });
  return 1;
}

int CZRVReportItemManager::DeleteItemView(ZRV_RESULT_ITEMS ItemID, const wchar_t* Name) {
  auto Found = Doc->Items.at(firstIndexWithID(ItemID));
  if (!Found)
    return 0;
  Found.change([Name](Item& Stored) { Stored.DeleteItemView(Name); });
  return 1;
}

// ---- Object ---------------------------------------------------------------------------------

void CZRVReportItemManager::SetObjectMap(const ZRVObjectMap& Map) {
  handOver<ObjectKind>(Doc->Objects, Map);
}
int CZRVReportItemManager::HasObjectSetting(int Index) const {
  return itemFlag<ObjectKind>(Doc->Items.at(Index));
}
int CZRVReportItemManager::GetObjectOptionCount() const {
  return optionCount<ObjectKind>(Doc->Objects);
}
int CZRVReportItemManager::GetObjectOption(int Index, wchar_t* Name) const {
  return optionByIndex<ObjectKind>(Doc->Objects, Index, Name);
}
int CZRVReportItemManager::GetObjectName(ZRV_RESULT_ITEMS ItemID, wchar_t* Name) const {
  return copyItemName<ObjectKind>(Doc->Items.at(firstIndexWithID(ItemID)), Name);
}
int CZRVReportItemManager::GetObjectNameByIndex(int Index, wchar_t* Name) const {
  return copyItemName<ObjectKind>(Doc->Items.at(Index), Name);
}
Item::tagOBJECTSETTING CZRVReportItemManager::GetObjectSetting(const wchar_t* Name) const {
  return readRecord(Doc->Objects, zrv::text(Name));
}
void CZRVReportItemManager::SetObjectSetting(const wchar_t* Name, Item::tagOBJECTSETTING Setting) {
  storeRecord(Doc->Objects, zrv::text(Name), std::move(Setting));
}
int CZRVReportItemManager::SetItemObject(int Index, const wchar_t* Name) {
  return assignToItem<ObjectKind>(Doc->Objects, Doc->Items.at(Index), zrv::text(Name));
}
int CZRVReportItemManager::DeleteObjectSetting(const wchar_t* Name) {
  return deleteSetting<ObjectKind>(Doc->Objects, Doc->Items, Doc->FirstIndexByID, zrv::text(Name));
}

void CZRVReportItemManager::SetObjectSettingByProjectObject(
    const wchar_t* Name, int ShowPart, int ShowPartInsert, int ShowRunner, int ShowCoolChannel,
    int ShowMoldbase, int ShowMoldInsert, int ShowMeltEntrance, int ShowCoolantEntrance,
    int ShowHeatingRod, int ShowHotRunnerMetal) {
  Item::tagOBJECTSETTING& Project = Doc->ProjectObjectSetting;
  Project.Name = zrv::text(Name);
  Project.ShowRunner = ShowRunner;
  Project.ShowPart = ShowPart;
  Project.ShowPartInsert = ShowPartInsert;
  Project.ShowCoolChannel = ShowCoolChannel;
  Project.ShowMoldbase = ShowMoldbase;
  Project.ShowMoldInsert = ShowMoldInsert;
  Project.ShowMeltEntrance = ShowMeltEntrance;
  Project.ShowCoolantEntrance = ShowCoolantEntrance;
  Project.ShowHeatingRod = ShowHeatingRod;
  Project.ShowHotRunnerMetal = ShowHotRunnerMetal;
  storeRecord(Doc->Objects, Project.Name, Project);
}

Item::tagOBJECTSETTING CZRVReportItemManager::GetProjectObjectSetting() const {
  return Doc->ProjectObjectSetting;
}

// ---- Focus capture ---------------------------------------------------------------------------

void CZRVReportItemManager::SetCaptureMap(const ZRVCaptureMap& Map) {
  handOver<CaptureKind>(Doc->Captures, Map);
}
int CZRVReportItemManager::HasCaptureSetting(int Index) const {
  return itemFlag<CaptureKind>(Doc->Items.at(Index));
}
int CZRVReportItemManager::GetCaptureOptionCount() const {
  return optionCount<CaptureKind>(Doc->Captures);
}
int CZRVReportItemManager::GetCaptureOption(int Index, wchar_t* Name) const {
  return optionByIndex<CaptureKind>(Doc->Captures, Index, Name);
}
int CZRVReportItemManager::GetCaptureName(ZRV_RESULT_ITEMS ItemID, wchar_t* Name) const {
  return copyItemName<CaptureKind>(Doc->Items.at(firstIndexWithID(ItemID)), Name);
}
Item::tagFOCUSCAPTURE CZRVReportItemManager::GetCaptureSetting(const wchar_t* Name) const {
  return readRecord(Doc->Captures, zrv::text(Name));
}
void CZRVReportItemManager::SetCaptureSetting(const wchar_t* Name, Item::tagFOCUSCAPTURE Setting) {
  storeRecord(Doc->Captures, zrv::text(Name), std::move(Setting));
}
int CZRVReportItemManager::SetItemCapture(int Index, const wchar_t* Name) {
  return assignToItem<CaptureKind>(Doc->Captures, Doc->Items.at(Index), zrv::text(Name));
}
int CZRVReportItemManager::DeleteCaptureSetting(const wchar_t* Name) {
  return deleteSetting<CaptureKind>(Doc->Captures, Doc->Items, Doc->FirstIndexByID,
                                    zrv::text(Name));
}
