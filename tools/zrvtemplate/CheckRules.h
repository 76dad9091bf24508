// CheckRules.h - the rules of "zrvtemplate check": they turn what the template
// reader's observer reports during a load into messages for template authors,
// with a severity, a short code and advice. The rules never read the file
// themselves; they only explain what the load did.
#ifndef ZRVTEMPLATE_CHECKRULES_H
#define ZRVTEMPLATE_CHECKRULES_H

#include <string>
#include <vector>

#include "ProjectType.h"
#include "zrvreport/ZRVTemplateObserver.h"

class CZRVReportItemManager;

namespace zrvtool {

enum class Severity { Error, Warning, Note };

/// "error", "warning" or "note".
const char* SeverityName(Severity Level);

/// One message of the checker, about one line of the file.
struct Diagnostic {
  int Line = 0;
  Severity Level = Severity::Error;
  /// A short, stable name of the rule ("unknown-key").
  std::string Code;
  /// The message in UTF-8, without the file and line.
  std::string Message;
  /// The section the line belongs to ("[FlowResult]"); empty outside one.
  std::string Section;
};

/// What the rules know of the load besides its findings.
struct CheckContext {
  /// The loader of the load and the thermoset flag that selected its key
  /// lists.
  ZRV_TEMPLATE_LOADER Loader = ZRV_LOAD_SOLID_INJECTION;
  int Thermoset = 0;
  /// The project type in words, for messages ("solid injection").
  std::string ProjectDescription;
  /// The document as loaded; its setting libraries hold exactly the file's
  /// settings, which the rules search for names that differ only in case.
  /// May be null (no suggestions then).
  const CZRVReportItemManager* Document = nullptr;
};

/// The diagnostics of one load, in line order (findings of one line in the
/// order the reader reported them). Findings that only describe the load
/// (sections read, extended items added) give no diagnostic of their own but
/// feed the [ResultEx] rule: every row must land at the position its key
/// belongs to, and the section must give all six rows.
std::vector<Diagnostic> CheckFindings(const std::vector<ZRVTemplateFinding>& Findings,
                                      const CheckContext& Context);

/// The advice for an item key that the key list of section \p SectionTag does
/// not hold, first that applies: a key of the same list that differs only in
/// letter case ("did you mean 'MeltFrontTime'?"); the other sections of the
/// same project type whose lists hold the key, all of them; a key of another
/// section that differs only in letter case; the first project type (in the
/// order of the reader's entry points, without and then with the thermoset
/// flag) and section whose list holds it; else that no list holds it.
std::string AdviseItemKey(const std::wstring& Key, const std::wstring& SectionTag,
                          const CheckContext& Context);

/// A warning at \p HeaderLine when the file's [FileHeader] names another
/// project type than the one checked (ProjectType against the kind, AppType
/// against the application type; kind 2 counts as solid). Empty when they
/// agree.
std::vector<Diagnostic> CheckHeaderProjectType(const CZRVReportItemManager& Document,
                                               const ProjectType& Checked, int HeaderLine);

} // namespace zrvtool

#endif // ZRVTEMPLATE_CHECKRULES_H
