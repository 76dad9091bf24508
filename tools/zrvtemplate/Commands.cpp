// Commands.cpp - the subcommands of zrvtemplate on top of the library: the
// argument parsing (CLI11), the project type a file is loaded as, and the
// output of each subcommand as text or JSON.
#include "Commands.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "CatalogueView.h"
#include "CheckRules.h"
#include "Dialects.h"
#include "DocumentView.h"
#include "InstallReport.h"
#include "Preview.h"
#include "ProjectType.h"
#include "SpreadsheetCsv.h"
#include "TemplateLoad.h"
#include "TextUtil.h"
#include "zrvreport/ZRVReportSetting.h"
#include "zrvreport/ZRVReportSettingWriter.h"

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace zrvtool {
namespace {

const char* const ToolName = "zrvtemplate";

/// The project options shared by check, show, format and catalogue.
struct ProjectArgs {
  std::string Kind;
  std::string Process;
  bool Thermoset = false;
  bool Underfill = false;
  bool EncapsulationCM = false;
  bool Json = false;
};

std::string processList() {
  std::string List;
  for (const ProcessInfo& Process : Processes())
    List += (List.empty() ? "" : ", ") + std::string(Process.Name) + " " +
            std::to_string(Process.AppType);
  return List;
}

void addProjectOptions(CLI::App& Command, ProjectArgs& Args, bool FromHeader) {
  Command
      .add_option(
          "--kind", Args.Kind,
          "Project kind: solid or shell (also 0 solid, 1 shell, 2 solid)" +
              std::string(FromHeader ? "; default: ProjectType of the file's [FileHeader]" : ""))
      ->type_name("solid|shell")
      ->check(CLI::Validator(
          [](std::string& Text) {
            return ParseKind(Text) ? std::string() : "'" + Text + "' is not solid or shell";
          },
          "", "kind"));
  Command
      .add_option("--process", Args.Process,
                  "Moulding process by name or number: " + processList() +
                      (FromHeader ? "; default: AppType of the file's [FileHeader]" : ""))
      ->type_name("NAME|0-14")
      ->check(CLI::Validator(
          [](std::string& Text) {
            return ParseProcess(Text) ? std::string()
                                      : "'" + Text + "' is no process; use one of " + processList();
          },
          "", "process"));
  Command.add_flag("--thermoset", Args.Thermoset,
                   "Thermoset run: solid injection loads as reaction injection, and ICM, CM, PIM "
                   "and CFM use their thermoset key lists");
  Command.add_flag("--underfill", Args.Underfill,
                   "IC package underfill run: the load drops the GateContribution, "
                   "XY_SpruePressure and XY_ClampingForce items");
  Command.add_flag("--encapsulation-cm", Args.EncapsulationCM,
                   "IC package encapsulation by compression moulding: the load drops the "
                   "XY_SpruePressure, XY_FlowRate and XY_FlowRateGate items");
  Command.add_flag("--json", Args.Json, "Print the result as JSON");
}

/// The finding codes of check, for its help, --select and --ignore: those of
/// the rules, of the dialects and of the project type in the header.
const char* const FindingCodes[] = {
    "unknown-key",     "unresolved-name", "section-order", "section-not-read", "unknown-section",
    "bracket-in-line", "line-shape",      "field-count",   "long-line",        "duplicate-setting",
    "melt-label",      "file-version",    "value-range",   "resultex-rows",    "end-missing",
    "not-utf8",        "not-a-number",    "project-type",  "cr-line-ends",     "encoding",
    "semicolons",      "quoted-fields",   "header-blanks", "forgiven"};

std::string findingCodeList() {
  std::string List;
  for (const char* Code : FindingCodes)
    List += (List.empty() ? "" : ", ") + std::string(Code);
  return List;
}

/// Whether severities are printed in colour (on a terminal, without
/// NO_COLOR); set by RunTool for one run.
bool Colour = false;

std::string severityText(Severity Level) {
  if (!Colour)
    return SeverityName(Level);
  const char* Start = Level == Severity::Error     ? "\033[1;31m"
                      : Level == Severity::Warning ? "\033[1;33m"
                                                   : "\033[1;36m";
  return Start + std::string(SeverityName(Level)) + "\033[0m";
}

/// The most findings of one code that check lists.
constexpr long long MaxShownPerCode = 20;

int fail(std::ostream& Err, const std::string& Message) {
  Err << ToolName << ": error: " << Message << "\n";
  return ExitError;
}

/// A file name in the system's temporary folder that does not exist yet.
fs::path temporaryTemplatePath() {
  auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int Attempt = 0;; ++Attempt) {
    fs::path Path = fs::temp_directory_path() / ("zrvtemplate_" + std::to_string(Stamp) + "_" +
                                                 std::to_string(Attempt) + ".csv");
    std::error_code Ignored;
    if (!fs::exists(Path, Ignored))
      return Path;
  }
}

/// A folder of its own in the system's temporary folder, removed with all it
/// holds when the object goes.
class ScratchFolder {
public:
  ScratchFolder() {
    fs::path File = temporaryTemplatePath();
    Folder = File.replace_extension();
    fs::create_directories(Folder);
  }
  ~ScratchFolder() {
    std::error_code Ignored;
    fs::remove_all(Folder, Ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  fs::path path() const { return Folder; }

private:
  fs::path Folder;
};

/// A template to read: the path the tool opens and the name its messages
/// show (they differ for standard input and for the text import cleans).
struct Source {
  std::string Path;
  std::string Shown;
};

/// The name standard input is shown by.
const char* const StdinName = "<stdin>";

/// The template a command line argument names: "-" is standard input, kept
/// in \p Scratch (made on first use) for the reader, which reads files.
Source sourceOf(const std::string& Argument, std::istream& In,
                std::optional<ScratchFolder>& Scratch) {
  if (Argument != "-")
    return {Argument, Argument};
  if (!Scratch)
    Scratch.emplace();
  fs::path Path = Scratch->path() / "stdin.csv";
  std::ofstream Write(Path, std::ios::binary);
  Write << In.rdbuf();
  return {Path.u8string(), StdinName};
}

/// Why \p File cannot be read as a template, or nothing when it can. The file
/// is opened as the reader opens it: a FIFO or device is refused at once.
std::optional<std::string> unreadable(const std::string& File) {
  std::wstring Reason;
  const ZRVFileProblem Problem = ZRVProbeTemplateFile(Wide(File).c_str(), &Reason);
  switch (Problem) {
  case ZRVFileProblem::None:
    return std::nullopt;
  case ZRVFileProblem::Missing:
    return "no such file";
  case ZRVFileProblem::Folder:
    return "it is a folder, not a file";
  case ZRVFileProblem::NotRegularFile:
    return "it is not a regular file: " + Utf8(Reason);
  case ZRVFileProblem::LinkLoop:
    return "its path runs into a loop of symbolic links (" + Utf8(Reason) + ")";
  case ZRVFileProblem::NameTooLong:
    return "its path or a name in it is longer than the system allows (" + Utf8(Reason) + ")";
  case ZRVFileProblem::NotUtf8Text:
    return "not a UTF-8 text template (it starts with a UTF-16 byte-order mark or holds NUL "
           "bytes)";
  case ZRVFileProblem::Other:
    break;
  }
  return "it cannot be opened for reading: " + Utf8(Reason);
}

int cannotRead(std::ostream& Err, const std::string& File, const std::string& Why) {
  return fail(Err, "cannot read '" + File + "': " + Why +
                       "; give the path of a report template file (.csv)");
}

/// The project type a command works with: the options given, the rest from
/// the file's [FileHeader] when \p File is not empty. Prints the error and
/// gives nothing when it cannot be decided or the facade loads nothing for it.
struct ResolvedType {
  ProjectType Type;
  LoaderChoice Choice;
  bool Explicit = false; ///< kind and process were both given
};

std::optional<ResolvedType> resolveType(const ProjectArgs& Args, const Source& In,
                                        std::ostream& Err) {
  ResolvedType Resolved;
  Resolved.Explicit = !Args.Kind.empty() && !Args.Process.empty();
  if (!Resolved.Explicit) {
    if (In.Path.empty()) {
      fail(Err, "give the project type with --kind and --process");
      return std::nullopt;
    }
    std::optional<ProjectType> InFile = ReadHeaderProjectType(Wide(In.Path));
    if (!InFile) {
      fail(Err, "'" + In.Shown +
                    "' has no [FileHeader] to take the project type from; give --kind and "
                    "--process");
      return std::nullopt;
    }
    Resolved.Type = *InFile;
  }
  if (!Args.Kind.empty())
    Resolved.Type.ProjectKind = *ParseKind(Args.Kind);
  if (!Args.Process.empty())
    Resolved.Type.AppType = *ParseProcess(Args.Process);
  Resolved.Type.Thermoset = Args.Thermoset;
  Resolved.Type.Underfill = Args.Underfill;
  Resolved.Type.EncapsulationCM = Args.EncapsulationCM;
  std::optional<LoaderChoice> Choice = ChooseLoader(Resolved.Type);
  if (!Choice) {
    std::string From = Resolved.Explicit ? "" : " (taken from the file's [FileHeader])";
    fail(Err, "no template loader reads a " + Describe(Resolved.Type) + " project" + From +
                  "; give another --kind or --process (solid: every process but gasin and "
                  "faim; shell: injection, gasin, rim)");
    return std::nullopt;
  }
  Resolved.Choice = *Choice;
  return Resolved;
}

std::string checkedAs(const ResolvedType& Resolved) {
  return Describe(Resolved.Type) + " (" + LoaderName(Resolved.Choice.Loader) + ")";
}

/// The bytes of \p File; empty when it cannot be read.
std::string fileBytes(const std::string& File) {
  std::ifstream In(fs::u8path(File), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

void printDiagnostics(std::ostream& Out, const std::string& File,
                      const std::vector<Diagnostic>& Found) {
  for (const Diagnostic& D : Found)
    Out << File << ":" << D.Line << ": " << severityText(D.Level) << ": " << D.Message << " ["
        << D.Code << "]\n";
}

/// Loads \p File as the project type the command resolves and returns what
/// \p Run returns of the load. When the file cannot be read or the project
/// type not resolved, the error is reported and the command's exit code
/// returned.
template <typename Body>
int withLoad(const Source& In, const ProjectArgs& Args, std::ostream& Err, Body&& Run) {
  if (auto Why = unreadable(In.Path))
    return cannotRead(Err, In.Shown, *Why);
  std::optional<ResolvedType> Resolved = resolveType(Args, In, Err);
  if (!Resolved) {
    // What an editor did to the file may be why its header names no loader.
    std::vector<Diagnostic> Dialects = RecogniseDialects(fileBytes(In.Path));
    printDiagnostics(Err, In.Shown, Dialects);
    return Dialects.empty() ? ExitError : ExitFindings;
  }
  LoadedTemplate Loaded = LoadTemplate(Wide(In.Path), Resolved->Choice);
  if (!Loaded.Result)
    return cannotRead(Err, In.Shown,
                      "the reader cannot open it (" + Utf8(ZRVLoadStatusText(Loaded.Status)) + ")");
  return Run(static_cast<const ResolvedType&>(*Resolved), Loaded);
}

/// What the check rules need to know of the load.
CheckContext contextOf(const ResolvedType& Resolved) {
  CheckContext Context;
  Context.Loader = Resolved.Choice.Loader;
  Context.Thermoset = Resolved.Choice.Thermoset;
  Context.ProjectDescription = Describe(Resolved.Type);
  return Context;
}

/// Everything check reports of a load: the dialects of the file's bytes
/// first, then the findings of the load in line order.
std::vector<Diagnostic> diagnose(const Source& In, const ResolvedType& Resolved,
                                 const LoadedTemplate& Loaded) {
  std::vector<Diagnostic> Found = RecogniseDialects(fileBytes(In.Path));
  CheckContext Context = contextOf(Resolved);
  Context.Document = Loaded.Document.get();
  std::vector<Diagnostic> Lines = CheckFindings(Loaded.Findings, Context);
  if (Resolved.Explicit && Loaded.HeaderLine > 0) {
    std::vector<Diagnostic> Header =
        CheckHeaderProjectType(*Loaded.Document, Resolved.Type, Loaded.HeaderLine);
    Lines.insert(Lines.begin(), Header.begin(), Header.end());
  }
  Found.insert(Found.end(), Lines.begin(), Lines.end());
  return Found;
}

// ---- check -----------------------------------------------------------------------------

/// What check reports besides the project type: the codes it keeps (all
/// when Select is empty) and those it leaves out.
struct CheckFilter {
  std::vector<std::string> Select;
  std::vector<std::string> Ignore;
  bool keeps(const std::string& Code) const {
    auto has = [&Code](const std::vector<std::string>& Codes) {
      return std::find(Codes.begin(), Codes.end(), Code) != Codes.end();
    };
    return (Select.empty() || has(Select)) && !has(Ignore);
  }
};

/// Checks one template. With --json the report goes into \p Reports when it
/// is given (several files), else to \p Out.
int runCheck(const Source& In, const ProjectArgs& Args, const CheckFilter& Filter,
             std::ostream& Out, std::ostream& Err, Json* Reports = nullptr) {
  const std::string& File = In.Shown;
  return withLoad(In, Args, Err, [&](const ResolvedType& Resolved, LoadedTemplate& Loaded) -> int {
    std::vector<Diagnostic> Found;
    for (Diagnostic& D : diagnose(In, Resolved, Loaded))
      if (Filter.keeps(D.Code))
        Found.push_back(std::move(D));
    // Notes tell what loses nothing: they leave a check clean.
    int Errors = 0, Warnings = 0;
    for (const Diagnostic& D : Found) {
      Errors += D.Level == Severity::Error;
      Warnings += D.Level == Severity::Warning;
    }
    const bool Clean = Errors == 0 && Warnings == 0;
    // The first MaxShownPerCode findings of each code are listed; the
    // rest of that code are counted.
    std::map<std::string, long long> ShownOfCode, NotShown;
    std::vector<Diagnostic> Shown;
    for (const Diagnostic& D : Found) {
      if (ShownOfCode[D.Code]++ < MaxShownPerCode)
        Shown.push_back(D);
      else
        ++NotShown[D.Code];
    }

    if (Args.Json) {
      Json Findings = Json::array();
      for (const Diagnostic& D : Shown)
        Findings.push_back({{"line", D.Line},
                            {"severity", SeverityName(D.Level)},
                            {"code", D.Code},
                            {"section", D.Section},
                            {"message", D.Message}});
      Json Omitted = Json::object();
      for (const auto& [Code, Count] : NotShown)
        Omitted[Code] = Count;
      Json Report = {{"file", File},
                     {"projectType", ProjectTypeName(Resolved.Type)},
                     {"checkedAs", Describe(Resolved.Type)},
                     {"loader", LoaderName(Resolved.Choice.Loader)},
                     {"clean", Clean},
                     {"errors", Errors},
                     {"warnings", Warnings},
                     {"findings", Findings},
                     {"notShown", Omitted},
                     {"readerFindingsNotExamined", Loaded.FindingsNotKept}};
      if (Reports)
        Reports->push_back(std::move(Report));
      else
        Out << Report.dump(2) << "\n";
    } else {
      printDiagnostics(Out, File, Shown);
      for (const auto& [Code, Count] : NotShown)
        Out << File << ": " << Count << " more " << (Count == 1 ? "finding" : "findings") << " ["
            << Code << "] not shown\n";
      if (Loaded.FindingsNotKept > 0)
        Out << File << ": " << Loaded.FindingsNotKept
            << " more reader findings not examined (the first " << MaxKeptFindingsPerKind
            << " of each kind are)\n";
      Out << File << ": ";
      if (Clean)
        Out << "clean";
      else
        Out << Errors << (Errors == 1 ? " error, " : " errors, ") << Warnings
            << (Warnings == 1 ? " warning" : " warnings");
      Out << "; checked as " << checkedAs(Resolved) << "\n";
    }
    return Clean ? ExitClean : ExitFindings;
  });
}

/// The templates that the arguments of check name: a file as given, "-" for
/// standard input, a folder for every ".csv" file in it and its subfolders
/// (sorted by path). Gives nothing and reports the error when a folder holds
/// no such file.
std::optional<std::vector<std::string>> expandArguments(const std::vector<std::string>& Arguments,
                                                        std::ostream& Err) {
  std::vector<std::string> Files;
  for (const std::string& Argument : Arguments) {
    std::error_code Error;
    if (Argument == "-" || !fs::is_directory(fs::u8path(Argument), Error)) {
      Files.push_back(Argument);
      continue;
    }
    std::vector<std::string> InFolder;
    for (fs::recursive_directory_iterator It(fs::u8path(Argument), Error), End; !Error && It != End;
         It.increment(Error))
      if (It->is_regular_file(Error) && It->path().extension() == ".csv")
        InFolder.push_back(It->path().u8string());
    if (Error) {
      fail(Err, "cannot list the folder '" + Argument + "': " + Error.message());
      return std::nullopt;
    }
    if (InFolder.empty()) {
      fail(Err, "the folder '" + Argument +
                    "' holds no .csv file; give a template or a folder "
                    "of templates");
      return std::nullopt;
    }
    std::sort(InFolder.begin(), InFolder.end());
    Files.insert(Files.end(), InFolder.begin(), InFolder.end());
  }
  return Files;
}

/// check on every template the arguments name, with one summary when there
/// are several. The exit status is the worst of the files'.
int runCheckAll(const std::vector<std::string>& Arguments, const ProjectArgs& Args,
                const CheckFilter& Filter, std::istream& In, std::ostream& Out, std::ostream& Err) {
  for (const std::vector<std::string>* Codes : {&Filter.Select, &Filter.Ignore})
    for (const std::string& Code : *Codes)
      if (std::find_if(std::begin(FindingCodes), std::end(FindingCodes),
                       [&Code](const char* Known) { return Code == Known; }) ==
          std::end(FindingCodes))
        return fail(Err, "'" + Code + "' is no finding code; give one of " + findingCodeList());
  std::optional<std::vector<std::string>> Files = expandArguments(Arguments, Err);
  if (!Files)
    return ExitError;
  if (std::count(Files->begin(), Files->end(), "-") > 1)
    return fail(Err, "standard input ('-') can be read once only");
  if (Files->size() == 1) {
    std::optional<ScratchFolder> Scratch;
    return runCheck(sourceOf(Files->front(), In, Scratch), Args, Filter, Out, Err);
  }
  Json Reports = Json::array();
  int Worst = ExitClean;
  int Clean = 0, WithFindings = 0, Unreadable = 0;
  for (const std::string& File : *Files) {
    std::optional<ScratchFolder> Scratch;
    int Status = runCheck(sourceOf(File, In, Scratch), Args, Filter, Out, Err,
                          Args.Json ? &Reports : nullptr);
    Worst = std::max(Worst, Status);
    (Status == ExitClean ? Clean : Status == ExitFindings ? WithFindings : Unreadable) += 1;
  }
  if (Args.Json) {
    Json Summary = {{"files", Files->size()},
                    {"clean", Clean},
                    {"withFindings", WithFindings},
                    {"notChecked", Unreadable}};
    Out << Json{{"reports", Reports}, {"summary", Summary}}.dump(2) << "\n";
  } else {
    Out << Files->size() << " files checked: " << Clean << " clean, " << WithFindings
        << " with findings, " << Unreadable << " not checked\n";
  }
  return Worst;
}

// ---- show ------------------------------------------------------------------------------

/// A note on the error stream when a load passed something over, since show
/// and format then present less than the file holds.
void noteLosses(std::ostream& Err, const Source& In, const LoadedTemplate& Loaded,
                const ResolvedType& Resolved) {
  std::vector<Diagnostic> Found = diagnose(In, Resolved, Loaded);
  auto Count = static_cast<std::size_t>(std::count_if(
      Found.begin(), Found.end(), [](const Diagnostic& D) { return D.Level != Severity::Note; }));
  if (Count > 0)
    Err << ToolName << ": note: the load of '" << In.Shown << "' passed over or changed " << Count
        << (Count == 1 ? " thing" : " things") << "; \"" << ToolName << " check\" lists them\n";
}

int runShow(const Source& In, const ProjectArgs& Args, std::ostream& Out, std::ostream& Err) {
  const std::string& File = In.Shown;
  return withLoad(In, Args, Err, [&](const ResolvedType& Resolved, LoadedTemplate& Loaded) -> int {
    if (Args.Json) {
      Json Report = {{"file", File},
                     {"projectType", ProjectTypeName(Resolved.Type)},
                     {"loadedAs", Describe(Resolved.Type)},
                     {"loader", LoaderName(Resolved.Choice.Loader)},
                     {"document", DocumentJson(*Loaded.Document)}};
      Out << Report.dump(2) << "\n";
    } else {
      Out << "File: " << File << "\nLoaded as: " << checkedAs(Resolved) << "\n\n";
      PrintDocument(Out, *Loaded.Document);
    }
    noteLosses(Err, In, Loaded, Resolved);
    return ExitClean;
  });
}

// ---- format ------------------------------------------------------------------------------

/// The lines of \p Text, each without its LF.
std::vector<std::string> linesOf(const std::string& Text) {
  std::vector<std::string> Lines;
  for (std::size_t Start = 0; Start < Text.size();) {
    std::size_t End = Text.find('\n', Start);
    if (End == std::string::npos)
      End = Text.size();
    Lines.push_back(Text.substr(Start, End - Start));
    Start = End + 1;
  }
  return Lines;
}

/// A unified diff of \p Before and \p After by lines (longest common
/// subsequence), with three lines of context; empty when they are equal.
std::string unifiedDiff(const std::string& Name, const std::string& Before,
                        const std::string& After) {
  std::vector<std::string> A = linesOf(Before), B = linesOf(After);
  std::size_t N = A.size(), M = B.size();
  std::vector<std::vector<int>> Common(N + 1, std::vector<int>(M + 1, 0));
  for (std::size_t I = N; I-- > 0;)
    for (std::size_t J = M; J-- > 0;)
      Common[I][J] =
          A[I] == B[J] ? Common[I + 1][J + 1] + 1 : std::max(Common[I + 1][J], Common[I][J + 1]);
  struct Step {
    char Mark;
    std::size_t Old, New; ///< positions before the step
  };
  std::vector<Step> Steps;
  std::size_t I = 0, J = 0;
  while (I < N || J < M) {
    if (I < N && J < M && A[I] == B[J]) {
      Steps.push_back({' ', I++, J++});
    } else if (I < N && (J == M || Common[I + 1][J] >= Common[I][J + 1])) {
      Steps.push_back({'-', I++, J});
    } else {
      Steps.push_back({'+', I, J++});
    }
  }
  auto shown = [](const std::string& Line) {
    return !Line.empty() && Line.back() == '\r' ? Line.substr(0, Line.size() - 1) : Line;
  };
  std::string Diff;
  constexpr std::size_t Context = 3;
  for (std::size_t K = 0; K < Steps.size();) {
    if (Steps[K].Mark == ' ') {
      ++K;
      continue;
    }
    std::size_t First = K >= Context ? K - Context : 0;
    // The hunk runs on while the next change is at most twice the context
    // away, and ends with the context after its last change.
    std::size_t LastChange = K;
    for (std::size_t T = K + 1; T < Steps.size() && T <= LastChange + 2 * Context; ++T)
      if (Steps[T].Mark != ' ')
        LastChange = T;
    std::size_t Last = std::min(Steps.size(), LastChange + 1 + Context);
    if (Diff.empty())
      Diff = "--- " + Name + "\n+++ " + Name + " (formatted)\n";
    std::size_t OldCount = 0, NewCount = 0;
    for (std::size_t T = First; T < Last; ++T) {
      OldCount += Steps[T].Mark != '+';
      NewCount += Steps[T].Mark != '-';
    }
    Diff += "@@ -" + std::to_string(Steps[First].Old + (OldCount ? 1 : 0)) + "," +
            std::to_string(OldCount) + " +" +
            std::to_string(Steps[First].New + (NewCount ? 1 : 0)) + "," + std::to_string(NewCount) +
            " @@\n";
    for (std::size_t T = First; T < Last; ++T)
      Diff +=
          Steps[T].Mark + shown(Steps[T].Mark == '+' ? B[Steps[T].New] : A[Steps[T].Old]) + "\n";
    K = Last;
  }
  return Diff;
}

/// What format does with the canonical template.
struct FormatMode {
  std::string Output;
  bool Force = false;
  bool Check = false;
  bool Diff = false;
  bool InPlace = false;
  /// Import: the file is a spreadsheet's CSV cleaned for the reader; there
  /// is no --force.
  bool Import = false;
};

int runFormat(const Source& In, const FormatMode& Mode, const ProjectArgs& Args, std::ostream& Out,
              std::ostream& Err) {
  const std::string& File = In.Shown;
  return withLoad(In, Args, Err, [&](const ResolvedType& Resolved, LoadedTemplate& Loaded) -> int {
    std::vector<Diagnostic> Found = diagnose(In, Resolved, Loaded);
    bool Lossy = false;
    for (const Diagnostic& D : Found)
      Lossy = Lossy || D.Level != Severity::Note;
    if (Lossy && !Mode.Force) {
      printDiagnostics(Err, File, Found);
      if (Mode.Import)
        Err << ToolName << ": '" << File
            << "' was not imported: the template it holds passes over or changes what is "
               "listed above on loading; correct it in the spreadsheet and import again\n";
      else
        Err << ToolName << ": '" << File
            << "' was not formatted: its load passes over or changes what is listed above, "
               "which the formatted template would lose; correct it, or give --force to "
               "format it anyway\n";
      return ExitFindings;
    }
    bool ToFile = Mode.InPlace || !Mode.Output.empty();
    fs::path Target = Mode.InPlace           ? fs::u8path(In.Path)
                      : !Mode.Output.empty() ? fs::u8path(Mode.Output)
                                             : temporaryTemplatePath();
    if (Mode.Check || Mode.Diff)
      Target = temporaryTemplatePath();
    std::wstring TargetPath = Target.wstring();
    Loaded.Document->SetProjectPath(TargetPath.c_str());
    CZRVReportSettingWriter Writer(Loaded.Document.get());
    if (!Writer.SaveTemplate(TargetPath.c_str())) {
      // The save status in words; the library's own message is log text
      // for its developers and stays out of the tool's output.
      std::string Why = Utf8(ZRVSaveStatusText(Writer.GetLastSaveStatus()));
      std::error_code Ignored;
      if (!Target.parent_path().empty() && !fs::is_directory(Target.parent_path(), Ignored))
        Why += " (the folder '" + Target.parent_path().u8string() + "' does not exist)";
      return fail(Err,
                  "cannot write '" + Target.u8string() + "'" +
                      (Why.empty() ? std::string() : ": " + Why) +
                      (ToFile ? "; give another file with -o" : "; give a writable file with -o"));
    }
    if (Mode.Check || Mode.Diff || !ToFile) {
      std::string Formatted = fileBytes(Target.u8string());
      std::error_code Ignored;
      fs::remove(Target, Ignored);
      if (Mode.Check || Mode.Diff) {
        std::string Before = fileBytes(In.Path);
        bool Same = Formatted == Before;
        if (Mode.Diff)
          Out << unifiedDiff(File, Before, Formatted);
        else if (!Same)
          Out << File << ": not in canonical form; \"" << ToolName << " format -i " << File
              << "\" writes it\n";
        return Same ? ExitClean : ExitFindings;
      }
      Out << Formatted;
    }
    noteLosses(Err, In, Loaded, Resolved);
    return ExitClean;
  });
}

// ---- import ------------------------------------------------------------------------------

int runImport(const Source& In, const std::string& Output, const ProjectArgs& Args,
              std::ostream& Out, std::ostream& Err) {
  std::ifstream Stream(fs::u8path(In.Path), std::ios::binary);
  if (!Stream)
    return cannotRead(Err, In.Shown, unreadable(In.Path).value_or("it cannot be opened"));
  std::string Bytes((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
  CleanedCsv Cleaned = CleanSpreadsheetCsv(Bytes);
  printDiagnostics(Err, In.Shown, Cleaned.Notes);
  if (!Cleaned.Refusals.empty()) {
    printDiagnostics(Err, In.Shown, Cleaned.Refusals);
    Err << ToolName << ": '" << In.Shown
        << "' was not imported: the template format cannot hold what is listed above; "
           "correct it in the spreadsheet and import again\n";
    return ExitFindings;
  }
  ScratchFolder Scratch;
  Source CleanedSource{(Scratch.path() / "cleaned.csv").u8string(), In.Shown};
  {
    std::ofstream Write(fs::u8path(CleanedSource.Path), std::ios::binary);
    Write << Cleaned.Text;
    if (!Write.flush())
      return fail(Err, "cannot write the cleaned text into the temporary folder '" +
                           Scratch.path().u8string() + "'");
  }
  FormatMode Mode;
  Mode.Output = Output;
  Mode.Import = true;
  return runFormat(CleanedSource, Mode, Args, Out, Err);
}

// ---- install ------------------------------------------------------------------------------

int runInstall(const std::string& SourceRoot, const std::string& TargetRoot, bool AsJson,
               std::ostream& Out, std::ostream& Err) {
  fs::path SourceFolder = fs::u8path(SourceRoot) / "ReportSetting";
  fs::path TargetFolder = fs::u8path(TargetRoot) / "ReportSetting";
  // Why a folder is not there to work with: the system's reason, or what
  // stands at its place.
  auto whyNoFolder = [](const fs::path& Folder) -> std::optional<std::string> {
    std::error_code Error;
    fs::file_status Status = fs::status(Folder, Error);
    if (Error)
      return Error.message();
    if (!fs::is_directory(Status))
      return std::string("not a folder");
    return std::nullopt;
  };
  if (std::optional<std::string> Why = whyNoFolder(SourceFolder))
    return fail(Err, "'" + SourceRoot + "' has no ReportSetting folder to bring templates from (" +
                         SourceFolder.u8string() + ": " + *Why +
                         "); give the installation root that holds it");
  if (std::optional<std::string> Why = whyNoFolder(fs::u8path(TargetRoot)))
    return fail(Err,
                "target root '" + TargetRoot + "' is not a folder (" + *Why + "); create it first");

  FileSet Before = ListFiles(TargetFolder.u8string());
  CZRVReportSetting Facade;
  int Done =
      Facade.CopyReportSettingTemplateFile(Wide(SourceRoot).c_str(), Wide(TargetRoot).c_str());
  // Every failed listing, folder creation, rename or copy, with its reason.
  const std::vector<std::string> Failures = CopyFailures(Facade.GetLastCopyMessage());
  if (!Done) {
    std::string Why;
    for (const std::string& Failure : Failures)
      Why += (Why.empty() ? "" : "; ") + Failure;
    return fail(Err, "could not bring the templates of '" + SourceFolder.u8string() + "' into '" +
                         TargetFolder.u8string() +
                         "': " + (Why.empty() ? "a root is not given" : Why));
  }
  InstallReport Report = DiffInstall(Before, ListFiles(TargetFolder.u8string()));
  // What was done is reported in full; the failures follow on the error
  // stream and make the exit status an error.
  for (const std::string& Failure : Failures)
    fail(Err, Failure);
  const int Status = Failures.empty() ? ExitClean : ExitError;

  if (AsJson) {
    Json Moved = Json::array();
    for (const auto& [Template, Backup] : Report.MovedAside)
      Moved.push_back({{"file", Template}, {"backup", Backup}});
    Json Result = {{"source", SourceFolder.u8string()},
                   {"target", TargetFolder.u8string()},
                   {"movedAside", Moved},
                   {"copied", Report.Copied},
                   {"failed", Failures}};
    Out << Result.dump(2) << "\n";
    return Status;
  }
  Out << "Templates of " << SourceFolder.u8string() << " brought into " << TargetFolder.u8string()
      << "\n";
  for (const auto& [Template, Backup] : Report.MovedAside)
    Out << "moved aside: " << Template << " -> " << Backup << "\n";
  for (const std::string& Copied : Report.Copied)
    Out << "copied: " << Copied << "\n";
  Out << Report.MovedAside.size() << " moved aside, " << Report.Copied.size() << " copied";
  if (!Failures.empty())
    Out << ", " << Failures.size() << " failed";
  Out << "\n";
  return Status;
}

// ---- catalogue ---------------------------------------------------------------------------

int runCatalogue(std::string Section, const ProjectArgs& Args, std::ostream& Out,
                 std::ostream& Err) {
  if (Args.Kind.empty() || Args.Process.empty())
    return fail(Err, "catalogue needs the project type: give --kind and --process");
  std::optional<ResolvedType> Resolved = resolveType(Args, Source{}, Err);
  if (!Resolved)
    return ExitError;
  std::vector<CatalogueSection> Sections =
      CatalogueOf(Resolved->Choice.Loader, Resolved->Choice.Thermoset);
  if (!Section.empty()) {
    if (Section.front() != '[')
      Section = "[" + Section + "]";
    std::vector<CatalogueSection> Chosen;
    for (const CatalogueSection& Candidate : Sections)
      if (CompareNoCase(Wide(Candidate.Tag), Wide(Section)) == 0)
        Chosen.push_back(Candidate);
    if (Chosen.empty()) {
      std::string Read;
      for (const CatalogueSection& Candidate : Sections)
        Read += (Read.empty() ? "" : ", ") + Candidate.Tag;
      return fail(Err, "section " + Section + " is not read for " + Describe(Resolved->Type) +
                           "; give one of " + Read);
    }
    Sections = Chosen;
  }
  if (Args.Json) {
    Json Report = {{"projectType", ProjectTypeName(Resolved->Type)},
                   {"loader", LoaderName(Resolved->Choice.Loader)},
                   {"sections", CatalogueJson(Sections)}};
    Out << Report.dump(2) << "\n";
  } else {
    Out << "Result sections of " << checkedAs(*Resolved) << "\n\n";
    PrintCatalogue(Out, Sections);
  }
  return ExitClean;
}

// ---- preview ----------------------------------------------------------------------------

/// Writes the preview page of \p File to \p Page ("-": standard output).
int runPreview(const Source& In, const std::string& Page, const ProjectArgs& Args,
               std::ostream& Out, std::ostream& Err) {
  const std::string& File = In.Shown;
  return withLoad(In, Args, Err, [&](const ResolvedType& Resolved, LoadedTemplate& Loaded) {
    PreviewRequest Request{File, checkedAs(Resolved), contextOf(Resolved),
                           Resolved.Explicit ? std::optional(Resolved.Type) : std::nullopt};
    return WritePreview(Page, PreviewHtml(Loaded, Request), Out, Err);
  });
}

/// The number of single-letter edits that turn \p A into \p B.
std::size_t editDistance(const std::string& A, const std::string& B) {
  std::vector<std::size_t> Row(B.size() + 1);
  for (std::size_t J = 0; J <= B.size(); ++J)
    Row[J] = J;
  for (std::size_t I = 1; I <= A.size(); ++I) {
    std::size_t Diagonal = Row[0];
    Row[0] = I;
    for (std::size_t J = 1; J <= B.size(); ++J) {
      std::size_t Above = Row[J];
      Row[J] = std::min({Row[J] + 1, Row[J - 1] + 1, Diagonal + (A[I - 1] != B[J - 1])});
      Diagonal = Above;
    }
  }
  return Row[B.size()];
}

/// Runs the parsed command line; RunTool wraps it so that the library's
/// diagnostic messages and the colour setting last for this run only.
int runParsed(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out,
              std::ostream& Err) {
  CLI::App App("Checks, shows, normalises and installs report template files (the sectioned "
               "CSV files that hold a project's report settings).",
               ToolName);
  App.require_subcommand(1);
  App.footer("Exit status: 0 done (check: nothing found), 1 check found problems, 2 wrong "
             "arguments or a file that cannot be read or written.\n"
             "Run \"zrvtemplate SUBCOMMAND --help\" for the options of a subcommand.\n"
             "Example: zrvtemplate check SolidICM.csv --kind solid --process icm");

  App.set_version_flag("--version", std::string(ToolName) + " " + ZRVTEMPLATE_VERSION);

  std::vector<std::string> Files;
  ProjectArgs CheckArgs;
  CheckFilter Filter;
  CLI::App* Check = App.add_subcommand(
      "check", "Load each FILE as the report setting facade would and report everything the "
               "load passes over or changes");
  Check
      ->add_option("FILE", Files,
                   "Report template files; a folder stands for every .csv file in it and its "
                   "subfolders, '-' for standard input")
      ->required();
  Check->add_option("--select", Filter.Select, "Report only findings of these codes")
      ->delimiter(',')
      ->type_name("CODE,...");
  Check->add_option("--ignore", Filter.Ignore, "Leave out findings of these codes")
      ->delimiter(',')
      ->type_name("CODE,...");
  addProjectOptions(*Check, CheckArgs, true);
  Check->footer(
      "Each finding is printed as FILE:LINE: severity: message [code]; the codes are " +
      findingCodeList() +
      ".\nSeveral files end with one summary line (with --json: {\"reports\": [...], "
      "\"summary\": {...}}).\n"
      "Exit status: 0 clean, 1 problems found, 2 a file cannot be read or the arguments are "
      "wrong (the worst of all files).");

  std::string ShowFile;
  ProjectArgs ShowArgs;
  CLI::App* Show = App.add_subcommand(
      "show", "Print the document that FILE loads into: header, setting libraries, extended "
              "items and the items of each result section");
  Show->add_option("FILE", ShowFile, "The report template file; '-' for standard input")
      ->required();
  addProjectOptions(*Show, ShowArgs, true);
  Show->footer("Exit status: 0 shown, 2 the file cannot be read or the arguments are wrong.");

  std::string Section;
  ProjectArgs CatalogueArgs;
  CLI::App* Catalogue = App.add_subcommand(
      "catalogue", "List the item keys and result item ids that each result section of a "
                   "project type accepts");
  addProjectOptions(*Catalogue, CatalogueArgs, false);
  Catalogue->add_option("--section", Section,
                        "Only this result section, with or without brackets (FlowResult)");
  Catalogue->footer("Exit status: 0 listed, 2 the arguments are wrong.");

  std::string FormatFile;
  FormatMode FormatOptions;
  ProjectArgs FormatArgs;
  CLI::App* Format = App.add_subcommand(
      "format", "Load FILE and save it back through the template writer: the normalised "
                "template, with the layout, labels and order the library writes");
  Format->add_option("FILE", FormatFile, "The report template file; '-' for standard input")
      ->required();
  CLI::Option* OutputOption =
      Format->add_option("-o,--output", FormatOptions.Output,
                         "Write the template to OUT (it may be FILE itself); default: print it");
  CLI::Option* InPlaceOption =
      Format->add_flag("-i,--in-place", FormatOptions.InPlace,
                       "Write the template back to FILE through the library's crash-safe save");
  CLI::Option* CheckOption = Format->add_flag(
      "--check", FormatOptions.Check,
      "Write nothing; exit 1 when FILE is not in the canonical form the writer gives");
  Format
      ->add_flag("--diff", FormatOptions.Diff,
                 "Write nothing; print a unified diff of what formatting would change (exit 1 "
                 "when it changes something)")
      ->excludes(CheckOption)
      ->excludes(OutputOption)
      ->excludes(InPlaceOption);
  CheckOption->excludes(OutputOption)->excludes(InPlaceOption);
  InPlaceOption->excludes(OutputOption);
  Format->add_flag("--force", FormatOptions.Force,
                   "Format even when the load passes over or changes something (it is lost)");
  addProjectOptions(*Format, FormatArgs, true);
  Format->footer("When the load passes over or changes anything (see check), nothing is "
                 "written and the findings are listed, unless --force is given.\n"
                 "Exit status: 0 written (--check, --diff: already canonical), 1 findings, or "
                 "not canonical, 2 a file cannot be read or written or the arguments are "
                 "wrong.");

  std::string ImportFile;
  std::string ImportOutput;
  ProjectArgs ImportArgs;
  CLI::App* Import = App.add_subcommand(
      "import", "Read IN, a template as a spreadsheet saves it as CSV (quoted cells, ',' or ';' "
                "separators, UTF-8 with or without BOM, UTF-16 or Windows-1252, any line ends), "
                "and write the canonical template that the library's writer writes");
  Import->add_option("IN", ImportFile, "The spreadsheet's CSV file; '-' for standard input")
      ->required();
  Import->add_option("-o,--output", ImportOutput,
                     "Write the template to OUT (it may be IN itself); default: print it");
  addProjectOptions(*Import, ImportArgs, true);
  Import->footer(
      "Nothing is written when a cell cannot be held by the template format (a ',' or a line "
      "end in a name or value, a name or value over 255 characters) or when the cleaned "
      "template's load passes over or changes anything; the lines are listed. Blanks inside a "
      "name are written as '_', as the library's writer writes them, and a ';' file's decimal "
      "commas as '.'; each such change is listed as a note.\n"
      "Exit status: 0 written, 1 not written for the reasons listed, 2 a file cannot be read or "
      "written or the arguments are wrong.");

  std::string SourceRoot;
  std::string TargetRoot;
  bool InstallJson = false;
  CLI::App* Install = App.add_subcommand(
      "install", "Bring the templates of SOURCE_ROOT/ReportSetting into "
                 "TARGET_ROOT/ReportSetting as the report setting facade does, and list what "
                 "was moved aside and what was copied");
  Install->add_option("SOURCE_ROOT", SourceRoot, "The installation root that holds ReportSetting")
      ->required();
  Install
      ->add_option("TARGET_ROOT", TargetRoot,
                   "The root to bring the templates into (its ReportSetting folder is "
                   "created when missing)")
      ->required();
  Install->add_flag("--json", InstallJson, "Print the result as JSON");
  Install->footer("A target template older than the source's template of the same name, or "
                  "one the source lacks, is renamed to <file>_Ver<version>.bak<nn>; then every "
                  "file the target lacks is copied, and existing files are kept.\n"
                  "Each listing, folder creation, rename or copy that fails is named with the "
                  "system's reason.\n"
                  "Exit status: 0 done, 2 a folder is missing or cannot be listed or created, "
                  "or a file could not be moved aside or copied.");

  std::string PreviewFile, PreviewPage;
  ProjectArgs PreviewArgs;
  CLI::App* Preview = App.add_subcommand(
      "preview", "Write the report that FILE describes as one self-contained HTML page to look "
                 "at, with what the load passes over struck through beside its finding");
  Preview->add_option("FILE", PreviewFile, "The report template file")->required();
  Preview->add_option("-o,--output", PreviewPage, "The HTML file to write ('-': print it)")
      ->required();
  addProjectOptions(*Preview, PreviewArgs, true);
  Preview->remove_option(Preview->get_option("--json")); // the page is the only form
  Preview->footer("Exit status: 0 written, 2 a file cannot be read or written or the arguments "
                  "are wrong.");

  // An unknown subcommand is answered with the nearest known one.
  if (!Args.empty() && !Args.front().empty() && Args.front().front() != '-') {
    std::string Nearest;
    std::size_t Best = 3;
    bool Known = false;
    for (const CLI::App* Command : App.get_subcommands(nullptr)) {
      std::size_t Distance = editDistance(Args.front(), Command->get_name());
      Known = Known || Distance == 0;
      if (Distance < Best)
        Best = Distance, Nearest = Command->get_name();
    }
    if (!Known)
      return fail(Err, "'" + Args.front() + "' is no subcommand" +
                           (Nearest.empty() ? "" : "; did you mean '" + Nearest + "'?") + " (\"" +
                           ToolName + " --help\" lists them)");
  }

  std::vector<std::string> Reversed(Args.rbegin(), Args.rend());
  try {
    App.parse(Reversed);
  } catch (const CLI::ParseError& Error) {
    return App.exit(Error, Out, Err) == 0 ? ExitClean : ExitError;
  }

  for (const auto& [Command, Json] :
       {std::pair{Format, FormatArgs.Json}, {Import, ImportArgs.Json}})
    if (*Command && Json)
      return fail(Err, Command->get_name() + " prints a template, not JSON; \"" + ToolName +
                           " check --json\" reports the findings as JSON");
  if (*Format && FormatOptions.InPlace && FormatFile == "-")
    return fail(Err, "-i cannot write back to standard input; give -o OUT");
  std::optional<ScratchFolder> Scratch;
  if (*Check)
    return runCheckAll(Files, CheckArgs, Filter, In, Out, Err);
  if (*Show)
    return runShow(sourceOf(ShowFile, In, Scratch), ShowArgs, Out, Err);
  if (*Format)
    return runFormat(sourceOf(FormatFile, In, Scratch), FormatOptions, FormatArgs, Out, Err);
  if (*Import)
    return runImport(sourceOf(ImportFile, In, Scratch), ImportOutput, ImportArgs, Out, Err);
  if (*Install)
    return runInstall(SourceRoot, TargetRoot, InstallJson, Out, Err);
  if (*Catalogue)
    return runCatalogue(Section, CatalogueArgs, Out, Err);
  if (*Preview)
    return runPreview(sourceOf(PreviewFile, In, Scratch), PreviewPage, PreviewArgs, Out, Err);
  return ExitError;
}

} // namespace

int RunTool(const std::vector<std::string>& Args, std::istream& In, std::ostream& Out,
            std::ostream& Err, bool UseColour) {
  // The library's own log text is for its developers, never for the user:
  // everything the tool reports it takes from load and save statuses and the
  // reader's findings.
  ZRVDiagnosticSink Previous = ZRVSetDiagnosticSink([](const std::wstring&) {});
  Colour = UseColour;
  int Status = runParsed(Args, In, Out, Err);
  Colour = false;
  ZRVSetDiagnosticSink(std::move(Previous));
  return Status;
}

int RunTool(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err) {
  std::istringstream NoInput;
  return RunTool(Args, NoInput, Out, Err, false);
}

} // namespace zrvtool
