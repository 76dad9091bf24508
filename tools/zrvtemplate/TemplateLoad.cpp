// TemplateLoad.cpp - runs the reader's load with a recording observer.
#include "TemplateLoad.h"

#include "zrvreport/ZRVReportTemplateReader.h"

#include <map>

namespace zrvtool {
namespace {

/// Keeps the findings of a load, at most MaxKeptFindingsPerKind of each
/// kind, and counts the rest: a file of a million broken lines must not keep
/// a million findings in memory.
class Recorder : public ZRVTemplateObserver {
public:
  explicit Recorder(LoadedTemplate& Target) : Loaded(Target) {}
  void OnFinding(const ZRVTemplateFinding& Finding) override {
    int& Kept = KeptOfKind[Finding.Kind];
    if (Kept >= MaxKeptFindingsPerKind) {
      ++Loaded.FindingsNotKept;
      return;
    }
    ++Kept;
    Loaded.Findings.push_back(Finding);
  }

private:
  LoadedTemplate& Loaded;
  std::map<ZRVTemplateFindingKind, int> KeptOfKind;
};

} // namespace

LoadedTemplate LoadTemplate(const std::wstring& Path, const LoaderChoice& Choice) {
  LoadedTemplate Loaded;
  Loaded.Document = std::make_unique<CZRVReportItemManager>();
  Recorder Observer(Loaded);
  CZRVReportTemplateReader Reader;
  Loaded.Status = Reader.LoadWithStatus(Choice.Loader, Path.c_str(), Loaded.Document.get(),
                                        Choice.FlagA, Choice.FlagB, &Observer, &Loaded.Message);
  Loaded.Result = ZRVLoadSucceeded(Loaded.Status) || Loaded.Status == ZRVLoadStatus::NotATemplate;
  for (const ZRVTemplateFinding& Finding : Loaded.Findings)
    if (Finding.Kind == ZRVTemplateFindingKind::SectionRead && Finding.Section == L"[FileHeader]") {
      Loaded.HeaderLine = Finding.Line;
      break;
    }
  return Loaded;
}

std::optional<ProjectType> ReadHeaderProjectType(const std::wstring& Path) {
  CZRVReportItemManager Document;
  CZRVReportTemplateReader Reader;
  if (!Reader.LoadTemplateFileHeader(Path.c_str(), &Document))
    return std::nullopt;
  ProjectType Type;
  Type.ProjectKind = Document.GetFileProjectType();
  Type.AppType = Document.GetFileAppType();
  return Type;
}

} // namespace zrvtool
