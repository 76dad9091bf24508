// InstallReport.h - what "zrvtemplate install" did to the target template
// folder, worked out from the folder's files before and after the copy.
#ifndef ZRVTEMPLATE_INSTALLREPORT_H
#define ZRVTEMPLATE_INSTALLREPORT_H

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zrvtool {

/// The files of a folder tree: paths relative to the folder, '/' between
/// levels.
using FileSet = std::set<std::string>;

/// Lists the regular files under \p Folder (recursively); empty when the
/// folder does not exist.
FileSet ListFiles(const std::string& Folder);

/// The changes one install made.
struct InstallReport {
  /// Templates moved aside: the template's path and its backup's path.
  std::vector<std::pair<std::string, std::string>> MovedAside;
  /// Files copied from the source, in path order: every new file that is not
  /// a new backup, and every template moved aside that exists again.
  std::vector<std::string> Copied;
};

/// The failures that the facade's copy message (GetLastCopyMessage) lists,
/// one sentence each in the tool's words with the paths and the system's
/// reason ("cannot copy A to B: Permission denied"), in the order they
/// happened; empty when nothing failed.
std::vector<std::string> CopyFailures(const std::wstring& Message);

/// The changes between the target folder's files \p Before and \p After an
/// install. A new file named "<name>_Ver<version>.bak<nn>" (nn at least two
/// digits) whose <name> was there before is the backup of <name>.
InstallReport DiffInstall(const FileSet& Before, const FileSet& After);

} // namespace zrvtool

#endif // ZRVTEMPLATE_INSTALLREPORT_H
