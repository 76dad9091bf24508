// SettingUsage.cpp - whether report items use a named setting, the switch of
// its users to a fallback setting, and the resolution of item views against
// the view library after a load.
#include "zrvreport/ZRVReportItemManager.h"

#include "manager/DocumentData.h"

#include "manager/SettingLibrary.h"
#include "platform/Platform.h"
#include "util/Text.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using namespace zrv::manager;

namespace {
/// The setting every user of a deleted or replaced setting falls back to.
const std::wstring DefaultName = L"Default";
} // namespace

// ---- Usage checks -----------------------------------------------------------------------

int CZRVReportItemManager::CheckClippingUsed(const wchar_t* Name) const {
  return isUsed<ClippingKind>(Doc->Items, Doc->FirstIndexByID, zrv::text(Name)) ? 1 : 0;
}
int CZRVReportItemManager::CheckSlicingUsed(const wchar_t* Name) const {
  return isUsed<SlicingKind>(Doc->Items, Doc->FirstIndexByID, zrv::text(Name)) ? 1 : 0;
}
int CZRVReportItemManager::CheckObjectUsed(const wchar_t* Name) const {
  return isUsed<ObjectKind>(Doc->Items, Doc->FirstIndexByID, zrv::text(Name)) ? 1 : 0;
}
int CZRVReportItemManager::CheckCaptureUsed(const wchar_t* Name) const {
  return isUsed<CaptureKind>(Doc->Items, Doc->FirstIndexByID, zrv::text(Name)) ? 1 : 0;
}

int CZRVReportItemManager::CheckViewUsed(const wchar_t* Name) const {
  const std::wstring Wanted = zrv::text(Name);
  // The single view names: judged by the first item with each id.
  if (isUsed<ViewKind>(Doc->Items, Doc->FirstIndexByID, Wanted))
    return 1;
  // The several-view names of every item itself. Names that differ in length
  // are never equal, letter case ignored: names hold no null character, as
  // every way into an item takes them as null-terminated text.
  for (const CZRVReportItem& Item : Doc->Items)
    for (const std::wstring& ViewName : Item.GetViewNameList())
      if (ViewName.size() == Wanted.size() && zrv::platform::CompareNoCase(ViewName, Wanted) == 0)
        return 1;
  return 0;
}

int CZRVReportItemManager::CheckMeltUsed(const wchar_t* Name) const {
  const CZRVReportItemEx* Melt = itemExAt(MeltFrontPosition);
  const std::wstring Bound = Melt ? Melt->MeltName : std::wstring();
  return Bound == zrv::text(Name) ? 1 : 0;
}

// ---- Switches to the fallback setting ---------------------------------------------------------

void CZRVReportItemManager::ChangeClippingToDefault(const wchar_t* Name) {
  switchUsers<ClippingKind>(Doc->ClippingMap, Doc->Items, Doc->FirstIndexByID, zrv::text(Name),
                            DefaultName);
}
void CZRVReportItemManager::ChangeSlicingToDefault(const wchar_t* Name) {
  switchUsers<SlicingKind>(Doc->SlicingMap, Doc->Items, Doc->FirstIndexByID, zrv::text(Name),
                           DefaultName);
}
void CZRVReportItemManager::ChangeCaptureToDefault(const wchar_t* Name) {
  switchUsers<CaptureKind>(Doc->CaptureMap, Doc->Items, Doc->FirstIndexByID, zrv::text(Name),
                           DefaultName);
}
void CZRVReportItemManager::ChangeObjectToDefault(const wchar_t* Name, const wchar_t* Fallback) {
  switchUsers<ObjectKind>(Doc->ObjectMap, Doc->Items, Doc->FirstIndexByID, zrv::text(Name),
                          zrv::text(Fallback));
}
void CZRVReportItemManager::ChangeViewToDefault(const wchar_t* Name, const wchar_t* Fallback) {
  switchUsers<ViewKind>(Doc->ViewMap, Doc->Items, Doc->FirstIndexByID, zrv::text(Name),
                        zrv::text(Fallback));
}

void CZRVReportItemManager::ChangeMeltToDefault(const wchar_t* Name) {
  if (CheckMeltUsed(Name))
    SetItemMelt(MeltFrontPosition, DefaultName.c_str());
}

// ---- Project views -----------------------------------------------------------------------------

void CZRVReportItemManager::SetViewMapByProject() {
  handOver<ViewKind>(Doc->ViewMap, Doc->ViewOptions, Doc->ViewMap);
  for (CZRVReportItem& Item : Doc->Items) {
    const std::vector<std::wstring> ViewNames = Item.GetViewNameList();
    if (ViewNames.empty()) {
      const std::wstring Single = Item.GetViewName();
      if (Single.empty())
        continue;
      const auto Found = Doc->ViewMap.find(Single);
      if (Found != Doc->ViewMap.end())
        ViewKind::assign(Item, Single, Found->second);
      else
        Item.SetViewName(L"");
      continue;
    }
    for (const std::wstring& ViewName : ViewNames) {
      if (ViewName.empty())
        continue;
      const auto Found = Doc->ViewMap.find(ViewName);
      if (Found != Doc->ViewMap.end())
        Item.SetManyView(Found->second);
      else
        Item.SetViewName(L"");
    }
  }
}

void CZRVReportItemManager::SetAllManyViewData() {
  // Every listed name is looked up once per item that lists it; a hash table
  // over the library's names, made once, answers each of those lookups.
  std::unordered_map<std::wstring_view, const CZRVReportItem::tagVIEWSETTING*> Views;
  Views.reserve(Doc->ViewMap.size());
  for (const auto& [Name, View] : Doc->ViewMap)
    Views.emplace(Name, &View);
  const CZRVReportItem::tagVIEWSETTING DefaultView;
  for (CZRVReportItem& Item : Doc->Items) {
    // The names are read from the item's own list; records are appended, and
    // the name list does not change while they are.
    const std::vector<std::wstring>& Names = Item.GetViewNameList();
    for (std::size_t I = 0; I < Names.size(); ++I) {
      const auto Found = Views.find(Names[I]);
      Item.SetManyView(Found != Views.end() ? *Found->second : DefaultView);
    }
  }
}
