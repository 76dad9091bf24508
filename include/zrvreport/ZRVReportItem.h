// ZRVReportItem.h - one result item as it goes into an analysis report, with
// the report enumerations and the named setting records it carries.
#ifndef ZRVREPORT_ZRVREPORTITEM_H
#define ZRVREPORT_ZRVREPORTITEM_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVResultItems.h"

// The template writer's section builders (a friend).
namespace zrv::writer {
struct Source;
} // namespace zrv::writer

/// One simulation result item (for example the melt-front time of the flow
/// module) with its report settings: output kind, display mode, the named
/// clipping, slicing, view, object and focus-capture settings attached to it,
/// and the data the report engine attaches while a report is produced.
///
/// Text inputs given as a null pointer are taken as the empty string. Getters
/// that fill a caller's buffer copy the whole text with its terminator; the
/// caller provides room (256 characters hold every name).
class ZRVREPORT_EXPORT CZRVReportItem {
  // A template load moves the names it decoded into the item it builds.
  friend class CZRVReportTemplateProjectReader;
  // A template save reads the names of an item in place.
  friend struct zrv::writer::Source;

public:
  /// How an item goes into the report.
  enum ZRV_REPORT_OUTPUT : std::int32_t {
    ZRV_OUTPUT_OFF = 0, ///< not put into the report
    ZRV_OUTPUT_PNG = 1, ///< still image
    ZRV_OUTPUT_GIF = 2, ///< animation (GIF)
    ZRV_OUTPUT_AVI = 3  ///< animation (AVI)
  };

  /// How the result is displayed when its image is made. 4 is accepted and
  /// kept although the template's label names no meaning for it.
  enum ZRV_REPORT_DISPLAY : std::int32_t {
    ZRV_DISPLAY_SURFACE = 0,
    ZRV_DISPLAY_SLICING = 1,
    ZRV_DISPLAY_ISOSURFACE = 2,
    ZRV_DISPLAY_CLIPPING = 3,
    ZRV_DISPLAY_4 = 4
  };

  /// The slicing axis an item reports (derived from its slice flags).
  enum ZRV_SLICEMODE : std::int32_t { ZRV_SLICE_X = 1, ZRV_SLICE_Y = 2, ZRV_SLICE_Z = 3 };

  /// The clipping axis an item reports (derived from ClipBy).
  enum ZRV_CLIPMODE : std::int32_t { ZRV_CLIP_X = 1, ZRV_CLIP_Y = 2, ZRV_CLIP_Z = 3 };

  /// A named clipping setting.
  struct tagCLIPSETTING {
    std::int32_t ClipBy = 1; ///< axis the model is clipped by: 1 X, 2 Y, 3 Z
    std::int32_t KeepX = 0;  ///< clipping along X on
    std::int32_t KeepY = 0;
    std::int32_t KeepZ = 0;
    double RangeX = 50.0; ///< X clipping plane, percent of the model's extent
    double RangeY = 50.0;
    double RangeZ = 50.0;
    std::int32_t Inverse = 0; ///< keep the other side of the plane
    std::wstring Name;        ///< setting name
  };

  /// A named slicing setting.
  struct tagSLICESETTING {
    std::int32_t SliceX = 0; ///< slice plane normal to X on
    std::int32_t SliceY = 0;
    std::int32_t SliceZ = 0;
    double RangeX = 50.0; ///< position of the X slice, percent
    double RangeY = 50.0;
    double RangeZ = 50.0;
    std::wstring Name;
  };

  /// A named view: rotation in degrees about X, Y, Z and a zoom.
  struct tagVIEWSETTING {
    double AngleX = 90.0;
    double AngleY = 0.0;
    double AngleZ = 0.0;
    double Scale = 1.0;
    std::wstring Name;
  };

  /// A named visible-object setting: ten visibility flags.
  struct tagOBJECTSETTING {
    std::int32_t ShowRunner = 0;
    std::int32_t ShowPart = 0;
    std::int32_t ShowPartInsert = 0;
    std::int32_t ShowCoolChannel = 0;
    std::int32_t ShowMoldbase = 0;
    std::int32_t ShowMoldInsert = 0;
    std::int32_t ShowMeltEntrance = 0;
    std::int32_t ShowCoolantEntrance = 0;
    std::int32_t ShowHeatingRod = 0;
    std::int32_t ShowHotRunnerMetal = 0;
    std::wstring Name;
  };

  /// A named focus-capture setting.
  struct tagFOCUSCAPTURE {
    std::int32_t Capture = 0; ///< focus capture on, as written in the file
    std::int32_t Width = 0;   ///< width of the captured image
    std::int32_t Height = 0;  ///< height of the captured image
    /// Focus capture in force: an item storing the record sets it to 1 when
    /// Width > 0 and Height > 0, else 0. Not written to the file.
    std::int32_t FocusOn = 0;
    std::wstring Name;
  };

  CZRVReportItem();
  CZRVReportItem(const CZRVReportItem& Other);
  CZRVReportItem& operator=(const CZRVReportItem& Other);
  /// Moves every field; \p Other is left as a valid item with unspecified
  /// names.
  CZRVReportItem(CZRVReportItem&& Other) noexcept;
  CZRVReportItem& operator=(CZRVReportItem&& Other) noexcept;
  virtual ~CZRVReportItem();

  // ---- Identity and names ----------------------------------------------------
  void SetItemID(ZRV_RESULT_ITEMS ItemID);
  ZRV_RESULT_ITEMS GetItemID() const;
  void SetItemName(const std::wstring& Name);
  void SetItemName(const wchar_t* Name);
  std::wstring GetItemName() const;
  /// Alternative key name, matched like the item name by the document's
  /// lookup by name.
  void SetItemSaveName(const wchar_t* Name);
  std::wstring GetItemSaveName() const;
  void SetDisItemName(const wchar_t* Name);
  std::wstring GetDisItemName() const;
  void SetDisModuleName(const wchar_t* Name);
  std::wstring GetDisModuleName() const;
  void SetModuleID(ZRV_RESULT_MODULES ModuleID);
  /// The item's module; -1 for an item without a module.
  ZRV_RESULT_MODULES GetModuleID() const;

  // ---- Output and display ----------------------------------------------------
  /// Stores 1, 2 and 3 unchanged and any other value as 0 (off).
  void SetOutput(int Output);
  int GetOutput() const;
  /// 1 when the output is 1, 2 or 3, else 0.
  int IsOutput() const;
  /// Stores 1 to 4 unchanged and any other value as 0 (surface result).
  void SetDisplayMode(int DisplayMode);
  int GetDisplayMode() const;
  void SetParameterX(int Value);
  void SetParameterY(int Value);
  void SetParameterZ(int Value);
  /// The slice flag SliceX of the held slicing record, not the value given to
  /// SetParameterX (the template's item line reports the same flag).
  int GetParameterX() const;
  /// SliceY of the held slicing record.
  int GetParameterY() const;
  /// SliceZ of the held slicing record.
  int GetParameterZ() const;
  void SetFaceNumber(int FaceNumber);
  int GetFaceNumber() const;
  void SetItemCountOf1Page(int Count);
  int GetItemCountOf1Page() const;
  void SetOutputAirTrap(int Output);
  int GetOutputAirTrap() const;
  void SetOutputWeldLine(int Output);
  int GetOutputWeldLine() const;
  void SetIsProjectHasThisItem(int Has);
  int GetIsProjectHasThisItem() const;
  void SetIsReportOutputThisItem(int Output);
  int GetIsReportOutputThisItem() const;

  // ---- Clipping --------------------------------------------------------------
  void SetClippingName(const wchar_t* Name);
  std::wstring GetClippingName() const;
  /// Sets KeepX, KeepY, KeepZ, RangeX, RangeY, RangeZ of the held record and
  /// raises HasClipping; ClipBy, Inverse and the record's name stay.
  void SetClippingSetting(int KeepX, int KeepY, int KeepZ, double RangeX, double RangeY,
                          double RangeZ);
  /// Replaces the whole held record, name included, and raises HasClipping.
  void SetClippingSetting(tagCLIPSETTING Setting);
  /// 1 when a clipping setting is attached, else 0.
  int HasClippingSetting() const;
  /// 2 when ClipBy is 2, 3 when it is 3, otherwise 1.
  ZRV_CLIPMODE GetClipMode() const;
  /// 1 when KeepX equals 1 exactly, else 0 (likewise Y and Z).
  int IsClipKeptX() const;
  int IsClipKeptY() const;
  int IsClipKeptZ() const;
  /// 1 when Inverse equals 1, else 0.
  int IsInversed() const;
  double GetClippingRangeX() const;
  double GetClippingRangeY() const;
  double GetClippingRangeZ() const;

  // ---- Slicing ---------------------------------------------------------------
  void SetSlicingName(const wchar_t* Name);
  std::wstring GetSlicingName() const;
  /// Sets SliceX, SliceY, SliceZ of the held record and raises HasSlicing;
  /// ranges and name stay.
  void SetSlicingSetting(int SliceX, int SliceY, int SliceZ);
  /// Replaces the whole held record, name included, and raises HasSlicing.
  void SetSlicingSetting(tagSLICESETTING Setting);
  int HasSlicingSetting() const;
  /// 2 when only SliceY is set, 3 when only SliceZ is set, 1 otherwise (a
  /// flag counts as set when it is greater than 0).
  ZRV_SLICEMODE GetSliceMode() const;

  // ---- Views -----------------------------------------------------------------
  void SetViewName(const wchar_t* Name);
  std::wstring GetViewName() const;
  /// Sets AngleX, AngleY, AngleZ and Scale of the single view record and
  /// raises HasView; the record's name stays.
  void SetViewSetting(double AngleX, double AngleY, double AngleZ, double Scale);
  /// Kept for the interface; changes nothing. No operation reads anything it
  /// could leave behind.
  void SetViewSettingByName(const wchar_t* Name, double AngleX, double AngleY, double AngleZ,
                            double Scale);
  /// 1 when HasView is not 0 or the item has several-view records, else 0.
  int HasViewSetting() const;
  double GetViewX() const;
  double GetViewY() const;
  double GetViewZ() const;
  double GetViewScale() const;
  /// Appends \p Name to the several-view names unless an equal name
  /// (case-sensitive) is there already.
  void SetManyViewName(const wchar_t* Name);
  /// Appends a record to the several-view records; no duplicate check.
  void SetManyView(tagVIEWSETTING Setting);
  /// The number of several-view names.
  int GetViewCount() const;
  /// The several-view name at \p Index; empty when the index is out of range.
  std::wstring GetViewNameByIndex(int Index) const;
  /// Copies the several-view name at \p Index into \p Name and returns 1;
  /// returns 0 and leaves the buffer alone when the index is out of range.
  int GetViewNameByIndex(int Index, wchar_t* Name) const;
  /// Copies the several-view record at \p Index and returns 1; 0 when the
  /// index is out of range.
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
  /// and the record at the same position, if there is one.
  void DeleteItemView(const wchar_t* Name);

  // ---- Objects and capture ---------------------------------------------------
  void SetObjectName(const wchar_t* Name);
  std::wstring GetObjectName() const;
  /// Replaces the held object record and raises HasObject.
  void SetObjectSetting(tagOBJECTSETTING Setting);
  int HasObjectSetting() const;
  /// 1 when the flag of the held object record equals 1, else 0.
  int IsShowRunner() const;
  int IsShowPart() const;
  int IsShowPartInsert() const;
  int IsShowCoolChannel() const;
  int IsShowMoldbase() const;
  int IsShowMoldInsert() const;
  int IsShowMeltEntrance() const;
  int IsShowCoolantEntrance() const;
  int IsShowHeatingRod() const;
  int IsShowHotRunnerMetal() const;
  void SetCaptureName(const wchar_t* Name);
  std::wstring GetCaptureName() const;
  /// Copies the record, then sets FocusOn to 1 when Width > 0 and Height > 0,
  /// otherwise to 0.
  void SetCaptureSetting(tagFOCUSCAPTURE Setting);
  int GetCaptureWidth() const;
  int GetCaptureHeight() const;
  /// FocusOn of the held capture record.
  int IsFocusCapture() const;
  void SetCaptureFilePath(const std::wstring& Path);
  std::wstring GetCaptureFilePath() const;

  // ---- Report engine data ----------------------------------------------------
  void SetResultImagePath(const wchar_t* Path);
  std::wstring GetResultImagePath() const;
  void SetStatImagePath(const wchar_t* Path);
  std::wstring GetStatisticImagePath() const;
  /// 1 when the statistics image path names an existing file, else 0.
  int HasStatImage() const;
  /// 1 when the result image exists on disk: the stored path is tried, then
  /// the path of the item's first view image (lower-cased, extension removed,
  /// "_view_0" and the extension of the output kind appended). With output 2
  /// or 3 the stored path has its image extension replaced by ".gif" or
  /// ".avi" on the way.
  int HasResultImage();
  void SetDescription(const wchar_t* Text);
  std::wstring GetDescription() const;
  void SetTagName(const wchar_t* Name);
  std::wstring GetTagName() const;
  /// 1 when the tag name is not empty.
  int HasTagName() const;
  /// Sets legend maximum, minimum, maximum colour, minimum colour, unit and
  /// digits, in this order. Colours are kept as 32-bit values.
  void SetLegendData(double MaxValue, double MinValue, unsigned long MaxColor,
                     unsigned long MinColor, const wchar_t* Unit, int Digits);
  double GetLegendMaxValue() const;
  double GetLegendMinValue() const;
  unsigned long GetLegendMaxColor() const;
  unsigned long GetLegendMinColor() const;
  std::wstring GetLegendUnit() const;
  int GetLegendDight() const;
  void SetStatMinValue(double Value);
  double GetStatMinValue() const;
  void SetStatMaxValue(double Value);
  double GetStatMaxValue() const;
  void SetStatAvgValue(double Value);
  double GetStatAvgValue() const;

  // ---- Read-only views of the held records (for hosts and tools) --------------
  const tagCLIPSETTING& GetClipRecord() const { return ClipSetting; }
  const tagSLICESETTING& GetSliceRecord() const { return SliceSetting; }
  const tagVIEWSETTING& GetViewRecord() const { return ViewSetting; }
  const tagOBJECTSETTING& GetObjectRecord() const { return ObjectSetting; }
  const tagFOCUSCAPTURE& GetCaptureRecord() const { return CaptureSetting; }
  const std::vector<std::wstring>& GetViewNameList() const { return ViewNames; }
  const std::vector<tagVIEWSETTING>& GetViewRecordList() const { return ViewRecords; }
  /// The values given to SetParameterX, SetParameterY, SetParameterZ.
  int GetParameterValueX() const { return ParameterX; }
  int GetParameterValueY() const { return ParameterY; }
  int GetParameterValueZ() const { return ParameterZ; }

private:
  ZRV_RESULT_ITEMS ItemID;
  std::wstring ItemName;
  std::wstring SaveName;
  std::wstring DisItemName;
  std::wstring DisModuleName;
  std::int32_t Output;
  std::int32_t DisplayMode;
  std::int32_t ParameterX;
  std::int32_t ParameterY;
  std::int32_t ParameterZ;
  std::int32_t FaceNumber;
  std::int32_t HasClipping;
  std::wstring ClippingName;
  tagCLIPSETTING ClipSetting;
  std::int32_t HasView;
  std::wstring ViewName;
  std::vector<std::wstring> ViewNames;
  tagVIEWSETTING ViewSetting;
  std::vector<tagVIEWSETTING> ViewRecords;
  std::int32_t HasObject;
  std::wstring ObjectName;
  tagOBJECTSETTING ObjectSetting;
  tagFOCUSCAPTURE CaptureSetting;
  std::wstring CaptureName;
  std::wstring CaptureFilePath;
  std::int32_t HasSlicing;
  std::wstring SlicingName;
  tagSLICESETTING SliceSetting;
  ZRV_RESULT_MODULES ModuleID;
  std::wstring ResultImagePath;
  std::wstring StatImagePath;
  double LegendMaxValue;
  double LegendMinValue;
  std::uint32_t LegendMaxColor;
  std::uint32_t LegendMinColor;
  std::wstring LegendUnit;
  std::int32_t LegendDigits;
  std::wstring Description;
  std::int32_t OutputAirTrap;
  std::int32_t OutputWeldLine;
  std::int32_t ItemCountOf1Page;
  double StatMinValue;
  double StatMaxValue;
  double StatAvgValue;
  std::wstring TagName;
  std::int32_t ProjectHasThisItem;
  std::int32_t ReportOutputThisItem;
};

/// Ordered maps of the named setting libraries: setting name to record.
using ZRVClipMap = std::map<std::wstring, CZRVReportItem::tagCLIPSETTING, ZRVNameLess>;
using ZRVSliceMap = std::map<std::wstring, CZRVReportItem::tagSLICESETTING, ZRVNameLess>;
using ZRVViewMap = std::map<std::wstring, CZRVReportItem::tagVIEWSETTING, ZRVNameLess>;
using ZRVObjectMap = std::map<std::wstring, CZRVReportItem::tagOBJECTSETTING, ZRVNameLess>;
using ZRVCaptureMap = std::map<std::wstring, CZRVReportItem::tagFOCUSCAPTURE, ZRVNameLess>;

#endif // ZRVREPORT_ZRVREPORTITEM_H
