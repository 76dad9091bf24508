// ProjectTable.h - what the facade does for each project type: the reader's
// loader with its two flag arguments, and the project type's name. The
// command-line tool asks the same table, so both choose alike.
#ifndef ZRVREPORT_SETTING_PROJECTTABLE_H
#define ZRVREPORT_SETTING_PROJECTTABLE_H

#include "zrvreport/ZRVReportTemplateReader.h"

namespace zrv {

/// The flags of a project that decide its load.
struct ProjectFlags {
  int Thermoset = 0;
  int Underfill = 0;
  int EncapsulationCM = 0;
};

/// The reader call of a project.
struct LoaderCall {
  ZRV_TEMPLATE_LOADER Loader;
  int FlagA;
  int FlagB;
  /// The thermoset flag as the loader takes it: the project's flag for the
  /// loaders with a thermoset argument, else 0.
  int Thermoset;
};

/// Fills \p Call with the load of project kind \p ProjectType (0 and 2 solid,
/// 1 shell) and application type \p AppType. Shell 0 to 2 load through
/// LoadShellInjection, LoadShellGasIn and LoadShellRIM; solid through the
/// loader of the application type, LoadSolidRIM for thermoset injection;
/// LoadSolidICPackage takes the underfill and encapsulation flags, LoadSolidICM,
/// LoadSolidCM, LoadSolidPIM and LoadSolidCFM the thermoset flag. False, with
/// \p Call untouched, where nothing loads: shell 3 to 14, solid 1 and 5, an
/// application type outside 0 to 14 or another kind.
bool loaderCallOf(int ProjectType, int AppType, const ProjectFlags& Flags, LoaderCall& Call);

/// The name of a project type ("SolidICM"); null where there is none.
/// \p RimMark tells whether "(RIM)" follows the name of a thermoset run.
const wchar_t* projectTypeNameOf(int ProjectType, int AppType, bool& RimMark);

/// What follows the name of a thermoset solid injection run.
constexpr const wchar_t* RimMarkText = L"(RIM)";

/// True for the solid kinds 0 and 2.
constexpr bool isSolidKind(int ProjectType) { return ProjectType == 0 || ProjectType == 2; }

} // namespace zrv

#endif // ZRVREPORT_SETTING_PROJECTTABLE_H
