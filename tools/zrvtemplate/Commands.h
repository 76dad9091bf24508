// Commands.h - the command line of zrvtemplate: its subcommands, their
// options and exit statuses.
#ifndef ZRVTEMPLATE_COMMANDS_H
#define ZRVTEMPLATE_COMMANDS_H

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace zrvtool {

/// Exit statuses of the tool.
enum ExitStatus : int {
  ExitClean = 0,    ///< done; for check: nothing found
  ExitFindings = 1, ///< check found problems
  ExitError = 2     ///< the arguments are wrong or a file cannot be read or written
};

/// Runs zrvtemplate with \p Args (the arguments after the program name),
/// reading "-" from \p In, printing results to \p Out and errors to \p Err,
/// with the severities in colour when \p UseColour. Returns the exit status.
int RunTool(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out,
            std::ostream& Err, bool UseColour);

/// Runs zrvtemplate with \p Args (the arguments after the program name),
/// printing results to \p Out and errors to \p Err, with no standard input
/// and no colour. Returns the exit status.
int RunTool(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err);

} // namespace zrvtool

#endif // ZRVTEMPLATE_COMMANDS_H
