// EngineData.cpp - the data the report engine stores in the settings document
// while a report is produced, and the synchronisation of settings between two
// documents that keeps it.
#include "zrvreport/ZRVReportItemManager.h"

#include "manager/DocumentData.h"

#include "platform/Diagnostics.h"
#include "util/Text.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

// ---- Per-item value families --------------------------------------------------

using zrv::manager::ItemRecord;
using zrv::manager::ItemRef;

// One number that the item's record holds itself (stored as given): where it
// is and what the document answers when no item matches.
struct RecordValue {
  std::int32_t ItemRecord::*Field;
  int Missing;
};

// One number of the item's side block: how to store it, how to read it and
// what the document answers when no item matches.
template <typename T> struct ItemValue {
  void (CZRVReportItem::*Set)(T);
  T (CZRVReportItem::*Get)() const;
  T Missing;
};

namespace field {
constexpr RecordValue OutputAirTrap{&ItemRecord::OutputAirTrap, 0};
constexpr RecordValue OutputWeldLine{&ItemRecord::OutputWeldLine, 0};
constexpr RecordValue ItemCountOf1Page{&ItemRecord::ItemCountOf1Page, -1};
constexpr RecordValue ProjectHasThisItem{&ItemRecord::ProjectHasThisItem, 0};
constexpr RecordValue ReportOutputThisItem{&ItemRecord::ReportOutputThisItem, 0};
// A missing minimum is far above and a missing maximum or average far below
// any stored statistic, so callers can tell them from real values.
constexpr ItemValue<double> StatMinValue{&CZRVReportItem::SetStatMinValue,
                                         &CZRVReportItem::GetStatMinValue, 1e15};
constexpr ItemValue<double> StatMaxValue{&CZRVReportItem::SetStatMaxValue,
                                         &CZRVReportItem::GetStatMaxValue, -1e15};
constexpr ItemValue<double> StatAvgValue{&CZRVReportItem::SetStatAvgValue,
                                         &CZRVReportItem::GetStatAvgValue, -1e15};
} // namespace field

// Stores the value in the item; 1, or 0 without an item.
int storeValue(ItemRef Item, const RecordValue& Field, int Value) {
  if (!Item)
    return 0;
  Item.record().*Field.Field = Value;
  return 1;
}

// The item's value, or the family's answer for a missing item.
int loadValue(ItemRef Item, const RecordValue& Field) {
  return Item ? Item.record().*Field.Field : Field.Missing;
}

template <typename T> int storeValue(ItemRef Item, const ItemValue<T>& Field, T Value) {
  if (!Item)
    return 0;
  Item.change([&](CZRVReportItem& Stored) { (Stored.*Field.Set)(Value); });
  return 1;
}

template <typename T> T loadValue(ItemRef Item, const ItemValue<T>& Field) {
  return Item ? (Item.copy().*Field.Get)() : Field.Missing;
}

// One text of a report item.
struct ItemText {
  void (CZRVReportItem::*Set)(const wchar_t*);
  std::wstring (CZRVReportItem::*Get)() const;
};

namespace field {
constexpr ItemText ResultImagePath{&CZRVReportItem::SetResultImagePath,
                                   &CZRVReportItem::GetResultImagePath};
constexpr ItemText StatImagePath{&CZRVReportItem::SetStatImagePath,
                                 &CZRVReportItem::GetStatisticImagePath};
constexpr ItemText Description{&CZRVReportItem::SetDescription, &CZRVReportItem::GetDescription};
constexpr ItemText DisItemName{&CZRVReportItem::SetDisItemName, &CZRVReportItem::GetDisItemName};
constexpr ItemText DisModuleName{&CZRVReportItem::SetDisModuleName,
                                 &CZRVReportItem::GetDisModuleName};
constexpr ItemText TagName{&CZRVReportItem::SetTagName, &CZRVReportItem::GetTagName};
} // namespace field

// Stores the text in the item; 1, or 0 without an item.
int storeText(ItemRef Item, const ItemText& Field, const wchar_t* Text) {
  if (!Item)
    return 0;
  Item.change([&](CZRVReportItem& Stored) { (Stored.*Field.Set)(Text); });
  return 1;
}

// Copies the item's text into the buffer; 1, or 0 with the buffer untouched
// without an item.
int loadText(ItemRef Item, const ItemText& Field, wchar_t* Buffer) {
  if (!Item)
    return 0;
  zrv::copyToBuffer((Item.copy().*Field.Get)(), Buffer);
  return 1;
}

// ---- Fixed tables ------------------------------------------------------------------

// The shell lists' fibre-orientation layer results, bounds included.
struct IdRange {
  int First;
  int Last;
};
constexpr IdRange ShellFiberLayerRanges[] = {{18, 46},   {66, 94},   {115, 143},
                                             {162, 190}, {211, 239}, {259, 287}};

// The animation path slots: the module that owns each slot and whether it
// also has an XY animation slot.
struct AnimationSlot {
  int ModuleID;
  bool HasXYSlot;
};
constexpr AnimationSlot AnimationSlots[] = {
    {ZRV_MODULE_FLOW, true},         {ZRV_MODULE_PACK, true},
    {ZRV_MODULE_COOL, true},         {ZRV_MODULE_WARP, true},
    {ZRV_MODULE_OPTICS, true},       {ZRV_MODULE_WIRE_SWEEP, true},
    {ZRV_MODULE_PADDLE_SHIFT, true}, {ZRV_MODULE_STRESS, true},
    {ZRV_MODULE_MOLD_PREHEAT, true}, {ZRV_MODULE_HOT_RUNNER_STEADY, true},
    {ZRV_MODULE_CURE, false}};

// The slot of the module, or -1 when it has none (or none of the XY kind
// when XY slots are asked for).
int animationSlot(int ModuleID, bool WantXYSlot) {
  for (std::size_t Slot = 0; Slot < std::size(AnimationSlots); ++Slot)
    if (AnimationSlots[Slot].ModuleID == ModuleID)
      return !WantXYSlot || AnimationSlots[Slot].HasXYSlot ? static_cast<int>(Slot) : -1;
  return -1;
}

// The process result values, in slot order; each gives a setter and a getter
// named after it.
#define ZRV_PROCESS_RESULTS(X)                                                                     \
  X(FillingTime)                                                                                   \
  X(MaxMeltFrontTemperature)                                                                       \
  X(AvgMeltFrontTemperature)                                                                       \
  X(EOFFillingPressure)                                                                            \
  X(MaxSpruePressure)                                                                              \
  X(MaxFillingClampingForce)                                                                       \
  X(MaxPackingClampingForce)                                                                       \
  X(WarpMinXDisplacement)                                                                          \
  X(WarpMaxXDisplacement)                                                                          \
  X(WarpMinYDisplacement)                                                                          \
  X(WarpMaxYDisplacement)                                                                          \
  X(WarpMinZDisplacement)                                                                          \
  X(WarpMaxZDisplacement)

// The model image paths, in slot order.
#define ZRV_MODEL_IMAGE_PATHS(X)                                                                   \
  X(ShadedModelPath)                                                                               \
  X(MeshQualityPath)                                                                               \
  X(ThickPath)                                                                                     \
  X(StatThickPath)                                                                                 \
  X(NodePath)                                                                                      \
  X(WireFrame1Path)                                                                                \
  X(WireFrame2Path)

#define ZRV_SLOT(Name) Name##Slot,
enum ProcessResultSlot { ZRV_PROCESS_RESULTS(ZRV_SLOT) ProcessResultSlotCount };
enum ModelImagePathSlot { ZRV_MODEL_IMAGE_PATHS(ZRV_SLOT) ModelImagePathSlotCount };
#undef ZRV_SLOT

// Copies the name at Index of the list; 1, or 0 with the buffer untouched.
int copyNameAt(const std::vector<std::wstring>& Names, int Index, wchar_t* Buffer) {
  if (!zrv::inRange(Index, Names))
    return 0;
  zrv::copyToBuffer(Names[static_cast<std::size_t>(Index)], Buffer);
  return 1;
}

int countOf(const std::vector<std::wstring>& Names) { return static_cast<int>(Names.size()); }

} // namespace

// ---- Per-item data by item id and module id ----------------------------------------

void CZRVReportItemManager::SetItemLegendData(int ItemID, int ModuleID, double MaxValue,
                                              double MinValue, unsigned long MaxColor,
                                              unsigned long MinColor, const wchar_t* Unit,
                                              int Digits) {
  if (auto Item = Doc->Items.at(firstIndexWith(ItemID, ModuleID)))
    Item.change([&](CZRVReportItem& Stored) {
      Stored.SetLegendData(MaxValue, MinValue, MaxColor, MinColor, Unit, Digits);
    });
}

void CZRVReportItemManager::GetItemLegendData(int ItemID, int ModuleID, double& MaxValue,
                                              double& MinValue, unsigned long& MaxColor,
                                              unsigned long& MinColor, wchar_t* Unit,
                                              int& Digits) const {
  const auto Found = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  if (!Found)
    return;
  const CZRVReportItem Item = Found.copy();
  MaxValue = Item.GetLegendMaxValue();
  MinValue = Item.GetLegendMinValue();
  MaxColor = Item.GetLegendMaxColor();
  MinColor = Item.GetLegendMinColor();
  zrv::copyToBuffer(Item.GetLegendUnit(), Unit);
  Digits = Item.GetLegendDight();
}

int CZRVReportItemManager::HasResultImage(int ItemID, int ModuleID) {
  // The stored item is asked, not a copy: its test may move the stored path
  // to the animation's extension.
  auto Item = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  int Has = 0;
  if (Item)
    Item.change([&Has](CZRVReportItem& Stored) { Has = Stored.HasResultImage(); });
  return Has;
}

int CZRVReportItemManager::HasStatImage(int ItemID, int ModuleID) const {
  const auto Item = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  return Item ? Item.copy().HasStatImage() : 0;
}

void CZRVReportItemManager::SetResultImagePath(int ItemID, int ModuleID, const wchar_t* Path) {
  storeText(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::ResultImagePath, Path);
}

void CZRVReportItemManager::GetResultImagePath(int ItemID, int ModuleID, wchar_t* Path) const {
  loadText(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::ResultImagePath, Path);
}

void CZRVReportItemManager::SetStatImagePath(int ItemID, int ModuleID, const wchar_t* Path) {
  storeText(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::StatImagePath, Path);
}

void CZRVReportItemManager::GetStatImagePath(int ItemID, int ModuleID, wchar_t* Path) const {
  loadText(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::StatImagePath, Path);
}

void CZRVReportItemManager::SetItemImagePath(int ItemID, int ModuleID, const wchar_t* ResultPath,
                                             const wchar_t* StatPath) {
  auto Item = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  storeText(Item, field::ResultImagePath, ResultPath);
  storeText(Item, field::StatImagePath, StatPath);
}

void CZRVReportItemManager::GetItemImagePath(int ItemID, int ModuleID, wchar_t* ResultPath,
                                             wchar_t* StatPath) const {
  auto Item = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  loadText(Item, field::ResultImagePath, ResultPath);
  loadText(Item, field::StatImagePath, StatPath);
}

void CZRVReportItemManager::SetDescription(int ItemID, int ModuleID, const wchar_t* Text) {
  storeText(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::Description, Text);
}

void CZRVReportItemManager::GetDescription(int ItemID, int ModuleID, wchar_t* Text) const {
  loadText(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::Description, Text);
}

void CZRVReportItemManager::GetDisItemName(int ItemID, int ModuleID, wchar_t* Text) const {
  loadText(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::DisItemName, Text);
}

void CZRVReportItemManager::SetItemDisplayData(int ItemID, int ModuleID, const wchar_t* ItemName,
                                               const wchar_t* ModuleName,
                                               const wchar_t* Description) {
  auto Item = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  storeText(Item, field::DisItemName, ItemName);
  storeText(Item, field::DisModuleName, ModuleName);
  storeText(Item, field::Description, Description);
}

void CZRVReportItemManager::GetItemDisplayData(int ItemID, int ModuleID, wchar_t* ItemName,
                                               wchar_t* ModuleName, wchar_t* Description) const {
  auto Item = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  loadText(Item, field::DisItemName, ItemName);
  loadText(Item, field::DisModuleName, ModuleName);
  loadText(Item, field::Description, Description);
}

// ---- Per-item data by module id and item id ----------------------------------------

void CZRVReportItemManager::SetOutputAirTrap(int ModuleID, int ItemID, int Output) {
  storeValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::OutputAirTrap, Output);
}

int CZRVReportItemManager::GetOutputAirTrap(int ModuleID, int ItemID) const {
  return loadValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::OutputAirTrap);
}

void CZRVReportItemManager::SetOutputWeldLine(int ModuleID, int ItemID, int Output) {
  storeValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::OutputWeldLine, Output);
}

int CZRVReportItemManager::GetOutputWeldLine(int ModuleID, int ItemID) const {
  return loadValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::OutputWeldLine);
}

int CZRVReportItemManager::SetItemCountOf1Page(int ModuleID, int ItemID, int Count) {
  return storeValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::ItemCountOf1Page,
                    Count);
}

int CZRVReportItemManager::GetItemCountOf1Page(int ModuleID, int ItemID) const {
  return loadValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::ItemCountOf1Page);
}

int CZRVReportItemManager::SetStatMinValue(int ModuleID, int ItemID, double Value) {
  return storeValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::StatMinValue, Value);
}

int CZRVReportItemManager::SetStatMaxValue(int ModuleID, int ItemID, double Value) {
  return storeValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::StatMaxValue, Value);
}

int CZRVReportItemManager::SetStatAvgValue(int ModuleID, int ItemID, double Value) {
  return storeValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::StatAvgValue, Value);
}

double CZRVReportItemManager::GetStatMinValue(int ModuleID, int ItemID) const {
  return loadValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::StatMinValue);
}

double CZRVReportItemManager::GetStatMaxValue(int ModuleID, int ItemID) const {
  return loadValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::StatMaxValue);
}

double CZRVReportItemManager::GetStatAvgValue(int ModuleID, int ItemID) const {
  return loadValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::StatAvgValue);
}

int CZRVReportItemManager::SetTagName(int ModuleID, int ItemID, const wchar_t* Tag) {
  return storeText(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::TagName, Tag);
}

int CZRVReportItemManager::GetTagName(int ModuleID, int ItemID, wchar_t* Tag) const {
  return loadText(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::TagName, Tag);
}

int CZRVReportItemManager::HasTagName(int ModuleID, int ItemID) const {
  auto Item = Doc->Items.at(firstIndexWith(ItemID, ModuleID));
  return Item ? Item->HasTagName() : 0;
}

int CZRVReportItemManager::SetIsProjectHasThisItem(int ModuleID, int ItemID, int Has) {
  return storeValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::ProjectHasThisItem,
                    Has);
}

int CZRVReportItemManager::GetIsProjectHasThisItem(int ModuleID, int ItemID) const {
  return loadValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::ProjectHasThisItem);
}

int CZRVReportItemManager::SetIsReportOutputThisItem(int ModuleID, int ItemID, int Output) {
  return storeValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::ReportOutputThisItem,
                    Output);
}

int CZRVReportItemManager::GetIsReportOutputThisItem(int ModuleID, int ItemID) const {
  return loadValue(Doc->Items.at(firstIndexWith(ItemID, ModuleID)), field::ReportOutputThisItem);
}

// ---- Per-item data by index ------------------------------------------------------------

namespace {
constexpr const wchar_t* AirTrapIndexMessage =
    L"[ReportItemManager] cant find AirTrap item, index %d";
constexpr const wchar_t* WeldLineIndexMessage =
    L"[ReportItemManager] cant find WeldLine item, index %d";
} // namespace

void CZRVReportItemManager::SetOutputAirTrapByIndex(int Index, int Output) {
  storeValue(Doc->Items.at(Index), field::OutputAirTrap, Output);
}

int CZRVReportItemManager::GetOutputAirTrapByIndex(int Index) const {
  auto Item = Doc->Items.at(Index);
  if (!Item)
    zrv::Diagnose(AirTrapIndexMessage, {Index});
  return loadValue(Item, field::OutputAirTrap);
}

void CZRVReportItemManager::SetOutputWeldLineByIndex(int Index, int Output) {
  if (!storeValue(Doc->Items.at(Index), field::OutputWeldLine, Output))
    zrv::Diagnose(WeldLineIndexMessage, {Index});
}

int CZRVReportItemManager::GetOutputWeldLineByIndex(int Index) const {
  auto Item = Doc->Items.at(Index);
  if (!Item)
    zrv::Diagnose(WeldLineIndexMessage, {Index});
  return loadValue(Item, field::OutputWeldLine);
}

int CZRVReportItemManager::IsShellFiberLayerItem(int ItemID) {
  return std::any_of(std::begin(ShellFiberLayerRanges), std::end(ShellFiberLayerRanges),
                     [ItemID](const IdRange& Range) {
                       return ItemID >= Range.First && ItemID <= Range.Last;
                     })
             ? 1
             : 0;
}

// ---- Process results ------------------------------------------------------------------

#define ZRV_PROCESS_RESULT_MEMBERS(Name)                                                           \
  void CZRVReportItemManager::Set##Name(double Value) {                                            \
    static_assert(ProcessResultSlotCount == Impl::ProcessResultCount,                              \
                  "one slot per process result");                                                  \
    Doc->ProcessResults[Name##Slot] = Value;                                                       \
  }                                                                                                \
  double CZRVReportItemManager::Get##Name() const { return Doc->ProcessResults[Name##Slot]; }
ZRV_PROCESS_RESULTS(ZRV_PROCESS_RESULT_MEMBERS)
#undef ZRV_PROCESS_RESULT_MEMBERS

// ---- Packing pressure profile and gate freeze times ------------------------------

void CZRVReportItemManager::AddPackingPressureProfile(double First, double Second) {
  Doc->PackingPressureProfile.emplace_back(First, Second);
}

int CZRVReportItemManager::GetPackingPressureProfileCount() const {
  return static_cast<int>(Doc->PackingPressureProfile.size());
}

int CZRVReportItemManager::GetPackingPressureProfile(int Index, double& First,
                                                     double& Second) const {
  if (!zrv::inRange(Index, Doc->PackingPressureProfile))
    return 0;
  const auto& Pair = Doc->PackingPressureProfile[static_cast<std::size_t>(Index)];
  First = Pair.first;
  Second = Pair.second;
  return 1;
}

void CZRVReportItemManager::AddGateFreezeTime(double Time) { Doc->GateFreezeTimes.push_back(Time); }

int CZRVReportItemManager::GetGateFreezeTimeCount() const {
  return static_cast<int>(Doc->GateFreezeTimes.size());
}

int CZRVReportItemManager::GetGateFreezeTime(int Index, double& Time) const {
  if (!zrv::inRange(Index, Doc->GateFreezeTimes))
    return 0;
  Time = Doc->GateFreezeTimes[static_cast<std::size_t>(Index)];
  return 1;
}

// ---- Summary tables ---------------------------------------------------------------------

void CZRVReportItemManager::SetSummaryData(int Table, const ZRVSummaryData& Data) {
  if (Table < 0 || Table >= Impl::SummaryTableCount)
    return;
  ZRVSummaryData& Target = Doc->SummaryTables[Table];
  // Only whole rows are taken: a first-column entry without a partner in the
  // second column is dropped.
  const std::size_t Rows = std::min(Data.FirstColumn.size(), Data.SecondColumn.size());
  for (std::size_t Row = 0; Row < Rows; ++Row) {
    Target.FirstColumn.push_back(Data.FirstColumn[Row]);
    Target.SecondColumn.push_back(Data.SecondColumn[Row]);
  }
}

ZRVSummaryData CZRVReportItemManager::GetSummaryData(int Table) const {
  if (Table < 0 || Table >= Impl::SummaryTableCount)
    return ZRVSummaryData();
  return Doc->SummaryTables[Table];
}

void CZRVReportItemManager::SetSummaryTableData(const ZRVSummaryTableData& Data) {
  Doc->SummaryTableData = Data;
}

// ---- Project material information -----------------------------------------------

void CZRVReportItemManager::GetMeshName(wchar_t* Name) const {
  zrv::copyToBuffer(Doc->SummaryTableData.MeshName, Name);
}

void CZRVReportItemManager::GetProcessName(wchar_t* Name) const {
  zrv::copyToBuffer(Doc->SummaryTableData.ProcessName, Name);
}

void CZRVReportItemManager::GetComParamName(wchar_t* Name) const {
  zrv::copyToBuffer(Doc->SummaryTableData.ComputationParameterName, Name);
}

int CZRVReportItemManager::GetMaterialName(wchar_t* Name) const {
  return copyNameAt(Doc->SummaryTableData.PartMaterialNames, 0, Name);
}

int CZRVReportItemManager::GetMaterialCount() const {
  // The document's material count is that of the part-insert materials.
  return countOf(Doc->SummaryTableData.PartInsertMaterialNames);
}

int CZRVReportItemManager::GetMaterialPartCount() const {
  return countOf(Doc->SummaryTableData.PartMaterialNames);
}

int CZRVReportItemManager::GetMaterialPartInsertCount() const {
  return countOf(Doc->SummaryTableData.PartInsertMaterialNames);
}

int CZRVReportItemManager::GetMaterialWireCount() const {
  return countOf(Doc->SummaryTableData.WireMaterialNames);
}

int CZRVReportItemManager::GetMaterialPartName(int Index, wchar_t* Name) const {
  return copyNameAt(Doc->SummaryTableData.PartMaterialNames, Index, Name);
}

int CZRVReportItemManager::GetMaterialPartInsertName(int Index, wchar_t* Name) const {
  return copyNameAt(Doc->SummaryTableData.PartInsertMaterialNames, Index, Name);
}

int CZRVReportItemManager::GetMaterialWireName(int Index, wchar_t* Name) const {
  return copyNameAt(Doc->SummaryTableData.WireMaterialNames, Index, Name);
}

// ---- Model image paths -------------------------------------------------------------

#define ZRV_MODEL_IMAGE_PATH_MEMBERS(Name)                                                         \
  void CZRVReportItemManager::Set##Name(const wchar_t* Path) {                                     \
    static_assert(ModelImagePathSlotCount == Impl::ModelImagePathCount,                            \
                  "one slot per model image");                                                     \
    Doc->ModelImagePaths[Name##Slot] = zrv::text(Path);                                            \
  }                                                                                                \
  void CZRVReportItemManager::Get##Name(wchar_t* Path) const {                                     \
    zrv::copyToBuffer(Doc->ModelImagePaths[Name##Slot], Path);                                     \
  }
ZRV_MODEL_IMAGE_PATHS(ZRV_MODEL_IMAGE_PATH_MEMBERS)
#undef ZRV_MODEL_IMAGE_PATH_MEMBERS

// ---- Image data tables and melt-front capture pictures ---------------------------

namespace {
// Image data table 4 holds the melt-front capture pictures, read by position.
constexpr int MeltFrontImageTable = 4;
} // namespace

void CZRVReportItemManager::SetImgData(int Table, const wchar_t* Key, const wchar_t* Value) {
  if (Table < 1 || Table > Impl::ImageDataTableCount)
    return;
  Impl::ImageDataTable& Target = Doc->ImageDataTables[Table - 1];
  Target.Keys.push_back(zrv::text(Key));
  Target.Values.push_back(zrv::text(Value));
}

void CZRVReportItemManager::GetImgData(int Table, const wchar_t* Key, wchar_t* Value) const {
  zrv::copyToBuffer(std::wstring(), Value);
  if (Table < 1 || Table >= MeltFrontImageTable)
    return;
  const Impl::ImageDataTable& Source = Doc->ImageDataTables[Table - 1];
  const std::wstring Wanted = zrv::text(Key);
  const auto Found = std::find(Source.Keys.begin(), Source.Keys.end(), Wanted);
  if (Found != Source.Keys.end())
    zrv::copyToBuffer(Source.Values[static_cast<std::size_t>(Found - Source.Keys.begin())], Value);
}

int CZRVReportItemManager::GetMeltFrontTimeCaptureCount() const {
  const CZRVReportItemEx* Melt = itemExAt(0);
  return Melt ? Melt->MeltCapture.Count : 0;
}

double CZRVReportItemManager::GetMeltFrontTimeCapture(int Index) const {
  const CZRVReportItemEx* Melt = itemExAt(0);
  if (!Melt || Index < 0 || Index >= CZRVReportItemEx::stMeltFrontTimeCapture::MaxCount)
    return -1.0;
  return Melt->MeltCapture.Percentage[Index];
}

void CZRVReportItemManager::GetMeltFrontTimeCaptureImage(int Index, wchar_t* Key,
                                                         wchar_t* Value) const {
  const Impl::ImageDataTable& Source = Doc->ImageDataTables[MeltFrontImageTable - 1];
  if (!zrv::inRange(Index, Source.Keys))
    return;
  zrv::copyToBuffer(Source.Keys[static_cast<std::size_t>(Index)], Key);
  zrv::copyToBuffer(Source.Values[static_cast<std::size_t>(Index)], Value);
}

// ---- Animation paths ------------------------------------------------------------------

void CZRVReportItemManager::SetModuleAnimPath(int ModuleID, const wchar_t* Path) {
  static_assert(std::size(AnimationSlots) == Impl::AnimationSlotCount,
                "one path per animation slot");
  const int Slot = animationSlot(ModuleID, false);
  if (Slot >= 0)
    Doc->ModuleAnimPaths[Slot] = zrv::text(Path);
}

int CZRVReportItemManager::GetModuleAnimPath(int ModuleID, wchar_t* Path) const {
  const int Slot = animationSlot(ModuleID, false);
  if (Slot < 0)
    return 0;
  zrv::copyToBuffer(Doc->ModuleAnimPaths[Slot], Path);
  return 1;
}

void CZRVReportItemManager::SetXYAnimPath(int ModuleID, const wchar_t* Path) {
  const int Slot = animationSlot(ModuleID, true);
  if (Slot >= 0)
    Doc->XYAnimPaths[Slot] = zrv::text(Path);
}

int CZRVReportItemManager::GetXYAnimPath(int ModuleID, wchar_t* Path) const {
  const int Slot = animationSlot(ModuleID, true);
  if (Slot < 0)
    return 0;
  zrv::copyToBuffer(Doc->XYAnimPaths[Slot], Path);
  return 1;
}

// ---- XY curves and animation data ------------------------------------------------------

void CZRVReportItemManager::SetXYCurveData(const ZRVXYCurveData& Curve) {
  // Copy first: Curve may be one of the stored curves.
  ZRVXYCurveData NewCurve = Curve;
  Doc->XYCurves.erase(std::remove_if(Doc->XYCurves.begin(), Doc->XYCurves.end(),
                                     [&NewCurve](const ZRVXYCurveData& Stored) {
                                       return Stored.SubKey == NewCurve.SubKey &&
                                              Stored.Key == NewCurve.Key;
                                     }),
                      Doc->XYCurves.end());
  Doc->XYCurves.push_back(std::move(NewCurve));
}

int CZRVReportItemManager::GetXYCurveData(int Key, ZRVXYCurveData& Curve) const {
  const auto Found =
      std::find_if(Doc->XYCurves.begin(), Doc->XYCurves.end(),
                   [Key](const ZRVXYCurveData& Stored) { return Stored.Key == Key; });
  if (Found == Doc->XYCurves.end())
    return 0;
  Curve = *Found;
  return 1;
}

void CZRVReportItemManager::SetAnimationData(int First, int Second) {
  Doc->AnimationDataFirst = First;
  Doc->AnimationDataSecond = Second;
}

// ---- Synchronisation ----------------------------------------------------------------

void CZRVReportItemManager::SyncReportEngineData(const CZRVReportItemManager* Other) {
  if (!Other || Other == this)
    return;
  Doc->ProjectType = Other->Doc->ProjectType;
  Doc->ProjectPath = Other->Doc->ProjectPath;
  Doc->ZorvinPath = Other->Doc->ZorvinPath;
  Doc->ReportPath = Other->Doc->ReportPath;
  Doc->FileVersion = Other->Doc->FileVersion;
  Doc->FileID = Other->Doc->FileID;
  Doc->FileName = Other->Doc->FileName;
  Doc->FileDate = Other->Doc->FileDate;
  Doc->FileProjectType = Other->Doc->FileProjectType;
  Doc->FileAppType = Other->Doc->FileAppType;
  Doc->CreateBy = Other->Doc->CreateBy;
  Doc->Remark = Other->Doc->Remark;
  Doc->CompanyName = Other->Doc->CompanyName;
  Doc->CompanyWebSite = Other->Doc->CompanyWebSite;
  Doc->LogoPath = Other->Doc->LogoPath;
  Doc->AuthorName = Other->Doc->AuthorName;
  Doc->AuthorEMail = Other->Doc->AuthorEMail;
  Doc->TemplateName = Other->Doc->TemplateName;
  Doc->Summary = Other->Doc->Summary;
  Doc->ReportType = Other->Doc->ReportType;
  assignItems(*Other);
  Doc->ItemExs = Other->Doc->ItemExs;
  Doc->ModuleIDs = Other->Doc->ModuleIDs;
  Doc->Clippings = Other->Doc->Clippings;
  Doc->Views = Other->Doc->Views;
  Doc->Objects = Other->Doc->Objects;
  Doc->Captures = Other->Doc->Captures;
  Doc->Melts = Other->Doc->Melts;
  Doc->Slicings = Other->Doc->Slicings;
  Doc->ProjectObjectSetting = Other->Doc->ProjectObjectSetting;
}
