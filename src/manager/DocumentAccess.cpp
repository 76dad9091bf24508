// DocumentAccess.cpp - a load's libraries moved into the settings document, and
// items packed into the records the document keeps and made back from them.
#include "manager/DocumentAccess.h"

#include "manager/SettingLibrary.h"

#include <memory>
#include <utility>

using namespace zrv::manager;

void ZRVDocumentAccess::adoptLibraries(CZRVReportItemManager& Document, ZRVClipMap&& Clipping,
                                       ZRVViewMap&& View, ZRVObjectMap&& Object,
                                       ZRVCaptureMap&& Capture, StoredMeltMap&& Melt,
                                       ZRVSliceMap&& Slicing, ZRVAnimationMap&& Animation,
                                       ZRVImageMap&& Image) {
  Data& D = *Document.Doc;
  adopt<ClippingKind>(D.ClippingMap, D.ClippingOptions, std::move(Clipping));
  adopt<ViewKind>(D.ViewMap, D.ViewOptions, std::move(View));
  adopt<ObjectKind>(D.ObjectMap, D.ObjectOptions, std::move(Object));
  adopt<CaptureKind>(D.CaptureMap, D.CaptureOptions, std::move(Capture));
  adopt<MeltKind>(D.MeltMap, D.MeltOptions, std::move(Melt));
  adopt<SlicingKind>(D.SlicingMap, D.SlicingOptions, std::move(Slicing));
  adopt<AnimationKind>(D.AnimationMap, D.AnimationOptions, std::move(Animation));
  adopt<ImageKind>(D.ImageMap, D.ImageOptions, std::move(Image));
}

// ---- Items packed into records and made back ------------------------------------------

namespace {

/// The side block of an item: null when every one of its fields has its
/// start value.
std::unique_ptr<ItemExtra> extraOf(const ItemExtra& Fields) {
  const ItemExtra Start;
  const bool AllStart =
      Fields.DisItemName.empty() && Fields.DisModuleName.empty() &&
      Fields.CaptureFilePath.empty() && Fields.ResultImagePath.empty() &&
      Fields.StatImagePath.empty() && Fields.LegendUnit.empty() && Fields.Description.empty() &&
      sameValue(Fields.LegendMaxValue, Start.LegendMaxValue) &&
      sameValue(Fields.LegendMinValue, Start.LegendMinValue) &&
      Fields.LegendMaxColor == Start.LegendMaxColor &&
      Fields.LegendMinColor == Start.LegendMinColor && Fields.LegendDigits == Start.LegendDigits &&
      sameValue(Fields.StatMinValue, Start.StatMinValue) &&
      sameValue(Fields.StatMaxValue, Start.StatMaxValue) &&
      sameValue(Fields.StatAvgValue, Start.StatAvgValue);
  return AllStart ? nullptr : std::make_unique<ItemExtra>(Fields);
}

} // namespace

ItemRecord ZRVDocumentAccess::pack(const CZRVReportItem& Item, ItemPools& Pools) {
  ItemRecord R;
  R.ItemID = Item.ItemID;
  R.ModuleID = Item.ModuleID;
  R.Output = Item.Output;
  R.DisplayMode = Item.DisplayMode;
  R.ParameterX = Item.ParameterX;
  R.ParameterY = Item.ParameterY;
  R.ParameterZ = Item.ParameterZ;
  R.FaceNumber = Item.FaceNumber;
  R.ItemCountOf1Page = Item.ItemCountOf1Page;
  R.OutputAirTrap = Item.OutputAirTrap;
  R.OutputWeldLine = Item.OutputWeldLine;
  R.ProjectHasThisItem = Item.ProjectHasThisItem;
  R.ReportOutputThisItem = Item.ReportOutputThisItem;
  R.HasClipping = Item.HasClipping;
  R.HasView = Item.HasView;
  R.HasObject = Item.HasObject;
  R.HasSlicing = Item.HasSlicing;
  for (int Which = 0; Which < static_cast<int>(ItemName::Count); ++Which)
    R.Names[Which] = Pools.Names.intern(name(Item, static_cast<ItemName>(Which)));
  R.Clipping = Pools.Clippings.intern(Item.ClipSetting);
  R.Slicing = Pools.Slicings.intern(Item.SliceSetting);
  R.View = Pools.Views.intern(Item.ViewSetting);
  R.Object = Pools.Objects.intern(Item.ObjectSetting);
  R.Capture = Pools.Captures.intern(Item.CaptureSetting);
  R.ViewNames = Pools.ViewNameLists.intern(Item.ViewNames);
  R.ViewRecords = Pools.ViewRecordLists.intern(Item.ViewRecords);
  ItemExtra Fields;
  Fields.DisItemName = Item.DisItemName;
  Fields.DisModuleName = Item.DisModuleName;
  Fields.CaptureFilePath = Item.CaptureFilePath;
  Fields.ResultImagePath = Item.ResultImagePath;
  Fields.StatImagePath = Item.StatImagePath;
  Fields.LegendUnit = Item.LegendUnit;
  Fields.Description = Item.Description;
  Fields.LegendMaxValue = Item.LegendMaxValue;
  Fields.LegendMinValue = Item.LegendMinValue;
  Fields.LegendMaxColor = Item.LegendMaxColor;
  Fields.LegendMinColor = Item.LegendMinColor;
  Fields.LegendDigits = Item.LegendDigits;
  Fields.StatMinValue = Item.StatMinValue;
  Fields.StatMaxValue = Item.StatMaxValue;
  Fields.StatAvgValue = Item.StatAvgValue;
  R.Extra = extraOf(Fields);
  return R;
}

void ZRVDocumentAccess::unpack(const ItemRecord& R, const ItemPools& Pools, CZRVReportItem& Out) {
  Out.ItemID = static_cast<ZRV_RESULT_ITEMS>(R.ItemID);
  Out.ModuleID = static_cast<ZRV_RESULT_MODULES>(R.ModuleID);
  Out.Output = R.Output;
  Out.DisplayMode = R.DisplayMode;
  Out.ParameterX = R.ParameterX;
  Out.ParameterY = R.ParameterY;
  Out.ParameterZ = R.ParameterZ;
  Out.FaceNumber = R.FaceNumber;
  Out.ItemCountOf1Page = R.ItemCountOf1Page;
  Out.OutputAirTrap = R.OutputAirTrap;
  Out.OutputWeldLine = R.OutputWeldLine;
  Out.ProjectHasThisItem = R.ProjectHasThisItem;
  Out.ReportOutputThisItem = R.ReportOutputThisItem;
  Out.HasClipping = R.HasClipping;
  Out.HasView = R.HasView;
  Out.HasObject = R.HasObject;
  Out.HasSlicing = R.HasSlicing;
  for (int Which = 0; Which < static_cast<int>(ItemName::Count); ++Which)
    name(Out, static_cast<ItemName>(Which)) = Pools.Names[R.Names[Which]];
  Out.ClipSetting = Pools.Clippings[R.Clipping];
  Out.SliceSetting = Pools.Slicings[R.Slicing];
  Out.ViewSetting = Pools.Views[R.View];
  Out.ObjectSetting = Pools.Objects[R.Object];
  Out.CaptureSetting = Pools.Captures[R.Capture];
  Out.ViewNames = Pools.ViewNameLists[R.ViewNames];
  Out.ViewRecords = Pools.ViewRecordLists[R.ViewRecords];
  const ItemExtra Start;
  const ItemExtra& Fields = R.Extra ? *R.Extra : Start;
  Out.DisItemName = Fields.DisItemName;
  Out.DisModuleName = Fields.DisModuleName;
  Out.CaptureFilePath = Fields.CaptureFilePath;
  Out.ResultImagePath = Fields.ResultImagePath;
  Out.StatImagePath = Fields.StatImagePath;
  Out.LegendUnit = Fields.LegendUnit;
  Out.Description = Fields.Description;
  Out.LegendMaxValue = Fields.LegendMaxValue;
  Out.LegendMinValue = Fields.LegendMinValue;
  Out.LegendMaxColor = Fields.LegendMaxColor;
  Out.LegendMinColor = Fields.LegendMinColor;
  Out.LegendDigits = Fields.LegendDigits;
  Out.StatMinValue = Fields.StatMinValue;
  Out.StatMaxValue = Fields.StatMaxValue;
  Out.StatAvgValue = Fields.StatAvgValue;
}
