/// \file
/// \brief The settings document of one project: report items, extended items, result
/// modules, header and info fields, the eight libraries of named settings with their
/// usage checks and fallbacks, and the data the report engine hands over while a report
/// is produced.
#ifndef ZRVREPORT_ZRVREPORTITEMMANAGER_H
#define ZRVREPORT_ZRVREPORTITEMMANAGER_H

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVEngineData.h"
#include "zrvreport/ZRVReportItem.h"
#include "zrvreport/ZRVReportItemEx.h"
#include "zrvreport/ZRVResultItems.h"

class ZRVDocumentAccess;

/// The report settings document of one project.
///
/// Items are held by value: every getter hands out a copy, every setter copies
/// in. Item ids need not be unique; operations that take an item id act on the
/// first item with that id, in list order. Text inputs given as a null pointer
/// are taken as the empty string; getters that fill a caller's buffer copy the
/// whole text with its terminator (256 characters hold every name). A getter
/// given a null buffer writes nothing.
///
/// Results follow the library's conventions: operations that can fail return
/// 1 for success and 0 for failure (an index outside its list, an id no item
/// has) and then change nothing and leave their outputs untouched unless their
/// comment says otherwise; lookups return -1 when nothing is found.
///
/// **Named setting libraries** (clipping, slicing, view, object, capture).
/// Each library maps a setting name to a record and lists its names in an
/// option list: in key order after a hand-over, afterwards in order of last
/// change (a stored name moves to the end, a deleted name leaves). Items hold
/// their own copies of the values; a changed record reaches an item only when
/// the setting is assigned to it again. Names compare exactly.
///
/// **Extended setting libraries** (melt-front capture, animation, image).
/// Three further libraries like the five above, whose option lists keep an
/// empty name and whose counts are the lengths of their option lists. They
/// bind to the extended items at fixed positions: 0 melt-front capture, 1
/// presentation template, 2 3D PDF, 3 animation, 4 warpage scale, 5 image. An
/// operation that needs a position the extended item list does not reach does
/// nothing else and fails as stated.
///
/// **Report engine data.** While a report is produced the report engine
/// stores its findings here and reads them back. Per-item data lives in the
/// items (so it travels with them); the project-wide data lives only in
/// memory and is never written to a template.
class ZRVREPORT_EXPORT CZRVReportItemManager {
public:
  /// A document without items, extended items or modules; every field at its
  /// start value (see the getters). The project type starts at -1, a value
  /// that names no kind of project, until the facade calls SetProjectType.
  CZRVReportItemManager();
  /// Copies every field of the document: header and info fields, items,
  /// extended items, modules, all eight libraries with their option lists,
  /// the project object setting and the report engine's data.
  CZRVReportItemManager(const CZRVReportItemManager& Other);
  /// Replaces every field of the document by a copy of \p Other's.
  CZRVReportItemManager& operator=(const CZRVReportItemManager& Other);
  /// Releases every item, library and table of the document.
  virtual ~CZRVReportItemManager();

  // ==== Document core: fields, items, extended items, modules ================

  /// \name Project and header fields
  ///@{

  /// Stores the project type code (0 solid, 1 shell, 2 solid as well).
  void SetProjectType(int Type);
  /// The project type code; -1 until SetProjectType has been called.
  int GetProjectType() const;
  /// Stores the thermoset flag as given (the facade counts non-zero as set).
  void SetProjectIsThermosetRun(int IsThermoset);
  /// 1 when the project's run is a thermoset (curing) run; starts at 0.
  int GetProjectIsThermosetRun() const;
  /// Stores the valve-pin flag as given.
  void SetHasValvePin(int HasValvePin);
  /// 1 when the project has valve pins; starts at 0.
  int GetHasValvePin() const;
  /// Stores [FileHeader] "FileVersion" as given (a reader reads item lines
  /// in full from 1001 on; see ZRVTemplateFindingKind::ItemLinesNotRead).
  void SetFileVersion(int Version);
  /// [FileHeader] "FileVersion"; starts at 0.
  int GetFileVersion() const;
  /// Stores [FileHeader] "FileID"; null stores the empty text.
  void SetFileID(const wchar_t* FileID);
  /// Copies [FileHeader] "FileID" into \p FileID (empty at start).
  void GetFileID(wchar_t* FileID) const;
  /// Stores [FileHeader] "Name"; null stores the empty text.
  void SetFileName(const wchar_t* Name);
  /// Copies [FileHeader] "Name" (empty at start) into \p Name.
  void GetFileName(wchar_t* Name) const;
  /// Stores [FileHeader] "Date" (any text); null stores the empty text.
  void SetFileDate(const wchar_t* Date);
  /// Copies [FileHeader] "Date" (empty at start) into \p Date.
  void GetFileDate(wchar_t* Date) const;
  /// Stores [FileHeader] "ProjectType" as given (0 solid, 1 shell). It is
  /// what the file says; the loader is chosen by GetProjectType.
  void SetFileProjectType(int Type);
  /// [FileHeader] "ProjectType"; starts at -1.
  int GetFileProjectType() const;
  /// Stores [FileHeader] "AppType" as given (the application type codes of
  /// CZRVReportSetting).
  void SetFileAppType(int Type);
  /// [FileHeader] "AppType"; starts at -1.
  int GetFileAppType() const;
  /// Stores [FileHeader] "CreateBy"; null stores the empty text.
  void SetCreateBy(const wchar_t* CreatedBy);
  /// Copies [FileHeader] "CreateBy" (empty at start) into \p CreatedBy.
  void GetCreateBy(wchar_t* CreatedBy) const;
  /// Stores [FileHeader] "Remark"; null stores the empty text.
  void SetRemark(const wchar_t* Remark);
  /// Copies [FileHeader] "Remark" (empty at start) into \p Remark.
  void GetRemark(wchar_t* Remark) const;
  ///@}

  /// \name Info fields
  ///@{

  /// Stores [Info] "CompanyName"; null stores the empty text.
  void SetCompanyName(const wchar_t* Name);
  /// Copies [Info] "CompanyName" (empty at start) into \p Name.
  void GetCompanyName(wchar_t* Name) const;
  /// Stores [Info] "CompanyWebSite"; null stores the empty text.
  void SetComanyWebSite(const wchar_t* WebSite);
  /// Copies [Info] "CompanyWebSite" (empty at start) into \p WebSite.
  void GetComanyWebSite(wchar_t* WebSite) const;
  /// Stores the path of the company logo image; null stores the empty path.
  void SetLogoPath(const wchar_t* Path);
  /// Copies the path of the company logo image (empty at start) into \p Path.
  void GetLogoPath(wchar_t* Path) const;
  /// Stores [Info] "AuthorName"; null stores the empty text.
  void SetAuthorName(const wchar_t* Name);
  /// Copies [Info] "AuthorName" (empty at start) into \p Name.
  void GetAuthorName(wchar_t* Name) const;
  /// Stores [Info] "AuthorE-mail"; null stores the empty text.
  void SetAuthorEMail(const wchar_t* EMail);
  /// Copies [Info] "AuthorE-mail" (empty at start) into \p EMail.
  void GetAuthorEMail(wchar_t* EMail) const;
  /// Stores [Info] "TemplateName"; null stores the empty text.
  void SetTemplateName(const wchar_t* Name);
  /// Copies [Info] "TemplateName" (empty at start) into \p Name.
  void GetTemplateName(wchar_t* Name) const;
  /// Stores the report's summary text; null stores the empty text.
  void SetSummary(const wchar_t* Summary);
  /// Copies the report's summary text (empty at start) into \p Summary.
  void GetSummary(wchar_t* Summary) const;
  /// Stores [Info] "ReportType" as given (0 HTML, 1 presentation).
  void SetReportType(int Type);
  /// The report type; -1 at start, 0 after RemoveAllItem.
  int GetReportType() const;
  /// Stores whether the logo goes on the report's cover, as given.
  void SetIsOutputCoverLogo(int Output);
  /// 1 (the start value) when the logo goes on the cover.
  int GetIsOutputCoverLogo() const;
  /// Stores the number of the analysis run, as given.
  void SetRunNo(int RunNo);
  /// The number of the analysis run; starts at 0.
  int GetRunNo() const;
  /// Stores whether the run number goes into the report, as given.
  void SetIsOutputRun(int Output);
  /// 1 when the run number goes into the report; starts at 0.
  int GetIsOutputRun() const;
  ///@}

  /// \name Paths and image extension
  ///@{

  /// Stores the path of the project's template file (the facade's
  /// CZRVReportSetting::SetProjectPath gives the file's full path); the
  /// writer saves to it. Null stores the empty path.
  void SetProjectPath(const wchar_t* Path);
  /// Copies the project path (empty at start) into \p Path. Logs
  /// "[ReportSetting] Manager GetProjectPath start" before and
  /// "[ReportSetting] Manager GetProjectPath end <path>" after the copy.
  void GetProjectPath(wchar_t* Path) const;
  /// The project path; empty at start. Logs
  /// "[ReportSetting] Manager GetProjectPath CString start <path>".
  std::wstring GetProjectPath() const;
  /// Writes the document as a template to its project path through a
  /// temporary CZRVReportSettingWriter (see SaveTemplate there); the result
  /// of the save is not passed on.
  void SaveItemManager();
  /// Stores the root folder of the installation; null stores the empty path.
  void SetZorvinPath(const wchar_t* Path);
  /// Copies the root folder of the installation (empty at start) into \p Path.
  void GetZorvinPath(wchar_t* Path) const;
  /// Stores the report folder; null stores the empty path.
  void SetReportPath(const wchar_t* Path);
  /// The report folder; empty at start.
  std::wstring GetReportPath() const;
  /// Stores the extension of the images the report engine writes, as given
  /// ("PNG", "JPG" ...); null stores the empty text.
  void SetImageExtension(const wchar_t* Extension);
  /// Copies the image extension ("PNG" at start) into \p Extension.
  void GetImageExt(wchar_t* Extension) const;
  ///@}

  /// \name Items
  ///@{

  /// Appends a copy of \p Item; returns the new number of items.
  int AddItem(const CZRVReportItem& Item);
  /// Appends \p Item, moved in; returns the new number of items.
  int AddItem(CZRVReportItem&& Item);
  /// Appends a new default item with id \p ItemID, output \p Output (1, 2, 3
  /// kept, else 0), display mode \p Display (1 to 4 kept, else 0), the values
  /// \p X, \p Y, \p Z given to its SetParameterX/Y/Z and face number \p Faces.
  /// Returns the new number of items.
  int AddItem(ZRV_RESULT_ITEMS ItemID, int Output, int Display, int X, int Y, int Z, int Faces);
  /// Removes the first item with id \p ItemID (later items move up); nothing
  /// happens when no item has it.
  void RemoveItem(ZRV_RESULT_ITEMS ItemID);
  /// Resets the document for a new load: empties the items, the extended
  /// items and the modules and the option lists of the clipping, view,
  /// object, capture, melt-front and slicing libraries (the library records,
  /// and the animation and image option lists, stay); empties company name,
  /// company web site, logo path, author name, author e-mail, template name
  /// and summary; sets the report type to 0. Header fields, paths, cover logo
  /// and run fields keep their values.
  void RemoveAllItem();
  /// The number of items.
  int GetItemCount() const;
  /// 1 when the document holds at least one item, else 0.
  int HasItems() const;
  /// 1 when the document holds at least one extended item, else 0.
  int HasItemExs() const;
  /// Copies the item at \p Index into \p Item; 1, or 0 (Item untouched) when
  /// the index is outside the item list.
  int GetItem(int Index, CZRVReportItem& Item) const;
  /// Copies the first item with id \p ItemID; 1, or 0 when no item has it.
  int GetItem(ZRV_RESULT_ITEMS ItemID, CZRVReportItem& Item) const;
  /// The values of one template item line: \p Name gets the item's save name
  /// (not its item name), \p Output, \p Display and \p Faces the item's
  /// values, \p X, \p Y, \p Z the slice flags of its slicing record, and the
  /// five buffers its clipping, single view, object, capture and slicing
  /// names. Returns 1, or 0 with no output touched when \p Index is outside
  /// the item list.
  int GetItem(int Index, wchar_t* Name, int& Output, int& Display, int& X, int& Y, int& Z,
              int& Faces, wchar_t* Clipping, wchar_t* View, wchar_t* Object, wchar_t* Capture,
              wchar_t* Slicing) const;
  /// Replaces the item at \p Index; 1, or 0 when out of range.
  int SetItem(int Index, const CZRVReportItem& Item);
  /// Replaces the first item with id \p ItemID; 1, or 0 when no item has it.
  int SetItem(ZRV_RESULT_ITEMS ItemID, const CZRVReportItem& Item);
  /// Sets the item name of the first item with module \p ModuleID and id
  /// \p ItemID; 1, or 0 when no item matches both.
  int SetItemName(int ModuleID, ZRV_RESULT_ITEMS ItemID, const wchar_t* Name);
  /// The item id at \p Index; 0 when out of range.
  int GetItemID(int Index) const;
  /// The module id of the first item with id \p ItemID; -1 when none has it.
  int GetItemModuleID(int ItemID) const;
  /// The module id at \p Index; -1 when out of range.
  int GetItemModuleIDByIndex(int Index) const;
  /// Empties \p Name, then copies the item name at \p Index into it; 1, or 0
  /// (buffer left empty) when out of range.
  int GetItemName(int Index, wchar_t* Name) const;
  /// The index of the first item with id \p ItemID and module \p ModuleID;
  /// -1 when none matches.
  int GetItemIndex(int ItemID, int ModuleID) const;
  /// The index of the first item of module \p ModuleID whose item name or
  /// save name equals \p Name once every space is removed from all three,
  /// ignoring letter case; -1 when none does.
  int GetItemIndex(int ModuleID, const wchar_t* Name) const;
  /// Sets the output at \p Index (1, 2, 3 kept, else 0); 1, or 0 when out of
  /// range.
  int SetItemOutput(int Index, CZRVReportItem::ZRV_REPORT_OUTPUT Output);
  /// Sets the output of the first item with id \p ItemID; 0 when none has it.
  int SetItemOutput(ZRV_RESULT_ITEMS ItemID, CZRVReportItem::ZRV_REPORT_OUTPUT Output);
  /// Sets the output of the first item with id \p ItemID and module
  /// \p ModuleID; 1, or 0 when none matches.
  int SetItemOutput(int ItemID, int ModuleID, int Output);
  /// Sets the display mode at \p Index (1 to 4 kept, else 0); 1, or 0 when
  /// out of range.
  int SetItemDisplayMode(int Index, CZRVReportItem::ZRV_REPORT_DISPLAY Display);
  /// The output at \p Index; 0 when out of range.
  int GetItemOutput(int Index) const;
  /// The display mode at \p Index; 0 when out of range.
  int GetItemDisplayMode(int Index) const;
  /// SliceX of the slicing record of the item at \p Index (the item's
  /// GetParameterX); 0 when out of range.
  int GetItemParameterX(int Index) const;
  /// SliceY at \p Index; 0 when out of range.
  int GetItemParameterY(int Index) const;
  /// SliceZ at \p Index; 0 when out of range.
  int GetItemParameterZ(int Index) const;
  /// The face number at \p Index; 0 when out of range.
  int GetItemFaceNumber(int Index) const;
  /// The face number of the first item with id \p ItemID and module
  /// \p ModuleID; 0 when none matches.
  int GetItemFaceNumber(int ItemID, int ModuleID) const;
  /// Sets the face number at \p Index; 1, or 0 when out of range.
  int SetItemFaceNumber(int Index, int Faces);
  /// 1 when the output at \p Index is 1, 2 or 3; 0 otherwise or when out of
  /// range.
  int IsItemOutput(int Index) const;
  /// The same for the first item with id \p ItemID; 0 when none has it.
  int IsItemOutput(ZRV_RESULT_ITEMS ItemID) const;
  /// 1 when some item has id \p ItemID, else 0.
  int IsItemExist(ZRV_RESULT_ITEMS ItemID) const;
  ///@}

  /// \name Extended items
  ///@{

  /// Appends a copy of \p Item; returns the new number of extended items.
  int AddItemEx(const CZRVReportItemEx& Item);
  /// The number of extended items.
  int GetItemExCount() const;
  /// Copies the extended item at \p Index; 1, or 0 when out of range.
  int GetItemEx(int Index, CZRVReportItemEx& Item) const;
  /// Sets the extended item's output to 1 when \p Output is 1, else to 0;
  /// 1, or 0 when \p Index is outside the extended items.
  int SetItemExOutput(int Index, int Output);
  /// 1 when the extended item's output is 1; 0 otherwise or out of range.
  int IsItemExOutput(int Index) const;
  ///@}

  /// \name Modules
  ///@{

  /// Appends \p ModuleID (no duplicate check); returns 1.
  int AddModuleID(int ModuleID);
  /// The number of module ids.
  int GetModuleCount() const;
  /// The module id at \p Index; -1 when out of range.
  int GetModuleID(int Index) const;
  /// Replaces the contents of \p ModuleIDList with the module ids.
  void GetModuleIDList(std::vector<int>& ModuleIDList) const;
  /// Appends, in item order, the id of every item of module \p ModuleID; the
  /// vector is not cleared first.
  void GetModuleItemIDList(int ModuleID, std::vector<ZRV_RESULT_ITEMS>& ItemIDList) const;
  /// The same with plain integers.
  void GetModuleItemIDList(int ModuleID, std::vector<int>& ItemIDList) const;
  ///@}

  // ==== Named setting libraries: clipping, slicing, view, object, capture ====
  // (described in the class comment)

  /// \name Clipping
  ///@{

  /// Replaces the library with a copy of \p Map and lists its non-empty names
  /// in key order. Items are not touched.
  void SetClippingMap(const ZRVClipMap& Map);
  /// The clipping flag of the item at \p Index; 0 for a bad index.
  int HasClippingSetting(int Index) const;
  /// The number of entries in the library (an empty name included).
  int GetClippingOptionCount() const;
  /// Copies the \p Index-th name of the option list; 1, or 0 with \p Name
  /// untouched when the index is outside the count or the option list.
  int GetClippingOption(int Index, wchar_t* Name) const;
  /// Copies the clipping name of the first item with id \p ItemID; 1, or 0
  /// when no item has it.
  int GetClippingName(ZRV_RESULT_ITEMS ItemID, wchar_t* Name) const;
  /// Copies the clipping name of the item at \p Index; 1, or 0 for a bad index.
  int GetClippingNameByIndex(int Index, wchar_t* Name) const;
  /// A copy of the record named \p Name; a default record for a name that is
  /// not in the library.
  CZRVReportItem::tagCLIPSETTING GetClippingSetting(const wchar_t* Name) const;
  /// Inserts the record, or replaces it and moves the name to the end of the
  /// option list.
  void SetClippingSetting(const wchar_t* Name, CZRVReportItem::tagCLIPSETTING Setting);
  /// Gives the item at \p Index the clipping name and the library's record of
  /// it (the default record for an unknown name); 1, or 0 for a bad index.
  int SetItemClipping(int Index, const wchar_t* Name);
  /// Erases the setting and its option; every item judged by the first item
  /// with its id to use the name then gets the empty name and the record
  /// stored under the empty name (normally the default record). 1, or 0 when
  /// the name is not in the library.
  int DeleteClippingSetting(const wchar_t* Name);
  ///@}

  /// \name Slicing
  ///@{

  /// As SetClippingMap; an empty name is listed.
  void SetSlicingMap(const ZRVSliceMap& Map);
  /// The slicing flag of the item at \p Index; 0 for a bad index.
  int HasSlicingSetting(int Index) const;
  /// The number of entries in the library.
  int GetSlicingOptionCount() const;
  /// As GetClippingOption.
  int GetSlicingOption(int Index, wchar_t* Name) const;
  /// The slicing name of the first item with id \p ItemID; 0 when none has it.
  int GetSlicingName(ZRV_RESULT_ITEMS ItemID, wchar_t* Name) const;
  /// The record named \p Name, or a default record.
  CZRVReportItem::tagSLICESETTING GetSlicingSetting(const wchar_t* Name) const;
  /// Inserts or replaces, as SetClippingSetting.
  void SetSlicingSetting(const wchar_t* Name, CZRVReportItem::tagSLICESETTING Setting);
  /// Gives the item at \p Index the slicing name and record; 1, or 0 for a
  /// bad index.
  int SetItemSlicing(int Index, const wchar_t* Name);
  /// Erases the setting and its option; items keep their names and values.
  /// 1, or 0 when the name is not in the library.
  int DeleteSlicingSetting(const wchar_t* Name);
  ///@}

  /// \name View
  ///@{

  /// As SetClippingMap; an empty name is not listed.
  void SetViewMap(const ZRVViewMap& Map);
  /// 1 when the item at \p Index has a single view or several-view records;
  /// 0 otherwise or for a bad index.
  int HasViewSetting(int Index) const;
  /// The number of entries in the library.
  int GetViewOptionCount() const;
  /// As GetClippingOption.
  int GetViewOption(int Index, wchar_t* Name) const;
  /// The single view name of the first item with id \p ItemID; 0 when none
  /// has it.
  int GetViewName(ZRV_RESULT_ITEMS ItemID, wchar_t* Name) const;
  /// The single view name of the item at \p Index; 0 for a bad index.
  int GetOneViewNameByIndex(int Index, wchar_t* Name) const;
  /// The record named \p Name, or a default record.
  CZRVReportItem::tagVIEWSETTING GetViewSetting(const wchar_t* Name) const;
  /// Inserts or replaces, as SetClippingSetting.
  void SetViewSetting(const wchar_t* Name, CZRVReportItem::tagVIEWSETTING Setting);
  /// Sets the item's view name, writes the angles and scale of the library's
  /// record (the default view for an unknown name) into its single view and
  /// raises its view flag; 1, or 0 for a bad index.
  int SetItemView(int Index, const wchar_t* Name);
  /// Erases the setting and its option; items keep their names. 1, or 0 when
  /// the name is not in the library.
  int DeleteViewSetting(const wchar_t* Name);
  /// Stores a view made of the four values under \p Name with every space
  /// turned into '_' ("Front View" becomes "Front_View").
  void SetViewSettingByProjectAngle(const wchar_t* Name, float AngleX, float AngleY, float AngleZ,
                                    float Scale);
  /// The number of several-view names of the first item with id \p ItemID and
  /// module \p ModuleID; 0 when none matches.
  int GetViewCount(ZRV_RESULT_ITEMS ItemID, int ModuleID) const;
  /// Copies the \p Index-th several-view record of the first item with id
  /// \p ItemID into \p View and returns 1; for an index outside its records
  /// also 1, with \p View unchanged. 0 when no item has the id.
  int GetViewByIndex(ZRV_RESULT_ITEMS ItemID, int Index,
                     CZRVReportItem::tagVIEWSETTING& View) const;
  /// Writes the \p Index-th several-view name of the first item with id
  /// \p ItemID into \p Name (empty for an index outside its names) and
  /// returns 1; 0 when no item has the id.
  int GetViewNameByIndex(ZRV_RESULT_ITEMS ItemID, int Index, wchar_t* Name) const;
  /// Asks the first item with id \p ItemID for the several-view record named
  /// \p Name (outputs untouched when it has none); 1 whatever it finds, 0 when
  /// no item has the id.
  int GetViewDataByName(ZRV_RESULT_ITEMS ItemID, const wchar_t* Name, double& AngleX,
                        double& AngleY, double& AngleZ, double& Scale) const;
  /// Adds \p Name to the several-view names of the first item with id
  /// \p ItemID (unless it is there); 1, or 0 when no item has the id.
  int SetItemManyView(ZRV_RESULT_ITEMS ItemID, const wchar_t* Name);
  /// Removes the several-view name \p Name and its record from the first item
  /// with id \p ItemID; 1, or 0 when no item has the id.
  int DeleteItemView(ZRV_RESULT_ITEMS ItemID, const wchar_t* Name);
  ///@}

  /// \name Object
  ///@{

  /// As SetClippingMap; an empty name is not listed.
  void SetObjectMap(const ZRVObjectMap& Map);
  /// The object flag of the item at \p Index; 0 for a bad index.
  int HasObjectSetting(int Index) const;
  /// The number of names in the option list.
  int GetObjectOptionCount() const;
  /// As GetClippingOption.
  int GetObjectOption(int Index, wchar_t* Name) const;
  /// The object name of the first item with id \p ItemID; 0 when none has it.
  int GetObjectName(ZRV_RESULT_ITEMS ItemID, wchar_t* Name) const;
  /// The object name of the item at \p Index; 0 for a bad index.
  int GetObjectNameByIndex(int Index, wchar_t* Name) const;
  /// The record named \p Name, or a default record.
  CZRVReportItem::tagOBJECTSETTING GetObjectSetting(const wchar_t* Name) const;
  /// Inserts or replaces, as SetClippingSetting.
  void SetObjectSetting(const wchar_t* Name, CZRVReportItem::tagOBJECTSETTING Setting);
  /// Gives the item at \p Index the object name and record (raising its
  /// object flag); 1, or 0 for a bad index.
  int SetItemObject(int Index, const wchar_t* Name);
  /// As DeleteClippingSetting: users are reset to the empty name.
  int DeleteObjectSetting(const wchar_t* Name);
  /// Stores \p Name and the flags in the project object setting and stores
  /// that record in the library under \p Name. The flags come in the order
  /// part, part insert, runner, cooling channel, moldbase, mold insert, melt
  /// entrance, coolant entrance, heating rod, hot-runner metal.
  void SetObjectSettingByProjectObject(const wchar_t* Name, int ShowPart, int ShowPartInsert,
                                       int ShowRunner, int ShowCoolChannel, int ShowMoldbase,
                                       int ShowMoldInsert, int ShowMeltEntrance,
                                       int ShowCoolantEntrance, int ShowHeatingRod,
                                       int ShowHotRunnerMetal);
  /// A copy of the project object setting (a default record at start).
  CZRVReportItem::tagOBJECTSETTING GetProjectObjectSetting() const;
  ///@}

  /// \name Focus capture
  ///@{

  /// As SetClippingMap; an empty name is listed.
  void SetCaptureMap(const ZRVCaptureMap& Map);
  /// Whether focus capture is in force for the item at \p Index; 0 for a bad
  /// index.
  int HasCaptureSetting(int Index) const;
  /// The number of names in the option list.
  int GetCaptureOptionCount() const;
  /// As GetClippingOption.
  int GetCaptureOption(int Index, wchar_t* Name) const;
  /// The capture name of the first item with id \p ItemID; 0 when none has it.
  int GetCaptureName(ZRV_RESULT_ITEMS ItemID, wchar_t* Name) const;
  /// The record named \p Name, or a default record.
  CZRVReportItem::tagFOCUSCAPTURE GetCaptureSetting(const wchar_t* Name) const;
  /// Inserts or replaces, as SetClippingSetting.
  void SetCaptureSetting(const wchar_t* Name, CZRVReportItem::tagFOCUSCAPTURE Setting);
  /// Gives the item at \p Index the capture name and record; 1, or 0 for a
  /// bad index.
  int SetItemCapture(int Index, const wchar_t* Name);
  /// Erases the setting and its option; items keep theirs. 1, or 0 when the
  /// name is not in the library.
  int DeleteCaptureSetting(const wchar_t* Name);
  ///@}

  // ==== Extended setting libraries: melt-front capture, animation, image =====
  // (described in the class comment)

  /// \name Melt-front time capture
  ///@{

  /// Replaces the library with a copy of \p Map and lists all its names, the
  /// empty one included, in key order.
  void SetMeltMap(const ZRVMeltMap& Map);
  /// The number of names in the option list.
  int GetMeltOptionCount() const;
  /// Copies the \p Index-th option; 1, or 0 with \p Name untouched.
  int GetMeltOption(int Index, wchar_t* Name) const;
  /// Copies MeltName of extended item 0; 1, or 0 when there is none.
  int GetMeltName(wchar_t* Name) const;
  /// The record named \p Name; for an unknown name a record with Count 0 and
  /// all percentages 0.
  CZRVReportItemEx::stMeltFrontTimeCapture GetMeltSetting(const wchar_t* Name) const;
  /// Inserts the record, or replaces it and moves the name to the end of the
  /// option list.
  void SetMeltSetting(const wchar_t* Name, CZRVReportItemEx::stMeltFrontTimeCapture Setting);
  /// Writes one capture percentage. A new name gets a record with Count 1 and
  /// \p Percent as its first entry, whatever \p Index is. For a known name
  /// Percentage[Index] becomes \p Percent, Count rises to Index + 1 when it
  /// is not above \p Index, and the name moves to the end of the option list;
  /// an index outside 0 to 99 changes nothing.
  void SetMeltSettingByIndex(const wchar_t* Name, int Index, double Percent);
  /// Binds the setting to extended item 0 (\p Unused is ignored): sets its
  /// MeltName, copies the record whole into its MeltCapture and sets its
  /// HasMeltCapture to 1 when the record's Count is above 0 (never back to
  /// 0). 1, or 0 when there is no extended item.
  int SetItemMelt(int Unused, const wchar_t* Name);
  /// Erases the setting and its option; 1, or 0 when the name is not in the
  /// library. Extended item 0 keeps its name.
  int DeleteMeltSetting(const wchar_t* Name);
  /// 1 when there is no extended item or extended item 0 has output 1; else 0.
  int IsOutputMelt() const;
  /// HasMeltCapture of the extended item at \p Index (an index into the
  /// extended items); 0 for an index outside them.
  int HasMeltFrontCaptureSetting(int Index) const;
  ///@}

  /// \name Animation
  ///@{

  /// As SetMeltMap.
  void SetAnimationMap(const ZRVAnimationMap& Map);
  /// The number of names in the option list.
  int GetAnimationOptionCount() const;
  /// As GetMeltOption.
  int GetAnimationOption(int Index, wchar_t* Name) const;
  /// Copies AnimationName of extended item 3; 1, or 0 when fewer than 4.
  int GetAnimationName(wchar_t* Name) const;
  /// The record named \p Name, or a default record.
  CZRVReportItemEx::stAnimationSetting GetAnimationSetting(const wchar_t* Name) const;
  /// Inserts or replaces the record as given (its Name field is kept).
  void SetAnimationSetting(const wchar_t* Name, CZRVReportItemEx::stAnimationSetting Setting);
  /// Stores a record made of \p Name and the four values.
  void SetAnimationSetting(const wchar_t* Name, int Output, double Time, double FPS,
                           int Resolution);
  /// Sets AnimationName of extended item 3 and its output to 1 when \p Output
  /// is 1, else 0; the record itself is not copied into the item. 1, or with
  /// fewer than 4 extended items logs
  /// "[ReportSetting] Can't not find Animation setting" and returns 0.
  int SetItemAnimation(int Output, const wchar_t* Name);
  /// Erases the setting and its option; when extended item 3 exists and
  /// names the setting, its name becomes "Default". 1, or 0 when the name is
  /// not in the library.
  int DeleteAnimationSetting(const wchar_t* Name);
  /// 1 when extended item 3 exists and has output 1; else 0.
  int IsOutputAnimation() const;
  ///@}

  /// \name Image
  ///@{

  /// As SetMeltMap.
  void SetImageMap(const ZRVImageMap& Map);
  /// The number of names in the option list.
  int GetImageOptionCount() const;
  /// As GetMeltOption.
  int GetImageOption(int Index, wchar_t* Name) const;
  /// Copies ImageName of extended item 5; 1, or 0 when fewer than 6.
  int GetImageName(wchar_t* Name) const;
  /// The record named \p Name, or a default record.
  CZRVReportItemEx::stImageSetting GetImageSetting(const wchar_t* Name) const;
  /// Inserts or replaces the record as given (its Name field is kept).
  void SetImageSetting(const wchar_t* Name, CZRVReportItemEx::stImageSetting Setting);
  /// Stores a record made of \p Name and the two values.
  void SetImageSetting(const wchar_t* Name, int Output, int Resolution);
  /// Sets ImageName of extended item 5; the record is not copied into the
  /// item. 1, or with fewer than 6 extended items logs
  /// "[ReportSetting] Can't not find Image setting" and returns 0.
  int SetItemImage(const wchar_t* Name);
  /// As DeleteAnimationSetting, with ImageName of extended item 5.
  int DeleteImageSetting(const wchar_t* Name);
  ///@}

  /// \name Report-wide options kept in the extended items
  ///@{

  /// Stores \p Path as the presentation template of extended item 1; 1, or 0
  /// when there are fewer than 2 extended items.
  int SetPPTTemplate(const wchar_t* Path);
  /// Copies the presentation template path; 1, or 0 with \p Path untouched
  /// when there are fewer than 2 extended items.
  int GetPPTTemplate(wchar_t* Path) const;
  /// Stores the warpage display scale in extended item 4; 1, or 0 when there
  /// are fewer than 5 extended items.
  int SetWarpageScale(double Scale);
  /// The warpage display scale; 0.0 when there are fewer than 5 extended items.
  double GetWarpageScale() const;
  /// 1 when extended item 2 has output 1, else 0. With fewer than 3 extended
  /// items logs "[ReportItemManager] cant find Output3DPDF item index 2" and
  /// returns 0.
  int IsOutput3DPDF() const;
  /// Sets extended item 2's output to 1 for \p Output 1 and to 0 otherwise.
  /// With fewer than 3 extended items logs the message of IsOutput3DPDF and
  /// changes nothing.
  void SetIsOutput3DPDF(int Output);
  ///@}

  /// \name Setting usage, defaults and project views
  /// The usage checks and default switches of the five item libraries judge
  /// each item i by the setting name of the first item with item i's result
  /// item id, and compare names exactly. A switch judges every item before it
  /// changes any, so items that share an id are switched together.
  ///@{

  /// 1 when some item, judged by the first item with its id, uses the
  /// clipping setting \p Name; else 0 (also for no items).
  int CheckClippingUsed(const wchar_t* Name) const;
  /// As CheckClippingUsed, with the slicing name.
  int CheckSlicingUsed(const wchar_t* Name) const;
  /// As CheckClippingUsed, with the object name.
  int CheckObjectUsed(const wchar_t* Name) const;
  /// As CheckClippingUsed, with the capture name.
  int CheckCaptureUsed(const wchar_t* Name) const;
  /// 1 when some item, judged by the first item with its id, has \p Name as
  /// its single view name (exact), or some item's own several-view names hold
  /// \p Name ignoring letter case; else 0.
  int CheckViewUsed(const wchar_t* Name) const;
  /// 1 when MeltName of extended item 0 equals \p Name; without extended
  /// items only the empty name counts as used.
  int CheckMeltUsed(const wchar_t* Name) const;
  /// Assigns the clipping setting "Default" to every item that uses \p Name
  /// (the library's "Default" record, or default values when it has none).
  void ChangeClippingToDefault(const wchar_t* Name);
  /// As ChangeClippingToDefault, for slicing.
  void ChangeSlicingToDefault(const wchar_t* Name);
  /// As ChangeClippingToDefault, for focus capture.
  void ChangeCaptureToDefault(const wchar_t* Name);
  /// Assigns the object setting \p Fallback to every item that uses \p Name.
  void ChangeObjectToDefault(const wchar_t* Name, const wchar_t* Fallback);
  /// Assigns the view \p Fallback to every item whose single view is \p Name;
  /// several-view names and records are not changed.
  void ChangeViewToDefault(const wchar_t* Name, const wchar_t* Fallback);
  /// When MeltName of extended item 0 equals \p Name, binds the melt-front
  /// setting "Default" to it.
  void ChangeMeltToDefault(const wchar_t* Name);
  /// Lists the view library's non-empty names afresh in key order, then
  /// resolves every item's views against the library. An item without
  /// several-view names takes the angles and scale of its single view's
  /// record (and its view flag is raised), or loses its single view name
  /// when the library has no such record. An item with several-view names
  /// gets a copy of the record of each non-empty name appended to its view
  /// records; a name the library lacks clears the item's single view name.
  /// Records are appended to those the item holds: a second call appends
  /// them again.
  void SetViewMapByProject();
  /// Appends to every item's view records the library's record for each of
  /// its several-view names, in list order (a default record with an empty
  /// name for a name the library lacks). Nothing is cleared first: a second
  /// call appends the records again.
  void SetAllManyViewData();
  ///@}

  // ==== Report engine data ====================================================
  // (described in the class comment)

  /// \name Per-item data by item id and module id
  /// Each addresses the first item whose item id and module id both match.
  /// When none does, setters change nothing and getters touch no output.
  ///@{

  /// Gives the item its legend: maximum, minimum, their colours, unit and
  /// digits, in this order.
  void SetItemLegendData(int ItemID, int ModuleID, double MaxValue, double MinValue,
                         unsigned long MaxColor, unsigned long MinColor, const wchar_t* Unit,
                         int Digits);
  /// Copies the item's six legend values into the outputs (the unit whole
  /// into \p Unit); every output untouched when no item matches.
  void GetItemLegendData(int ItemID, int ModuleID, double& MaxValue, double& MinValue,
                         unsigned long& MaxColor, unsigned long& MinColor, wchar_t* Unit,
                         int& Digits) const;
  /// The item's own result image test (which looks for the file on disk and,
  /// for an animation, moves the stored path to the animation's extension);
  /// 0 when no item matches.
  int HasResultImage(int ItemID, int ModuleID);
  /// 1 when the item's statistics image path names an existing file; 0 when
  /// it does not or no item matches.
  int HasStatImage(int ItemID, int ModuleID) const;
  /// Stores the item's result image path.
  void SetResultImagePath(int ItemID, int ModuleID, const wchar_t* Path);
  /// Copies the item's result image path into \p Path.
  void GetResultImagePath(int ItemID, int ModuleID, wchar_t* Path) const;
  /// Stores the item's statistics image path.
  void SetStatImagePath(int ItemID, int ModuleID, const wchar_t* Path);
  /// Copies the item's statistics image path into \p Path.
  void GetStatImagePath(int ItemID, int ModuleID, wchar_t* Path) const;
  /// Stores both image paths of the item at once.
  void SetItemImagePath(int ItemID, int ModuleID, const wchar_t* ResultPath,
                        const wchar_t* StatPath);
  /// Copies both image paths of the item into the two buffers.
  void GetItemImagePath(int ItemID, int ModuleID, wchar_t* ResultPath, wchar_t* StatPath) const;
  /// Stores the item's description.
  void SetDescription(int ItemID, int ModuleID, const wchar_t* Text);
  /// Copies the item's description into \p Text.
  void GetDescription(int ItemID, int ModuleID, wchar_t* Text) const;
  /// Copies the item's display item name into \p Text.
  void GetDisItemName(int ItemID, int ModuleID, wchar_t* Text) const;
  /// Stores the item's display item name, display module name and description.
  void SetItemDisplayData(int ItemID, int ModuleID, const wchar_t* ItemName,
                          const wchar_t* ModuleName, const wchar_t* Description);
  /// Copies the display item name, display module name and description into
  /// the three buffers.
  void GetItemDisplayData(int ItemID, int ModuleID, wchar_t* ItemName, wchar_t* ModuleName,
                          wchar_t* Description) const;
  ///@}

  /// \name Per-item data by module id and item id
  /// The same item as above, the two numbers given the other way round.
  ///@{

  /// Stores the item's output air trap flag; nothing when no item matches.
  void SetOutputAirTrap(int ModuleID, int ItemID, int Output);
  /// The item's output air trap flag; 0 when no item matches.
  int GetOutputAirTrap(int ModuleID, int ItemID) const;
  /// Stores the item's output weld line flag; nothing when no item matches.
  void SetOutputWeldLine(int ModuleID, int ItemID, int Output);
  /// The item's output weld line flag; 0 when no item matches.
  int GetOutputWeldLine(int ModuleID, int ItemID) const;
  /// Stores the number of items on one report page; 1, or 0 when no item
  /// matches.
  int SetItemCountOf1Page(int ModuleID, int ItemID, int Count);
  /// The number of items on one report page; -1 when no item matches.
  int GetItemCountOf1Page(int ModuleID, int ItemID) const;
  /// Stores the statistics minimum; 1, or 0 when no item matches.
  int SetStatMinValue(int ModuleID, int ItemID, double Value);
  /// Stores the statistics maximum; 1, or 0 when no item matches.
  int SetStatMaxValue(int ModuleID, int ItemID, double Value);
  /// Stores the statistics average; 1, or 0 when no item matches.
  int SetStatAvgValue(int ModuleID, int ItemID, double Value);
  /// The statistics minimum; 1e15 when no item matches.
  double GetStatMinValue(int ModuleID, int ItemID) const;
  /// The statistics maximum; -1e15 when no item matches.
  double GetStatMaxValue(int ModuleID, int ItemID) const;
  /// The statistics average; -1e15 when no item matches.
  double GetStatAvgValue(int ModuleID, int ItemID) const;
  /// Stores the item's tag name; 1, or 0 when no item matches.
  int SetTagName(int ModuleID, int ItemID, const wchar_t* Tag);
  /// Copies the item's tag name into \p Tag; 1, or 0 (buffer untouched) when
  /// no item matches.
  int GetTagName(int ModuleID, int ItemID, wchar_t* Tag) const;
  /// 1 when the item's tag name is not empty; 0 otherwise or when no item
  /// matches.
  int HasTagName(int ModuleID, int ItemID) const;
  /// Stores whether the project has this item's result; 1, or 0 when no item
  /// matches.
  int SetIsProjectHasThisItem(int ModuleID, int ItemID, int Has);
  /// Whether the project has this item's result; 0 when no item matches.
  int GetIsProjectHasThisItem(int ModuleID, int ItemID) const;
  /// Stores whether the report outputs this item; 1, or 0 when no item
  /// matches.
  int SetIsReportOutputThisItem(int ModuleID, int ItemID, int Output);
  /// Whether the report outputs this item; 0 when no item matches.
  int GetIsReportOutputThisItem(int ModuleID, int ItemID) const;
  ///@}

  /// \name Per-item data by index
  ///@{

  /// Stores the output air trap flag of the item at \p Index; nothing (and no
  /// message) when the index is outside the item list.
  void SetOutputAirTrapByIndex(int Index, int Output);
  /// The output air trap flag of the item at \p Index. Outside the item list:
  /// logs "[ReportItemManager] cant find AirTrap item, index <Index>" and
  /// returns 0.
  int GetOutputAirTrapByIndex(int Index) const;
  /// Stores the output weld line flag of the item at \p Index. Outside the
  /// item list: logs "[ReportItemManager] cant find WeldLine item, index
  /// <Index>" and changes nothing.
  void SetOutputWeldLineByIndex(int Index, int Output);
  /// The output weld line flag of the item at \p Index. Outside the item
  /// list: logs "[ReportItemManager] cant find WeldLine item, index <Index>"
  /// and returns 0.
  int GetOutputWeldLineByIndex(int Index) const;

  /// 1 when \p ItemID is a fibre-orientation layer result of the shell lists
  /// (18-46, 66-94, 115-143, 162-190, 211-239, 259-287, bounds included),
  /// else 0. Reads no state.
  static int IsShellFiberLayerItem(int ItemID);
  ///@}

  /// \name Process results
  /// Thirteen values, 0.0 at start, stored and returned as given.
  ///@{

  /// Stores the filling time.
  void SetFillingTime(double Value);
  /// The filling time; 0.0 until set.
  double GetFillingTime() const;
  /// Stores the maximum melt-front temperature.
  void SetMaxMeltFrontTemperature(double Value);
  /// The maximum melt-front temperature; 0.0 until set.
  double GetMaxMeltFrontTemperature() const;
  /// Stores the average melt-front temperature.
  void SetAvgMeltFrontTemperature(double Value);
  /// The average melt-front temperature; 0.0 until set.
  double GetAvgMeltFrontTemperature() const;
  /// Stores the pressure at the end of filling.
  void SetEOFFillingPressure(double Value);
  /// The pressure at the end of filling; 0.0 until set.
  double GetEOFFillingPressure() const;
  /// Stores the maximum sprue pressure.
  void SetMaxSpruePressure(double Value);
  /// The maximum sprue pressure; 0.0 until set.
  double GetMaxSpruePressure() const;
  /// Stores the maximum clamping force while filling.
  void SetMaxFillingClampingForce(double Value);
  /// The maximum clamping force while filling; 0.0 until set.
  double GetMaxFillingClampingForce() const;
  /// Stores the maximum clamping force while packing.
  void SetMaxPackingClampingForce(double Value);
  /// The maximum clamping force while packing; 0.0 until set.
  double GetMaxPackingClampingForce() const;
  /// Stores the minimum warpage displacement in X.
  void SetWarpMinXDisplacement(double Value);
  /// The minimum warpage displacement in X; 0.0 until set.
  double GetWarpMinXDisplacement() const;
  /// Stores the maximum warpage displacement in X.
  void SetWarpMaxXDisplacement(double Value);
  /// The maximum warpage displacement in X; 0.0 until set.
  double GetWarpMaxXDisplacement() const;
  /// Stores the minimum warpage displacement in Y.
  void SetWarpMinYDisplacement(double Value);
  /// The minimum warpage displacement in Y; 0.0 until set.
  double GetWarpMinYDisplacement() const;
  /// Stores the maximum warpage displacement in Y.
  void SetWarpMaxYDisplacement(double Value);
  /// The maximum warpage displacement in Y; 0.0 until set.
  double GetWarpMaxYDisplacement() const;
  /// Stores the minimum warpage displacement in Z.
  void SetWarpMinZDisplacement(double Value);
  /// The minimum warpage displacement in Z; 0.0 until set.
  double GetWarpMinZDisplacement() const;
  /// Stores the maximum warpage displacement in Z.
  void SetWarpMaxZDisplacement(double Value);
  /// The maximum warpage displacement in Z; 0.0 until set.
  double GetWarpMaxZDisplacement() const;
  ///@}

  /// \name Packing pressure profile and gate freeze times
  ///@{

  /// Appends the pair (\p First, \p Second) to the packing pressure profile.
  void AddPackingPressureProfile(double First, double Second);
  /// The number of pairs in the packing pressure profile.
  int GetPackingPressureProfileCount() const;
  /// Copies the \p Index-th pair; 1, or 0 with both outputs untouched when
  /// the index is outside the profile.
  int GetPackingPressureProfile(int Index, double& First, double& Second) const;
  /// Appends a gate freeze time.
  void AddGateFreezeTime(double Time);
  /// The number of gate freeze times.
  int GetGateFreezeTimeCount() const;
  /// Copies the \p Index-th gate freeze time; 1, or 0 with \p Time untouched
  /// when the index is outside the list.
  int GetGateFreezeTime(int Index, double& Time) const;
  ///@}

  /// \name Summary tables
  ///@{

  /// For table 0, 1 or 2, appends row by row the entries of \p Data's two
  /// columns to that summary table. When the second column is shorter than
  /// the first, only the rows both columns have are appended (the rest of the
  /// first column is dropped). Any other table number: nothing.
  void SetSummaryData(int Table, const ZRVSummaryData& Data);
  /// A copy of summary table 0, 1 or 2; two empty columns for any other
  /// number.
  ZRVSummaryData GetSummaryData(int Table) const;
  /// Replaces the mesh, process and material information whole.
  void SetSummaryTableData(const ZRVSummaryTableData& Data);
  ///@}

  /// \name Project material information (from the summary table data)
  ///@{

  /// Copies the mesh name into \p Name.
  void GetMeshName(wchar_t* Name) const;
  /// Copies the process name into \p Name.
  void GetProcessName(wchar_t* Name) const;
  /// Copies the computation parameter name into \p Name.
  void GetComParamName(wchar_t* Name) const;
  /// Copies the first part material name into \p Name; 1, or 0 with the
  /// buffer untouched when there is none.
  int GetMaterialName(wchar_t* Name) const;
  /// The number of part-insert material names (the same as
  /// GetMaterialPartInsertCount).
  int GetMaterialCount() const;
  /// The number of part material names.
  int GetMaterialPartCount() const;
  /// The number of part-insert material names.
  int GetMaterialPartInsertCount() const;
  /// The number of wire material names.
  int GetMaterialWireCount() const;
  /// Copies the \p Index-th part material name; 1, or 0 with the buffer
  /// untouched when the index is outside the list.
  int GetMaterialPartName(int Index, wchar_t* Name) const;
  /// Copies the \p Index-th part-insert material name; 1, or 0 with the
  /// buffer untouched when the index is outside the list.
  int GetMaterialPartInsertName(int Index, wchar_t* Name) const;
  /// Copies the \p Index-th wire material name; 1, or 0 with the buffer
  /// untouched when the index is outside the list.
  int GetMaterialWireName(int Index, wchar_t* Name) const;
  ///@}

  /// \name Model image paths
  /// Seven paths, empty at start, stored and returned as given.
  ///@{

  /// Stores the shaded model image path; null stores the empty path.
  void SetShadedModelPath(const wchar_t* Path);
  /// Copies the shaded model image path (empty until set) into \p Path.
  void GetShadedModelPath(wchar_t* Path) const;
  /// Stores the mesh quality image path; null stores the empty path.
  void SetMeshQualityPath(const wchar_t* Path);
  /// Copies the mesh quality image path (empty until set) into \p Path.
  void GetMeshQualityPath(wchar_t* Path) const;
  /// Stores the thickness image path; null stores the empty path.
  void SetThickPath(const wchar_t* Path);
  /// Copies the thickness image path (empty until set) into \p Path.
  void GetThickPath(wchar_t* Path) const;
  /// Stores the thickness statistics image path; null stores the empty path.
  void SetStatThickPath(const wchar_t* Path);
  /// Copies the thickness statistics image path (empty until set) into \p Path.
  void GetStatThickPath(wchar_t* Path) const;
  /// Stores the node image path; null stores the empty path.
  void SetNodePath(const wchar_t* Path);
  /// Copies the node image path (empty until set) into \p Path.
  void GetNodePath(wchar_t* Path) const;
  /// Stores the first wire frame image path; null stores the empty path.
  void SetWireFrame1Path(const wchar_t* Path);
  /// Copies the first wire frame image path (empty until set) into \p Path.
  void GetWireFrame1Path(wchar_t* Path) const;
  /// Stores the second wire frame image path; null stores the empty path.
  void SetWireFrame2Path(const wchar_t* Path);
  /// Copies the second wire frame image path (empty until set) into \p Path.
  void GetWireFrame2Path(wchar_t* Path) const;
  ///@}

  /// \name Image data tables and melt-front capture pictures
  ///@{

  /// For table 1 to 4, appends \p Key and \p Value to that table (a repeated
  /// key is appended again); any other number: nothing.
  void SetImgData(int Table, const wchar_t* Key, const wchar_t* Value);
  /// Empties \p Value, then for table 1, 2 or 3 copies the value beside the
  /// first key equal to \p Key (exact, case-sensitive). \p Value stays empty
  /// when the key is absent, for table 4 (read by position only) and for any
  /// other number.
  void GetImgData(int Table, const wchar_t* Key, wchar_t* Value) const;
  /// The number of melt-front capture points of extended item 0; 0 when
  /// there is no extended item.
  int GetMeltFrontTimeCaptureCount() const;
  /// The \p Index-th capture percentage of extended item 0 (also beyond its
  /// count, within the record's 100 places); -1.0 when there is no extended
  /// item or \p Index is outside 0 to 99.
  double GetMeltFrontTimeCapture(int Index) const;
  /// Copies the key and value at position \p Index of image data table 4;
  /// both buffers untouched when the index is outside that table.
  void GetMeltFrontTimeCaptureImage(int Index, wchar_t* Key, wchar_t* Value) const;
  ///@}

  /// \name Animation paths
  /// Modules 1 to 7, 13, 17, 19 and 20 have a module animation slot; the same
  /// modules except 20 have an XY animation slot. Other modules (0 and 18
  /// among them) have none.
  ///@{

  /// Stores \p Path in the module's animation slot; nothing without a slot.
  void SetModuleAnimPath(int ModuleID, const wchar_t* Path);
  /// Copies the module's animation path (also when empty); 1, or 0 with the
  /// buffer untouched when the module has no slot.
  int GetModuleAnimPath(int ModuleID, wchar_t* Path) const;
  /// Stores \p Path in the module's XY animation slot; nothing without a
  /// slot.
  void SetXYAnimPath(int ModuleID, const wchar_t* Path);
  /// Copies the module's XY animation path (also when empty); 1, or 0 with
  /// the buffer untouched when the module has no XY slot.
  int GetXYAnimPath(int ModuleID, wchar_t* Path) const;
  ///@}

  /// \name XY curves and animation data
  ///@{

  /// Removes the stored curve whose SubKey and Key both equal \p Curve's (the
  /// curves behind it move up), then appends \p Curve.
  void SetXYCurveData(const ZRVXYCurveData& Curve);
  /// Copies the first stored curve whose Key equals \p Key; 1, or 0 with
  /// \p Curve untouched when none does.
  int GetXYCurveData(int Key, ZRVXYCurveData& Curve) const;
  /// Stores the report engine's two animation data values (-1 and 0 at
  /// start). They are not read back here; they travel with copies of the
  /// document.
  void SetAnimationData(int First, int Second);
  ///@}

  /// \name Synchronisation
  ///@{

  /// Copies the settings of \p Other into this document and keeps this
  /// document's engine data: project type; project, installation and report
  /// paths; file version, id, name and date; file project and application
  /// types; created by, remark, company name and web site, logo path, author
  /// name and e-mail, template name, summary; report type; the items (with
  /// their per-item engine data), extended items and module ids; the
  /// clipping, view, object, capture, melt-front and slicing libraries with
  /// their option lists; the project object setting. Not copied: thermoset
  /// run, valve pin, cover logo, run fields, image extension, summary table
  /// data, model image paths, the animation and image libraries and every
  /// project-wide engine value. A null \p Other changes nothing.
  void SyncReportEngineData(const CZRVReportItemManager* Other);
  ///@}

private:
  /// The document's data (src/manager/DocumentData.h); a copy of the
  /// document copies it whole.
  struct Impl;
  // The template reader and writer reach the data and the items' names
  // through this one internal class.
  friend class ZRVDocumentAccess;

  // ---- The item list and its lookup indexes ------------------------------------
  // Every insertion, erasure or replacement of items goes through these
  // members, which keep the indexes in step with the list, so that a lookup
  // of "the first item with" an id, an id and module, or a name costs a search
  // in a table instead of a walk of the list.
  /// Appends a copy of \p Item.
  void appendItem(CZRVReportItem&& Item);
  /// Enters the last item of the list into the indexes.
  void indexLastItem();
  /// Erases the item at \p Position; later items move up.
  void eraseItem(std::size_t Position);
  /// Replaces the item at \p Position by a copy of \p Item.
  void replaceItem(std::size_t Position, const CZRVReportItem& Item);
  /// Replaces the whole list by a copy of the items of \p Source.
  void assignItems(const CZRVReportItemManager& Source);
  /// Empties the list.
  void clearItems();
  /// Rebuilds the indexes by id and by id and module from the list, and marks
  /// the name index out of date.
  void reindexItems();
  /// Position of the first item with id \p ItemID; -1 when no item has it.
  int firstIndexWithID(int ItemID) const;
  /// Position of the first item with id \p ItemID and module \p ModuleID;
  /// -1 when there is none.
  int firstIndexWith(int ItemID, int ModuleID) const;
  /// Position of the first item of module \p ModuleID whose item name or save
  /// name equals \p Name as GetItemIndex(int, const wchar_t*) compares them
  /// (spaces removed, letter case ignored); -1 when there is none.
  int firstIndexNamed(int ModuleID, const std::wstring& Name) const;
  /// The extended item at \p Position, or null when the list is shorter.
  CZRVReportItemEx* itemExAt(int Position);
  const CZRVReportItemEx* itemExAt(int Position) const;

  std::unique_ptr<Impl> Doc;
};

#endif // ZRVREPORT_ZRVREPORTITEMMANAGER_H
