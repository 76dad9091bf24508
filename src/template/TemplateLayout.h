// TemplateLayout.h - the fixed layout of a report template file: its sections in
// file order with their tags, label lines and data-line patterns, the module of
// each result section, the [FileHeader], [Info] and [ResultEx] rows, the limits
// and the file-version rule. The template writer and reader both take every
// tag, label and pattern from these tables.
#ifndef ZRVREPORT_TEMPLATE_TEMPLATELAYOUT_H
#define ZRVREPORT_TEMPLATE_TEMPLATELAYOUT_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zrv::format {

// ---- Limits ------------------------------------------------------------------

/// The longest line the reader takes in one read, its line end (one LF after
/// the CR LF translation) included. A longer line arrives in several pieces,
/// each taken as a line of its own.
inline constexpr std::size_t MaxReadLineBytes = 511;
/// The longest setting name, item key, view field, [FileHeader] or [Info]
/// text value, counted in wide characters.
inline constexpr std::size_t MaxNameChars = 255;
/// The longest section tag line the reader keeps, line end included.
inline constexpr std::size_t MaxTagLineBytes = 255;
/// The most percentages one [MeltFrontTimeCapture] line holds.
inline constexpr int MaxPercentages = 100;
/// Blank lines the writer puts after every section.
inline constexpr int BlankLinesAfterSection = 2;

// ---- Characters with a fixed meaning -----------------------------------------------

/// Separates the fields of every line.
inline constexpr char FieldSeparator = ',';
/// Separates the names of an item's several views inside item-line field 9.
inline constexpr wchar_t ViewListSeparator = L';';
/// Joins the percentages of a melt-front capture line.
inline constexpr char PercentageSeparator = '-';
/// Stands for a blank of a setting name where names are written with the
/// replacement (setting lines, a single view in item-line field 9).
inline constexpr wchar_t NameBlankReplacement = L'_';
/// Alone in a name field of an item line, or in the setting column of the
/// "3DPDF" row: no setting.
inline constexpr const wchar_t* NoSetting = L"-";
/// Stands for a blank of a [FileHeader] value while the line is split.
inline constexpr std::string_view HeaderBlankMark = "||";

// ---- Sections ------------------------------------------------------------------

/// Every section of a template file, in the order in which the sections stand
/// in a file. The order is part of the format: the reader passes over a
/// section whose tag comes earlier in this order than the section before it.
enum class Section : int {
  FileHeader,
  Info,
  ViewSetting,
  ClippingSetting,
  SlicingSetting,
  ObjectSetting,
  FocusCapture,
  MeltFrontTimeCapture,
  AnimationSetting,
  ImageSetting,
  ResultEx,
  ModelResult,
  FlowResult,
  PackResult,
  CureResult,
  MoldPreheatResult,
  CoolResult,
  WarpResult,
  MoldDeformationResult,
  WireSweep,
  PaddleShift,
  OpticsResult,
  StressResult,
  HotRunnerSteadyResult,
  EndOfFile,
  Count ///< number of sections; not a section
};

inline constexpr std::size_t SectionCount = static_cast<std::size_t>(Section::Count);

/// What a section holds, which decides how it is written and read.
enum class SectionKind : int {
  Header,   ///< [FileHeader]: key, value lines
  Info,     ///< [Info]: key, value lines, never read
  Setting,  ///< one named setting per data line
  ResultEx, ///< one extended item per row
  Result,   ///< one report item per item line
  End       ///< the end line
};

/// One row of the section table.
struct SectionLayout {
  Section Id;
  SectionKind Kind;
  /// The tag, written alone on the section's first line ("[ViewSetting]").
  const char* Tag;
  /// The label line under the tag, written exactly as it stands (a '%' in it is
  /// an ordinary character); empty for [FileHeader], [Info] and the end.
  const char* Label;
  /// The pattern of a data line: a setting line (name first) or an item line;
  /// empty for the other sections. Directives: %s text, %d integer, %lg real
  /// (shortest of fixed and exponential, 6 significant digits), %.0f real
  /// rounded to a whole number; every other character stands for itself.
  const char* DataPattern;
  /// Setting sections: a line giving at least this many values after the
  /// name is read with this many values.
  int FullValueCount;
  /// Setting sections: a line giving at least this many (and fewer than
  /// FullValueCount) values is read with this many, the rest keeping the
  /// record's defaults. Fewer values: the line is ignored.
  int PartialValueCount;
  /// Result sections: the result module (ZRV_RESULT_MODULES) of the items of
  /// the section; -1 for every other section.
  int ModuleId;
};

/// The label line under [ResultEx].
inline constexpr const char* ResultExLabel = "Item,\"Output (0:Off, 1: On)\",Setting";
/// The label line under every result section.
inline constexpr const char* ItemLabel =
    "Item,\"Output (0: Off, 1: Image-PNG, 2: Animation-GIF, 3: Animation-AVI)\","
    "\"DisplayMode (0: Surface result, 1: Slicing, 2:Isosurface, 3:Clipping)\","
    "X,Y,Z,No. Faces,ClippingSetting,ViewSetting,ObjectSetting,CaptureSetting,SlicingSetting,"
    "\"AirTrap(0:Off, 1:Show)\",\"WeldLine(0:Off, 1:Show)\",\"Item counts of one page (1-4)\"";
/// The pattern of an item line (fields 1 to 15).
inline constexpr const char* ItemPattern = "%s,%d,%d,%d,%d,%d,%d,%s,%s,%s,%s,%s,%d,%d,%d";
/// The last line of a file, written without a line end.
inline constexpr const char* EndLine = "[EOF],,,,,,,,,,";
/// The text whose presence on a line ends the reading of a file.
inline constexpr const char* EndTag = "[EOF]";

/// The sections of a template file in file order; row i describes Section i.
inline constexpr std::array<SectionLayout, SectionCount> Sections = {{
    {Section::FileHeader, SectionKind::Header, "[FileHeader]", "", "", 0, 0, -1},
    {Section::Info, SectionKind::Info, "[Info]", "", "", 0, 0, -1},
    {Section::ViewSetting, SectionKind::Setting, "[ViewSetting]",
     "Settings,X (0-360),Y (0-360),Z (0-360),Scale (0.0-10.0)", "%s,%lg,%lg,%lg,%lg", 4, 4, -1},
    {Section::ClippingSetting, SectionKind::Setting, "[ClippingSetting]",
     "Settings,\"Clip the model by (X: 1, Y: 2, Z: 3)\",\"X (0: Off, 1: On)\","
     "\"Y (0: Off, 1: On)\",\"Z (0: Off, 1: On)\",\"X Range %(0-100)\",\"Y Range %(0-100)\","
     "\"Z Range %(0-100)\", \"Inverse(0:Off,1:On)\"",
     "%s, %d, %d, %d, %d,%lg,%lg,%lg,%d", 8, 7, -1},
    {Section::SlicingSetting, SectionKind::Setting, "[SlicingSetting]",
     "Settings,X,Y,Z,\"X Range %(0-100)\",\"Y Range %(0-100)\",\"Z Range %(0-100)\"",
     "%s, %d, %d, %d, %lg, %lg, %lg", 6, 3, -1},
    {Section::ObjectSetting, SectionKind::Setting, "[ObjectSetting]",
     "Settings,\"Runner (0: Off, 1: On)\",\"Part (0: Off, 1: On)\",\"Part Insert (0: Off, 1: On)\","
     "\"Cooling Channel (0: Off, 1: On)\",\"Moldbase (0: Off, 1: On)\","
     "\"Mold Insert (0: Off, 1: On)\",\"Melt Entrance (0: Off, 1: On)\","
     "\"Coolant Entrance (0: Off, 1: On)\",\"Heating Rod (0: Off, 1: On)\","
     "\"Hot RunnerMetal (0: Off, 1: On)\"",
     "%s, %d, %d, %d, %d,%d,%d,%d,%d,%d,%d", 10, 8, -1},
    {Section::FocusCapture, SectionKind::Setting, "[FocusCapture]",
     "Settings,\"Capture (0: Off, 1: On)\",Width\t,Height", "%s, %d, %d, %d ", 3, 3, -1},
    // The melt-front line has its own reading rule (percentages joined by '-');
    // its value counts are not used.
    {Section::MeltFrontTimeCapture, SectionKind::Setting, "[MeltFrontTimeCapture]",
     "Settings,\"Capture Percentage\"", "%s,%s ", 1, 1, -1},
    {Section::AnimationSetting, SectionKind::Setting, "[AnimationSetting]",
     "Settings,\"Output(0:GIF,1:AVI)\",Time,FPS,\"Resolution(0:160X120,1:240X180,2:320X240,"
     "3:480X360,4:640X480,5:800X600,6:1024X768,7:ScreenRatio)\"",
     "%s, %d, %lg, %lg, %d ", 4, 4, -1},
    {Section::ImageSetting, SectionKind::Setting, "[ImageSetting]",
     "Settings,\"Output(0:GIF,1:AVI)\",\"Resolution(0:160X120,1:240X180,2:320X240,3:480X360,"
     "4:640X480,5:800X600,6:1024X768,7:ScreenRatio)\"",
     "%s, %d, %d ", 2, 2, -1},
    {Section::ResultEx, SectionKind::ResultEx, "[ResultEx]", ResultExLabel, "", 0, 0, -1},
    {Section::ModelResult, SectionKind::Result, "[ModelResult]", ItemLabel, ItemPattern, 0, 0, 0},
    {Section::FlowResult, SectionKind::Result, "[FlowResult]", ItemLabel, ItemPattern, 0, 0, 1},
    {Section::PackResult, SectionKind::Result, "[PackResult]", ItemLabel, ItemPattern, 0, 0, 2},
    {Section::CureResult, SectionKind::Result, "[CureResult]", ItemLabel, ItemPattern, 0, 0, 20},
    {Section::MoldPreheatResult, SectionKind::Result, "[MoldPreheatResult]", ItemLabel, ItemPattern,
     0, 0, 17},
    {Section::CoolResult, SectionKind::Result, "[CoolResult]", ItemLabel, ItemPattern, 0, 0, 3},
    {Section::WarpResult, SectionKind::Result, "[WarpResult]", ItemLabel, ItemPattern, 0, 0, 4},
    {Section::MoldDeformationResult, SectionKind::Result, "[MoldDeformationResult]", ItemLabel,
     ItemPattern, 0, 0, 18},
    {Section::WireSweep, SectionKind::Result, "[WireSweep]", ItemLabel, ItemPattern, 0, 0, 6},
    {Section::PaddleShift, SectionKind::Result, "[PaddleShift]", ItemLabel, ItemPattern, 0, 0, 7},
    {Section::OpticsResult, SectionKind::Result, "[OpticsResult]", ItemLabel, ItemPattern, 0, 0, 5},
    {Section::StressResult, SectionKind::Result, "[StressResult]", ItemLabel, ItemPattern, 0, 0,
     13},
    {Section::HotRunnerSteadyResult, SectionKind::Result, "[HotRunnerSteadyResult]", ItemLabel,
     ItemPattern, 0, 0, 19},
    {Section::EndOfFile, SectionKind::End, EndTag, "", "", 0, 0, -1},
}};

namespace detail {
constexpr bool rowsInEnumOrder() {
  for (std::size_t I = 0; I < Sections.size(); ++I)
    if (static_cast<std::size_t>(Sections[I].Id) != I)
      return false;
  return true;
}
} // namespace detail
static_assert(detail::rowsInEnumOrder(), "row i of Sections must describe Section i");

/// The row of \p Id. \p Id must be a section (not Section::Count).
inline const SectionLayout& layoutOf(Section Id) { return Sections[static_cast<std::size_t>(Id)]; }

/// The tag of a section, as ASCII bytes.
inline std::string_view tagOf(Section Id) { return layoutOf(Id).Tag; }

/// Widens ASCII text (tags, labels, keys) to a wide string, one character per
/// byte.
std::wstring widen(std::string_view Ascii);

// ---- Result modules ------------------------------------------------------------

/// The result section of a module id (0 [ModelResult], 1 [FlowResult], ...,
/// 20 [CureResult]); Section::Count for a module id that has no section.
Section sectionOfModule(int ModuleId);

/// The tag of a module's result section as wide text ("[FlowResult]" for 1);
/// the empty string for a module id that has no section (the writer then
/// writes an empty tag line).
std::wstring moduleTag(int ModuleId);

/// The module id of the result section whose tag a line holds (substring
/// test, the whole line looked at, result sections tried in file order, the
/// first one found wins); -1 when the line holds no result tag.
int moduleOfSectionLine(std::string_view Line);

// ---- Tag lines -------------------------------------------------------------------

/// The byte every tag opens with.
inline constexpr char TagMark = '[';

/// True when \p Line is a tag line: it holds '[' anywhere. Such a line ends the
/// section being read, whether it names a known section or not.
inline bool isTagLine(std::string_view Line) {
  return Line.find(TagMark) != std::string_view::npos;
}

/// True when \p Line holds the tag of \p Id anywhere.
inline bool lineHasTag(std::string_view Line, Section Id) {
  return Line.find(tagOf(Id)) != std::string_view::npos;
}

/// A set of sections, one bit per section (bit i for Section i).
using SectionSet = std::uint32_t;
static_assert(SectionCount <= 32, "a SectionSet holds one bit per section");

/// The sections whose tags \p Line holds anywhere: the same answer as
/// lineHasTag for every section, found in one pass over the line whatever
/// its bytes (a tag holds no bracket inside, so only the text from the last
/// '[' before each ']' can be one).
SectionSet tagsInLine(std::string_view Line);

/// True when \p Tags holds \p Id.
inline bool holdsTag(SectionSet Tags, Section Id) {
  return (Tags >> static_cast<unsigned>(Id)) & 1u;
}

/// True when \p Line holds "[EOF]": reading stops after it.
inline bool isEndLine(std::string_view Line) {
  // The tag ends at a ']': only the bytes before each ']' are compared, so a
  // line of many '[' costs one byte search.
  const std::string_view Tag = EndTag;
  for (std::size_t Close = Line.find(']'); Close != std::string_view::npos;
       Close = Line.find(']', Close + 1))
    if (Close + 1 >= Tag.size() && Line.substr(Close + 1 - Tag.size(), Tag.size()) == Tag)
      return true;
  return false;
}

// ---- File versions -------------------------------------------------------------

/// How the item lines of a file are read, selected by its FileVersion.
enum class ItemLineForm {
  None,             ///< below 1000: item lines are not read
  KeyAndSixNumbers, ///< 1000: the key and the first six numbers only
  Full              ///< 1001 or greater: the full comma-separated item line
};

/// The first version that reads item lines (key and six numbers).
inline constexpr int KeyAndSixNumbersVersion = 1000;
/// The first version that reads the full item line.
inline constexpr int FullItemLineVersion = 1001;

/// The field counts of an item line that a full read takes; a line of any
/// other count is ignored.
inline constexpr int ItemLineFieldCounts[] = {11, 12, 14, 15, 16};

/// The item-line form of a file version.
inline constexpr ItemLineForm itemLineFormOf(int FileVersion) {
  return FileVersion >= FullItemLineVersion       ? ItemLineForm::Full
         : FileVersion == KeyAndSixNumbersVersion ? ItemLineForm::KeyAndSixNumbers
                                                  : ItemLineForm::None;
}

// ---- [FileHeader] and [Info] rows --------------------------------------------------

/// The value of a key line: a decimal integer or a text.
enum class ValueKind { Number, Text };

/// One key line of [FileHeader] or [Info].
struct KeyRowLayout {
  const char* Key;     ///< the key, the line's first field ("FileVersion")
  ValueKind Kind;      ///< what follows the key
  const char* Pattern; ///< the written line ("FileVersion,%d", "ProjectType,%d,%s")
  /// A fixed label written after the number, enclosed in double quotes, as
  /// the pattern's %s; empty when the row has none.
  const char* Label;
};

/// The [FileHeader] fields. The order is that of the written lines and of
/// the key test on reading (first key found in the line's key wins).
enum class HeaderField : int {
  FileVersion,
  FileID,
  Name,
  Date,
  ProjectType,
  AppType,
  CreateBy,
  Remark,
  Count ///< number of fields; not a field
};

inline constexpr std::size_t HeaderFieldCount = static_cast<std::size_t>(HeaderField::Count);

/// The [FileHeader] lines in written order; row i describes HeaderField i.
inline constexpr std::array<KeyRowLayout, HeaderFieldCount> HeaderRows = {{
    {"FileVersion", ValueKind::Number, "FileVersion,%d", ""},
    {"FileID", ValueKind::Text, "FileID,%s", ""},
    {"Name", ValueKind::Text, "Name,%s", ""},
    {"Date", ValueKind::Text, "Date,%s", ""},
    {"ProjectType", ValueKind::Number, "ProjectType,%d,%s", "(0:Solid,1:Shell)"},
    {"AppType", ValueKind::Number, "AppType,%d,%s",
     "(0:Injection,1:GasIn,2:RIM,3:ICPackage,4:ICM,5:FAIM,6:GAIM,7:WAIM,8:COIM,9:MCIM,10:CM,"
     "11:BIIM,12:PIM)"},
    {"CreateBy", ValueKind::Text, "CreateBy,%s", ""},
    {"Remark", ValueKind::Text, "Remark,%s", ""},
}};

/// The [Info] fields, in written order.
enum class InfoField : int {
  CompanyName,
  CompanyWebSite,
  AuthorName,
  AuthorEMail,
  ReportType,
  TemplateName,
  Count ///< number of fields; not a field
};

inline constexpr std::size_t InfoFieldCount = static_cast<std::size_t>(InfoField::Count);

/// The [Info] lines in written order; row i describes InfoField i.
inline constexpr std::array<KeyRowLayout, InfoFieldCount> InfoRows = {{
    {"CompanyName", ValueKind::Text, "CompanyName,%s", ""},
    {"CompanyWebSite", ValueKind::Text, "CompanyWebSite,%s", ""},
    {"AuthorName", ValueKind::Text, "AuthorName,%s", ""},
    {"AuthorE-mail", ValueKind::Text, "AuthorE-mail,%s", ""},
    {"ReportType", ValueKind::Number, "ReportType,%d,%s", "(0:HTML, 1:PPT)"},
    {"TemplateName", ValueKind::Text, "TemplateName,%s", ""},
}};

// ---- [ResultEx] rows ---------------------------------------------------------------

/// The meaning of a [ResultEx] row, fixed by its position in the extended item
/// list on writing and by its key on reading.
enum class ResultExKey : int {
  MeltFrontTime, ///< position 0, "Flow-MeltFrontTime": melt-front capture setting name
  PPTTemplate,   ///< position 1, "PPTTemplate": presentation template
  PDF3D,         ///< position 2, "3DPDF": output flag only
  Animation,     ///< position 3, "Animation": animation setting name
  WarpageScale,  ///< position 4, "WarpageScale": a real number
  Image,         ///< position 5, "Image": image setting name
  Count          ///< number of row kinds; a key read that is none of them
};

inline constexpr std::size_t ResultExRowCount = static_cast<std::size_t>(ResultExKey::Count);

/// One [ResultEx] row.
struct ResultExRowLayout {
  const char* Key;     ///< the row's key, its first field
  const char* Pattern; ///< the written row: key, output column, setting column
  /// What the setting column holds when the document gives an empty text;
  /// empty when no replacement applies.
  const char* EmptySetting;
};

/// The [ResultEx] rows by position; row i is written for extended item i.
inline constexpr std::array<ResultExRowLayout, ResultExRowCount> ResultExRows = {{
    {"Flow-MeltFrontTime", "%s, %d, %s ", "Default"},
    // "-" keeps the row three-valued, and so the rows after it in place, when
    // the document has no presentation template; the reader takes "-" here as
    // no template.
    {"PPTTemplate", "%s, %d, %s ", "-"},
    {"3DPDF", "%s, %d, -", ""},
    {"Animation", "%s, %d, %s ", "Default"},
    {"WarpageScale", "%s, %d, %lg ", ""},
    {"Image", "%s, %d, %s ", "Default"},
}};

/// The row kind of a key read from a [ResultEx] row (exact comparison);
/// ResultExKey::Count for any other key.
ResultExKey resultExKeyOf(std::string_view Key);

} // namespace zrv::format

#endif // ZRVREPORT_TEMPLATE_TEMPLATELAYOUT_H
