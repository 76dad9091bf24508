// DocumentAccess.h - how the template reader and writer reach a settings
// document's data and its items' names without copying them through the
// public getters and setters: the one class the document and the item
// declare as friend.
#ifndef ZRVREPORT_MANAGER_DOCUMENTACCESS_H
#define ZRVREPORT_MANAGER_DOCUMENTACCESS_H

#include "zrvreport/ZRVReportItem.h"
#include "zrvreport/ZRVReportItemEx.h"
#include "zrvreport/ZRVReportItemManager.h"

#include "manager/DocumentData.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class ZRVDocumentAccess {
public:
  /// A document's data: its fields, items, libraries and option lists.
  using Data = CZRVReportItemManager::Impl;

  /// The data of \p Document, read in place.
  static const Data& data(const CZRVReportItemManager& Document) { return *Document.Doc; }

  /// Moves the eight libraries a load read into \p Document and lists each
  /// library's names afresh in key order, as the public SetClippingMap ...
  /// do with a copy (empty names dropped or kept as each library's rule says).
  template <typename Record> using Library = zrv::manager::NamedLibrary<Record>;
  static void adoptLibraries(CZRVReportItemManager& Document,
                             Library<CZRVReportItem::tagCLIPSETTING>&& Clipping,
                             Library<CZRVReportItem::tagVIEWSETTING>&& View,
                             Library<CZRVReportItem::tagOBJECTSETTING>&& Object,
                             Library<CZRVReportItem::tagFOCUSCAPTURE>&& Capture,
                             Library<zrv::manager::StoredMelt>&& Melt,
                             Library<CZRVReportItem::tagSLICESETTING>&& Slicing,
                             Library<CZRVReportItemEx::stAnimationSetting>&& Animation,
                             Library<CZRVReportItemEx::stImageSetting>&& Image);

  /// Room for \p More further keys in \p Document's lookup indexes of the
  /// first item by id and by id and module (the item list itself grows a
  /// chunk at a time, without moving its items).
  static void makeRoomForKeys(CZRVReportItemManager& Document, std::size_t More) {
    auto& ById = Document.Doc->FirstIndexByID;
    auto& ByIdModule = Document.Doc->FirstIndexByIDModule;
    ById.reserve(ById.size() + More);
    ByIdModule.reserve(ByIdModule.size() + More);
  }

  /// Gives back the room reserved beyond the items \p Document holds, once a
  /// load has added all of its items.
  static void trimItems(CZRVReportItemManager& Document) { Document.Doc->Items.shrinkToFit(); }

  /// The names of an item that a template line holds.
  using ItemName = zrv::manager::ItemName;

  /// The name \p Which of \p Item, to read or to move a decoded name into.
  static std::wstring& name(CZRVReportItem& Item, ItemName Which) { return Item.*nameField(Which); }
  static const std::wstring& name(const CZRVReportItem& Item, ItemName Which) {
    return Item.*nameField(Which);
  }

  /// The pools that the item records of \p Document refer to.
  static zrv::manager::ItemPools& itemPools(CZRVReportItemManager& Document) {
    return Document.Doc->Items.pools();
  }

  /// Appends \p Record, whose ids refer to the pools of \p Document, as the
  /// last item, as AddItem appends an item.
  static void appendRecord(CZRVReportItemManager& Document, zrv::manager::ItemRecord&& Record) {
    Document.Doc->Items.push_back(std::move(Record));
    Document.indexLastItem();
  }

  /// \p Item as a record of a document whose pools are \p Pools.
  static zrv::manager::ItemRecord pack(const CZRVReportItem& Item, zrv::manager::ItemPools& Pools);
  /// Makes \p Out equal to the item that \p Record and \p Pools describe.
  static void unpack(const zrv::manager::ItemRecord& Record, const zrv::manager::ItemPools& Pools,
                     CZRVReportItem& Out);

private:
  /// The fields that an item and its record, or its side block, hold alike.
  struct SharedFields;

  using NameField = std::wstring CZRVReportItem::*;
  static NameField nameField(ItemName Which) {
    static constexpr NameField Fields[] = {
        &CZRVReportItem::SaveName,   &CZRVReportItem::ClippingName, &CZRVReportItem::ViewName,
        &CZRVReportItem::ObjectName, &CZRVReportItem::CaptureName,  &CZRVReportItem::SlicingName,
        &CZRVReportItem::TagName,    &CZRVReportItem::ItemName};
    static_assert(sizeof(Fields) / sizeof(Fields[0]) == static_cast<int>(ItemName::Count),
                  "one field per item name");
    return Fields[static_cast<int>(Which)];
  }
};

#endif // ZRVREPORT_MANAGER_DOCUMENTACCESS_H
