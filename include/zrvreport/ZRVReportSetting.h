/// \file
/// \brief The report settings of one project as the host sees them: project kind and
/// process, loading and saving its report template, and keeping template folders and
/// pictures up to date on disk.
#ifndef ZRVREPORT_ZRVREPORTSETTING_H
#define ZRVREPORT_ZRVREPORTSETTING_H

#include <string>

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVStatus.h"

class CZRVReportItemManager;
class CZRVReportSettingWriter;
class CZRVReportTemplateReader;
class ZRVTemplateObserver;

/// The object through which the host works with one project's report
/// settings.
///
/// It owns a template reader and a settings document (the item manager),
/// both created by the constructor, and from the first save on a template
/// writer. Project type 0 (solid) and 2 behave alike everywhere; 1 is shell.
/// Application types: 0 Injection, 1 GasIn, 2 RIM, 3 ICPackage, 4 ICM,
/// 5 FAIM, 6 GAIM, 7 WAIM, 8 COIM, 9 MCIM, 10 CM, 11 BIIM, 12 PIM, 13 RTM,
/// 14 CFM. Text inputs given as a null pointer are the empty string; string
/// fields are not cut to 255 characters, so output buffers must hold the
/// whole text (256 characters do for texts that respect the 255 limit).
///
/// Template files are found through paths the caller gives. On Windows the
/// paths built here use '\\'; elsewhere they use '/'.
class ZRVREPORT_EXPORT CZRVReportSetting {
public:
  /// Creates the reader and a new, empty settings document; no writer yet.
  /// Project type, application type and both IC-package flags start at 0,
  /// the project path, the display name and the current view and settings
  /// names empty. The document's own project type stays at its start value
  /// until SetProjectType.
  CZRVReportSetting();
  /// A deep copy, as operator=.
  CZRVReportSetting(const CZRVReportSetting& Other);
  /// Deletes the reader, the document and the writer this facade holds.
  ~CZRVReportSetting();

  /// Makes this facade a deep copy of \p Other: every field is copied, the
  /// facade gets its own reader and its own copy of \p Other's document (the
  /// document it held is deleted), and it holds no writer until its next
  /// save. Two facades never share or delete the same objects. Assigning a
  /// facade to itself changes nothing.
  CZRVReportSetting& operator=(const CZRVReportSetting& Other);

  // ---- Project kind, process and flags ------------------------------------------
  /// Stores the project type (0 solid, 1 shell, 2 as solid) and the
  /// application type, and passes the project type on to the document. No
  /// value is checked; nothing is reloaded. Returns 1.
  int SetProjectType(int ProjectType, int AppType);
  /// The project type; 0 until SetProjectType.
  int GetPrjoectType() const;
  /// The application type; 0 until SetProjectType.
  int GetAppType() const;
  /// Sets the document's thermoset flag (non-zero is true); it chooses the
  /// loader of solid injection and is passed to the loaders that take it.
  void SetIsThermosetRun(int IsThermoset);
  /// The document's thermoset flag.
  int GetIsThermosetRun() const;
  /// Sets the document's valve-pin flag.
  void SetHasValvePin(int HasValvePin);
  /// The document's valve-pin flag.
  int GetHasValvePin() const;
  /// Stores the IC-package underfill flag as given (the IC-package loader
  /// counts only 1 as set).
  void SetIsUnderfill(int IsUnderfill);
  /// The underfill flag as stored; 0 until set.
  int GetIsUnderfill() const;
  /// Stores the IC-package encapsulation-by-compression flag as given (the
  /// IC-package loader counts only 1 as set).
  void SetIsEncapsulationCM(int IsEncapsulationCM);
  /// The encapsulation flag as stored; 0 until set.
  int GetIsEncapsulationCM() const;

  // ---- Paths, loading and saving --------------------------------------------------
  /// Stores \p Path (the full path of the project's template file) in the
  /// document and in the facade, then loads it at once (LoadTemplateFileData).
  /// Set the project type, application type and flags first. Returns 1, also
  /// when the file cannot be loaded.
  int SetProjectPath(const wchar_t* Path);
  /// Passes the installation root folder to the document; null sets it empty.
  void SetZorvinPath(const wchar_t* Path);
  /// Empties the document (its RemoveAllItem), then loads the project path
  /// with the reader entry point that the project type, the application type
  /// and the flags choose:
  ///   shell (1): 0 LoadShellInjection, 1 LoadShellGasIn, 2 LoadShellRIM;
  ///   solid (0, 2): 0 LoadSolidInjection, or LoadSolidRIM when the
  ///   document's thermoset flag is set; 2 LoadSolidRIM; 3 LoadSolidICPackage
  ///   with the underfill and encapsulation flags; 4 LoadSolidICM; 6
  ///   LoadSolidGAIM; 7 LoadSolidWAIM; 8 LoadSolidCOIM; 9 LoadSolidMCIM; 10
  ///   LoadSolidCM; 11 LoadSolidBIIM; 12 LoadSolidPIM; 13 LoadSolidRTM; 14
  ///   LoadSolidCFM (ICM, CM, PIM and CFM with the document's thermoset flag).
  /// Every other combination, solid 1 and 5 included, loads nothing and
  /// leaves the document empty. A file that cannot be opened leaves it empty
  /// too (the reader writes its message).
  void LoadTemplateFileData();
  /// Makes \p Manager the facade's document; the facade deletes it when it is
  /// destroyed or when it is replaced by assignment. The document it replaces
  /// is not deleted: it goes back to the caller, who must delete it. A writer
  /// made for the replaced document is deleted, so the next save writes
  /// \p Manager through a new writer. A null pointer, or the document already
  /// held, changes nothing: the facade always holds a document.
  void SetReportItemManager(CZRVReportItemManager* Manager);
  /// The document the facade holds (never null); it stays owned by the facade.
  CZRVReportItemManager* GetReportItemManager();
  /// The facade's reader; it stays owned by the facade.
  CZRVReportTemplateReader* GetReportTemplateReader();
  /// Stores the current view name handed to the writer at every save.
  void SetPrjCurViewName(const wchar_t* Name);
  /// Stores the current settings name handed to the writer at every save.
  void SetPrjCurSettingsName(const wchar_t* Name);
  /// Writes the document as a template to its project path (SetProjectPath
  /// sets the same path in the facade and in the document). The first call
  /// creates the writer for the document held at that time; later calls reuse
  /// it as long as the document is not replaced (SetReportItemManager drops
  /// it). Before each write the current view and settings names are handed
  /// to the writer. Returns 1, also when the file could not be written (the
  /// writer then sends its message).
  int SaveTemplate();

  /// How the last load (SetProjectPath or LoadTemplateFileData) ended:
  /// ZRVLoadStatus::NotLoaded before the first; NoLoader when the project
  /// type, application type and flags choose no loader; otherwise what the
  /// reader's LoadWithStatus tells (Loaded, LoadedWithFindings,
  /// NotATemplate, FileMissing, FileUnreadable; InvalidArgument for an empty
  /// project path is not possible, an empty path is FileMissing). The
  /// results of SetProjectPath and LoadTemplateFileData stay as they are.
  ZRVLoadStatus GetLastLoadStatus() const;
  /// The message that tells why the last load failed ("[ReportTemplateReader]
  /// Can't open this template file ..."); empty before the first load and
  /// after a load that read the file.
  std::wstring GetLastLoadMessage() const;
  /// How the last SaveTemplate ended (the writer's GetLastSaveStatus);
  /// ZRVSaveStatus::NotSaved before the first. SaveTemplate still returns 1
  /// whatever happened.
  ZRVSaveStatus GetLastSaveStatus() const;
  /// The message that tells why the last save failed; empty before the first
  /// save and after one that succeeded.
  std::wstring GetLastSaveMessage() const;
  /// Makes \p Observer (not owned; null for none, the start value) the
  /// receiver of the findings of every later load of this facade: what a
  /// load passes over or changes, line by line (see ZRVTemplateObserver). The
  /// load is the same with or without it. A copy of the facade gets the same
  /// observer.
  void SetTemplateObserver(ZRVTemplateObserver* Observer);

  // ---- Names and folders -------------------------------------------------------------
  /// Writes the path of the "ReportSetting" folder beside the host executable
  /// into \p Path: the executable's folder, a separator, "ReportSetting" and a
  /// separator ("/opt/host/ReportSetting/", "C:\\host\\ReportSetting\\"). When
  /// the executable's path cannot be found, the separator, "ReportSetting"
  /// and the separator alone. No two separators stand in a row (except the
  /// leading pair of a Windows network path). A null buffer is left alone.
  void GetProjectFolderPath(wchar_t* Path) const;
  /// Copies the project path into \p Path; \p Unused is not consulted.
  void GetProjectFilePath(int Unused, wchar_t* Path) const;
  /// Appends the name of the project type to the text already in \p Name
  /// (the caller passes a terminated string, normally empty). For a shell
  /// project the facade's own application type chooses the name: 0
  /// "ShellInjection", 1 "ShellGasIn", 2 "ShellRIM". For a solid project
  /// (0 or 2) \p AppType chooses: 0 "SolidInjection", followed by "(RIM)"
  /// when the document's thermoset flag or \p RimMark is non-zero; 2
  /// "SolidRIM", 3 "SolidEncapsulation", 4 "SolidICM", 6 "SolidGAIM",
  /// 7 "SolidWAIM", 8 "SolidCOIM", 9 "SolidFIM", 10 "SolidCM", 11
  /// "SolidBIIM", 12 "SolidPIM", 13 "SolidRTM", 14 "SolidCFM". Every other
  /// combination appends nothing. \p Unused is not consulted; a null buffer
  /// is left alone.
  void GetProjectTypeName(int Unused, int AppType, int RimMark, wchar_t* Name) const;
  /// Stores the host's display name of the project type; \p Unused is not
  /// consulted.
  void SetProjectTypeDisplayName(int Unused, const wchar_t* Name);
  /// Copies the display name into \p Name; \p Unused is not consulted.
  void GetProjectTypeDisplayName(int Unused, wchar_t* Name) const;

  // ---- Template files on disk ----------------------------------------------------------
  /// Brings the "ReportSetting" folder of \p SourceRoot into the
  /// "ReportSetting" folder of \p TargetRoot (the roots need not end in a
  /// separator; a doubled separator in the built folder paths is reduced to
  /// one, pair by pair, a leading pair included: network roots are not
  /// supported). The target folder is created when missing (only its last
  /// level). Then every ".csv" template of the target (the extension in any
  /// letter case) whose [FileHeader] gives a version lower than the source's
  /// template of the same name (the same letters and letter case), or whose
  /// name the source lacks, is renamed to "<file>_Ver<version>.bak<nn>", nn
  /// the first of 01 to 99 that is free; when all 99 exist the rename fails
  /// and the remaining templates are not examined. A template without a
  /// [FileHeader] is left alone; a header without "FileVersion" counts as
  /// version 0. Last, every file and subfolder the target lacks is copied
  /// from the source tree; existing files are kept. Symbolic links to folders
  /// are not followed. Returns 1 when this ran; 0 when a root is null, the
  /// target folder cannot be created, or either folder cannot be listed.
  int CopyReportSettingTemplateFile(const wchar_t* SourceRoot, const wchar_t* TargetRoot);
  /// Copies the pictures of the "Template" folder of \p SourceRoot into the
  /// "Report/Template" folder of \p TargetRoot (both roots end in a
  /// separator), creating "Report" and "Report/Template" when missing: every
  /// file whose extension is "jpg", "bmp", "gif" or "png" in any letter
  /// case, in that order, overwriting pictures that exist; no other file and
  /// no subfolder. Returns 1 when the source "Template" folder exists (the
  /// copies were attempted; single failures are ignored); 0 when a root is
  /// null or that folder is missing.
  int CopyTemplateDataFile(const wchar_t* SourceRoot, const wchar_t* TargetRoot);
  /// What failed in the last CopyReportSettingTemplateFile or
  /// CopyTemplateDataFile: one line per folder listing, folder creation,
  /// backup rename or file copy that failed, in the order they failed, each
  /// "[ReportSetting] OPERATION fail PATH: REASON", or "... fail PATH to
  /// PATH: REASON" for a rename or copy, REASON being the system's text
  /// (OPERATION is "list folder", "create folder", "rename file" or "copy
  /// file"); the lines are separated by a line feed. Empty before the first
  /// call and when nothing failed. The two members' results stay as
  /// documented (a failed copy or rename does not change them); this tells
  /// why.
  std::wstring GetLastCopyMessage() const;

private:
  /// Lets the tests see the writer and call the private members below.
  friend class ZRVReportSettingTestPeer;

  /// Moves outdated templates of \p TargetFolder aside (see
  /// CopyReportSettingTemplateFile). Both folders end in a separator.
  /// Returns 1 when both folders could be listed, else 0.
  int RenameReportTemplateFileName(const wchar_t* SourceFolder, const wchar_t* TargetFolder);
  /// Copies the tree of \p SourceFolder into \p TargetFolder (both end in a
  /// separator), creating missing subfolders. With \p KeepExisting non-zero
  /// files that exist in the target are kept, else overwritten. Symbolic
  /// links to folders are copied as files (which fails), never descended
  /// into. Returns 1 when the source could be listed, else 0.
  int CopyFolderFiles(const wchar_t* SourceFolder, const wchar_t* TargetFolder, int KeepExisting);
  /// Copies the files of \p SourceFolder whose extension is \p Extension
  /// (any letter case; every file when null or empty) into \p TargetFolder,
  /// without subfolders, under the same \p KeepExisting rule. Returns 1 when
  /// the source could be listed, else 0.
  int CopyFolderFiles(const wchar_t* SourceFolder, const wchar_t* TargetFolder,
                      const wchar_t* Extension, int KeepExisting);

  /// Deletes the writer, if any.
  void dropWriter();

  CZRVReportTemplateReader* Reader = nullptr;
  CZRVReportSettingWriter* Writer = nullptr;
  CZRVReportItemManager* Manager = nullptr;
  int ProjectType = 0;
  int AppType = 0;
  int Underfill = 0;
  int EncapsulationCM = 0;
  std::wstring ProjectPath;
  std::wstring ProjectTypeDisplayName;
  std::wstring CurViewName;
  std::wstring CurSettingsName;
  ZRVTemplateObserver* Observer = nullptr;
  ZRVLoadStatus LastLoadStatus = ZRVLoadStatus::NotLoaded;
  std::wstring LastLoadMessage;
  ZRVSaveStatus LastSaveStatus = ZRVSaveStatus::NotSaved;
  std::wstring LastSaveMessage;
  std::wstring LastCopyMessage;
};

#endif // ZRVREPORT_ZRVREPORTSETTING_H
