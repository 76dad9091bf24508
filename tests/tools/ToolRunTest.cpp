// ToolRunTest.cpp - the whole command line on the sample templates: every
// valid sample checks clean, every broken one gives its findings at their
// lines, and the errors name the file and say what to do.

#include <nlohmann/json.hpp>

#include "ToolTestUtil.h"

using namespace tooltest;
using zrvtest::holds;

namespace {

std::string sample(const std::string& Name) { return (Samples / Name).string(); }
std::string broken(const std::string& Name) { return (Samples / "broken" / Name).string(); }

/// "LINE code" of every finding that check --json reports.
std::vector<std::string> findings(const std::string& File) {
  ToolRun R = run({"check", File, "--json"});
  EXPECT_EQ(R.Status, 1) << File << R.Err;
  std::vector<std::string> Result;
  nlohmann::json Report = nlohmann::json::parse(R.Out);
  for (const auto& F : Report["findings"])
    Result.push_back(std::to_string(F["line"].get<int>()) + " " + F["code"].get<std::string>());
  return Result;
}

} // namespace

TEST(ZrvTemplateTool, EveryBrokenSampleGivesItsFindings) {
  const std::map<std::string, std::vector<std::string>> Expected = {
      {"UnknownItemKey.csv",
       {"72 unknown-key", "73 unknown-key", "74 unknown-key", "75 unknown-key"}},
      {"UnresolvedName.csv",
       {"58 unresolved-name", "70 unresolved-name", "70 unresolved-name", "71 unresolved-name",
        "71 unresolved-name", "71 unresolved-name", "71 unresolved-name"}},
      {"SectionOrder.csv", {"28 section-order", "73 section-order"}},
      {"SectionNotRead.csv", {"74 section-not-read", "79 unknown-section"}},
      {"LineShape.csv", {"6 line-shape", "17 line-shape", "23 line-shape", "34 line-shape"}},
      {"LongLine.csv", {"9 long-line", "9 line-shape", "9 line-shape"}},
      {"BracketInDataLine.csv", {"15 bracket-in-line", "72 unresolved-name", "77 unresolved-name"}},
      {"DuplicateSetting.csv", {"16 duplicate-setting"}},
      {"FieldCount.csv", {"72 field-count", "73 field-count"}},
      {"FileVersion1000.csv", {"64 file-version", "69 file-version", "75 file-version"}},
      {"FileVersion999.csv", {"64 file-version", "69 file-version", "75 file-version"}},
      {"ValueOutOfRange.csv",
       {"70 value-range", "71 value-range", "71 value-range", "72 value-range"}},
      {"ResultExRows.csv",
       {"53 resultex-rows", "56 resultex-rows", "57 resultex-rows", "58 resultex-rows",
        "59 resultex-rows"}},
      {"MissingEnd.csv", {"76 end-missing"}},
      {"MeltLabelMissing.csv", {"39 melt-label", "55 unresolved-name"}},
  };
  std::vector<fs::path> Files = csvFiles(Samples / "broken");
  EXPECT_EQ(Files.size(), Expected.size());
  for (const fs::path& File : Files) {
    auto Entry = Expected.find(File.filename().string());
    ASSERT_NE(Entry, Expected.end()) << File << " has no expected findings";
    EXPECT_EQ(findings(File.string()), Entry->second) << File;
  }
}

TEST(ZrvTemplateTool, CheckPrintsFileLineSeverityMessage) {
  // The advice after the first line's ';' for each kind of unknown key is in
  // CheckRulesTest.cpp (ItemKeyAdvice).
  std::string File = broken("UnknownItemKey.csv");
  ToolRun R = run({"check", File});
  EXPECT_EQ(R.Status, 1);
  EXPECT_EQ(R.Err, "");
  EXPECT_EQ(R.Out.substr(0, R.Out.find('\n') + 1),
            File +
                ":72: error: item key 'Meltfronttime' is not in the key list of [FlowResult] for "
                "solid injection, so the item line is dropped; did you mean 'MeltFrontTime'? "
                "(keys are case-sensitive) [unknown-key]\n");
  EXPECT_EQ(std::count(R.Out.begin(), R.Out.end(), '\n'), 5);
  EXPECT_EQ(R.Out.substr(R.Out.rfind('\n', R.Out.size() - 2) + 1),
            File + ": 4 errors, 0 warnings; checked as solid injection (LoadSolidInjection)\n");
}

TEST(ZrvTemplateTool, EveryValidSampleChecksClean) {
  std::vector<fs::path> Files = csvFiles(Samples);
  EXPECT_EQ(Files.size(), 16u); // three shell and thirteen solid project types
  for (const fs::path& File : Files)
    EXPECT_TRUE(printed(run({"check", File.string()}), 0, ": clean; checked as"));
}

TEST(ZrvTemplateTool, ProjectTypeFromOptionsOrHeader) {
  // Options override the header: a shell file checked as solid injection
  // warns about the header and finds the shell keys unknown.
  ToolRun R =
      run({"check", sample("ShellInjection.csv"), "--kind", "solid", "--process", "0", "--json"});
  EXPECT_EQ(R.Status, 1);
  auto Report = nlohmann::json::parse(R.Out);
  EXPECT_EQ(Report["loader"], "LoadSolidInjection");
  EXPECT_EQ(Report["findings"][0]["code"], "project-type");
  EXPECT_EQ(Report["findings"][0]["line"], 1);
  // A file without [FileHeader] needs both options.
  zrvtest::TempDir Dir;
  zrvtest::writeBytes(Dir.path() / "bare.csv", "[ViewSetting]\r\n[EOF],,,,,,,,,,");
  std::string Bare = (Dir.path() / "bare.csv").string();
  R = run({"check", Bare});
  EXPECT_EQ(R.Status, 2);
  EXPECT_EQ(R.Err, "zrvtemplate: error: '" + Bare +
                       "' has no [FileHeader] to take the project type from; give --kind and "
                       "--process\n");
  EXPECT_TRUE(printed(run({"check", Bare, "--kind", "shell", "--process", "gasin"}), 1,
                      "checked as shell gas injection (LoadShellGasIn)")); // no [ResultEx]
}

TEST(ZrvTemplateTool, ErrorsNameTheFileAndSayWhatToDo) {
  ToolRun R = run({"check", sample("Missing.csv")});
  EXPECT_EQ(R.Status, 2);
  EXPECT_EQ(R.Out, "");
  EXPECT_EQ(R.Err, "zrvtemplate: error: cannot read '" + sample("Missing.csv") +
                       "': no such file; give the path of a report template file (.csv)\n");
  EXPECT_TRUE(refused(run({"show", Samples.string()}), "it is a folder, not a file"));
  R = run({"check", sample("SolidInjection.csv"), "--kind", "solid", "--process", "gasin"});
  EXPECT_EQ(R.Status, 2);
  EXPECT_EQ(R.Err, "zrvtemplate: error: no template loader reads a solid gas injection project; "
                   "give another --kind or --process (solid: every process but gasin and faim; "
                   "shell: injection, gasin, rim)\n");
  EXPECT_TRUE(refused(run({"check", sample("SolidInjection.csv"), "--process", "blow"}),
                      "'blow' is no process; use one of injection 0,"));
  R = run({"--help"}); // no arguments at all: ExitStatus.cmake
  EXPECT_EQ(R.Status, 0);
  for (const char* Command : {"check", "show", "catalogue"})
    EXPECT_TRUE(holds(R.Out, Command)) << Command;
  R = run({"check", "--help"});
  EXPECT_EQ(R.Status, 0);
  for (const char* Option : {"--kind", "--process", "--thermoset", "--underfill",
                             "--encapsulation-cm", "--json", "Exit status"})
    EXPECT_TRUE(holds(R.Out, Option)) << Option;

  // Unreadable templates say why.
  zrvtest::TempDir Dir;
  zrvtest::writeBytes(Dir.path() / "wide.csv", std::string("\xFF\xFE[\0F\0", 6));
  EXPECT_TRUE(
      refused(run({"check", (Dir.path() / "wide.csv").u8string()}), "not a UTF-8 text template"));
#ifndef _WIN32 // a name over 255 bytes: the limit of the file systems there
  EXPECT_TRUE(refused(run({"check", (Dir.path() / std::string(300, 'n')).u8string()}),
                      "longer than the system allows"));
#endif
}

TEST(ZrvTemplateTool, CatalogueListsWhatTheReaderResolves) {
  ToolRun R =
      run({"catalogue", "--kind", "solid", "--process", "cm", "--section", "flowresult", "--json"});
  ASSERT_EQ(R.Status, 0) << R.Err;
  auto Report = nlohmann::json::parse(R.Out);
  ASSERT_EQ(Report["sections"].size(), 1u);
  const auto& Flow = Report["sections"][0];
  EXPECT_EQ(Flow["tag"], "[FlowResult]");
  EXPECT_EQ(Flow["list"], "SolidICMFlow+SolidCMFlowExtra");
  EXPECT_EQ(Flow["keys"].size(), 94u); // 92 and the two compression-moulding keys
  int Fiber = 0;
  for (const auto& Key : Flow["keys"])
    Fiber += Key["key"] == "FiberConcetrationVolumePercentage" && Key["id"] == 462;
  EXPECT_EQ(Fiber, 1);

  EXPECT_TRUE(refused(
      run({"catalogue", "--kind", "solid", "--process", "injection", "--section", "WireSweep"}),
      "section [WireSweep] is not read for solid injection; give one of [ModelResult], "
      "[FlowResult]"));
  EXPECT_EQ(run({"catalogue", "--kind", "solid"}).Status, 2);
}

TEST(ZrvTemplateTool, ShowPrintsTheLoadedDocument) {
  ToolRun R = run({"show", broken("UnresolvedName.csv")});
  EXPECT_TRUE(printed(R, 0,
                      "Loaded as: solid injection (LoadSolidInjection)\n\n[FileHeader]\n"
                      "  FileVersion: 1001\n"));
  // The second flow item keeps the view that resolved and loses the rest.
  EXPECT_TRUE(holds(R.Out,
                    "  Pressure (id 422): output PNG, display slicing, X Y Z 0 0 1, faces 10, "
                    "clipping Half_X, views Iso_Front, air trap 0, weld line 0, items per "
                    "page 1\n"));
  EXPECT_EQ(R.Err, "zrvtemplate: note: the load of '" + broken("UnresolvedName.csv") +
                       "' passed over or changed 7 things; \"zrvtemplate check\" lists them\n");
}

TEST(ZrvTemplateTool, CheckListsTwentyFindingsOfACodeAndCountsTheRest) {
  zrvtest::TempDir Dir;
  std::string Bytes = "[FileHeader]\r\nFileVersion,1001\r\n[ViewSetting]\r\n";
  for (int I = 0; I < 50; ++I)
    Bytes += "Top[" + std::to_string(I) + "],90,0,0,1\r\n";
  zrvtest::writeBytes(Dir.path() / "t.csv", Bytes + "[EOF],,,,,,,,,,\r\n");
  const std::string File = (Dir.path() / "t.csv").u8string();
  ToolRun R = run({"check", File, "--kind", "solid", "--process", "injection"});
  EXPECT_EQ(R.Status, 1);
  std::map<std::string, int> Listed;
  std::istringstream Lines(R.Out);
  for (std::string Line; std::getline(Lines, Line);)
    if (Line.back() == ']' && Line.find(": error: ") != std::string::npos)
      ++Listed[Line.substr(Line.rfind('['))];
  for (const auto& [Code, Count] : Listed)
    EXPECT_LE(Count, 20) << Code;
  EXPECT_TRUE(holds(R.Out, "more findings [bracket-in-line] not shown"));
  // The JSON form lists as many and counts the rest by code.
  ToolRun Json = run({"check", File, "--kind", "solid", "--process", "injection", "--json"});
  nlohmann::json Report = nlohmann::json::parse(Json.Out);
  EXPECT_GE(Report["notShown"]["bracket-in-line"].get<int>(), 1);
  EXPECT_LE(Report["findings"].size(), 20u * (Report["notShown"].size() + 1));
}

TEST(ZrvTemplateTool, CommandLineConventions) {
  const std::string Clean = sample("SolidInjection.csv");
  const std::string Broken = sample("broken/UnknownItemKey.csv");
  const std::string Padded = zrvtest::readBytes(fs::path(ZRV_TOOL_FIXTURES) / "padded.csv");

  // Several files and a folder (searched with its subfolders, .csv only):
  // one report each, one summary, the worst status.
  zrvtest::TempDir Dir;
  fs::create_directories(Dir.path() / "sub");
  fs::copy_file(Clean, Dir.path() / "sub" / "a.csv");
  zrvtest::writeBytes(Dir.path() / "notes.txt", "not a template");
  ToolRun Many = run({"check", Clean, Dir.path().u8string(), Broken});
  EXPECT_TRUE(printed(Many, 1, "sub/a.csv: clean;"));
  EXPECT_FALSE(holds(Many.Out, "notes.txt"));
  EXPECT_EQ(Many.Out.substr(Many.Out.rfind('\n', Many.Out.size() - 2) + 1),
            "3 files checked: 2 clean, 1 with findings, 0 not checked\n");
  auto Json = nlohmann::json::parse(run({"check", "--json", Clean, Broken}).Out);
  EXPECT_EQ(Json["reports"].size(), 2u);
  EXPECT_EQ(Json["summary"]["withFindings"], 1);
  fs::create_directories(Dir.path() / "empty");
  EXPECT_EQ(run({"check", (Dir.path() / "empty").u8string()}).Status, 2);

  // "-" reads standard input.
  EXPECT_TRUE(printed(run({"check", "-"}, Padded), 0, "<stdin>: clean;"));
  EXPECT_EQ(run({"format", "-"}, Padded).Out, zrvtest::readBytes(sample("SolidICM.csv")));
  EXPECT_EQ(run({"format", "-i", "-"}, Padded).Status, 2);
  EXPECT_EQ(run({"check", "-", "-"}, Padded).Status, 2);

  // --select and --ignore by finding code; an unknown code is refused.
  const std::string Quoted = (fs::path(ZRV_TOOL_FIXTURES) / "quoted.csv").u8string();
  ToolRun Selected = run({"check", "--select", "quoted-fields,encoding", Quoted});
  EXPECT_TRUE(printed(Selected, 1, "1 error, 0 warnings"));
  EXPECT_FALSE(holds(Selected.Out, "[unknown-key]"));
  ToolRun Ignored = run({"check", "--ignore", "unknown-key", Broken});
  EXPECT_EQ(Ignored.Status, 0) << Ignored.Out;
  EXPECT_TRUE(refused(run({"check", "--ignore", "unknown-keys", Broken}),
                      "'unknown-keys' is no finding code"));

  // --version, "did you mean", colour when asked (never in piped output:
  // ExitStatus.cmake), --json refused where a template is printed.
  ToolRun Version = run({"--version"});
  EXPECT_EQ(Version.Status, 0);
  EXPECT_EQ(Version.Out, std::string("zrvtemplate ") + ZRVTEMPLATE_VERSION + "\n");
  ToolRun Typo = run({"chek", Clean});
  EXPECT_EQ(Typo.Status, 2);
  EXPECT_EQ(Typo.Err, "zrvtemplate: error: 'chek' is no subcommand; did you mean 'check'? "
                      "(\"zrvtemplate --help\" lists them)\n");
  EXPECT_FALSE(holds(run({"frobnicate"}).Err, "did you mean"));
  EXPECT_TRUE(holds(run({"check", Broken}, "", true).Out, ":72: \033[1;31merror\033[0m: "));
  for (const char* Command : {"format", "import"})
    EXPECT_TRUE(refused(run({Command, "--json", Clean}), "prints a template, not JSON"));

  // The library's log text reaches neither the output nor the host's sink
  // during a run, and the host's sink is back afterwards.
  zrvtest::DiagnosticCapture Capture;
  EXPECT_EQ(run({"check", Broken}).Status, 1);
  EXPECT_EQ(run({"format", "-o", (Dir.path() / "no" / "x.csv").u8string(), Clean}).Status, 2);
  EXPECT_TRUE(Capture.Messages.empty());
  ZRVDiagnosticSink Ours = ZRVSetDiagnosticSink(nullptr);
  ASSERT_TRUE(Ours);
  Ours(L"probe");
  ZRVSetDiagnosticSink(Ours);
  EXPECT_EQ(Capture.Messages.size(), 1u);
}
