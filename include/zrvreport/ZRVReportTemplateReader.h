/// \file
/// \brief Loads a report template file into a settings document, with one entry point per
/// project type.
#ifndef ZRVREPORT_ZRVREPORTTEMPLATEREADER_H
#define ZRVREPORT_ZRVREPORTTEMPLATEREADER_H

#include <string>

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVStatus.h"
#include "zrvreport/ZRVTemplateObserver.h"

class CZRVReportItemManager;

/// The entry points of the reader, for the generic Load and LoadWithStatus
/// members. Each names the member that Load calls.
enum ZRV_TEMPLATE_LOADER : int {
  ZRV_LOAD_SHELL_INJECTION, ///< CZRVReportTemplateReader::LoadShellInjection
  ZRV_LOAD_SHELL_RIM,       ///< CZRVReportTemplateReader::LoadShellRIM
  ZRV_LOAD_SHELL_GASIN,     ///< CZRVReportTemplateReader::LoadShellGasIn
  ZRV_LOAD_SOLID_INJECTION, ///< CZRVReportTemplateReader::LoadSolidInjection
  ZRV_LOAD_SOLID_RIM,       ///< CZRVReportTemplateReader::LoadSolidRIM
  /// CZRVReportTemplateReader::LoadSolidICPackage (FlagA underfill, FlagB
  /// encapsulation)
  ZRV_LOAD_SOLID_ICPACKAGE,
  ZRV_LOAD_SOLID_GASIN, ///< CZRVReportTemplateReader::LoadSolidGasIn
  ZRV_LOAD_SOLID_COIM,  ///< CZRVReportTemplateReader::LoadSolidCOIM
  ZRV_LOAD_SOLID_ICM,   ///< CZRVReportTemplateReader::LoadSolidICM (FlagA thermoset)
  ZRV_LOAD_SOLID_MCIM,  ///< CZRVReportTemplateReader::LoadSolidMCIM
  ZRV_LOAD_SOLID_CM,    ///< CZRVReportTemplateReader::LoadSolidCM (FlagA thermoset)
  ZRV_LOAD_SOLID_GAIM,  ///< CZRVReportTemplateReader::LoadSolidGAIM
  ZRV_LOAD_SOLID_WAIM,  ///< CZRVReportTemplateReader::LoadSolidWAIM
  ZRV_LOAD_SOLID_PIM,   ///< CZRVReportTemplateReader::LoadSolidPIM (FlagA thermoset)
  ZRV_LOAD_SOLID_BIIM,  ///< CZRVReportTemplateReader::LoadSolidBIIM
  ZRV_LOAD_SOLID_RTM,   ///< CZRVReportTemplateReader::LoadSolidRTM
  ZRV_LOAD_SOLID_CFM,   ///< CZRVReportTemplateReader::LoadSolidCFM (FlagA thermoset)
  ZRV_LOAD_COUNT        ///< the number of entry points; not a loader
};

/// Loads report template files into a settings document.
///
/// Every entry point takes the file path and the target document and returns
/// 1 when the file was opened and read to its end (whatever it held), 0 when
/// the path or the document is null or the file cannot be opened (then the
/// message "[ReportTemplateReader] Can't open this template file %s" is sent
/// and the document is unchanged). A load fills the document's [FileHeader]
/// fields, appends the file's extended items, modules and items (it never
/// empties them: the caller prepares the document), and replaces all eight
/// setting libraries with the file's settings, empty where the file has no
/// section of that kind. The solid entry points then fill every item's
/// several-view records from the new view library.
///
/// A NUL byte ends the text of its line: the rest of that line is ignored
/// (no name or value can hold NUL). Names read from the file are decoded as
/// UTF-8, invalid bytes as U+FFFD. An
/// item line that lacks fields 12 to 15 takes the start-of-section values for
/// them (empty slicing name, AirTrap 0, WeldLine 0, item count of one page 1),
/// never those of an earlier line; a numeric field that is not a number reads
/// as 0 (an item count of 0 becomes 1). In the "PPTTemplate" row, "-" means no
/// template. A setting name, item key or name field longer than 255
/// characters does not resolve: its line is ignored.
class ZRVREPORT_EXPORT CZRVReportTemplateReader {
public:
  /// A reader; it has no state, so one reader serves any number of loads.
  CZRVReportTemplateReader();
  /// Copies nothing: the reader has no state.
  CZRVReportTemplateReader(const CZRVReportTemplateReader& Other);
  /// Copies nothing: the reader has no state.
  CZRVReportTemplateReader& operator=(const CZRVReportTemplateReader& Other);
  /// Does nothing.
  virtual ~CZRVReportTemplateReader();

  /// Shell injection: [ModelResult], [FlowResult], [PackResult], [CoolResult],
  /// [WarpResult].
  int LoadShellInjection(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Shell reaction injection: [ModelResult], [FlowResult], [CureResult].
  int LoadShellRIM(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Shell gas injection: as shell injection, with the gas-injection lists.
  int LoadShellGasIn(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Solid injection: [ModelResult], [FlowResult], [PackResult],
  /// [MoldPreheatResult], [CoolResult], [WarpResult], [MoldDeformationResult],
  /// [OpticsResult], [StressResult], [HotRunnerSteadyResult].
  int LoadSolidInjection(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Solid reaction injection.
  int LoadSolidRIM(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Solid IC package. With \p Underfill 1 the GateContribution,
  /// XY_SpruePressure and XY_ClampingForce items of [FlowResult] and
  /// [CureResult] are removed; with \p EncapsulationCM 1 the XY_SpruePressure,
  /// XY_FlowRate and XY_FlowRateGate items of [FlowResult]. Only the value 1
  /// counts as set.
  int LoadSolidICPackage(const wchar_t* Path, CZRVReportItemManager* Document, int Underfill,
                         int EncapsulationCM);
  /// Solid gas injection.
  int LoadSolidGasIn(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Solid co-injection.
  int LoadSolidCOIM(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Solid injection compression; \p Thermoset (non-zero) selects the
  /// reaction-injection lists.
  int LoadSolidICM(const wchar_t* Path, CZRVReportItemManager* Document, int Thermoset);
  /// Solid micro-cellular injection.
  int LoadSolidMCIM(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Solid compression moulding; \p Thermoset (non-zero) selects the
  /// reaction-injection lists.
  int LoadSolidCM(const wchar_t* Path, CZRVReportItemManager* Document, int Thermoset);
  /// Solid gas-assisted injection.
  int LoadSolidGAIM(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Solid water-assisted injection: the same load as LoadSolidGAIM.
  int LoadSolidWAIM(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Solid powder injection; \p Thermoset (non-zero) selects the
  /// reaction-injection lists.
  int LoadSolidPIM(const wchar_t* Path, CZRVReportItemManager* Document, int Thermoset);
  /// Solid bi-injection.
  int LoadSolidBIIM(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Solid resin transfer moulding.
  int LoadSolidRTM(const wchar_t* Path, CZRVReportItemManager* Document);
  /// Solid chemical foaming; \p Thermoset (non-zero) selects the
  /// reaction-injection cooling list.
  int LoadSolidCFM(const wchar_t* Path, CZRVReportItemManager* Document, int Thermoset);

  /// Reads only the [FileHeader] section into the document. Returns 1 when a
  /// [FileHeader] section was found and read; 0 when the path or the document
  /// is null, the file cannot be opened (no message), or the file has no
  /// [FileHeader] before its "[EOF]" line or its end.
  int LoadTemplateFileHeader(const wchar_t* Path, CZRVReportItemManager* Document);

  /// The load of entry point \p Loader with its flags: \p FlagA is the
  /// thermoset flag of the loaders that take one, and the underfill flag of
  /// ZRV_LOAD_SOLID_ICPACKAGE; \p FlagB is its encapsulation flag (ignored by
  /// the others). \p Observer, when not null, is told everything the load
  /// passes over or changes; the load is the same with or without it.
  /// Returns what the entry point returns; 0 for a loader outside the
  /// enumeration.
  int Load(ZRV_TEMPLATE_LOADER Loader, const wchar_t* Path, CZRVReportItemManager* Document,
           int FlagA = 0, int FlagB = 0, ZRVTemplateObserver* Observer = nullptr);

  /// The same load as Load, telling how it ended:
  /// - ZRVLoadStatus::Loaded: read to its end, no finding;
  /// - ZRVLoadStatus::LoadedWithFindings: read to its end with at least one
  ///   finding other than SectionRead and ExtendedItemAdded (what those are
  ///   goes to \p Observer when given);
  /// - ZRVLoadStatus::NotATemplate: read to its end without a single section
  ///   tag that the loader takes (not even [FileHeader] or [Info]): a file
  ///   that is no template, or only "[EOF]"; also a file not read because it
  ///   is no UTF-8 text (ZRVFileProblem::NotUtf8Text);
  /// - ZRVLoadStatus::FileMissing: nothing at \p Path;
  /// - ZRVLoadStatus::FileUnreadable: something at \p Path that cannot be
  ///   opened or read as a file;
  /// - ZRVLoadStatus::InvalidArgument: a null path or document, or a loader
  ///   outside the enumeration (nothing is read, no message).
  /// The document changes exactly as with Load, and the same messages are
  /// sent. \p Message, when not null, receives the message that tells why
  /// the load failed (the one sent to the diagnostic sink, or for
  /// NotATemplate a description of its own), and is emptied when the file
  /// was loaded.
  ZRVLoadStatus LoadWithStatus(ZRV_TEMPLATE_LOADER Loader, const wchar_t* Path,
                               CZRVReportItemManager* Document, int FlagA = 0, int FlagB = 0,
                               ZRVTemplateObserver* Observer = nullptr,
                               std::wstring* Message = nullptr);
};

#endif // ZRVREPORT_ZRVREPORTTEMPLATEREADER_H
