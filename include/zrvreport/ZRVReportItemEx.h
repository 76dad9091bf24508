// ZRVReportItemEx.h - one entry of the report's extended material ([ResultEx]):
// melt-front captures, presentation template, 3D PDF, animation, warpage scale
// and image, with the melt-front, animation and image setting records.
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
    static constexpr int MaxCount = 100;
    std::int32_t Count = 0;       ///< used entries of Percentage, 0 to 100
    double Percentage[MaxCount] = {}; ///< capture points in percent of filling
  };

  /// A named animation setting.
  struct stAnimationSetting {
    std::wstring Name;
    std::int32_t Output = 0;     ///< 0 GIF, 1 AVI
    double Time = 5.0;           ///< length of the animation
    double FPS = 5.0;            ///< frames per second
    std::int32_t Resolution = 4; ///< resolution code, 4 is 640 x 480
  };

  /// A named image setting.
  struct stImageSetting {
    std::wstring Name;
    std::int32_t Output = 0;
    std::int32_t Resolution = 4; ///< resolution code, 4 is 640 x 480
  };

  CZRVReportItemEx() = default;
  CZRVReportItemEx(const CZRVReportItemEx& Other) = default;
  CZRVReportItemEx& operator=(const CZRVReportItemEx& Other) = default;
  ~CZRVReportItemEx() = default;

  std::int32_t Output = 1;                 ///< the entry is output (1) or not (0)
  stMeltFrontTimeCapture MeltCapture;      ///< melt-front capture points (position 0)
  stAnimationSetting AnimationSetting;     ///< animation record (position 3)
  stImageSetting ImageSetting;             ///< image record (position 5)
  /// 1 once a melt-front record with Count > 0 was attached; attaching an
  /// empty one never sets it back to 0.
  std::int32_t HasMeltCapture = 0;
  std::wstring MeltName;        ///< name of the attached melt-front setting
  std::wstring PPTTemplatePath; ///< presentation template (position 1)
  std::wstring AnimationName;   ///< name of the attached animation setting
  double WarpageScale = 0.0;    ///< warpage display scale (position 4)
  std::wstring ImageName;       ///< name of the attached image setting
};

/// Ordered maps of the extended setting libraries: setting name to record.
using ZRVMeltMap = std::map<std::wstring, CZRVReportItemEx::stMeltFrontTimeCapture, ZRVNameLess>;
using ZRVAnimationMap = std::map<std::wstring, CZRVReportItemEx::stAnimationSetting, ZRVNameLess>;
using ZRVImageMap = std::map<std::wstring, CZRVReportItemEx::stImageSetting, ZRVNameLess>;

#endif // ZRVREPORT_ZRVREPORTITEMEX_H
