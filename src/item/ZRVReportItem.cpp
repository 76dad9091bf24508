// ZRVReportItem.cpp - one result item's report settings.
#include "zrvreport/ZRVReportItem.h"

#include "platform/Platform.h"
#include "util/Text.h"

#include <utility>

using zrv::platform::CompareNoCase;

// The start values are the member initialisers of the header.
CZRVReportItem::CZRVReportItem() = default;
CZRVReportItem::CZRVReportItem(const CZRVReportItem& Other) = default;
CZRVReportItem& CZRVReportItem::operator=(const CZRVReportItem& Other) = default;
CZRVReportItem::CZRVReportItem(CZRVReportItem&& Other) noexcept = default;
CZRVReportItem& CZRVReportItem::operator=(CZRVReportItem&& Other) noexcept = default;
CZRVReportItem::~CZRVReportItem() = default;

// ---- Identity and names --------------------------------------------------------

void CZRVReportItem::SetItemID(ZRV_RESULT_ITEMS Value) { ItemID = Value; }
ZRV_RESULT_ITEMS CZRVReportItem::GetItemID() const { return ItemID; }
void CZRVReportItem::SetItemName(const std::wstring& Name) { ItemName = Name; }
void CZRVReportItem::SetItemName(const wchar_t* Name) { ItemName = zrv::text(Name); }
std::wstring CZRVReportItem::GetItemName() const { return ItemName; }
void CZRVReportItem::SetItemSaveName(const wchar_t* Name) { SaveName = zrv::text(Name); }
std::wstring CZRVReportItem::GetItemSaveName() const { return SaveName; }
void CZRVReportItem::SetDisItemName(const wchar_t* Name) { DisItemName = zrv::text(Name); }
std::wstring CZRVReportItem::GetDisItemName() const { return DisItemName; }
void CZRVReportItem::SetDisModuleName(const wchar_t* Name) { DisModuleName = zrv::text(Name); }
std::wstring CZRVReportItem::GetDisModuleName() const { return DisModuleName; }
void CZRVReportItem::SetModuleID(ZRV_RESULT_MODULES Value) { ModuleID = Value; }
ZRV_RESULT_MODULES CZRVReportItem::GetModuleID() const { return ModuleID; }

// ---- Output and display ----------------------------------------------------------

void CZRVReportItem::SetOutput(int Value) { Output = zrv::mapOutput(Value); }
int CZRVReportItem::GetOutput() const { return Output; }
int CZRVReportItem::IsOutput() const { return Output >= 1 && Output <= 3 ? 1 : 0; }
void CZRVReportItem::SetDisplayMode(int Value) { DisplayMode = zrv::mapDisplayMode(Value); }
int CZRVReportItem::GetDisplayMode() const { return DisplayMode; }
void CZRVReportItem::SetParameterX(int Value) { ParameterX = Value; }
void CZRVReportItem::SetParameterY(int Value) { ParameterY = Value; }
void CZRVReportItem::SetParameterZ(int Value) { ParameterZ = Value; }
int CZRVReportItem::GetParameterX() const { return SliceSetting.SliceX; }
int CZRVReportItem::GetParameterY() const { return SliceSetting.SliceY; }
int CZRVReportItem::GetParameterZ() const { return SliceSetting.SliceZ; }
void CZRVReportItem::SetFaceNumber(int Value) { FaceNumber = Value; }
int CZRVReportItem::GetFaceNumber() const { return FaceNumber; }
void CZRVReportItem::SetItemCountOf1Page(int Value) { ItemCountOf1Page = Value; }
int CZRVReportItem::GetItemCountOf1Page() const { return ItemCountOf1Page; }
void CZRVReportItem::SetOutputAirTrap(int Value) { OutputAirTrap = Value; }
int CZRVReportItem::GetOutputAirTrap() const { return OutputAirTrap; }
void CZRVReportItem::SetOutputWeldLine(int Value) { OutputWeldLine = Value; }
int CZRVReportItem::GetOutputWeldLine() const { return OutputWeldLine; }
void CZRVReportItem::SetIsProjectHasThisItem(int Value) { ProjectHasThisItem = Value; }
int CZRVReportItem::GetIsProjectHasThisItem() const { return ProjectHasThisItem; }
void CZRVReportItem::SetIsReportOutputThisItem(int Value) { ReportOutputThisItem = Value; }
int CZRVReportItem::GetIsReportOutputThisItem() const { return ReportOutputThisItem; }

// ---- Clipping ------------------------------------------------------------------

void CZRVReportItem::SetClippingName(const wchar_t* Name) { ClippingName = zrv::text(Name); }
std::wstring CZRVReportItem::GetClippingName() const { return ClippingName; }

void CZRVReportItem::SetClippingSetting(int KeepX, int KeepY, int KeepZ, double RangeX,
                                        double RangeY, double RangeZ) {
  ClipSetting.KeepX = KeepX;
  ClipSetting.KeepY = KeepY;
  ClipSetting.KeepZ = KeepZ;
  ClipSetting.RangeX = RangeX;
  ClipSetting.RangeY = RangeY;
  ClipSetting.RangeZ = RangeZ;
  HasClipping = 1;
}

void CZRVReportItem::SetClippingSetting(tagCLIPSETTING Setting) {
  ClipSetting = std::move(Setting);
  HasClipping = 1;
}

int CZRVReportItem::HasClippingSetting() const { return HasClipping != 0 ? 1 : 0; }

CZRVReportItem::ZRV_CLIPMODE CZRVReportItem::GetClipMode() const {
  if (ClipSetting.ClipBy == 2)
    return ZRV_CLIP_Y;
  if (ClipSetting.ClipBy == 3)
    return ZRV_CLIP_Z;
  return ZRV_CLIP_X;
}

int CZRVReportItem::IsClipKeptX() const { return ClipSetting.KeepX == 1 ? 1 : 0; }
int CZRVReportItem::IsClipKeptY() const { return ClipSetting.KeepY == 1 ? 1 : 0; }
int CZRVReportItem::IsClipKeptZ() const { return ClipSetting.KeepZ == 1 ? 1 : 0; }
int CZRVReportItem::IsInversed() const { return ClipSetting.Inverse == 1 ? 1 : 0; }
double CZRVReportItem::GetClippingRangeX() const { return ClipSetting.RangeX; }
double CZRVReportItem::GetClippingRangeY() const { return ClipSetting.RangeY; }
double CZRVReportItem::GetClippingRangeZ() const { return ClipSetting.RangeZ; }

// ---- Slicing -------------------------------------------------------------------

void CZRVReportItem::SetSlicingName(const wchar_t* Name) { SlicingName = zrv::text(Name); }
std::wstring CZRVReportItem::GetSlicingName() const { return SlicingName; }

void CZRVReportItem::SetSlicingSetting(int SliceX, int SliceY, int SliceZ) {
  SliceSetting.SliceX = SliceX;
  SliceSetting.SliceY = SliceY;
  SliceSetting.SliceZ = SliceZ;
  HasSlicing = 1;
}

void CZRVReportItem::SetSlicingSetting(tagSLICESETTING Setting) {
  SliceSetting = std::move(Setting);
  HasSlicing = 1;
}

int CZRVReportItem::HasSlicingSetting() const { return HasSlicing != 0 ? 1 : 0; }

CZRVReportItem::ZRV_SLICEMODE CZRVReportItem::GetSliceMode() const {
  bool X = SliceSetting.SliceX > 0, Y = SliceSetting.SliceY > 0, Z = SliceSetting.SliceZ > 0;
  if (Y && !X && !Z)
    return ZRV_SLICE_Y;
  if (Z && !X && !Y)
    return ZRV_SLICE_Z;
  return ZRV_SLICE_X;
}

// ---- Views ---------------------------------------------------------------------

void CZRVReportItem::SetViewName(const wchar_t* Name) { ViewName = zrv::text(Name); }
std::wstring CZRVReportItem::GetViewName() const { return ViewName; }

void CZRVReportItem::SetViewSetting(double AngleX, double AngleY, double AngleZ, double Scale) {
  ViewSetting.AngleX = AngleX;
  ViewSetting.AngleY = AngleY;
  ViewSetting.AngleZ = AngleZ;
  ViewSetting.Scale = Scale;
  HasView = 1;
}

void CZRVReportItem::SetViewSettingByName(const wchar_t*, double, double, double, double) {}

int CZRVReportItem::HasViewSetting() const {
  return HasView != 0 || !ViewRecords.empty() ? 1 : 0;
}

double CZRVReportItem::GetViewX() const { return ViewSetting.AngleX; }
double CZRVReportItem::GetViewY() const { return ViewSetting.AngleY; }
double CZRVReportItem::GetViewZ() const { return ViewSetting.AngleZ; }
double CZRVReportItem::GetViewScale() const { return ViewSetting.Scale; }

void CZRVReportItem::SetManyViewName(const wchar_t* Name) {
  std::wstring Value = zrv::text(Name);
  for (const std::wstring& Existing : ViewNames)
    if (Existing == Value)
      return;
  ViewNames.push_back(std::move(Value));
}

void CZRVReportItem::SetManyView(tagVIEWSETTING Setting) {
  ViewRecords.push_back(std::move(Setting));
}

int CZRVReportItem::GetViewCount() const { return static_cast<int>(ViewNames.size()); }

std::wstring CZRVReportItem::GetViewNameByIndex(int Index) const {
  if (!zrv::inRange(Index, ViewNames))
    return std::wstring();
  return ViewNames[static_cast<std::size_t>(Index)];
}

int CZRVReportItem::GetViewNameByIndex(int Index, wchar_t* Name) const {
  if (!zrv::inRange(Index, ViewNames))
    return 0;
  zrv::copyToBuffer(ViewNames[static_cast<std::size_t>(Index)], Name);
  return 1;
}

int CZRVReportItem::GetViewByIndex(int Index, tagVIEWSETTING& Setting) const {
  if (!zrv::inRange(Index, ViewRecords))
    return 0;
  Setting = ViewRecords[static_cast<std::size_t>(Index)];
  return 1;
}

namespace {
// The first several-view record whose name equals Name ignoring case.
const CZRVReportItem::tagVIEWSETTING*
findViewRecord(const std::vector<CZRVReportItem::tagVIEWSETTING>& Records, const wchar_t* Name) {
  std::wstring Wanted = zrv::text(Name);
  for (const auto& Record : Records)
    if (CompareNoCase(Record.Name, Wanted) == 0)
      return &Record;
  return nullptr;
}
} // namespace

double CZRVReportItem::GetViewXByName(const wchar_t* Name) const {
  const tagVIEWSETTING* Record = findViewRecord(ViewRecords, Name);
  return Record ? Record->AngleX : 0.0;
}

double CZRVReportItem::GetViewYByName(const wchar_t* Name) const {
  const tagVIEWSETTING* Record = findViewRecord(ViewRecords, Name);
  return Record ? Record->AngleY : 0.0;
}

double CZRVReportItem::GetViewZByName(const wchar_t* Name) const {
  const tagVIEWSETTING* Record = findViewRecord(ViewRecords, Name);
  return Record ? Record->AngleZ : 0.0;
}

double CZRVReportItem::GetViewScaleByName(const wchar_t* Name) const {
  const tagVIEWSETTING* Record = findViewRecord(ViewRecords, Name);
  return Record ? Record->Scale : 1.0;
}

int CZRVReportItem::GetViewDataByName(const wchar_t* Name, double& AngleX, double& AngleY,
                                      double& AngleZ, double& Scale) const {
  const tagVIEWSETTING* Record = findViewRecord(ViewRecords, Name);
  if (!Record)
    return 0;
  AngleX = Record->AngleX;
  AngleY = Record->AngleY;
  AngleZ = Record->AngleZ;
  Scale = Record->Scale;
  return 1;
}

void CZRVReportItem::DeleteItemView(const wchar_t* Name) {
  std::wstring Wanted = zrv::text(Name);
  for (std::size_t I = 0; I < ViewNames.size(); ++I) {
    if (ViewNames[I] != Wanted)
      continue;
    ViewNames.erase(ViewNames.begin() + static_cast<std::ptrdiff_t>(I));
    if (I < ViewRecords.size())
      ViewRecords.erase(ViewRecords.begin() + static_cast<std::ptrdiff_t>(I));
    return;
  }
}

// ---- Objects and capture ---------------------------------------------------------

void CZRVReportItem::SetObjectName(const wchar_t* Name) { ObjectName = zrv::text(Name); }
std::wstring CZRVReportItem::GetObjectName() const { return ObjectName; }

void CZRVReportItem::SetObjectSetting(tagOBJECTSETTING Setting) {
  ObjectSetting = std::move(Setting);
  HasObject = 1;
}

int CZRVReportItem::HasObjectSetting() const { return HasObject != 0 ? 1 : 0; }
int CZRVReportItem::IsShowRunner() const { return ObjectSetting.ShowRunner == 1 ? 1 : 0; }
int CZRVReportItem::IsShowPart() const { return ObjectSetting.ShowPart == 1 ? 1 : 0; }
int CZRVReportItem::IsShowPartInsert() const { return ObjectSetting.ShowPartInsert == 1 ? 1 : 0; }
int CZRVReportItem::IsShowCoolChannel() const {
  return ObjectSetting.ShowCoolChannel == 1 ? 1 : 0;
}
int CZRVReportItem::IsShowMoldbase() const { return ObjectSetting.ShowMoldbase == 1 ? 1 : 0; }
int CZRVReportItem::IsShowMoldInsert() const { return ObjectSetting.ShowMoldInsert == 1 ? 1 : 0; }
int CZRVReportItem::IsShowMeltEntrance() const {
  return ObjectSetting.ShowMeltEntrance == 1 ? 1 : 0;
}
int CZRVReportItem::IsShowCoolantEntrance() const {
  return ObjectSetting.ShowCoolantEntrance == 1 ? 1 : 0;
}
int CZRVReportItem::IsShowHeatingRod() const { return ObjectSetting.ShowHeatingRod == 1 ? 1 : 0; }
int CZRVReportItem::IsShowHotRunnerMetal() const {
  return ObjectSetting.ShowHotRunnerMetal == 1 ? 1 : 0;
}

void CZRVReportItem::SetCaptureName(const wchar_t* Name) { CaptureName = zrv::text(Name); }
std::wstring CZRVReportItem::GetCaptureName() const { return CaptureName; }

void CZRVReportItem::SetCaptureSetting(tagFOCUSCAPTURE Setting) {
  CaptureSetting = std::move(Setting);
  CaptureSetting.FocusOn = CaptureSetting.Width > 0 && CaptureSetting.Height > 0 ? 1 : 0;
}

int CZRVReportItem::GetCaptureWidth() const { return CaptureSetting.Width; }
int CZRVReportItem::GetCaptureHeight() const { return CaptureSetting.Height; }
int CZRVReportItem::IsFocusCapture() const { return CaptureSetting.FocusOn; }
void CZRVReportItem::SetCaptureFilePath(const std::wstring& Path) { CaptureFilePath = Path; }
std::wstring CZRVReportItem::GetCaptureFilePath() const { return CaptureFilePath; }

// ---- Report engine data ----------------------------------------------------------

void CZRVReportItem::SetResultImagePath(const wchar_t* Path) { ResultImagePath = zrv::text(Path); }
std::wstring CZRVReportItem::GetResultImagePath() const { return ResultImagePath; }
void CZRVReportItem::SetStatImagePath(const wchar_t* Path) { StatImagePath = zrv::text(Path); }
std::wstring CZRVReportItem::GetStatisticImagePath() const { return StatImagePath; }

int CZRVReportItem::HasStatImage() const {
  return zrv::platform::FileStatusOk(StatImagePath) ? 1 : 0;
}

int CZRVReportItem::HasResultImage() {
  // 1. A lower-case working copy of the stored path.
  std::wstring ViewPath = zrv::platform::ToLower(ResultImagePath);

  // 2. The extension the image was stored with.
  std::wstring Extension = L".png";
  if (ViewPath.find(L".png") != std::wstring::npos)
    Extension = L".png";
  else if (ViewPath.find(L".jpeg") != std::wstring::npos)
    Extension = L".jpg";
  else if (ViewPath.find(L".jpg") != std::wstring::npos)
    Extension = L".jpg";
  else if (ViewPath.find(L".bmp") != std::wstring::npos)
    Extension = L".bmp";

  // 3. The first view image's path: every image extension removed, in this
  //    order, and "_view_0" appended.
  for (const wchar_t* Known : {L".png", L".gif", L".avi", L".bmp", L".jpeg", L".jpg"})
    zrv::replaceAll(ViewPath, Known, L"");
  ViewPath += L"_view_0";

  // 4. Animations are stored with their own extension.
  if (Output == ZRV_OUTPUT_GIF) {
    zrv::replaceAll(ResultImagePath, Extension, L".gif");
    ViewPath += L".gif";
  } else if (Output == ZRV_OUTPUT_AVI) {
    zrv::replaceAll(ResultImagePath, Extension, L".avi");
    ViewPath += L".avi";
  } else {
    ViewPath += Extension;
  }

  // 5. The stored path first, then the view image.
  if (zrv::platform::FileStatusOk(ResultImagePath))
    return 1;
  return zrv::platform::FileStatusOk(ViewPath) ? 1 : 0;
}

void CZRVReportItem::SetDescription(const wchar_t* Text) { Description = zrv::text(Text); }
std::wstring CZRVReportItem::GetDescription() const { return Description; }
void CZRVReportItem::SetTagName(const wchar_t* Name) { TagName = zrv::text(Name); }
std::wstring CZRVReportItem::GetTagName() const { return TagName; }
int CZRVReportItem::HasTagName() const { return TagName.empty() ? 0 : 1; }

void CZRVReportItem::SetLegendData(double MaxValue, double MinValue, unsigned long MaxColor,
                                   unsigned long MinColor, const wchar_t* Unit, int Digits) {
  LegendMaxValue = MaxValue;
  LegendMinValue = MinValue;
  LegendMaxColor = static_cast<std::uint32_t>(MaxColor);
  LegendMinColor = static_cast<std::uint32_t>(MinColor);
  LegendUnit = zrv::text(Unit);
  LegendDigits = Digits;
}

double CZRVReportItem::GetLegendMaxValue() const { return LegendMaxValue; }
double CZRVReportItem::GetLegendMinValue() const { return LegendMinValue; }
unsigned long CZRVReportItem::GetLegendMaxColor() const { return LegendMaxColor; }
unsigned long CZRVReportItem::GetLegendMinColor() const { return LegendMinColor; }
std::wstring CZRVReportItem::GetLegendUnit() const { return LegendUnit; }
int CZRVReportItem::GetLegendDight() const { return LegendDigits; }
void CZRVReportItem::SetStatMinValue(double Value) { StatMinValue = Value; }
double CZRVReportItem::GetStatMinValue() const { return StatMinValue; }
void CZRVReportItem::SetStatMaxValue(double Value) { StatMaxValue = Value; }
double CZRVReportItem::GetStatMaxValue() const { return StatMaxValue; }
void CZRVReportItem::SetStatAvgValue(double Value) { StatAvgValue = Value; }
double CZRVReportItem::GetStatAvgValue() const { return StatAvgValue; }
