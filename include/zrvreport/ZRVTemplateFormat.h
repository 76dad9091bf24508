// ZRVTemplateFormat.h - what the template reader accepts, as a tool that
// explains a load needs to know it: the section table, the reader's limits,
// the [FileHeader] keys and [ResultEx] rows, the loader a project type uses
// and the item keys each result section of a loader accepts. Every answer
// comes from the tables the reader itself runs on.
/// \file
/// What the template reader accepts: sections, limits, header keys,
/// [ResultEx] rows, loaders and the keys each result section accepts.
#ifndef ZRVREPORT_ZRVTEMPLATEFORMAT_H
#define ZRVREPORT_ZRVTEMPLATEFORMAT_H

#include <string>
#include <utility>
#include <vector>

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVReportTemplateReader.h"

/// What a section of a template holds.
enum class ZRVTemplateSectionKind : int {
  Header,   ///< [FileHeader]: key, value lines
  Info,     ///< [Info]: key, value lines, never read
  Setting,  ///< one named setting per data line
  ResultEx, ///< one extended item per row
  Result,   ///< one report item per item line
  End       ///< the end line
};

/// One section of the template format, in file order.
struct ZRVTemplateSectionInfo {
  /// The tag ("[ViewSetting]"); "[EOF]" for the end line.
  std::wstring Tag;
  /// What the section holds.
  ZRVTemplateSectionKind Kind = ZRVTemplateSectionKind::Header;
  /// The label line written under the tag; empty for [FileHeader], [Info]
  /// and the end.
  std::wstring Label;
  /// Setting sections: the fewest values after the name that a data line is
  /// read with (fewer: the line is ignored); 0 otherwise.
  int FewestValues = 0;
  /// Setting sections: the most values after the name that a data line
  /// reads (more are passed over); 0 otherwise.
  int MostValues = 0;
  /// Result sections: the result module (ZRV_RESULT_MODULES) of the
  /// section's items; -1 otherwise.
  int Module = -1;
  /// Setting sections: the library's kind in words ("view", "clipping
  /// setting"); empty otherwise.
  std::wstring What;
};

/// The sections of the template format in the order a template lists them
/// (the reader's chain order), ending with the end line.
ZRVREPORT_EXPORT std::vector<ZRVTemplateSectionInfo> ZRVTemplateSections();

/// The limits of the reader and the writer.
struct ZRVTemplateLimits {
  /// The bytes of a line the reader takes at once, line end included; a
  /// longer line arrives in pieces.
  int ReadLineBytes = 0;
  /// The characters of a setting name, item key or text that resolve.
  int NameChars = 0;
  /// The lowest FileVersion whose item lines are read in full; the version
  /// below it reads only the key and six numbers, lower ones none.
  int FullItemLineVersion = 0;
  /// The field counts of an item line that a full read takes.
  std::vector<int> ItemLineFieldCounts;
};

/// The reader's limits.
ZRVREPORT_EXPORT ZRVTemplateLimits ZRVTemplateReaderLimits();

/// The keys of the [FileHeader] rows in the order the reader tests them
/// ("FileVersion", "FileID", ...).
ZRVREPORT_EXPORT std::vector<std::wstring> ZRVTemplateHeaderKeys();

/// One [ResultEx] row by position.
struct ZRVTemplateResultExRow {
  /// The row's key ("Flow-MeltFrontTime").
  std::wstring Key;
  /// The tag of the setting section its third column names ("[AnimationSetting]");
  /// empty when the column names no setting.
  std::wstring SettingSection;
};

/// The six [ResultEx] rows in the order their positions give them.
ZRVREPORT_EXPORT std::vector<ZRVTemplateResultExRow> ZRVTemplateResultExRows();

/// The tag of the setting section that item-line field \p Field names
/// (8 clipping, 9 view, 10 object, 11 focus capture, 12 slicing); empty for
/// any other field.
ZRVREPORT_EXPORT std::wstring ZRVTemplateFieldSection(int Field);

/// The reader call a project uses.
struct ZRVTemplateLoaderCall {
  /// The reader entry point.
  ZRV_TEMPLATE_LOADER Loader = ZRV_LOAD_SOLID_INJECTION;
  /// The FlagA argument of CZRVReportTemplateReader::Load: the thermoset
  /// flag, or the underfill flag of the IC package loader.
  int FlagA = 0;
  /// The FlagB argument: the IC package loader's encapsulation flag.
  int FlagB = 0;
  /// The thermoset flag that selects the key lists (0 for the loaders that
  /// take none).
  int Thermoset = 0;
};

/// The loader the report setting facade uses for project kind \p ProjectKind (0 and
/// 2 solid, 1 shell) and application type \p AppType with the given flags
/// (only the value 1 counts as set). Returns true and fills \p Call; false,
/// with \p Call untouched, where the facade loads nothing (shell 3 to 14,
/// solid 1 and 5, an application type outside 0 to 14, another kind).
ZRVREPORT_EXPORT bool ZRVTemplateLoaderOf(int ProjectKind, int AppType, int Thermoset,
                                          int Underfill, int EncapsulationCM,
                                          ZRVTemplateLoaderCall& Call);

/// The name of the reader member of \p Loader ("LoadSolidICM"); empty for a
/// loader outside the enumeration.
ZRVREPORT_EXPORT std::wstring ZRVTemplateLoaderName(ZRV_TEMPLATE_LOADER Loader);

/// The facade's project type name ("SolidICM", "SolidInjection(RIM)" for
/// thermoset solid injection); empty where the facade gives none.
ZRVREPORT_EXPORT std::wstring ZRVTemplateProjectTypeName(int ProjectKind, int AppType,
                                                         int Thermoset);

/// One result section that a loader reads, with the keys its item lines may
/// use.
struct ZRVTemplateSectionKeys {
  std::wstring Tag; ///< "[FlowResult]"
  int Module = -1;  ///< its module id
  /// The key list(s) that fill it ("SolidICMFlow+SolidCMFlowExtra").
  std::wstring ListName;
  /// Key and result item id, exactly the map the reader resolves the section
  /// with, in key order.
  std::vector<std::pair<std::wstring, int>> Keys;
};

/// The result sections that \p Loader reads, in its chain order, each with
/// its keys (the thermoset lists when \p Thermoset is non-zero, for the
/// loaders that take the flag). Empty for a loader outside the enumeration.
ZRVREPORT_EXPORT std::vector<ZRVTemplateSectionKeys>
ZRVTemplateLoaderSections(ZRV_TEMPLATE_LOADER Loader, int Thermoset);

#endif // ZRVREPORT_ZRVTEMPLATEFORMAT_H
