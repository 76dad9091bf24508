// TemplateLoad.cpp - runs the reader's load with a recording observer.
#include "TemplateLoad.h"

#include "zrvreport/ZRVReportTemplateReader.h"

namespace zrvtool {
namespace {

/// Keeps every finding of a load.
class Recorder : public ZRVTemplateObserver {
public:
  explicit Recorder(std::vector<ZRVTemplateFinding>& Target) : Findings(Target) {}
  void OnFinding(const ZRVTemplateFinding& Finding) override { Findings.push_back(Finding); }

private:
  std::vector<ZRVTemplateFinding>& Findings;
};

} // namespace

LoadedTemplate LoadTemplate(const std::wstring& Path, const LoaderChoice& Choice) {
  LoadedTemplate Loaded;
  Loaded.Document = std::make_unique<CZRVReportItemManager>();
  Recorder Observer(Loaded.Findings);
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
  Type.Kind = Document.GetFileProjectType();
  Type.AppType = Document.GetFileAppType();
  return Type;
}

} // namespace zrvtool
