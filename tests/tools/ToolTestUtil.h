// ToolTestUtil.h - runs the zrvtemplate command line in-process and lists the
// sample templates, for the tool's tests.
#ifndef ZRVREPORT_TESTS_TOOLS_TOOLTESTUTIL_H
#define ZRVREPORT_TESTS_TOOLS_TOOLTESTUTIL_H

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"

namespace tooltest {

namespace fs = std::filesystem;

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
