// ExtendedLibraries.cpp - the melt-front capture, animation and image libraries
// and the report-wide options bound to the extended items.
#include "zrvreport/ZRVReportItemManager.h"

#include "manager/DocumentData.h"

#include "manager/SettingLibrary.h"
#include "platform/Diagnostics.h"
#include "util/Text.h"

#include <utility>

using namespace zrv::manager;
using ItemEx = CZRVReportItemEx;

namespace {

/// The name an extended item is bound to, in the field \p Field.
using BoundName = std::wstring ItemEx::*;

int copyBoundName(const ItemEx* Bound, BoundName Field, wchar_t* Name) {
  if (!Bound)
    return 0;
  zrv::copyToBuffer(Bound->*Field, Name);
  return 1;
}

/// Erases a setting; an extended item bound to it is switched to "Default".
template <typename Library>
int deleteBoundSetting(Library& Target, const std::wstring& Name, ItemEx* Bound, BoundName Field) {
  if (!eraseRecord(Target, Name))
    return 0;
  if (Bound && Bound->*Field == Name)
    Bound->*Field = L"Default";
  return 1;
}

constexpr const wchar_t* Missing3DPDF = L"[ReportItemManager] cant find Output3DPDF item index 2";

} // namespace

// ---- Melt-front time capture ------------------------------------------------------------

void CZRVReportItemManager::SetMeltMap(const ZRVMeltMap& Map) {
  // The records are kept in their short form: only the places in use.
  handOver<MeltKind>(Doc->Melts, Map);
}
int CZRVReportItemManager::GetMeltOptionCount() const { return optionCount<MeltKind>(Doc->Melts); }
int CZRVReportItemManager::GetMeltOption(int Index, wchar_t* Name) const {
  return optionByIndex<MeltKind>(Doc->Melts, Index, Name);
}
int CZRVReportItemManager::GetMeltName(wchar_t* Name) const {
  return copyBoundName(itemExAt(MeltFrontPosition), &ItemEx::MeltName, Name);
}
ItemEx::stMeltFrontTimeCapture CZRVReportItemManager::GetMeltSetting(const wchar_t* Name) const {
  return readRecord(Doc->Melts, zrv::text(Name));
}
void CZRVReportItemManager::SetMeltSetting(const wchar_t* Name,
                                           ItemEx::stMeltFrontTimeCapture Setting) {
  storeRecord(Doc->Melts, zrv::text(Name), std::move(Setting));
}

void CZRVReportItemManager::SetMeltSettingByIndex(const wchar_t* Name, int Index, double Percent) {
  const std::wstring Key = zrv::text(Name);
  const auto Found = Doc->Melts.find(Key);
  ItemEx::stMeltFrontTimeCapture Record;
  if (Found == Doc->Melts.NotFound) {
    Record.Count = 1;
    Record.Percentage[0] = Percent;
  } else {
    if (Index < 0 || Index >= ItemEx::stMeltFrontTimeCapture::MaxCount)
      return;
    Record = Doc->Melts.record(Found);
    if (Record.Count <= Index)
      Record.Count = Index + 1;
    Record.Percentage[Index] = Percent;
  }
  storeRecord(Doc->Melts, Key, Record);
}

int CZRVReportItemManager::SetItemMelt(int /*Unused*/, const wchar_t* Name) {
  ItemEx* Melt = itemExAt(MeltFrontPosition);
  if (!Melt)
    return 0;
  Melt->MeltName = zrv::text(Name);
  Melt->MeltCapture = GetMeltSetting(Name);
  if (Melt->MeltCapture.Count > 0)
    Melt->HasMeltCapture = 1;
  return 1;
}

int CZRVReportItemManager::DeleteMeltSetting(const wchar_t* Name) {
  return eraseRecord(Doc->Melts, zrv::text(Name)) ? 1 : 0;
}

int CZRVReportItemManager::IsOutputMelt() const {
  const ItemEx* Melt = itemExAt(MeltFrontPosition);
  return !Melt || Melt->Output == 1 ? 1 : 0;
}

int CZRVReportItemManager::HasMeltFrontCaptureSetting(int Index) const {
  const ItemEx* Entry = itemExAt(Index);
  return Entry ? Entry->HasMeltCapture : 0;
}

// ---- Animation -------------------------------------------------------------------------------

void CZRVReportItemManager::SetAnimationMap(const ZRVAnimationMap& Map) {
  handOver<AnimationKind>(Doc->Animations, Map);
}
int CZRVReportItemManager::GetAnimationOptionCount() const {
  return optionCount<AnimationKind>(Doc->Animations);
}
int CZRVReportItemManager::GetAnimationOption(int Index, wchar_t* Name) const {
  return optionByIndex<AnimationKind>(Doc->Animations, Index, Name);
}
int CZRVReportItemManager::GetAnimationName(wchar_t* Name) const {
  return copyBoundName(itemExAt(AnimationPosition), &ItemEx::AnimationName, Name);
}
ItemEx::stAnimationSetting CZRVReportItemManager::GetAnimationSetting(const wchar_t* Name) const {
  return readRecord(Doc->Animations, zrv::text(Name));
}
void CZRVReportItemManager::SetAnimationSetting(const wchar_t* Name,
                                                ItemEx::stAnimationSetting Setting) {
  storeRecord(Doc->Animations, zrv::text(Name), std::move(Setting));
}

void CZRVReportItemManager::SetAnimationSetting(const wchar_t* Name, int Output, double Time,
                                                double FPS, int Resolution) {
  ItemEx::stAnimationSetting Setting;
  Setting.Name = zrv::text(Name);
  Setting.Output = Output;
  Setting.Time = Time;
  Setting.FPS = FPS;
  Setting.Resolution = Resolution;
  SetAnimationSetting(Name, std::move(Setting));
}

int CZRVReportItemManager::SetItemAnimation(int Output, const wchar_t* Name) {
  ItemEx* Animation = itemExAt(AnimationPosition);
  if (!Animation) {
    zrv::Diagnose(L"[ReportSetting] Can't not find Animation setting");
    return 0;
  }
  Animation->AnimationName = zrv::text(Name);
  Animation->Output = Output == 1 ? 1 : 0;
  return 1;
}

int CZRVReportItemManager::DeleteAnimationSetting(const wchar_t* Name) {
  return deleteBoundSetting(Doc->Animations, zrv::text(Name), itemExAt(AnimationPosition),
                            &ItemEx::AnimationName);
}

int CZRVReportItemManager::IsOutputAnimation() const {
  const ItemEx* Animation = itemExAt(AnimationPosition);
  return Animation && Animation->Output == 1 ? 1 : 0;
}

// ---- Image -----------------------------------------------------------------------------------

void CZRVReportItemManager::SetImageMap(const ZRVImageMap& Map) {
  handOver<ImageKind>(Doc->Images, Map);
}
int CZRVReportItemManager::GetImageOptionCount() const {
  return optionCount<ImageKind>(Doc->Images);
}
int CZRVReportItemManager::GetImageOption(int Index, wchar_t* Name) const {
  return optionByIndex<ImageKind>(Doc->Images, Index, Name);
}
int CZRVReportItemManager::GetImageName(wchar_t* Name) const {
  return copyBoundName(itemExAt(ImagePosition), &ItemEx::ImageName, Name);
}
ItemEx::stImageSetting CZRVReportItemManager::GetImageSetting(const wchar_t* Name) const {
  return readRecord(Doc->Images, zrv::text(Name));
}
void CZRVReportItemManager::SetImageSetting(const wchar_t* Name, ItemEx::stImageSetting Setting) {
  storeRecord(Doc->Images, zrv::text(Name), std::move(Setting));
}

void CZRVReportItemManager::SetImageSetting(const wchar_t* Name, int Output, int Resolution) {
  ItemEx::stImageSetting Setting;
  Setting.Name = zrv::text(Name);
  Setting.Output = Output;
  Setting.Resolution = Resolution;
  SetImageSetting(Name, std::move(Setting));
}

int CZRVReportItemManager::SetItemImage(const wchar_t* Name) {
  ItemEx* Image = itemExAt(ImagePosition);
  if (!Image) {
    zrv::Diagnose(L"[ReportSetting] Can't not find Image setting");
    return 0;
  }
  Image->ImageName = zrv::text(Name);
  return 1;
}

int CZRVReportItemManager::DeleteImageSetting(const wchar_t* Name) {
  return deleteBoundSetting(Doc->Images, zrv::text(Name), itemExAt(ImagePosition),
                            &ItemEx::ImageName);
}

// ---- Report-wide options -----------------------------------------------------------------------

int CZRVReportItemManager::SetPPTTemplate(const wchar_t* Path) {
  ItemEx* Template = itemExAt(PPTTemplatePosition);
  if (!Template)
    return 0;
  Template->PPTTemplatePath = zrv::text(Path);
  return 1;
}

int CZRVReportItemManager::GetPPTTemplate(wchar_t* Path) const {
  return copyBoundName(itemExAt(PPTTemplatePosition), &ItemEx::PPTTemplatePath, Path);
}

int CZRVReportItemManager::SetWarpageScale(double Scale) {
  ItemEx* Warpage = itemExAt(WarpagePosition);
  if (!Warpage)
    return 0;
  Warpage->WarpageScale = Scale;
  return 1;
}

double CZRVReportItemManager::GetWarpageScale() const {
  const ItemEx* Warpage = itemExAt(WarpagePosition);
  return Warpage ? Warpage->WarpageScale : 0.0;
}

int CZRVReportItemManager::IsOutput3DPDF() const {
  const ItemEx* Pdf = itemExAt(PDF3DPosition);
  if (!Pdf) {
    zrv::Diagnose(Missing3DPDF);
    return 0;
  }
  return Pdf->Output == 1 ? 1 : 0;
}

void CZRVReportItemManager::SetIsOutput3DPDF(int Output) {
  ItemEx* Pdf = itemExAt(PDF3DPosition);
  if (!Pdf) {
    zrv::Diagnose(Missing3DPDF);
    return;
  }
  Pdf->Output = Output == 1 ? 1 : 0;
}
