// ProjectType.h - the project kind and moulding process of a template as the
// tool names them on the command line, and the reader entry point that the
// report setting facade picks for them.
#ifndef ZRVTEMPLATE_PROJECTTYPE_H
#define ZRVTEMPLATE_PROJECTTYPE_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zrvreport/ZRVReportTemplateReader.h"

namespace zrvtool {

/// A project type as the facade takes it: the kind (0 solid, 1 shell; 2
/// behaves as solid), the application type (0 injection to 14 CFM) and the
/// three process flags.
struct ProjectType {
  int ProjectKind = 0;
  int AppType = 0;
  bool Thermoset = false;
  bool Underfill = false;
  bool EncapsulationCM = false;
};

/// One process of the application type numbering.
struct ProcessInfo {
  int AppType;
  const char* Name;        ///< the command-line name ("icpackage")
  const char* Label;       ///< the name of the file header's AppType label ("ICPackage")
  const char* Description; ///< in words ("IC package")
};

/// The fifteen processes in the order of their numbers.
const std::vector<ProcessInfo>& Processes();

/// The kind named by \p Text: "solid" or 0 gives 0, "shell" or 1 gives 1, 2
/// gives 2 (a solid model); letter case is ignored. Empty for anything else.
std::optional<int> ParseKind(std::string_view Text);

/// The application type named by \p Text: a process name of Processes()
/// (letter case ignored) or a number 0 to 14. Empty for anything else.
std::optional<int> ParseProcess(std::string_view Text);

/// The reader load that the facade runs for a project type, with the flags it
/// passes.
struct LoaderChoice {
  ZRV_TEMPLATE_LOADER Loader = ZRV_LOAD_SOLID_INJECTION;
  /// The thermoset flag of LoadSolidICM, LoadSolidCM, LoadSolidPIM and
  /// LoadSolidCFM; the underfill flag of LoadSolidICPackage; else 0.
  int FlagA = 0;
  /// The encapsulation flag of LoadSolidICPackage; else 0.
  int FlagB = 0;
  /// The thermoset flag that selects the key lists (0 for the loaders that
  /// take none).
  int Thermoset = 0;
};

/// The loader of \p Type as the facade chooses it: shell 0, 1, 2 load through
/// LoadShellInjection, LoadShellGasIn, LoadShellRIM; solid (kind 0 or 2)
/// through the loader of its application type, LoadSolidRIM for injection
/// with the thermoset flag. Empty when the facade loads nothing: shell
/// processes other than 0 to 2, solid 1 (gas injection) and 5 (FAIM), an
/// application type outside 0 to 14, a kind other than 0 to 2.
std::optional<LoaderChoice> ChooseLoader(const ProjectType& Type);

/// The name of the reader member of a loader ("LoadSolidICM").
std::string LoaderName(ZRV_TEMPLATE_LOADER Loader);

/// The facade's project type name ("SolidICM", "SolidFIM" for MCIM,
/// "SolidInjection(RIM)" for thermoset injection); empty where the facade
/// gives none.
std::string ProjectTypeName(const ProjectType& Type);

/// A readable description: "solid ICM (thermoset)", "shell gas injection".
std::string Describe(const ProjectType& Type);

} // namespace zrvtool

#endif // ZRVTEMPLATE_PROJECTTYPE_H
