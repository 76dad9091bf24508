// TemplateFileSteps.h - the file operations of the template-folder management
// (bringing a "ReportSetting" folder into another root, copying template
// pictures), one replaceable function each, so that a test can make any one
// of them fail and check what the members then return and leave on disk.
#ifndef ZRVREPORT_SETTING_TEMPLATEFILESTEPS_H
#define ZRVREPORT_SETTING_TEMPLATEFILESTEPS_H

#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace zrv {

/// The file operations the template-folder members use. A failing operation
/// leaves its reason for platform::LastFailureReason().
struct TemplateFileSteps {
  /// True when a file or folder exists (platform::PathExists).
  bool (*Exists)(const std::wstring& Path);
  /// Creates one folder level; false when it exists or the parent is missing
  /// (platform::CreateDirectory).
  bool (*CreateFolder)(const std::wstring& Path);
  /// Lists a folder by a pattern, "." and ".." included
  /// (platform::ListDirectory).
  bool (*ListFolder)(const std::wstring& Folder, std::wstring_view Pattern,
                     std::vector<platform::DirectoryEntry>& Entries);
  /// Copies one regular file; with \p FailIfExists an existing target is
  /// never overwritten (platform::CopyFile).
  bool (*Copy)(const std::wstring& From, const std::wstring& To, bool FailIfExists);
  /// Renames a file; fails, changing nothing, when \p To exists
  /// (platform::RenameNoReplace).
  bool (*Rename)(const std::wstring& From, const std::wstring& To);
};

/// The table the template-folder members use; a test replaces entries and
/// puts DefaultTemplateFileSteps() back afterwards.
TemplateFileSteps& CurrentTemplateFileSteps();

/// The table of the real file operations.
const TemplateFileSteps& DefaultTemplateFileSteps();

} // namespace zrv

#endif // ZRVREPORT_SETTING_TEMPLATEFILESTEPS_H
