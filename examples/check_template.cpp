// check_template.cpp - checks a report template as a host would before using
// it: loads it with an observer that collects every finding (what the load
// passes over or changes, with its line), a diagnostic sink that collects the
// library's messages, and reads how the load ended from its status. Then shows
// what a missing file gives, and the same check through the reader alone.
//
// Usage: zrvreport_check_template [TEMPLATE]
//        (default examples/templates/broken/UnknownItemKey.csv, a solid
//        injection template with a misspelt item key)
// Exit status 0 when the checks ran (the template may have findings), 1 when a
// step did not give the outcome it should.
#include <zrvreport/zrvreport.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The library's texts are wide; this example prints ASCII and shows '?' for
// any other character.
std::string narrow(const std::wstring& Text) {
  std::string Out;
  for (wchar_t C : Text)
    Out += (C >= 32 && C < 127) ? static_cast<char>(C) : '?';
  return Out;
}

const char* kindName(ZRVTemplateFindingKind Kind) {
  switch (Kind) {
  case ZRVTemplateFindingKind::LineTooLong:
    return "line too long";
  case ZRVTemplateFindingKind::TextNotUtf8:
    return "text not UTF-8";
  case ZRVTemplateFindingKind::NotANumber:
    return "not a number";
  case ZRVTemplateFindingKind::SectionPassedOver:
    return "section passed over";
  case ZRVTemplateFindingKind::LineIgnored:
    return "line ignored";
  case ZRVTemplateFindingKind::DuplicateSetting:
    return "duplicate setting";
  case ZRVTemplateFindingKind::UnknownItemKey:
    return "unknown item key";
  case ZRVTemplateFindingKind::UnresolvedName:
    return "unresolved name";
  case ZRVTemplateFindingKind::ValueOutOfRange:
    return "value out of range";
  case ZRVTemplateFindingKind::ItemLinesNotRead:
    return "item lines not read";
  case ZRVTemplateFindingKind::ExtendedItemAdded:
    return "extended item added";
  case ZRVTemplateFindingKind::EndMissing:
    return "end missing";
  case ZRVTemplateFindingKind::SectionRead:
    return "section read";
  }
  return "?";
}

// Collects the findings of a load. SectionRead and ExtendedItemAdded tell what
// was read, not what was lost; a checker leaves them out.
struct FindingCollector : ZRVTemplateObserver {
  std::vector<ZRVTemplateFinding> Findings;
  void OnFinding(const ZRVTemplateFinding& Finding) override {
    if (Finding.Kind != ZRVTemplateFindingKind::SectionRead &&
        Finding.Kind != ZRVTemplateFindingKind::ExtendedItemAdded)
      Findings.push_back(Finding);
  }
};

void printFindings(const std::vector<ZRVTemplateFinding>& Findings) {
  for (const ZRVTemplateFinding& F : Findings)
    std::printf("  line %d %s: %s '%s'\n", F.Line, narrow(F.Section).c_str(), kindName(F.Kind),
                narrow(F.Text).c_str());
}

} // namespace

int main(int argc, char** argv) {
  const std::string Arg = argc > 1 ? argv[1] : "examples/templates/broken/UnknownItemKey.csv";
  const std::wstring Path(Arg.begin(), Arg.end()); // an ASCII path
  int Failures = 0;

  // The library's messages go to the debugger channel on Windows and nowhere
  // elsewhere; a sink collects them. It is process-wide: install it first.
  std::vector<std::wstring> Messages;
  ZRVDiagnosticSink Previous =
      ZRVSetDiagnosticSink([&Messages](const std::wstring& Line) { Messages.push_back(Line); });

  // 1. Through the facade: the observer is told the findings of every load.
  FindingCollector Collector;
  CZRVReportSetting Setting;
  Setting.SetProjectType(0, 0); // solid injection
  Setting.SetTemplateObserver(&Collector);
  Setting.SetProjectPath(Path.c_str());
  const ZRVLoadStatus Checked = Setting.GetLastLoadStatus();
  std::printf("check %s: %s, %d items, %d findings\n", Arg.c_str(),
              narrow(ZRVLoadStatusText(Checked)).c_str(),
              Setting.GetReportItemManager()->GetItemCount(),
              static_cast<int>(Collector.Findings.size()));
  printFindings(Collector.Findings);
  if (!ZRVLoadSucceeded(Checked))
    std::printf("  why: %s\n", narrow(Setting.GetLastLoadMessage()).c_str());

  // 2. A file that is not there: the result of SetProjectPath is still 1 and
  //    the document is empty, but the status and the message say why.
  Messages.clear();
  Setting.SetProjectPath(L"no-such-folder/Missing.csv");
  const ZRVLoadStatus Status = Setting.GetLastLoadStatus();
  std::printf("check no-such-folder/Missing.csv: %s\n", narrow(ZRVLoadStatusText(Status)).c_str());
  std::printf("  why: %s\n", narrow(Setting.GetLastLoadMessage()).c_str());
  for (const std::wstring& Message : Messages)
    std::printf("  diagnostic: %s\n", narrow(Message).c_str());
  if (Status != ZRVLoadStatus::FileMissing)
    ++Failures;

  // 3. The same check through the reader alone, into a document of its own:
  //    the entry point is chosen by the caller.
  CZRVReportTemplateReader Reader;
  CZRVReportItemManager Document;
  FindingCollector ReaderCollector;
  std::wstring Why;
  ZRVLoadStatus ReaderStatus = Reader.LoadWithStatus(ZRV_LOAD_SOLID_INJECTION, Path.c_str(),
                                                     &Document, 0, 0, &ReaderCollector, &Why);
  std::printf("reader: %s, %d items, %d findings\n",
              narrow(ZRVLoadStatusText(ReaderStatus)).c_str(), Document.GetItemCount(),
              static_cast<int>(ReaderCollector.Findings.size()));
  // The facade chose the same entry point: both loads end alike.
  if (ReaderStatus != Checked || ReaderCollector.Findings.size() != Collector.Findings.size())
    ++Failures;

  ZRVSetDiagnosticSink(Previous);
  std::printf("%s\n", Failures == 0 ? "checks done" : "checks FAILED");
  return Failures == 0 ? 0 : 1;
}
