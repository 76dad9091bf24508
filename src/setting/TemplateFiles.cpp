// TemplateFiles.cpp - template files on disk: bringing a "ReportSetting"
// folder into another root with numbered backups of outdated templates, and
// copying template pictures into a report folder.
#include "zrvreport/ZRVReportSetting.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "setting/TemplateFileSteps.h"
#include "setting/TemplatePaths.h"
#include "util/Text.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportTemplateReader.h"

namespace {

namespace platform = zrv::platform;

constexpr wchar_t Sep = platform::PathSeparator;

/// Folder and file names under a root; each folder ends in a separator.
constexpr const wchar_t* TemplateFolderName = L"ReportSetting";
constexpr const wchar_t* PictureFolderName = L"Template";
constexpr const wchar_t* ReportFolderName = L"Report";

/// The extension that marks a template, compared in lower case.
constexpr const wchar_t* TemplateExtension = L".csv";

/// The picture extensions copied by CopyTemplateDataFile, in copy order.
constexpr const wchar_t* PictureExtensions[] = {L"jpg", L"bmp", L"gif", L"png"};

/// Backup names run from "<file>_Ver<version>.bak01" to ".bak99".
constexpr int FirstBackup = 1;
constexpr int LastBackup = 99;

const zrv::TemplateFileSteps RealSteps = {platform::PathExists, platform::CreateDirectory,
                                          platform::ListDirectory, platform::CopyFile,
                                          platform::RenameNoReplace};

zrv::TemplateFileSteps Steps = RealSteps;

/// Adds one line to the account of failed file operations \p Account:
/// "[ReportSetting] <what> fail <path>[ to <other>]: <the system's reason>".
/// Called right after the failed step, whose reason is still recorded.
void noteFailure(std::wstring& Account, const wchar_t* What, const std::wstring& Path,
                 const std::wstring& Other = std::wstring()) {
  std::wstring Reason = platform::LastFailureReason();
  if (Reason.empty())
    Reason = L"the system gave no reason";
  if (!Account.empty())
    Account += L'\n';
  Account += L"[ReportSetting] " + std::wstring(What) + L" fail " + Path;
  if (!Other.empty())
    Account += L" to " + Other;
  Account += L": " + Reason;
}

/// Runs one step after forgetting any earlier failure, so that a failure's
/// reason is the step's own.
template <typename Step, typename... Args> bool run(Step Operation, Args&&... Arguments) {
  platform::ClearFailureReason();
  return Operation(std::forward<Args>(Arguments)...);
}

/// Lists \p Folder with \p Pattern; a failure is noted.
bool listFolder(const std::wstring& Folder, std::wstring_view Pattern,
                std::vector<platform::DirectoryEntry>& Entries, std::wstring& Account) {
  if (run(Steps.ListFolder, Folder, Pattern, Entries))
    return true;
  noteFailure(Account, L"list folder", Folder);
  return false;
}

/// Creates \p Folder unless it exists; false, with the failure noted, when
/// it cannot be created.
bool makeFolder(const std::wstring& Folder, std::wstring& Account) {
  if (Steps.Exists(Folder))
    return true;
  if (run(Steps.CreateFolder, Folder))
    return true;
  noteFailure(Account, L"create folder", Folder);
  return false;
}

/// "<Folder><Name><separator>".
std::wstring subfolder(const std::wstring& Folder, const std::wstring& Name) {
  return Folder + Name + Sep;
}

/// The first backup path of \p Path that does not exist; the last one of the
/// range when all exist.
std::wstring freeBackupPath(const std::wstring& Path, int Version) {
  std::wstring Candidate;
  for (int Counter = FirstBackup; Counter <= LastBackup; ++Counter) {
    Candidate = zrv::BackupPath(Path, Version, Counter);
    if (!Steps.Exists(Candidate))
      break;
  }
  return Candidate;
}

/// Reads the [FileHeader] of \p Path into \p Headers and stores its file
/// version in \p Version (0 when the header gives none). False when the file
/// has no header or cannot be read.
bool readTemplateVersion(CZRVReportTemplateReader& Reader, CZRVReportItemManager& Headers,
                         const std::wstring& Path, int& Version) {
  // One document receives every header of a call; a header without a
  // "FileVersion" line must not inherit the version of the file read before.
  Headers.SetFileVersion(0);
  if (!Reader.LoadTemplateFileHeader(Path.c_str(), &Headers))
    return false;
  Version = Headers.GetFileVersion();
  return true;
}

/// Copies one file unless it exists in the target and \p KeepExisting is
/// set. A failed copy is noted and otherwise ignored.
void copyOneFile(const std::wstring& From, const std::wstring& To, int KeepExisting,
                 std::wstring& Account) {
  if (KeepExisting != 0 && Steps.Exists(To))
    return;
  if (!run(Steps.Copy, From, To, KeepExisting != 0))
    noteFailure(Account, L"copy file", From, To);
}

bool isDotEntry(const std::wstring& Name) { return Name == L"." || Name == L".."; }

} // namespace

namespace zrv {

TemplateFileSteps& CurrentTemplateFileSteps() { return Steps; }

const TemplateFileSteps& DefaultTemplateFileSteps() { return RealSteps; }

std::wstring TemplateFolderOf(const std::wstring& Root) {
  std::wstring Folder = Root + Sep + TemplateFolderName + Sep;
  const wchar_t Pair[] = {Sep, Sep, L'\0'};
  const wchar_t Single[] = {Sep, L'\0'};
  replaceAll(Folder, Pair, Single);
  return Folder;
}

bool IsTemplatePath(const std::wstring& Path) {
  const std::wstring Extension = TemplateExtension;
  return Path.size() >= Extension.size() &&
         platform::ToLower(Path.substr(Path.size() - Extension.size())) == Extension;
}

std::wstring BackupPath(const std::wstring& Path, int Version, int Counter) {
  std::wstring Digits = std::to_wstring(Counter);
  if (Digits.size() < 2)
    Digits.insert(0, 1, L'0');
  return Path + L"_Ver" + std::to_wstring(Version) + L".bak" + Digits;
}

} // namespace zrv

// ---- Public members ---------------------------------------------------------------------

int CZRVReportSetting::CopyReportSettingTemplateFile(const wchar_t* SourceRoot,
                                                     const wchar_t* TargetRoot) {
  LastCopyMessage.clear();
  if (!SourceRoot || !TargetRoot)
    return 0;
  const std::wstring SourceFolder = zrv::TemplateFolderOf(SourceRoot);
  const std::wstring TargetFolder = zrv::TemplateFolderOf(TargetRoot);
  if (!makeFolder(TargetFolder, LastCopyMessage))
    return 0;
  if (!RenameReportTemplateFileName(SourceFolder.c_str(), TargetFolder.c_str()))
    return 0;
  // Existing files are kept, so the templates just moved aside are the only
  // ones replaced by the source's versions.
  return CopyFolderFiles(SourceFolder.c_str(), TargetFolder.c_str(), 1);
}

int CZRVReportSetting::CopyTemplateDataFile(const wchar_t* SourceRoot, const wchar_t* TargetRoot) {
  LastCopyMessage.clear();
  if (!SourceRoot || !TargetRoot)
    return 0;
  const std::wstring PictureSource = subfolder(SourceRoot, PictureFolderName);
  const std::wstring ReportFolder = subfolder(TargetRoot, ReportFolderName);
  const std::wstring PictureTarget = subfolder(ReportFolder, PictureFolderName);
  if (!Steps.Exists(PictureSource))
    return 0;
  // A folder that cannot be created is noted; the copies are still tried and
  // fail one by one, each noted.
  makeFolder(ReportFolder, LastCopyMessage);
  makeFolder(PictureTarget, LastCopyMessage);
  for (const wchar_t* Extension : PictureExtensions)
    CopyFolderFiles(PictureSource.c_str(), PictureTarget.c_str(), Extension, 0);
  return 1;
}

// ---- Private members ----------------------------------------------------------------------

int CZRVReportSetting::RenameReportTemplateFileName(const wchar_t* SourceFolder,
                                                    const wchar_t* TargetFolder) {
  if (!SourceFolder || !TargetFolder)
    return 0;
  // The versions of the source's templates by their names as listed.
  std::map<std::wstring, int> Versions;
  CZRVReportTemplateReader HeaderReader;
  CZRVReportItemManager Headers;

  const std::wstring Source = SourceFolder;
  std::vector<platform::DirectoryEntry> Entries;
  if (!listFolder(Source, L"*", Entries, LastCopyMessage))
    return 0;
  for (const platform::DirectoryEntry& Entry : Entries) {
    if (Entry.IsDirectory)
      continue;
    const std::wstring Path = Source + Entry.Name;
    int Version = 0;
    if (zrv::IsTemplatePath(Path) && readTemplateVersion(HeaderReader, Headers, Path, Version))
      Versions.emplace(Entry.Name, Version);
  }

  const std::wstring Target = TargetFolder;
  if (!listFolder(Target, L"*", Entries, LastCopyMessage))
    return 0;
  for (const platform::DirectoryEntry& Entry : Entries) {
    if (Entry.IsDirectory)
      continue;
    const std::wstring Path = Target + Entry.Name;
    int Version = 0;
    if (!zrv::IsTemplatePath(Path) || !readTemplateVersion(HeaderReader, Headers, Path, Version))
      continue;
    const auto Found = Versions.find(Entry.Name);
    if (Found != Versions.end() && Version >= Found->second)
      continue;
    // The template is renamed, never copied and removed: it is under its
    // backup name or under its own. With all backups taken the rename fails,
    // and the templates after this one are left as they are.
    const std::wstring Backup = freeBackupPath(Path, Version);
    if (!run(Steps.Rename, Path, Backup)) {
      noteFailure(LastCopyMessage, L"rename file", Path, Backup);
      break;
    }
  }
  return 1;
}

int CZRVReportSetting::CopyFolderFiles(const wchar_t* SourceFolder, const wchar_t* TargetFolder,
                                       int KeepExisting) {
  if (!SourceFolder || !TargetFolder || !Steps.Exists(SourceFolder))
    return 0;
  const std::wstring Source = SourceFolder;
  const std::wstring Target = TargetFolder;
  std::vector<platform::DirectoryEntry> Entries;
  if (!listFolder(Source, L"*", Entries, LastCopyMessage))
    return 0;
  for (const platform::DirectoryEntry& Entry : Entries) {
    if (Entry.IsDirectory && isDotEntry(Entry.Name))
      continue;
    if (Entry.IsDirectory && !Entry.IsReparsePoint) {
      const std::wstring TargetSub = subfolder(Target, Entry.Name);
      makeFolder(TargetSub, LastCopyMessage);
      CopyFolderFiles(subfolder(Source, Entry.Name).c_str(), TargetSub.c_str(), KeepExisting);
      continue;
    }
    // A file, or a link to a folder: copied as a file, never descended into.
    copyOneFile(Source + Entry.Name, Target + Entry.Name, KeepExisting, LastCopyMessage);
  }
  return 1;
}

int CZRVReportSetting::CopyFolderFiles(const wchar_t* SourceFolder, const wchar_t* TargetFolder,
                                       const wchar_t* Extension, int KeepExisting) {
  if (!SourceFolder || !TargetFolder || !Steps.Exists(SourceFolder))
    return 0;
  const std::wstring Pattern = std::wstring(L"*.") + (Extension && *Extension ? Extension : L"*");
  const std::wstring Source = SourceFolder;
  const std::wstring Target = TargetFolder;
  std::vector<platform::DirectoryEntry> Entries;
  if (!listFolder(Source, Pattern, Entries, LastCopyMessage))
    return 0;
  for (const platform::DirectoryEntry& Entry : Entries) {
    if (!Entry.IsDirectory)
      copyOneFile(Source + Entry.Name, Target + Entry.Name, KeepExisting, LastCopyMessage);
  }
  return 1;
}

std::wstring CZRVReportSetting::GetLastCopyMessage() const { return LastCopyMessage; }
