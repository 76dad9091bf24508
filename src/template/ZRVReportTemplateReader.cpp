// ZRVReportTemplateReader.cpp - the entry points of the template reader: each
// runs one parser object with the settings of its project type.
#include "zrvreport/ZRVReportTemplateReader.h"

#include "platform/Diagnostics.h"
#include "template/ZRVReportTemplateProjectReader.h"
#include "util/Text.h"

using zrv::ReaderEntryPoint;

namespace {

// The public loader numbering follows the entry points of the catalogue's
// selection table one to one.
static_assert(static_cast<int>(ZRV_LOAD_COUNT) == static_cast<int>(ReaderEntryPoint::Count),
              "one loader per reader entry point");
static_assert(static_cast<int>(ZRV_LOAD_SOLID_CFM) == static_cast<int>(ReaderEntryPoint::SolidCFM),
              "loader numbering follows the entry points");

int runLoad(const wchar_t* Path, CZRVReportItemManager* Document, ReaderEntryPoint Entry,
            int Thermoset = 0, int Underfill = 0, int EncapsulationCM = 0,
            ZRVTemplateObserver* Observer = nullptr) {
  if (!Path || !Document)
    return 0;
  zrv::LoadOptions Options;
  Options.Entry = Entry;
  Options.Thermoset = Thermoset;
  Options.Underfill = Underfill;
  Options.EncapsulationCM = EncapsulationCM;
  Options.Observer = Observer;
  CZRVReportTemplateProjectReader Parser;
  return Parser.Load(Path, *Document, Options);
}

/// Passes every finding on to the caller's observer and counts what tells how
/// the load went: the sections taken, and the findings that mean something
/// was passed over or changed.
class StatusObserver final : public ZRVTemplateObserver {
public:
  explicit StatusObserver(ZRVTemplateObserver* Forward) : Next(Forward) {}

  void OnFinding(const ZRVTemplateFinding& Finding) override {
    switch (Finding.Kind) {
    case ZRVTemplateFindingKind::SectionRead:
      ++SectionsRead;
      break;
    case ZRVTemplateFindingKind::ExtendedItemAdded:
      break;
    default:
      ++Losses;
      break;
    }
    if (Next)
      Next->OnFinding(Finding);
  }

  int SectionsRead = 0;
  int Losses = 0;

private:
  ZRVTemplateObserver* Next;
};

} // namespace

CZRVReportTemplateReader::CZRVReportTemplateReader() = default;
CZRVReportTemplateReader::CZRVReportTemplateReader(const CZRVReportTemplateReader&) = default;
CZRVReportTemplateReader&
CZRVReportTemplateReader::operator=(const CZRVReportTemplateReader&) = default;
CZRVReportTemplateReader::~CZRVReportTemplateReader() = default;

int CZRVReportTemplateReader::LoadShellInjection(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::ShellInjection);
}
int CZRVReportTemplateReader::LoadShellRIM(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::ShellRIM);
}
int CZRVReportTemplateReader::LoadShellGasIn(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::ShellGasIn);
}
int CZRVReportTemplateReader::LoadSolidInjection(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::SolidInjection);
}
int CZRVReportTemplateReader::LoadSolidRIM(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::SolidRIM);
}
int CZRVReportTemplateReader::LoadSolidICPackage(const wchar_t* Path, CZRVReportItemManager* D,
                                                 int Underfill, int EncapsulationCM) {
  return runLoad(Path, D, ReaderEntryPoint::SolidICPackage, 0, Underfill, EncapsulationCM);
}
int CZRVReportTemplateReader::LoadSolidGasIn(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::SolidGasIn);
}
int CZRVReportTemplateReader::LoadSolidCOIM(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::SolidCOIM);
}
int CZRVReportTemplateReader::LoadSolidICM(const wchar_t* Path, CZRVReportItemManager* D,
                                           int Thermoset) {
  return runLoad(Path, D, ReaderEntryPoint::SolidICM, Thermoset);
}
int CZRVReportTemplateReader::LoadSolidMCIM(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::SolidMCIM);
}
int CZRVReportTemplateReader::LoadSolidCM(const wchar_t* Path, CZRVReportItemManager* D,
                                          int Thermoset) {
  return runLoad(Path, D, ReaderEntryPoint::SolidCM, Thermoset);
}
int CZRVReportTemplateReader::LoadSolidGAIM(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::SolidGAIM);
}
int CZRVReportTemplateReader::LoadSolidWAIM(const wchar_t* Path, CZRVReportItemManager* D) {
  return LoadSolidGAIM(Path, D);
}
int CZRVReportTemplateReader::LoadSolidPIM(const wchar_t* Path, CZRVReportItemManager* D,
                                           int Thermoset) {
  return runLoad(Path, D, ReaderEntryPoint::SolidPIM, Thermoset);
}
int CZRVReportTemplateReader::LoadSolidBIIM(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::SolidBIIM);
}
int CZRVReportTemplateReader::LoadSolidRTM(const wchar_t* Path, CZRVReportItemManager* D) {
  return runLoad(Path, D, ReaderEntryPoint::SolidRTM);
}
int CZRVReportTemplateReader::LoadSolidCFM(const wchar_t* Path, CZRVReportItemManager* D,
                                           int Thermoset) {
  return runLoad(Path, D, ReaderEntryPoint::SolidCFM, Thermoset);
}

int CZRVReportTemplateReader::LoadTemplateFileHeader(const wchar_t* Path,
                                                     CZRVReportItemManager* D) {
  if (!Path || !D)
    return 0;
  CZRVReportTemplateProjectReader Parser;
  return Parser.LoadHeader(Path, *D);
}

int CZRVReportTemplateReader::Load(ZRV_TEMPLATE_LOADER Loader, const wchar_t* Path,
                                   CZRVReportItemManager* D, int FlagA, int FlagB,
                                   ZRVTemplateObserver* Observer) {
  if (Loader < 0 || Loader >= ZRV_LOAD_COUNT)
    return 0;
  auto Entry = static_cast<ReaderEntryPoint>(Loader);
  if (Entry == ReaderEntryPoint::SolidICPackage)
    return runLoad(Path, D, Entry, 0, FlagA, FlagB, Observer);
  // LoadSolidWAIM is the same load as LoadSolidGAIM.
  if (Entry == ReaderEntryPoint::SolidWAIM)
    Entry = ReaderEntryPoint::SolidGAIM;
  return runLoad(Path, D, Entry, FlagA, 0, 0, Observer);
}

ZRVLoadStatus CZRVReportTemplateReader::LoadWithStatus(ZRV_TEMPLATE_LOADER Loader,
                                                       const wchar_t* Path,
                                                       CZRVReportItemManager* D, int FlagA,
                                                       int FlagB, ZRVTemplateObserver* Observer,
                                                       std::wstring* Message) {
  if (Message)
    Message->clear();
  if (Loader < 0 || Loader >= ZRV_LOAD_COUNT || !Path || !D)
    return ZRVLoadStatus::InvalidArgument;
  StatusObserver Counter(Observer);
  zrv::ClearLastDiagnostic();
  if (!Load(Loader, Path, D, FlagA, FlagB, &Counter)) {
    if (Message)
      *Message = zrv::LastDiagnostic();
    switch (ZRVProbeTemplateFile(Path)) {
    case ZRVFileProblem::Missing:
      return ZRVLoadStatus::FileMissing;
    case ZRVFileProblem::NotUtf8Text:
      return ZRVLoadStatus::NotATemplate;
    default:
      return ZRVLoadStatus::FileUnreadable;
    }
  }
  if (Counter.SectionsRead == 0) {
    if (Message)
      *Message = L"[ReportTemplateReader] no section of this project type's template in " +
                 std::wstring(Path);
    return ZRVLoadStatus::NotATemplate;
  }
  return Counter.Losses ? ZRVLoadStatus::LoadedWithFindings : ZRVLoadStatus::Loaded;
}
