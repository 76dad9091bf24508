/// \file
/// \brief One result item as it goes into an analysis report, with the report
/// enumerations and the named setting records it carries.
#ifndef ZRVREPORT_ZRVREPORTITEM_H
#define ZRVREPORT_ZRVREPORTITEM_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVResultItems.h"

class ZRVDocumentAccess;

/// One simulation result item (for example the melt-front time of the flow
/// module) with its report settings: output kind, display mode, the named
/// clipping, slicing, view, object and focus-capture settings attached to it,
/// and the data the report engine attaches while a report is produced.
///
/// The settings document (CZRVReportItemManager) keeps items by value: it
/// copies an item in and hands out copies. Every setter stores its value as
/// given unless its comment says otherwise; nothing is checked. Text inputs
/// given as a null pointer are taken as the empty string. Getters that fill a
/// caller's buffer copy the whole text with its terminator; the caller
/// provides room (256 characters hold every name).
///
/// Start values of a new item (the getters report them until set):
/// | what | start value |
/// |---|---|
/// | item id | 0 (no catalogue item) |
/// | module id | -1 (#ZRV_MODULE_NONE) |
/// | output | 1 (#ZRV_OUTPUT_PNG, a still image) |
/// | display mode | 0 (#ZRV_DISPLAY_SURFACE) |
/// | X, Y, Z values (GetParameterValueX ...) | 1, 1, 1 |
/// | face number | 10 |
/// | item count of one page | 1 |
/// | air trap, weld line, project-has and report-outputs flags | 0 |
/// | clipping, view, object and slicing flags | 0 (nothing attached) |
/// | held records | the record defaults (see each record) |
/// | legend, statistics | 0.0; colours 0; digits 0 |
/// | every text | empty |
class ZRVREPORT_EXPORT CZRVReportItem {
  // A template load moves the names it decoded into the item it builds and
  // a save reads them in place, both through this one internal class.
  friend class ZRVDocumentAccess;

public:
  /// How an item goes into the report ("Output" of a template item line).
  enum ZRV_REPORT_OUTPUT : std::int32_t {
    ZRV_OUTPUT_OFF = 0, ///< not put into the report
    ZRV_OUTPUT_PNG = 1, ///< still image (PNG)
    ZRV_OUTPUT_GIF = 2, ///< animation (GIF)
    ZRV_OUTPUT_AVI = 3  ///< animation (AVI)
  };

  /// How the result is displayed when its image is made ("DisplayMode" of a
  /// template item line). 4 is accepted and kept although the template's
  /// label names no meaning for it.
  enum ZRV_REPORT_DISPLAY : std::int32_t {
    ZRV_DISPLAY_SURFACE = 0,    ///< surface result
    ZRV_DISPLAY_SLICING = 1,    ///< slicing
    ZRV_DISPLAY_ISOSURFACE = 2, ///< isosurface
    ZRV_DISPLAY_CLIPPING = 3,   ///< clipping
    ZRV_DISPLAY_4 = 4           ///< kept as given; no meaning of its own
  };

  /// The slicing axis an item reports (derived from its slice flags; see
  /// GetSliceMode).
  enum ZRV_SLICEMODE : std::int32_t {
    ZRV_SLICE_X = 1, ///< slice plane normal to X
    ZRV_SLICE_Y = 2, ///< slice plane normal to Y
    ZRV_SLICE_Z = 3  ///< slice plane normal to Z
  };

  /// The clipping axis an item reports (derived from ClipBy; see GetClipMode).
  enum ZRV_CLIPMODE : std::int32_t {
    ZRV_CLIP_X = 1, ///< clipped by X
    ZRV_CLIP_Y = 2, ///< clipped by Y
    ZRV_CLIP_Z = 3  ///< clipped by Z
  };

  /// A named clipping setting ([ClippingSetting] line). The member
  /// initialisers are the defaults: clip by X at 50 percent on all three
  /// ranges, every flag off.
  struct tagCLIPSETTING {
    std::int32_t ClipBy = 1;  ///< axis the model is clipped by: 1 X, 2 Y, 3 Z
    std::int32_t KeepX = 0;   ///< clipping along X on (1) or off (0)
    std::int32_t KeepY = 0;   ///< clipping along Y on (1) or off (0)
    std::int32_t KeepZ = 0;   ///< clipping along Z on (1) or off (0)
    double RangeX = 50.0;     ///< X clipping plane, percent of the model's extent (0-100)
    double RangeY = 50.0;     ///< Y clipping plane, percent of the model's extent (0-100)
    double RangeZ = 50.0;     ///< Z clipping plane, percent of the model's extent (0-100)
    std::int32_t Inverse = 0; ///< keep the other side of the plane (1) or not (0)
    std::wstring Name;        ///< setting name, the record's key in the library
  };

  /// A named slicing setting ([SlicingSetting] line). Defaults: no slice
  /// plane on, every position at 50 percent.
  struct tagSLICESETTING {
    std::int32_t SliceX = 0; ///< slice plane normal to X on (1) or off (0)
    std::int32_t SliceY = 0; ///< slice plane normal to Y on (1) or off (0)
    std::int32_t SliceZ = 0; ///< slice plane normal to Z on (1) or off (0)
    double RangeX = 50.0;    ///< position of the X slice, percent (0-100)
    double RangeY = 50.0;    ///< position of the Y slice, percent (0-100)
    double RangeZ = 50.0;    ///< position of the Z slice, percent (0-100)
    std::wstring Name;       ///< setting name, the record's key in the library
  };

  /// A named view ([ViewSetting] line): rotation in degrees about X, Y, Z and
  /// a zoom. Defaults: 90, 0, 0 degrees at scale 1.0.
  struct tagVIEWSETTING {
    double AngleX = 90.0; ///< rotation about X, degrees (0-360)
    double AngleY = 0.0;  ///< rotation about Y, degrees (0-360)
    double AngleZ = 0.0;  ///< rotation about Z, degrees (0-360)
    double Scale = 1.0;   ///< zoom (0.0-10.0)
    std::wstring Name;    ///< setting name, the record's key in the library
  };

  /// A named visible-object setting ([ObjectSetting] line): ten visibility
  /// flags, 1 shown and 0 hidden, all 0 by default.
  struct tagOBJECTSETTING {
    std::int32_t ShowRunner = 0;          ///< runner shown
    std::int32_t ShowPart = 0;            ///< part shown
    std::int32_t ShowPartInsert = 0;      ///< part insert shown
    std::int32_t ShowCoolChannel = 0;     ///< cooling channels shown
    std::int32_t ShowMoldbase = 0;        ///< moldbase shown
    std::int32_t ShowMoldInsert = 0;      ///< mold insert shown
    std::int32_t ShowMeltEntrance = 0;    ///< melt entrance shown
    std::int32_t ShowCoolantEntrance = 0; ///< coolant entrance shown
    std::int32_t ShowHeatingRod = 0;      ///< heating rods shown
    std::int32_t ShowHotRunnerMetal = 0;  ///< hot-runner metal shown
    std::wstring Name;                    ///< setting name, the record's key in the library
  };

  /// A named focus-capture setting ([FocusCapture] line); all values 0 by
  /// default.
  struct tagFOCUSCAPTURE {
    std::int32_t Capture = 0; ///< focus capture on, as written in the file
    std::int32_t Width = 0;   ///< width of the captured image
    std::int32_t Height = 0;  ///< height of the captured image
    /// Focus capture in force: an item storing the record sets it to 1 when
    /// Width > 0 and Height > 0, else 0. Not written to the file.
    std::int32_t FocusOn = 0;
    std::wstring Name; ///< setting name, the record's key in the library
  };

  /// \name Construction, copy and move
  ///@{

  /// A new item with the start values listed in the class description.
  CZRVReportItem();
  /// Copies every field, the several-view lists included.
  CZRVReportItem(const CZRVReportItem& Other);
  /// Replaces every field by a copy of \p Other's, the several-view lists
  /// included.
  CZRVReportItem& operator=(const CZRVReportItem& Other);
  /// Moves every field; \p Other is left as a valid item with unspecified
  /// names.
  CZRVReportItem(CZRVReportItem&& Other) noexcept;
  /// Moves every field of \p Other into this item; \p Other is left as a
  /// valid item with unspecified names.
  CZRVReportItem& operator=(CZRVReportItem&& Other) noexcept;
  /// Releases the item's texts and lists.
  virtual ~CZRVReportItem();
  ///@}

  /// \name Identity and names
  /// The item's id, module and names. The names are the item's own fields,
  /// independent of the names inside the held setting records.
  ///@{

  /// Stores the result item id (not checked against the catalogue).
  void SetItemID(ZRV_RESULT_ITEMS ItemID);
  /// The result item id; 0 until set.
  ZRV_RESULT_ITEMS GetItemID() const;
  /// Stores the item name, the item's key as written in the template.
  void SetItemName(const std::wstring& Name);
  /// Stores the item name; null stores the empty name.
  void SetItemName(const wchar_t* Name);
  /// The item name; empty until set. A template load leaves it empty and
  /// stores the line's key as the save name.
  std::wstring GetItemName() const;
  /// Stores the save name: an alternative key name, matched like the item
  /// name by the document's lookup by name
  /// (CZRVReportItemManager::GetItemIndex(int, const wchar_t*)) and written
  /// as the key of the item's template line. Null stores the empty name.
  void SetItemSaveName(const wchar_t* Name);
  /// The save name; empty until set. For an item a template load made, the
  /// key of its line ("MeltFrontTime").
  std::wstring GetItemSaveName() const;
  /// Stores the item name shown in the report; null stores the empty name.
  void SetDisItemName(const wchar_t* Name);
  /// The item name shown in the report; empty until set.
  std::wstring GetDisItemName() const;
  /// Stores the module name shown in the report; null stores the empty name.
  void SetDisModuleName(const wchar_t* Name);
  /// The module name shown in the report; empty until set.
  std::wstring GetDisModuleName() const;
  /// Stores the result module id (not checked).
  void SetModuleID(ZRV_RESULT_MODULES ModuleID);
  /// The item's module; -1 (#ZRV_MODULE_NONE) for an item without a module,
  /// the start value.
  ZRV_RESULT_MODULES GetModuleID() const;
  ///@}

  /// \name Output and display
  /// How the item goes into the report and the numbers of its template item
  /// line.
  ///@{

  /// Stores 1, 2 and 3 (#ZRV_REPORT_OUTPUT) unchanged and any other value as
  /// 0 (off).
  void SetOutput(int Output);
  /// The output kind: 0 off, 1 PNG image (the start value), 2 GIF, 3 AVI.
  int GetOutput() const;
  /// 1 when the output is 1, 2 or 3, else 0. A new item is output (1).
  int IsOutput() const;
  /// Stores 1 to 4 (#ZRV_REPORT_DISPLAY) unchanged and any other value as 0
  /// (surface result).
  void SetDisplayMode(int DisplayMode);
  /// The display mode: 0 to 4; 0 (surface result) until set.
  int GetDisplayMode() const;
  /// Stores the X value (read back by GetParameterValueX, not by
  /// GetParameterX); starts at 1.
  void SetParameterX(int Value);
  /// Stores the Y value (read back by GetParameterValueY); starts at 1.
  void SetParameterY(int Value);
  /// Stores the Z value (read back by GetParameterValueZ); starts at 1.
  void SetParameterZ(int Value);
  /// The slice flag SliceX of the held slicing record, not the value given to
  /// SetParameterX (the template's item line reports the same flag); 0 for a
  /// new item.
  int GetParameterX() const;
  /// SliceY of the held slicing record; 0 for a new item.
  int GetParameterY() const;
  /// SliceZ of the held slicing record; 0 for a new item.
  int GetParameterZ() const;
  /// Stores the number of faces ("No. Faces" of the item line), as given.
  void SetFaceNumber(int FaceNumber);
  /// The number of faces; 10 until set.
  int GetFaceNumber() const;
  /// Stores the number of items on one report page, as given (a template
  /// gives 1 to 4; the item does not check).
  void SetItemCountOf1Page(int Count);
  /// The number of items on one report page; 1 until set.
  int GetItemCountOf1Page() const;
  /// Stores the air-trap flag ("AirTrap(0:Off, 1:Show)"), as given.
  void SetOutputAirTrap(int Output);
  /// The air-trap flag; 0 until set.
  int GetOutputAirTrap() const;
  /// Stores the weld-line flag ("WeldLine(0:Off, 1:Show)"), as given.
  void SetOutputWeldLine(int Output);
  /// The weld-line flag; 0 until set.
  int GetOutputWeldLine() const;
  /// Stores whether the project's results contain this item, as given.
  void SetIsProjectHasThisItem(int Has);
  /// Whether the project's results contain this item; 0 until set.
  int GetIsProjectHasThisItem() const;
  /// Stores whether the report generator output this item, as given.
  void SetIsReportOutputThisItem(int Output);
  /// Whether the report generator output this item; 0 until set.
  int GetIsReportOutputThisItem() const;
  ///@}

  /// \name Clipping
  /// The attached clipping setting: its name and a copy of its record.
  ///@{

  /// Stores the name of the attached clipping setting; null stores the empty
  /// name. The held record and the clipping flag do not change.
  void SetClippingName(const wchar_t* Name);
  /// The name of the attached clipping setting; empty until set.
  std::wstring GetClippingName() const;
  /// Sets KeepX, KeepY, KeepZ, RangeX, RangeY, RangeZ of the held record and
  /// raises HasClipping; ClipBy, Inverse and the record's name stay.
  void SetClippingSetting(int KeepX, int KeepY, int KeepZ, double RangeX, double RangeY,
                          double RangeZ);
  /// Replaces the whole held record, name included, and raises HasClipping.
  void SetClippingSetting(tagCLIPSETTING Setting);
  /// 1 when a clipping record was stored (by either SetClippingSetting),
  /// else 0; 0 for a new item.
  int HasClippingSetting() const;
  /// 2 when ClipBy is 2, 3 when it is 3, otherwise 1 (also for 0 or 7).
  ZRV_CLIPMODE GetClipMode() const;
  /// 1 when KeepX equals 1 exactly, else 0.
  int IsClipKeptX() const;
  /// 1 when KeepY equals 1 exactly, else 0.
  int IsClipKeptY() const;
  /// 1 when KeepZ equals 1 exactly, else 0.
  int IsClipKeptZ() const;
  /// 1 when Inverse equals 1 exactly, else 0.
  int IsInversed() const;
  /// RangeX of the held record; 50.0 for a new item.
  double GetClippingRangeX() const;
  /// RangeY of the held record; 50.0 for a new item.
  double GetClippingRangeY() const;
  /// RangeZ of the held record; 50.0 for a new item.
  double GetClippingRangeZ() const;
  ///@}

  /// \name Slicing
  /// The attached slicing setting: its name and a copy of its record, whose
  /// slice flags are the item's X, Y, Z flags.
  ///@{

  /// Stores the name of the attached slicing setting; null stores the empty
  /// name. The held record and the slicing flag do not change.
  void SetSlicingName(const wchar_t* Name);
  /// The name of the attached slicing setting; empty until set.
  std::wstring GetSlicingName() const;
  /// Sets SliceX, SliceY, SliceZ of the held record and raises HasSlicing;
  /// ranges and name stay.
  void SetSlicingSetting(int SliceX, int SliceY, int SliceZ);
  /// Replaces the whole held record, name included, and raises HasSlicing.
  void SetSlicingSetting(tagSLICESETTING Setting);
  /// 1 when a slicing record was stored (by either SetSlicingSetting), else
  /// 0; 0 for a new item.
  int HasSlicingSetting() const;
  /// 2 when only SliceY is set, 3 when only SliceZ is set, 1 otherwise (only
  /// SliceX, several flags or none; a flag counts as set when it is greater
  /// than 0).
  ZRV_SLICEMODE GetSliceMode() const;
  ///@}

  /// \name Views
  /// One single view (name and record) and a list of several views: their
  /// names (ViewNames, compared case-sensitively) and records (ViewRecords,
  /// whose names compare ignoring case). The two lists pair by position only
  /// where the caller keeps them so.
  ///@{

  /// Stores the name of the single view; null stores the empty name. The
  /// view record and the view flag do not change.
  void SetViewName(const wchar_t* Name);
  /// The name of the single view; empty until set.
  std::wstring GetViewName() const;
  /// Sets AngleX, AngleY, AngleZ and Scale of the single view record and
  /// raises HasView; the record's name stays.
  void SetViewSetting(double AngleX, double AngleY, double AngleZ, double Scale);
  /// Kept for the interface; changes nothing. No operation reads anything it
  /// could leave behind.
  void SetViewSettingByName(const wchar_t* Name, double AngleX, double AngleY, double AngleZ,
                            double Scale);
  /// 1 when HasView is not 0 (SetViewSetting was called) or the item has
  /// several-view records, else 0; 0 for a new item.
  int HasViewSetting() const;
  /// AngleX of the single view record; 90.0 for a new item.
  double GetViewX() const;
  /// AngleY of the single view record; 0.0 for a new item.
  double GetViewY() const;
  /// AngleZ of the single view record; 0.0 for a new item.
  double GetViewZ() const;
  /// Scale of the single view record; 1.0 for a new item.
  double GetViewScale() const;
  /// Appends \p Name to the several-view names unless an equal name
  /// (case-sensitive) is there already; null is the empty name.
  void SetManyViewName(const wchar_t* Name);
  /// Appends a record to the several-view records; no duplicate check.
  void SetManyView(tagVIEWSETTING Setting);
  /// The number of several-view names (not of records); 0 for a new item.
  int GetViewCount() const;
  /// The several-view name at \p Index; empty when the index is negative or
  /// not below GetViewCount.
  std::wstring GetViewNameByIndex(int Index) const;
  /// Copies the several-view name at \p Index into \p Name and returns 1;
  /// returns 0 and leaves the buffer alone when the index is out of range.
  int GetViewNameByIndex(int Index, wchar_t* Name) const;
  /// Copies the several-view record at \p Index and returns 1; 0 with
  /// \p Setting untouched when the index is outside the records.
  int GetViewByIndex(int Index, tagVIEWSETTING& Setting) const;
  /// AngleX of the first several-view record whose name equals \p Name
  /// ignoring case; 0.0 when none does.
  double GetViewXByName(const wchar_t* Name) const;
  /// AngleY as GetViewXByName; 0.0 when none matches.
  double GetViewYByName(const wchar_t* Name) const;
  /// AngleZ as GetViewXByName; 0.0 when none matches.
  double GetViewZByName(const wchar_t* Name) const;
  /// Scale as GetViewXByName; 1.0 when none matches.
  double GetViewScaleByName(const wchar_t* Name) const;
  /// Fills the four outputs from the first several-view record whose name
  /// equals \p Name ignoring case and returns 1; 0 with outputs untouched when
  /// none does.
  int GetViewDataByName(const wchar_t* Name, double& AngleX, double& AngleY, double& AngleZ,
                        double& Scale) const;
  /// Removes the first several-view name equal to \p Name (case-sensitive)
  /// and the record at the same position, if there is one; later entries
  /// move up. Nothing changes when no name equals it.
  void DeleteItemView(const wchar_t* Name);
  ///@}

  /// \name Visible objects
  /// The attached visible-object setting: its name and a copy of its record.
  /// Each IsShow member reads one flag of the held record and reports 1 when
  /// it equals 1 exactly, else 0 (0 for a new item).
  ///@{

  /// Stores the name of the attached object setting; null stores the empty
  /// name. The held record and the object flag do not change.
  void SetObjectName(const wchar_t* Name);
  /// The name of the attached object setting; empty until set.
  std::wstring GetObjectName() const;
  /// Replaces the held object record (ten flags and name) and raises
  /// HasObject.
  void SetObjectSetting(tagOBJECTSETTING Setting);
  /// 1 when an object record was stored by SetObjectSetting, else 0; 0 for a
  /// new item.
  int HasObjectSetting() const;
  /// 1 when ShowRunner of the held record equals 1, else 0.
  int IsShowRunner() const;
  /// 1 when ShowPart of the held record equals 1, else 0.
  int IsShowPart() const;
  /// 1 when ShowPartInsert of the held record equals 1, else 0.
  int IsShowPartInsert() const;
  /// 1 when ShowCoolChannel of the held record equals 1, else 0.
  int IsShowCoolChannel() const;
  /// 1 when ShowMoldbase of the held record equals 1, else 0.
  int IsShowMoldbase() const;
  /// 1 when ShowMoldInsert of the held record equals 1, else 0.
  int IsShowMoldInsert() const;
  /// 1 when ShowMeltEntrance of the held record equals 1, else 0.
  int IsShowMeltEntrance() const;
  /// 1 when ShowCoolantEntrance of the held record equals 1, else 0.
  int IsShowCoolantEntrance() const;
  /// 1 when ShowHeatingRod of the held record equals 1, else 0.
  int IsShowHeatingRod() const;
  /// 1 when ShowHotRunnerMetal of the held record equals 1, else 0.
  int IsShowHotRunnerMetal() const;
  ///@}

  /// \name Focus capture
  /// The attached focus-capture setting: its name, a copy of its record and
  /// the path of the captured image.
  ///@{

  /// Stores the name of the attached capture setting; null stores the empty
  /// name. The held record does not change.
  void SetCaptureName(const wchar_t* Name);
  /// The name of the attached capture setting; empty until set.
  std::wstring GetCaptureName() const;
  /// Copies the record, then sets FocusOn to 1 when Width > 0 and Height > 0,
  /// otherwise to 0 (whatever Capture says). There is no capture flag: a
  /// host tests IsFocusCapture.
  void SetCaptureSetting(tagFOCUSCAPTURE Setting);
  /// Width of the held capture record; 0 for a new item.
  int GetCaptureWidth() const;
  /// Height of the held capture record; 0 for a new item.
  int GetCaptureHeight() const;
  /// FocusOn of the held capture record: 1 when the last record stored had a
  /// width and a height above 0, else 0; 0 for a new item.
  int IsFocusCapture() const;
  /// Stores the path of the captured image, as given.
  void SetCaptureFilePath(const std::wstring& Path);
  /// The path of the captured image; empty until set.
  std::wstring GetCaptureFilePath() const;
  ///@}

  /// \name Report engine data
  /// What the report engine attaches to the item while a report is produced:
  /// image paths, description, tag, legend and statistics. None of it is
  /// written to a template.
  ///@{

  /// Stores the path of the result image (or animation); null stores the
  /// empty path.
  void SetResultImagePath(const wchar_t* Path);
  /// The result image path; empty until set. HasResultImage may have changed
  /// its extension.
  std::wstring GetResultImagePath() const;
  /// Stores the path of the statistics image; null stores the empty path.
  void SetStatImagePath(const wchar_t* Path);
  /// The statistics image path; empty until set.
  std::wstring GetStatisticImagePath() const;
  /// 1 when the statistics image path names an existing file, else 0 (also
  /// for an empty path).
  int HasStatImage() const;
  /// 1 when the result image exists on disk: the stored path is tried, then
  /// the path of the item's first view image (lower-cased, extension removed,
  /// "_view_0" and the extension of the output kind appended). With output 2
  /// or 3 the stored path has its image extension replaced by ".gif" or
  /// ".avi" on the way, and keeps that change. 0 when neither file exists.
  int HasResultImage();
  /// Stores the item's description text; null stores the empty text.
  void SetDescription(const wchar_t* Text);
  /// The description text; empty until set.
  std::wstring GetDescription() const;
  /// Stores the tag name; null stores the empty name.
  void SetTagName(const wchar_t* Name);
  /// The tag name; empty until set.
  std::wstring GetTagName() const;
  /// 1 when the tag name is not empty, else 0.
  int HasTagName() const;
  /// Sets legend maximum, minimum, maximum colour, minimum colour, unit and
  /// digits, in this order. Colours are kept as 32-bit values: higher bits
  /// of an unsigned long are dropped. A null unit is the empty text.
  void SetLegendData(double MaxValue, double MinValue, unsigned long MaxColor,
                     unsigned long MinColor, const wchar_t* Unit, int Digits);
  /// The legend maximum; 0.0 until SetLegendData.
  double GetLegendMaxValue() const;
  /// The legend minimum; 0.0 until SetLegendData.
  double GetLegendMinValue() const;
  /// The colour at the legend maximum (32-bit value); 0 until SetLegendData.
  unsigned long GetLegendMaxColor() const;
  /// The colour at the legend minimum (32-bit value); 0 until SetLegendData.
  unsigned long GetLegendMinColor() const;
  /// The unit text of the legend; empty until SetLegendData.
  std::wstring GetLegendUnit() const;
  /// The number of digits the legend shows; 0 until SetLegendData.
  int GetLegendDight() const;
  /// Stores the statistics minimum.
  void SetStatMinValue(double Value);
  /// The statistics minimum; 0.0 until set.
  double GetStatMinValue() const;
  /// Stores the statistics maximum.
  void SetStatMaxValue(double Value);
  /// The statistics maximum; 0.0 until set.
  double GetStatMaxValue() const;
  /// Stores the statistics average.
  void SetStatAvgValue(double Value);
  /// The statistics average; 0.0 until set.
  double GetStatAvgValue() const;
  ///@}

  /// \name Read-only views of the held records (for hosts and tools)
  /// Each reference stays valid while the item lives and is not changed.
  ///@{

  /// The held clipping record (the record defaults for a new item).
  const tagCLIPSETTING& GetClipRecord() const { return ClipSetting; }
  /// The held slicing record (the record defaults for a new item).
  const tagSLICESETTING& GetSliceRecord() const { return SliceSetting; }
  /// The single view record (the record defaults for a new item).
  const tagVIEWSETTING& GetViewRecord() const { return ViewSetting; }
  /// The held visible-object record (the record defaults for a new item).
  const tagOBJECTSETTING& GetObjectRecord() const { return ObjectSetting; }
  /// The held focus-capture record (the record defaults for a new item).
  const tagFOCUSCAPTURE& GetCaptureRecord() const { return CaptureSetting; }
  /// The several-view names, in order; empty for a new item.
  const std::vector<std::wstring>& GetViewNameList() const { return ViewNames; }
  /// The several-view records, in order; empty for a new item.
  const std::vector<tagVIEWSETTING>& GetViewRecordList() const { return ViewRecords; }
  /// The value given to SetParameterX; 1 for a new item.
  int GetParameterValueX() const { return ParameterX; }
  /// The value given to SetParameterY; 1 for a new item.
  int GetParameterValueY() const { return ParameterY; }
  /// The value given to SetParameterZ; 1 for a new item.
  int GetParameterValueZ() const { return ParameterZ; }
  ///@}

private:
  // The start values of a new item are these member initialisers.
  ZRV_RESULT_ITEMS ItemID = static_cast<ZRV_RESULT_ITEMS>(0);
  std::wstring ItemName;
  std::wstring SaveName;
  std::wstring DisItemName;
  std::wstring DisModuleName;
  std::int32_t Output = ZRV_OUTPUT_PNG;
  std::int32_t DisplayMode = ZRV_DISPLAY_SURFACE;
  std::int32_t ParameterX = 1;
  std::int32_t ParameterY = 1;
  std::int32_t ParameterZ = 1;
  std::int32_t FaceNumber = 10;
  std::int32_t HasClipping = 0;
  std::wstring ClippingName;
  tagCLIPSETTING ClipSetting;
  std::int32_t HasView = 0;
  std::wstring ViewName;
  std::vector<std::wstring> ViewNames;
  tagVIEWSETTING ViewSetting;
  std::vector<tagVIEWSETTING> ViewRecords;
  std::int32_t HasObject = 0;
  std::wstring ObjectName;
  tagOBJECTSETTING ObjectSetting;
  tagFOCUSCAPTURE CaptureSetting;
  std::wstring CaptureName;
  std::wstring CaptureFilePath;
  std::int32_t HasSlicing = 0;
  std::wstring SlicingName;
  tagSLICESETTING SliceSetting;
  ZRV_RESULT_MODULES ModuleID = ZRV_MODULE_NONE;
  std::wstring ResultImagePath;
  std::wstring StatImagePath;
  double LegendMaxValue = 0.0;
  double LegendMinValue = 0.0;
  std::uint32_t LegendMaxColor = 0;
  std::uint32_t LegendMinColor = 0;
  std::wstring LegendUnit;
  std::int32_t LegendDigits = 0;
  std::wstring Description;
  std::int32_t OutputAirTrap = 0;
  std::int32_t OutputWeldLine = 0;
  std::int32_t ItemCountOf1Page = 1;
  double StatMinValue = 0.0;
  double StatMaxValue = 0.0;
  double StatAvgValue = 0.0;
  std::wstring TagName;
  std::int32_t ProjectHasThisItem = 0;
  std::int32_t ReportOutputThisItem = 0;
};

/// \name Ordered maps of the named setting libraries
/// Setting name to record, in ZRVNameLess order; the settings document's
/// libraries (CZRVReportItemManager::SetClippingMap ...) take and keep them.
///@{

/// The clipping library: setting name to clipping record.
using ZRVClipMap = std::map<std::wstring, CZRVReportItem::tagCLIPSETTING, ZRVNameLess>;
/// The slicing library: setting name to slicing record.
using ZRVSliceMap = std::map<std::wstring, CZRVReportItem::tagSLICESETTING, ZRVNameLess>;
/// The view library: setting name to view record.
using ZRVViewMap = std::map<std::wstring, CZRVReportItem::tagVIEWSETTING, ZRVNameLess>;
/// The visible-object library: setting name to object record.
using ZRVObjectMap = std::map<std::wstring, CZRVReportItem::tagOBJECTSETTING, ZRVNameLess>;
/// The focus-capture library: setting name to capture record.
using ZRVCaptureMap = std::map<std::wstring, CZRVReportItem::tagFOCUSCAPTURE, ZRVNameLess>;
///@}

#endif // ZRVREPORT_ZRVREPORTITEM_H
