// ZRVReportTemplateReader.cpp - the entry points of the template reader: each
// runs one parser object with the settings of its project type.
#include "zrvreport/ZRVReportTemplateReader.h"

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
