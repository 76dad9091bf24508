// DocumentAccess.cpp - a load's libraries moved into the settings document, and
// items packed into the records the document keeps and made back from them.
#include "manager/DocumentAccess.h"

#include "manager/SettingLibrary.h"
#include "platform/Utf8.h"

#include <optional>
#include <utility>

using namespace zrv::manager;

void ZRVDocumentAccess::adoptLibraries(CZRVReportItemManager& Document,
                                       Library<CZRVReportItem::tagCLIPSETTING>&& Clipping,
                                       Library<CZRVReportItem::tagVIEWSETTING>&& View,
                                       Library<CZRVReportItem::tagOBJECTSETTING>&& Object,
                                       Library<CZRVReportItem::tagFOCUSCAPTURE>&& Capture,
                                       Library<StoredMelt>&& Melt,
                                       Library<CZRVReportItem::tagSLICESETTING>&& Slicing,
                                       Library<CZRVReportItemEx::stAnimationSetting>&& Animation,
                                       Library<CZRVReportItemEx::stImageSetting>&& Image) {
  Data& D = *Document.Doc;
  adopt<ClippingKind>(D.Clippings, std::move(Clipping));
  adopt<ViewKind>(D.Views, std::move(View));
  adopt<ObjectKind>(D.Objects, std::move(Object));
  adopt<CaptureKind>(D.Captures, std::move(Capture));
  adopt<MeltKind>(D.Melts, std::move(Melt));
  adopt<SlicingKind>(D.Slicings, std::move(Slicing));
  adopt<AnimationKind>(D.Animations, std::move(Animation));
  adopt<ImageKind>(D.Images, std::move(Image));
}

// ---- Items packed into records and made back ------------------------------------------

struct ZRVDocumentAccess::SharedFields {
  template <typename T> using InRecord = std::pair<T ItemRecord::*, T CZRVReportItem::*>;
  template <typename T> using InExtra = std::pair<T ItemExtra::*, T CZRVReportItem::*>;
  using Item = CZRVReportItem;

  /// The numbers a record keeps inline (the id and module apart: their
  /// types differ).
  static constexpr InRecord<std::int32_t> Numbers[] = {
      {&ItemRecord::Output, &Item::Output},
      {&ItemRecord::DisplayMode, &Item::DisplayMode},
      {&ItemRecord::ParameterX, &Item::ParameterX},
      {&ItemRecord::ParameterY, &Item::ParameterY},
      {&ItemRecord::ParameterZ, &Item::ParameterZ},
      {&ItemRecord::FaceNumber, &Item::FaceNumber},
      {&ItemRecord::ItemCountOf1Page, &Item::ItemCountOf1Page},
      {&ItemRecord::OutputAirTrap, &Item::OutputAirTrap},
      {&ItemRecord::OutputWeldLine, &Item::OutputWeldLine},
      {&ItemRecord::ProjectHasThisItem, &Item::ProjectHasThisItem},
      {&ItemRecord::ReportOutputThisItem, &Item::ReportOutputThisItem},
      {&ItemRecord::HasClipping, &Item::HasClipping},
      {&ItemRecord::HasView, &Item::HasView},
      {&ItemRecord::HasObject, &Item::HasObject},
      {&ItemRecord::HasSlicing, &Item::HasSlicing},
  };

  /// The fields of the side block, by type.
  static constexpr InExtra<std::wstring> Texts[] = {
      {&ItemExtra::DisItemName, &Item::DisItemName},
      {&ItemExtra::DisModuleName, &Item::DisModuleName},
      {&ItemExtra::CaptureFilePath, &Item::CaptureFilePath},
      {&ItemExtra::ResultImagePath, &Item::ResultImagePath},
      {&ItemExtra::StatImagePath, &Item::StatImagePath},
      {&ItemExtra::LegendUnit, &Item::LegendUnit},
      {&ItemExtra::Description, &Item::Description},
  };
  static constexpr InExtra<double> Reals[] = {
      {&ItemExtra::LegendMaxValue, &Item::LegendMaxValue},
      {&ItemExtra::LegendMinValue, &Item::LegendMinValue},
      {&ItemExtra::StatMinValue, &Item::StatMinValue},
      {&ItemExtra::StatMaxValue, &Item::StatMaxValue},
      {&ItemExtra::StatAvgValue, &Item::StatAvgValue},
  };
  static constexpr InExtra<std::uint32_t> Colors[] = {
      {&ItemExtra::LegendMaxColor, &Item::LegendMaxColor},
      {&ItemExtra::LegendMinColor, &Item::LegendMinColor},
  };
  static constexpr InExtra<std::int32_t> Digits[] = {
      {&ItemExtra::LegendDigits, &Item::LegendDigits},
  };

  /// Runs \p Each(table) on each table of the side block.
  template <typename Visit> static void eachExtraTable(Visit&& Each) {
    Each(Texts);
    Each(Reals);
    Each(Colors);
    Each(Digits);
  }

  /// The side block of \p Item: none when every one of its fields has its
  /// start value.
  static std::optional<ItemExtra> extraOf(const Item& From) {
    const ItemExtra Start;
    bool AllStart = true;
    eachExtraTable([&](const auto& Table) {
      for (const auto& [Stored, Public] : Table)
        AllStart = AllStart && sameValue(From.*Public, Start.*Stored);
    });
    if (AllStart)
      return std::nullopt;
    std::optional<ItemExtra> Extra(std::in_place);
    eachExtraTable([&](const auto& Table) {
      for (const auto& [Stored, Public] : Table)
        (*Extra).*Stored = From.*Public;
    });
    return Extra;
  }
};

ItemRecord ZRVDocumentAccess::pack(const CZRVReportItem& Item, ItemPools& Pools) {
  ItemRecord R;
  R.ItemID = Item.ItemID;
  R.ModuleID = Item.ModuleID;
  for (const auto& [Stored, Public] : SharedFields::Numbers)
    R.*Stored = Item.*Public;
  for (int Which = 0; Which < static_cast<int>(ItemName::Count); ++Which)
    R.Names[Which] = Pools.Names.intern(name(Item, static_cast<ItemName>(Which)));
  R.Clipping = Pools.Clippings.intern(Item.ClipSetting, Pools.Names);
  R.Slicing = Pools.Slicings.intern(Item.SliceSetting, Pools.Names);
  R.View = Pools.Views.intern(Item.ViewSetting, Pools.Names);
  R.Object = Pools.Objects.intern(Item.ObjectSetting, Pools.Names);
  R.Capture = Pools.Captures.intern(Item.CaptureSetting, Pools.Names);
  R.ViewNames = Pools.internNames(Item.ViewNames);
  R.ViewRecords = Pools.internViews(Item.ViewRecords);
  if (std::optional<ItemExtra> Extra = SharedFields::extraOf(Item))
    R.Extra = Pools.addExtra(std::move(*Extra));
  return R;
}

void ZRVDocumentAccess::unpack(const ItemRecord& R, const ItemPools& Pools, CZRVReportItem& Out) {
  Out.ItemID = static_cast<ZRV_RESULT_ITEMS>(R.ItemID);
  Out.ModuleID = static_cast<ZRV_RESULT_MODULES>(R.ModuleID);
  for (const auto& [Stored, Public] : SharedFields::Numbers)
    Out.*Public = R.*Stored;
  for (int Which = 0; Which < static_cast<int>(ItemName::Count); ++Which) {
    std::wstring& Target = name(Out, static_cast<ItemName>(Which));
    Target.clear();
    zrv::platform::KeptToWide(Pools.Names[R.Names[Which]], Target);
  }
  Out.ClipSetting = Pools.Clippings.get(R.Clipping, Pools.Names);
  Out.SliceSetting = Pools.Slicings.get(R.Slicing, Pools.Names);
  Out.ViewSetting = Pools.Views.get(R.View, Pools.Names);
  Out.ObjectSetting = Pools.Objects.get(R.Object, Pools.Names);
  Out.CaptureSetting = Pools.Captures.get(R.Capture, Pools.Names);
  Out.ViewNames.clear();
  for (PoolId Name : Pools.ViewNameLists[R.ViewNames])
    Out.ViewNames.push_back(Pools.Names.wide(Name));
  Out.ViewRecords.clear();
  for (PoolId View : Pools.ViewRecordLists[R.ViewRecords])
    Out.ViewRecords.push_back(Pools.Views.get(View, Pools.Names));
  const ItemExtra& Fields = Pools.Extras[R.Extra]; // block 0: the start values
  SharedFields::eachExtraTable([&](const auto& Table) {
    for (const auto& [Stored, Public] : Table)
      Out.*Public = Fields.*Stored;
  });
}
