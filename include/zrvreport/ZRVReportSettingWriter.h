/// \file
/// \brief Writes a settings document as a report template file: [FileHeader], the eight
/// setting sections, [ResultEx], one result section per entry of the module list and the
/// end line.
#ifndef ZRVREPORT_ZRVREPORTSETTINGWRITER_H
#define ZRVREPORT_ZRVREPORTSETTINGWRITER_H

#include <cstdio>
#include <string>
#include <vector>

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVStatus.h"

class CZRVReportItemManager;

/// Writes one settings document as a report template file.
///
/// Besides the document the writer knows two names that the project supplies
/// itself and that are not stored in a template: the project's current view
/// name and its current setting name (object setting). That view and that
/// object setting are left out of their sections, and items that use them
/// show "-" in their view or object field. Names compare exactly.
///
/// Every line is stored as the UTF-8 bytes of its text, unchanged: a '%' in
/// a label or a name reaches the file as '%'.
///
/// Setting names are written with every blank as '_' in the setting sections
/// and as the single view of an item line; the other name fields of item
/// lines, the several-view list and the [ResultEx] setting column are written
/// as stored. An empty setting name cannot stand in a file (names are words
/// when read): a library entry with an empty name is not written.
///
/// The section writers write to a caller's stream opened for writing in text
/// mode and end each line with the line end that gives CR LF on disk there
/// ("\r\n" where the runtime does not translate, "\n" where it does). They
/// write every line whole, whatever its length; only SaveTemplate checks the
/// limits a reader can read back. A writer bound to a null document, or given
/// a null stream, writes nothing.
class ZRVREPORT_EXPORT CZRVReportSettingWriter {
public:
  /// Binds \p Document (not owned; it must outlive the writer's use) and
  /// empties both project names.
  explicit CZRVReportSettingWriter(CZRVReportItemManager* Document);
  /// Nothing to release.
  ~CZRVReportSettingWriter();

  /// Stores \p Name (null: empty) as the project's current view name: that
  /// view is not written, and items that use it get "-" in their view field.
  /// The name stays until set again.
  void SetPrjCurViewName(const wchar_t* Name);
  /// Stores \p Name (null: empty) as the project's current setting name: that
  /// object setting is not written, and items that use it get "-" in their
  /// object field.
  void SetPrjCurSettingName(const wchar_t* Name);

  /// Writes the whole template to the document's project path
  /// (CZRVReportItemManager::GetProjectPath); \p Path is only named in the
  /// message "[ReportSetting] start to save template %s" sent first.
  ///
  /// The file is built in memory first (CR LF after every line, no line end
  /// after "[EOF],,,,,,,,,,") and checked: a line whose UTF-8 bytes with its
  /// line end exceed 511 bytes (what a reader reads in one piece), or a
  /// setting name, item key, name field, view field, [ResultEx] setting or
  /// [FileHeader] text longer than 255 characters, refuses the whole save
  /// before the target is touched: the message
  /// "[ReportSetting] template not saved, name longer than 255 characters in %s: %s"
  /// or
  /// "[ReportSetting] template not saved, line longer than 511 bytes in %s: %s"
  /// names the section tag and the setting name, item key or [FileHeader] or
  /// [ResultEx] key, and 0 is returned. Nothing is ever cut.
  ///
  /// The bytes then go to a temporary file in the target's folder, are
  /// flushed to the disk, and the temporary file replaces the target in one
  /// step. When the target exists but cannot be written (a folder, a
  /// read-only file), when the temporary file cannot be created, or when it
  /// cannot replace the target, "[ReportSetting] open file fail %s" is sent
  /// with the project path; when writing, flushing or closing the temporary
  /// file fails, "[ReportSetting] write file fail %s". In every failure the
  /// old template stays as it was, no temporary file is left and 0 is
  /// returned. On success "[ReportSetting] End to save template" is sent and
  /// 1 returned. A null document gives "[ReportSetting] open file fail" with
  /// an empty path and 0.
  int SaveTemplate(const wchar_t* Path);

  /// How the last SaveTemplate of this writer ended: ZRVSaveStatus::NotSaved
  /// before the first, Saved when it returned 1, otherwise the reason it
  /// returned 0 (NoTarget for a null document or an empty project path,
  /// NameTooLong and LineTooLong for a refused save, TargetNotWritable,
  /// CreateFailed, WriteFailed or ReplaceFailed when the file operations
  /// failed).
  ZRVSaveStatus GetLastSaveStatus() const;
  /// The message the last SaveTemplate sent to tell why it failed (the same
  /// text the diagnostic sink received); empty before the first save and
  /// after a save that succeeded.
  std::wstring GetLastSaveMessage() const;

  /// [FileHeader]: the tag, FileVersion, FileID, Name, Date, ProjectType and
  /// AppType with their labels, CreateBy, Remark, two blank lines.
  void WriteHeaderData(std::FILE* Stream) const;
  /// [Info]: the tag, CompanyName, CompanyWebSite, AuthorName, AuthorE-mail,
  /// ReportType with its label, TemplateName, two blank lines. Not part of
  /// SaveTemplate.
  void WriteInfoData(std::FILE* Stream) const;
  /// [ViewSetting]: tag, label, one line per view of the option list except
  /// the project's current view, two blank lines.
  void WriteViewData(std::FILE* Stream) const;
  /// [ClippingSetting], as WriteViewData (no setting is left out).
  void WriteClippingData(std::FILE* Stream) const;
  /// [SlicingSetting].
  void WriteSlicingData(std::FILE* Stream) const;
  /// [ObjectSetting], without the project's current setting.
  void WriteObjectData(std::FILE* Stream) const;
  /// [FocusCapture] (FocusOn is not written).
  void WriteFocusCaptureData(std::FILE* Stream) const;
  /// [MeltFrontTimeCapture]: the used percentages of each record, each
  /// rounded to a whole number, joined by '-'.
  void WriteMeltFrontTimeCaptureData(std::FILE* Stream) const;
  /// [AnimationSetting].
  void WriteAnimationSetting(std::FILE* Stream) const;
  /// [ImageSetting].
  void WriteImageSetting(std::FILE* Stream) const;
  /// [ResultEx]: tag, label, one row per extended item at positions 0 to 5
  /// ("Flow-MeltFrontTime", "PPTTemplate", "3DPDF", "Animation",
  /// "WarpageScale", "Image"), two blank lines. An empty presentation
  /// template is written "-" so that the rows after it keep their positions;
  /// an empty melt-front, animation or image name is written "Default".
  /// Extended items from position 6 on have no row and write nothing.
  void WriteResultExData(std::FILE* Stream) const;
  /// Every result section, one per entry of the document's module list in
  /// list order (a module listed twice gives its section twice; a module
  /// without a section gives an empty tag line): the tag line, the item
  /// label, the item line of every item whose module's tag occurs in the tag
  /// line, two blank lines. An item whose module has no section (empty tag)
  /// is therefore written under every section. The view field and the item
  /// count of one page come from the first item with the same item id and
  /// module id; the item line has fields 1 to 15 (the tag name is not
  /// written).
  void WriteResultData(std::FILE* Stream) const;

  /// Empties \p Tags, then appends the section tag of every entry of the
  /// document's module list, in list order ("" for a module without a
  /// section). A null document leaves \p Tags empty.
  void GetModuleList(std::vector<std::wstring>& Tags) const;
  /// The section tag of a module id: 0 "[ModelResult]", 1 "[FlowResult]",
  /// 2 "[PackResult]", 3 "[CoolResult]", 4 "[WarpResult]", 5
  /// "[OpticsResult]", 6 "[WireSweep]", 7 "[PaddleShift]", 13
  /// "[StressResult]", 17 "[MoldPreheatResult]", 18
  /// "[MoldDeformationResult]", 19 "[HotRunnerSteadyResult]", 20
  /// "[CureResult]"; the empty string for any other id.
  std::wstring GetModuleNameByID(int ModuleID) const;

private:
  /// Ends a SaveTemplate: keeps \p Status and, for a failure, the message
  /// just sent. Returns 1 for Saved, else 0.
  int finishSave(ZRVSaveStatus Status);

  CZRVReportItemManager* Document;
  std::wstring PrjCurViewName;
  std::wstring PrjCurSettingName;
  ZRVSaveStatus LastSaveStatus = ZRVSaveStatus::NotSaved;
  std::wstring LastSaveMessage;
};

#endif // ZRVREPORT_ZRVREPORTSETTINGWRITER_H
