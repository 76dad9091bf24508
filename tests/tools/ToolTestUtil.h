// ToolTestUtil.h - runs the zrvtemplate command line in-process and lists the
// sample templates, for the tool's tests.
#ifndef ZRVREPORT_TESTS_TOOLS_TOOLTESTUTIL_H
#define ZRVREPORT_TESTS_TOOLS_TOOLTESTUTIL_H

#include "TestSupport.h"

#include "Commands.h"

namespace tooltest {

const fs::path Samples = ZRV_SAMPLE_TEMPLATES;

/// The exit status and the two output streams of one run.
struct ToolRun {
  int Status = -1;
  std::string Out;
  std::string Err;
};

/// Runs the tool with \p Input as its standard input, in colour when
/// \p Colour.
inline ToolRun run(const std::vector<std::string>& Args, const std::string& Input = std::string(),
                   bool Colour = false) {
  std::istringstream In(Input);
  std::ostringstream Out;
  std::ostringstream Err;
  ToolRun Result;
  Result.Status = zrvtool::RunTool(Args, In, Out, Err, Colour);
  Result.Out = Out.str();
  Result.Err = Err.str();
  return Result;
}

/// Whether \p R ended with \p Status and \p Printed (its standard output or
/// error) holds \p Part; a failure shows what the run printed.
inline ::testing::AssertionResult endedWith(const ToolRun& R, int Status,
                                            const std::string& Printed, const std::string& Part) {
  if (R.Status == Status && Printed.find(Part) != std::string::npos)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "status " << R.Status << " (not " << Status << ") or no '" << Part << "' in:\n"
         << R.Out << R.Err;
}
inline ::testing::AssertionResult printed(const ToolRun& R, int Status, const std::string& Part) {
  return endedWith(R, Status, R.Out, Part);
}
inline ::testing::AssertionResult printedError(const ToolRun& R, int Status,
                                               const std::string& Part) {
  return endedWith(R, Status, R.Err, Part);
}
/// Whether \p R was refused (status 2) saying \p Part on standard error.
inline ::testing::AssertionResult refused(const ToolRun& R, const std::string& Part) {
  return printedError(R, 2, Part);
}

/// The ".csv" files of \p Folder (not of its subfolders), sorted.
inline std::vector<fs::path> csvFiles(const fs::path& Folder) {
  std::vector<fs::path> Files;
  for (const auto& Entry : fs::directory_iterator(Folder))
    if (Entry.is_regular_file() && Entry.path().extension() == ".csv")
      Files.push_back(Entry.path());
  std::sort(Files.begin(), Files.end());
  return Files;
}

} // namespace tooltest

#endif // ZRVREPORT_TESTS_TOOLS_TOOLTESTUTIL_H
