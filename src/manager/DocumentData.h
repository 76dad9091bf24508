// DocumentData.h - the data of a settings document (CZRVReportItemManager):
// its fields, items, setting libraries with their option lists, the report
// engine's data and the item lookup indexes. Only the document's own sources
// and ZRVDocumentAccess see it; copying it copies the whole document.
#ifndef ZRVREPORT_MANAGER_DOCUMENTDATA_H
#define ZRVREPORT_MANAGER_DOCUMENTDATA_H

#include "zrvreport/ZRVReportItemManager.h"

#include "manager/FirstPositionIndex.h"
#include "manager/ItemStore.h"
#include "manager/NamedLibrary.h"
#include "manager/StoredMelt.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct CZRVReportItemManager::Impl {
  int ProjectType = -1;
  int ThermosetRun = 0;
  int HasValvePin = 0;
  std::wstring ProjectPath;
  std::wstring ZorvinPath;
  std::wstring ReportPath;
  int FileVersion = 0;
  std::wstring FileID;
  std::wstring FileName;
  std::wstring FileDate;
  int FileProjectType = -1;
  int FileAppType = -1;
  std::wstring CreateBy;
  std::wstring Remark;
  std::wstring CompanyName;
  std::wstring CompanyWebSite;
  std::wstring LogoPath;
  std::wstring AuthorName;
  std::wstring AuthorEMail;
  std::wstring TemplateName;
  std::wstring Summary;
  int ReportType = -1;
  int OutputCoverLogo = 1;
  /// The items, packed, with the pools of names and records they share.
  zrv::manager::ItemStore Items;
  std::vector<CZRVReportItemEx> ItemExs;
  std::vector<int> ModuleIDs;
  std::wstring ImageExtension = L"PNG";
  int RunNo = 0;
  int OutputRun = 0;

  // ---- Setting library data ----------------------------------------------------
  // Each library holds its records by name and its option list: the names in
  // the order the option getters enumerate them.
  template <typename Record> using Library = zrv::manager::NamedLibrary<Record>;
  Library<CZRVReportItem::tagCLIPSETTING> Clippings;
  Library<CZRVReportItem::tagSLICESETTING> Slicings;
  Library<CZRVReportItem::tagVIEWSETTING> Views;
  Library<CZRVReportItem::tagOBJECTSETTING> Objects;
  Library<CZRVReportItem::tagFOCUSCAPTURE> Captures;
  /// Melt-front capture records in their short form.
  Library<zrv::manager::StoredMelt> Melts;
  Library<CZRVReportItemEx::stAnimationSetting> Animations;
  Library<CZRVReportItemEx::stImageSetting> Images;
  /// Which components the current project has.
  CZRVReportItem::tagOBJECTSETTING ProjectObjectSetting;

  // ---- Report engine data --------------------------------------------------------
  /// Number of process result values, module animation slots, summary
  /// tables, image data tables and model image paths.
  static constexpr int ProcessResultCount = 13;
  static constexpr int AnimationSlotCount = 11;
  static constexpr int SummaryTableCount = 3;
  static constexpr int ImageDataTableCount = 4;
  static constexpr int ModelImagePathCount = 7;

  /// Two parallel lists: the key at position i belongs to the value at i.
  struct ImageDataTable {
    std::vector<std::wstring> Keys;
    std::vector<std::wstring> Values;
  };

  double ProcessResults[ProcessResultCount] = {};
  std::vector<std::pair<double, double>> PackingPressureProfile;
  std::vector<double> GateFreezeTimes;
  ZRVSummaryData SummaryTables[SummaryTableCount];
  ZRVSummaryTableData SummaryTableData;
  std::wstring ModelImagePaths[ModelImagePathCount];
  /// Tables 1 to 4 at positions 0 to 3.
  ImageDataTable ImageDataTables[ImageDataTableCount];
  std::wstring ModuleAnimPaths[AnimationSlotCount];
  std::wstring XYAnimPaths[AnimationSlotCount];
  std::vector<ZRVXYCurveData> XYCurves;
  int AnimationDataFirst = -1;
  int AnimationDataSecond = 0;

  // ---- Item lookup indexes ---------------------------------------------------------
  /// Item id -> position of the first item with that id.
  zrv::manager::FirstPositionIndex<std::uint32_t> FirstIndexByID;
  /// (item id, module id) packed in 64 bits -> position of the first item with both.
  zrv::manager::FirstPositionIndex<std::uint64_t> FirstIndexByIDModule;
  /// (module id, name folded as GetItemIndex by name compares it) -> position
  /// of the first item of that module with that item name or save name. Built
  /// on the first lookup after a change of the list; kept up to date by
  /// appends while it is built.
  mutable std::map<std::pair<int, std::wstring>, int> FirstIndexByName;
  mutable bool NameIndexBuilt = false;
};

#endif // ZRVREPORT_MANAGER_DOCUMENTDATA_H
