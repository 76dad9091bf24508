/// \file
/// \brief One entry of the report's extended material ([ResultEx]): melt-front captures,
/// presentation template, 3D PDF, animation, warpage scale and image, with the
/// melt-front, animation and image setting records.
#ifndef ZRVREPORT_ZRVREPORTITEMEX_H
#define ZRVREPORT_ZRVREPORTITEMEX_H

#include <cstdint>
#include <map>
#include <string>

#include "zrvreport/ZRVCommon.h"

/// One extended report entry. The settings document keeps these in a list
/// whose positions are fixed: 0 melt-front time capture ("Flow-MeltFrontTime"),
/// 1 presentation template ("PPTTemplate"), 2 3D PDF ("3DPDF"), 3 animation
/// ("Animation"), 4 warpage scale ("WarpageScale"), 5 image ("Image"). Each
/// position uses only some of the fields, which the document reads and writes
/// directly.
class CZRVReportItemEx {
public:
  /// The fill percentages at which melt-front time images are captured. The
  /// record has no name: its name is the library key, or MeltName in an entry.
  struct stMeltFrontTimeCapture {
    /// The number of places of Percentage: at most 100 capture points.
    static constexpr int MaxCount = 100;
    std::int32_t Count = 0;           ///< used entries of Percentage, 0 to 100
    double Percentage[MaxCount] = {}; ///< capture points in percent of filling
  };

  /// A named animation setting.
  struct stAnimationSetting {
    std::wstring Name;           ///< setting name, the record's key in the library
    std::int32_t Output = 0;     ///< 0 GIF, 1 AVI
    double Time = 5.0;           ///< length of the animation
    double FPS = 5.0;            ///< frames per second
    std::int32_t Resolution = 4; ///< resolution code, 4 is 640 x 480
  };

  /// A named image setting.
  struct stImageSetting {
    std::wstring Name; ///< setting name, the record's key in the library
    /// Output kind; the file's label words it as the animation's (0 GIF,
    /// 1 AVI).
    std::int32_t Output = 0;
    std::int32_t Resolution = 4; ///< resolution code, 4 is 640 x 480
  };

  /// An entry with the member initialisers below: output on, no melt-front
  /// capture points, default animation and image records, empty names,
  /// warpage scale 0.0.
  CZRVReportItemEx() = default;
  /// Copies every field, the whole 100-place percentage array included.
  CZRVReportItemEx(const CZRVReportItemEx& Other) = default;
  /// Replaces every field by a copy of \p Other's.
  CZRVReportItemEx& operator=(const CZRVReportItemEx& Other) = default;
  /// Releases the texts; not virtual.
  ~CZRVReportItemEx() = default;

  std::int32_t Output = 1;             ///< the entry is output (1) or not (0)
  stMeltFrontTimeCapture MeltCapture;  ///< melt-front capture points (position 0)
  stAnimationSetting AnimationSetting; ///< animation record (position 3)
  stImageSetting ImageSetting;         ///< image record (position 5)
  /// 1 once a melt-front record with Count > 0 was attached; attaching an
  /// empty one never sets it back to 0.
  std::int32_t HasMeltCapture = 0;
  std::wstring MeltName;        ///< name of the attached melt-front setting
  std::wstring PPTTemplatePath; ///< presentation template (position 1)
  std::wstring AnimationName;   ///< name of the attached animation setting
  double WarpageScale = 0.0;    ///< warpage display scale (position 4)
  std::wstring ImageName;       ///< name of the attached image setting
};

/// \name Ordered maps of the extended setting libraries
/// Setting name to record, in ZRVNameLess order; the settings document's
/// libraries (CZRVReportItemManager::SetMeltMap ...) take and keep them.
///@{

/// The melt-front capture library: setting name to capture points.
using ZRVMeltMap = std::map<std::wstring, CZRVReportItemEx::stMeltFrontTimeCapture, ZRVNameLess>;
/// The animation library: setting name to animation record.
using ZRVAnimationMap = std::map<std::wstring, CZRVReportItemEx::stAnimationSetting, ZRVNameLess>;
/// The image library: setting name to image record.
using ZRVImageMap = std::map<std::wstring, CZRVReportItemEx::stImageSetting, ZRVNameLess>;
///@}

#endif // ZRVREPORT_ZRVREPORTITEMEX_H
