// Preview.h - "zrvtemplate preview": the report a template describes as one
// self-contained HTML page (inline CSS, no script, no external files), built
// from the loaded document and the reader's findings of that load.
#ifndef ZRVTEMPLATE_PREVIEW_H
#define ZRVTEMPLATE_PREVIEW_H

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "CheckRules.h"
#include "ProjectType.h"
#include "TemplateLoad.h"

namespace zrvtool {

/// What the page says about the load besides the document and its findings.
struct PreviewRequest {
  /// The template's path as the user gave it (shown in the header).
  std::string File;
  /// The project type the file was loaded as, in words with the loader.
  std::string LoadedAs;
  /// The rules' view of the load; its Document is set to the loaded one.
  CheckContext Context;
  /// The project type given on the command line, against which the file's
  /// [FileHeader] is compared; empty when it was taken from the header.
  std::optional<ProjectType> GivenType;
};

/// \p Text (UTF-8) as HTML text or attribute value: '&', '<', '>', '"' and
/// '\'' become character references, and code points that an HTML page may
/// not hold (controls other than tab, LF and CR, noncharacters) become
/// U+FFFD. Invalid UTF-8 also becomes U+FFFD.
std::string EscapeHtml(std::string_view Text);

/// The page number, counted from \p FirstPage, of each item of one result
/// section, given each item's item count of one page (1 to 4; other values
/// count as 1) or 0 for an item that takes no room (its output is off; it
/// shares the page of the item before it). An item of count N takes 1/N of a
/// page and a new page begins when the next item does not fit in what is
/// left, so four items of count 4 share a page, and an item of count 1
/// always has a page of its own.
std::vector<int> PageOfItems(const std::vector<int>& ItemsPerPage, int FirstPage);

/// The whole page for \p Loaded (which must hold a document). Every finding
/// that check would derive from the load (without the dialects of the raw
/// bytes, which the page does not read) appears once: beside the struck-
/// through item line or section it passed over, under the result section it
/// belongs to, or in the list at the top.
std::string PreviewHtml(const LoadedTemplate& Loaded, const PreviewRequest& Request);

/// Writes \p Html to the file \p Page, or to \p Out when \p Page is "-".
/// Returns ExitClean when written; when the file cannot be written, says so
/// on \p Err and returns ExitError.
int WritePreview(const std::string& Page, const std::string& Html, std::ostream& Out,
                 std::ostream& Err);

} // namespace zrvtool

#endif // ZRVTEMPLATE_PREVIEW_H
