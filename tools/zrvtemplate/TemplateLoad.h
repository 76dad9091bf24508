// TemplateLoad.h - one load of a template file as the report setting facade
// runs it, with everything the reader's observer reports along the way.
#ifndef ZRVTEMPLATE_TEMPLATELOAD_H
#define ZRVTEMPLATE_TEMPLATELOAD_H

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ProjectType.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVStatus.h"
#include "zrvreport/ZRVTemplateObserver.h"

namespace zrvtool {

/// The most findings of one kind that a load keeps.
inline constexpr int MaxKeptFindingsPerKind = 1000;

/// The outcome of a load.
struct LoadedTemplate {
  /// What the loader returned: 1 when the file was opened and read, 0 when it
  /// could not be opened.
  int Result = 0;
  /// How the load ended, and the library's message when it failed.
  ZRVLoadStatus Status = ZRVLoadStatus::NotLoaded;
  std::wstring Message;
  /// The document the file loaded into: a new document, as the facade's is
  /// after it empties it before a load.
  std::unique_ptr<CZRVReportItemManager> Document;
  /// The reader's findings in file order, at most MaxKeptFindingsPerKind of
  /// each kind.
  std::vector<ZRVTemplateFinding> Findings;
  /// The findings passed over because their kind had reached the limit.
  long long FindingsNotKept = 0;
  /// The line of the [FileHeader] tag that was read; 0 when none was.
  int HeaderLine = 0;
};

/// Loads \p Path with the loader and flags of \p Choice, observing the load.
LoadedTemplate LoadTemplate(const std::wstring& Path, const LoaderChoice& Choice);

/// The kind and application type that the file's [FileHeader] gives
/// (ProjectType and AppType, 0 where a line is missing); empty when the file
/// cannot be opened or has no [FileHeader].
std::optional<ProjectType> ReadHeaderProjectType(const std::wstring& Path);

} // namespace zrvtool

#endif // ZRVTEMPLATE_TEMPLATELOAD_H
