// TemplatePaths.h - the names the template file management builds: template
// folders, the test for a template file, and backup names.
#ifndef ZRVREPORT_SETTING_TEMPLATEPATHS_H
#define ZRVREPORT_SETTING_TEMPLATEPATHS_H

#include <string>

namespace zrv {

/// The "ReportSetting" folder of \p Root: the root, a separator,
/// "ReportSetting" and a separator, then every pair of separators reduced to
/// one, left to right without overlap ("a//" gives "a/ReportSetting/", a
/// leading pair becomes one).
std::wstring TemplateFolderOf(const std::wstring& Root);

/// True when the last four characters of \p Path, lower-cased, are ".csv".
bool IsTemplatePath(const std::wstring& Path);

/// "<Path>_Ver<Version>.bak<Counter>", the counter with at least two digits.
std::wstring BackupPath(const std::wstring& Path, int Version, int Counter);

} // namespace zrv

#endif // ZRVREPORT_SETTING_TEMPLATEPATHS_H
