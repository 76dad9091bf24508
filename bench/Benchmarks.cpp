// Benchmarks.cpp - template load and save against their baselines, and the
// per-item document operations of a report run, on sample templates and on
// generated ones of growing size. Prints the ratios after the runs.
#include "AllocationCounter.h"
#include "Baselines.h"
#include "LeastWork.h"
#include "TemplateGenerator.h"

#include "zrvreport/zrvreport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace zrvbench;

namespace {

/// One template file that the benchmarks work on.
struct Fixture {
  std::string Name;     ///< "large", "items1000", or the sample's file name
  std::wstring Path;    ///< the file loaded
  std::wstring OutPath; ///< where the save benchmarks write
  int ProjectType = 0;  ///< from the file's [FileHeader]
  int AppType = 0;
  std::size_t SettingsPerKind = 0;
  std::size_t FileBytes = 0;                     ///< the size of the file loaded
  std::size_t DocumentBytes = 0;                 ///< heap bytes a load adds to a facade
  std::size_t SaveAllocations = 0;               ///< blocks one save allocates
  std::unique_ptr<CZRVReportItemManager> Loaded; ///< the document after one load
  std::string Saved;                             ///< the bytes one save of Loaded writes
};

std::vector<std::unique_ptr<Fixture>> Fixtures;

// ---- Loading and saving ---------------------------------------------------------------

/// A facade set up for the fixture's kind of project, as a host sets it up
/// before it opens the project.
std::unique_ptr<CZRVReportSetting> facadeFor(const Fixture& F) {
  auto Facade = std::make_unique<CZRVReportSetting>();
  Facade->SetProjectType(F.ProjectType, F.AppType);
  return Facade;
}

/// A copy of the loaded document that saves to the fixture's output path.
CZRVReportItemManager documentToSave(const Fixture& F) {
  CZRVReportItemManager Document(*F.Loaded);
  Document.SetProjectPath(F.OutPath.c_str());
  return Document;
}

// ---- Benchmarks of one fixture -------------------------------------------------------

void lineScan(benchmark::State& State, const Fixture* F) {
  for (auto _ : State)
    benchmark::DoNotOptimize(ScanLines(F->Path));
}

void libcsvTokenise(benchmark::State& State, const Fixture* F) {
  for (auto _ : State)
    benchmark::DoNotOptimize(TokeniseWithLibcsv(F->Path));
}

/// The least load of the fixture's file (LeastWork.h): what no loader that
/// builds a document of it can leave out.
void leastLoad(benchmark::State& State, const Fixture* F) {
  LeastDocument Document;
  for (auto _ : State)
    benchmark::DoNotOptimize(LoadLeast(F->Path, Document));
}

/// The least save: the least load's document laid out again and written
/// through the library's safe save.
void leastSave(benchmark::State& State, const Fixture* F) {
  LeastDocument Document;
  LoadLeast(F->Path, Document);
  std::vector<char> Buffer;
  const std::wstring Path = F->OutPath + L".least";
  for (auto _ : State)
    benchmark::DoNotOptimize(WriteBytesSafely(Path, FormatLeast(Document, Buffer)));
}

/// A project open: the facade empties its document and loads the file with
/// the loader its project type and application type choose.
void load(benchmark::State& State, const Fixture* F) {
  auto Facade = facadeFor(*F);
  for (auto _ : State) {
    Facade->SetProjectPath(F->Path.c_str());
    benchmark::DoNotOptimize(Facade->GetReportItemManager()->GetItemCount());
  }
  State.counters["items"] = Facade->GetReportItemManager()->GetItemCount();
}

/// A save through the writer: the whole template built and written to a
/// temporary file, flushed to the disk and put in the target's place.
void save(benchmark::State& State, const Fixture* F) {
  CZRVReportItemManager Document = documentToSave(*F);
  CZRVReportSettingWriter Writer(&Document);
  for (auto _ : State)
    benchmark::DoNotOptimize(Writer.SaveTemplate(F->OutPath.c_str()));
}

/// The same bytes written to a file with one buffered write.
void plainWrite(benchmark::State& State, const Fixture* F) {
  const std::wstring Path = F->OutPath + L".plain";
  for (auto _ : State)
    benchmark::DoNotOptimize(WriteBytes(Path, F->Saved));
}

/// The same bytes written durably: temporary file, fsync, rename, folder
/// fsync. The least that any crash-safe save of them costs.
void durableWrite(benchmark::State& State, const Fixture* F) {
  const std::wstring Path = F->OutPath + L".durable";
  for (auto _ : State)
    benchmark::DoNotOptimize(WriteBytesDurably(Path, F->Saved));
}

/// The same bytes written through the library's safe save: the durable
/// write with the save lock, the stale temporary files looked for, links
/// followed and owner and mode carried over.
void safeSaveWrite(benchmark::State& State, const Fixture* F) {
  const std::wstring Path = F->OutPath + L".safe";
  for (auto _ : State)
    benchmark::DoNotOptimize(WriteBytesSafely(Path, F->Saved));
}

/// A usage check and a default switch of every kind, for a name that no item
/// uses: each walks all items.
void usageChecks(benchmark::State& State, const Fixture* F) {
  CZRVReportItemManager Document(*F->Loaded);
  const wchar_t* Unused = L"Not_Used_By_Any_Item";
  for (auto _ : State) {
    int Used = Document.CheckClippingUsed(Unused) + Document.CheckSlicingUsed(Unused) +
               Document.CheckObjectUsed(Unused) + Document.CheckCaptureUsed(Unused) +
               Document.CheckViewUsed(Unused);
    benchmark::DoNotOptimize(Used);
    Document.ChangeClippingToDefault(Unused);
    Document.ChangeSlicingToDefault(Unused);
    Document.ChangeCaptureToDefault(Unused);
    Document.ChangeObjectToDefault(Unused, L"Default");
    Document.ChangeViewToDefault(Unused, L"Default");
  }
}

/// Per item: its clipping, view and object names and their settings by name.
void runSettingsByName(benchmark::State& State, const Fixture* F) {
  const CZRVReportItemManager& Document = *F->Loaded;
  const int Count = Document.GetItemCount();
  wchar_t Name[256];
  for (auto _ : State) {
    for (int I = 0; I < Count; ++I) {
      Document.GetClippingNameByIndex(I, Name);
      benchmark::DoNotOptimize(Document.GetClippingSetting(Name));
      Document.GetOneViewNameByIndex(I, Name);
      benchmark::DoNotOptimize(Document.GetViewSetting(Name));
      Document.GetObjectNameByIndex(I, Name);
      benchmark::DoNotOptimize(Document.GetObjectSetting(Name));
    }
  }
}

/// Per item: lookups by item id and by item id and module.
void runItemLookup(benchmark::State& State, const Fixture* F) {
  const CZRVReportItemManager& Document = *F->Loaded;
  const int Count = Document.GetItemCount();
  for (auto _ : State) {
    for (int I = 0; I < Count; ++I) {
      const int Id = Document.GetItemID(I);
      const int Module = Document.GetItemModuleIDByIndex(I);
      benchmark::DoNotOptimize(Document.GetItemIndex(Id, Module));
      benchmark::DoNotOptimize(Document.GetItemFaceNumber(Id, Module));
      benchmark::DoNotOptimize(Document.GetViewCount(static_cast<ZRV_RESULT_ITEMS>(Id), Module));
      benchmark::DoNotOptimize(Document.GetItemModuleID(Id));
      benchmark::DoNotOptimize(Document.IsItemOutput(static_cast<ZRV_RESULT_ITEMS>(Id)));
    }
  }
}

/// Per item: GetItemIndex by module and the name as a file spells it.
void runItemIndexByName(benchmark::State& State, const Fixture* F) {
  const CZRVReportItemManager& Document = *F->Loaded;
  const int Count = Document.GetItemCount();
  std::vector<std::pair<int, std::wstring>> Wanted;
  wchar_t Name[256], Clip[256], View[256], Object[256], Capture[256], Slicing[256];
  int Output, Display, X, Y, Z, Faces;
  for (int I = 0; I < Count; ++I) {
    Document.GetItem(I, Name, Output, Display, X, Y, Z, Faces, Clip, View, Object, Capture,
                     Slicing);
    Wanted.emplace_back(Document.GetItemModuleIDByIndex(I), Name);
  }
  for (auto _ : State)
    for (const auto& [Module, Key] : Wanted)
      benchmark::DoNotOptimize(Document.GetItemIndex(Module, Key.c_str()));
}

/// The option list kept in order of last change: as many new clipping settings
/// as the fixture has, then each replaced once in option order (every
/// replacement moves the oldest name to the end).
void settingUpdates(benchmark::State& State, const Fixture* F) {
  const std::size_t Count = F->SettingsPerKind;
  std::vector<std::wstring> Names;
  for (std::size_t I = 0; I < Count; ++I)
    Names.push_back(L"Update_" + std::to_wstring(I));
  for (auto _ : State) {
    CZRVReportItemManager Document;
    CZRVReportItem::tagCLIPSETTING Record;
    for (const std::wstring& Name : Names)
      Document.SetClippingSetting(Name.c_str(), Record);
    wchar_t Name[256];
    for (std::size_t I = 0; I < Count; ++I) {
      Document.GetClippingOption(0, Name);
      Document.SetClippingSetting(Name, Record);
    }
    benchmark::DoNotOptimize(Document.GetClippingOptionCount());
  }
}

// ---- Ratios ---------------------------------------------------------------------------

/// CPU and wall time per iteration of one benchmark, in seconds.
struct Timing {
  double Cpu = -1.0;
  double Real = -1.0;
};

/// Keeps the times per iteration of every benchmark (the repetition with the
/// least CPU time, or the median when only aggregates are shown) while
/// passing the runs on to the console output. The ratios compare CPU time of
/// the benchmark thread (system time of its file reads and writes included):
/// on a machine shared with other work the wall time of a run depends on what
/// else runs. Wall-time ratios are shown beside them; they also count the
/// waits for the disk (a save flushes its file to the disk).
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& Runs) override {
    ConsoleReporter::ReportRuns(Runs);
    for (const Run& R : Runs) {
      if (R.error_occurred || R.iterations == 0)
        continue;
      const auto Iterations = static_cast<double>(R.iterations);
      const Timing T{R.cpu_accumulated_time / Iterations, R.real_accumulated_time / Iterations};
      const std::string Name = R.run_name.function_name;
      if (R.run_type == Run::RT_Aggregate) {
        if (R.aggregate_name == "median")
          Medians[Name] = T;
        continue;
      }
      auto Found = Fastest.find(Name);
      if (Found == Fastest.end() || T.Cpu < Found->second.Cpu)
        Fastest[Name] = T;
    }
  }

  /// The times of \p Name; negative when it did not run.
  Timing time(const std::string& Name) const {
    if (auto Found = Fastest.find(Name); Found != Fastest.end())
      return Found->second;
    if (auto Found = Medians.find(Name); Found != Medians.end())
      return Found->second;
    return Timing();
  }

private:
  std::map<std::string, Timing> Fastest;
  std::map<std::string, Timing> Medians;
};

/// A ratio of two benchmarks in CPU time, and in wall time; negative when
/// either did not run.
struct Ratio {
  double Cpu = -1.0;
  double Wall = -1.0;
  Timing Top, Bottom;
};

Ratio ratioOf(const RatioReporter& Times, const std::string& Top, const std::string& Bottom) {
  Ratio R;
  R.Top = Times.time(Top);
  R.Bottom = Times.time(Bottom);
  if (R.Top.Cpu >= 0 && R.Bottom.Cpu > 0)
    R.Cpu = R.Top.Cpu / R.Bottom.Cpu;
  if (R.Top.Real >= 0 && R.Bottom.Real > 0)
    R.Wall = R.Top.Real / R.Bottom.Real;
  return R;
}

/// A goal: a ratio at most (or, with \p AtMost false, below) \p Limit.
struct Goal {
  double Limit;
  bool AtMost;
  bool metBy(double Value) const { return Value >= 0 && (AtMost ? Value <= Limit : Value < Limit); }
  std::string text() const {
    char Text[32];
    std::snprintf(Text, sizeof Text, "%s %g", AtMost ? "<=" : "<", Limit);
    return Text;
  }
};

/// One line of the detailed ratios: \p Top / \p Bottom in CPU time with the
/// two times, the goal when there is one, and the ratio in wall time.
void printRatio(const RatioReporter& Times, const std::string& Label, const std::string& Top,
                const std::string& Bottom, const Goal* Wanted) {
  const Ratio R = ratioOf(Times, Top, Bottom);
  if (R.Cpu < 0) {
    std::printf("  %-30s   (not measured)\n", Label.c_str());
    return;
  }
  std::string Verdict;
  if (Wanted)
    Verdict = "goal " + Wanted->text() + (Wanted->metBy(R.Cpu) ? " met" : " NOT MET");
  std::printf("  %-30s %8.2f  %-18s (%8.3f / %8.3f ms)   wall %7.2f\n", Label.c_str(), R.Cpu,
              Verdict.c_str(), R.Top.Cpu * 1e3, R.Bottom.Cpu * 1e3, R.Wall);
}

constexpr Goal LineScanGoal{4.0, true};
constexpr Goal LibcsvGoal{1.0, false};
constexpr Goal DurableWriteGoal{2.0, true};
constexpr Goal MemoryGoal{5.0, true};
constexpr Goal ScalingGoal{10.5, true};

/// The fixtures the goals are stated for, and the pair whose times give the
/// scaling: 10,000 items over 1,000.
constexpr const char* GoalSizes[] = {"large", "items10000"};
constexpr const char* ScalingTop = "items10000";
constexpr const char* ScalingBottom = "items1000";

const Fixture* fixtureNamed(const std::string& Name) {
  for (const auto& F : Fixtures)
    if (F->Name == Name)
      return F.get();
  return nullptr;
}

double memoryRatio(const Fixture& F) {
  return F.FileBytes ? static_cast<double>(F.DocumentBytes) / static_cast<double>(F.FileBytes)
                     : -1.0;
}

void printDetails(const RatioReporter& Times) {
  std::printf(
      "\nRatios in CPU time (CPU ms of the two benchmarks), and the same ratio in wall time\n");
  for (const auto& F : Fixtures) {
    const std::string& N = F->Name;
    std::printf(" %s (%d items, %zu bytes; loaded document %zu heap bytes, %.0f per item)\n",
                N.c_str(), F->Loaded->GetItemCount(), F->FileBytes, F->DocumentBytes,
                F->Loaded->GetItemCount()
                    ? static_cast<double>(F->DocumentBytes) / F->Loaded->GetItemCount()
                    : 0.0);
    printRatio(Times, "load / line scan", "Load/" + N, "LineScan/" + N, &LineScanGoal);
    printRatio(Times, "load / libcsv", "Load/" + N, "Libcsv/" + N, &LibcsvGoal);
    printRatio(Times, "least load / line scan", "LeastLoad/" + N, "LineScan/" + N, nullptr);
    printRatio(Times, "load / least load", "Load/" + N, "LeastLoad/" + N, nullptr);
    printRatio(Times, "save / durable write", "Save/" + N, "DurableWrite/" + N, &DurableWriteGoal);
    printRatio(Times, "least save / durable write", "LeastSave/" + N, "DurableWrite/" + N, nullptr);
    printRatio(Times, "save / least save", "Save/" + N, "LeastSave/" + N, nullptr);
    printRatio(Times, "save / safe-save write", "Save/" + N, "SafeSaveWrite/" + N, nullptr);
    printRatio(Times, "safe-save / durable write", "SafeSaveWrite/" + N, "DurableWrite/" + N,
               nullptr);
    printRatio(Times, "save / plain write", "Save/" + N, "PlainWrite/" + N, nullptr);
  }
  // The per-item operations of a report run are shown for their growth (10
  // means linear); the usage checks walk all items and have a goal.
  std::printf(" scaling: 10,000 items (2,000 settings per kind) over 1,000 items (200)\n");
  constexpr Goal UsageGoal{12.0, true};
  const std::pair<const char*, const Goal*> Scaled[] = {
      {"Load", &ScalingGoal},     {"LeastLoad", nullptr},          {"Save", &ScalingGoal},
      {"LeastSave", nullptr},     {"UsageChecks", &UsageGoal},     {"RunSettingsByName", nullptr},
      {"RunItemLookup", nullptr}, {"RunItemIndexByName", nullptr}, {"SettingUpdates", nullptr}};
  for (const auto& [Bench, Wanted] : Scaled)
    printRatio(Times, std::string(Bench) + " 10k / 1k", std::string(Bench) + "/" + ScalingTop,
               std::string(Bench) + "/" + ScalingBottom, Wanted);
}

/// One cell of the goal table: the ratio and whether it meets the goal.
std::string goalCell(double Value, const Goal& Wanted) {
  char Text[32];
  if (Value < 0)
    return "not measured";
  std::snprintf(Text, sizeof Text, "%.2f %s", Value, Wanted.metBy(Value) ? "met" : "NOT MET");
  return Text;
}

/// The table of every goal, the ratio at both sizes, printed last.
void printGoals(const RatioReporter& Times) {
  const Fixture* Sizes[2] = {fixtureNamed(GoalSizes[0]), fixtureNamed(GoalSizes[1])};
  std::printf("\nGoals (CPU time; memory counted by the program's operator new)\n");
  std::printf("  %-40s %-16s %-16s %s\n", "ratio", GoalSizes[0], GoalSizes[1], "goal");
  for (const Fixture* F : Sizes)
    if (!F) {
      std::printf("  (the generated fixtures are missing)\n");
      return;
    }
  std::printf("  %-40s %-16s %-16s\n", "  items, file bytes",
              (std::to_string(Sizes[0]->Loaded->GetItemCount()) + ", " +
               std::to_string(Sizes[0]->FileBytes))
                  .c_str(),
              (std::to_string(Sizes[1]->Loaded->GetItemCount()) + ", " +
               std::to_string(Sizes[1]->FileBytes))
                  .c_str());
  struct Row {
    const char* Label;
    const char* Top;
    const char* Bottom;
    const Goal& Wanted;
  };
  const Row Rows[] = {
      {"load / line scan", "Load/", "LineScan/", LineScanGoal},
      {"  the least load / line scan", "LeastLoad/", "LineScan/", LineScanGoal},
      {"load / libcsv tokenising", "Load/", "Libcsv/", LibcsvGoal},
      {"save / durable write (same bytes)", "Save/", "DurableWrite/", DurableWriteGoal},
      {"  the least save / durable write", "LeastSave/", "DurableWrite/", DurableWriteGoal}};
  for (const Row& R : Rows) {
    std::string Cells[2];
    for (int I = 0; I < 2; ++I)
      Cells[I] =
          goalCell(ratioOf(Times, R.Top + Sizes[I]->Name, R.Bottom + Sizes[I]->Name).Cpu, R.Wanted);
    std::printf("  %-40s %-16s %-16s %s\n", R.Label, Cells[0].c_str(), Cells[1].c_str(),
                R.Wanted.text().c_str());
  }
  // The same in wall time: a durable write waits for the disk, which its CPU
  // time leaves out; on a machine shared with other work it varies more.
  {
    std::string Cells[2];
    for (int I = 0; I < 2; ++I)
      Cells[I] =
          goalCell(ratioOf(Times, "Save/" + Sizes[I]->Name, "DurableWrite/" + Sizes[I]->Name).Wall,
                   DurableWriteGoal);
    std::printf("  %-40s %-16s %-16s %s\n", "  the same in wall time", Cells[0].c_str(),
                Cells[1].c_str(), DurableWriteGoal.text().c_str());
  }
  std::printf("  %-40s %-16s %-16s %s\n", "memory of loaded document / file size",
              goalCell(memoryRatio(*Sizes[0]), MemoryGoal).c_str(),
              goalCell(memoryRatio(*Sizes[1]), MemoryGoal).c_str(), MemoryGoal.text().c_str());
  // The yardsticks' own growth shows how much of the scaling any load or
  // save of these files pays, the document outgrowing the caches included.
  const std::pair<const char*, const char*> ScaledRows[] = {
      {"Load, 10,000 / 1,000 items", "Load"},
      {"  the least load, 10,000 / 1,000 items", "LeastLoad"},
      {"Save, 10,000 / 1,000 items", "Save"},
      {"  the least save, 10,000 / 1,000 items", "LeastSave"}};
  for (const auto& [Label, Bench] : ScaledRows) {
    const double Value = ratioOf(Times, std::string(Bench) + "/" + ScalingTop,
                                 std::string(Bench) + "/" + ScalingBottom)
                             .Cpu;
    std::printf("  %-40s %-16s %-16s %s\n", Label, "", goalCell(Value, ScalingGoal).c_str(),
                ScalingGoal.text().c_str());
  }
  std::printf("  (\"the least\": the load and save of LeastWork.h, held to the same goals as a\n"
              "  yardstick: what any loader that builds a document, or any safe save that lays\n"
              "  the lines out again, costs at least)\n");
}

// ---- Fixtures ----------------------------------------------------------------------------

/// The heap bytes a load adds to a facade: what the loaded document holds
/// (its items, names, libraries, lists and their spare room), counted by the
/// program's operator new. The facade has loaded the file once before, so
/// what a first load sets up once for the process is not counted.
std::size_t loadedDocumentBytes(const Fixture& F) {
  auto Facade = facadeFor(F);
  const std::size_t Before = LiveHeapBytes();
  Facade->SetProjectPath(F.Path.c_str());
  const std::size_t After = LiveHeapBytes();
  return After > Before ? After - Before : 0;
}

void addFixture(const std::string& Name, const fs::path& File, const fs::path& WorkDir,
                std::size_t SettingsPerKind) {
  auto F = std::make_unique<Fixture>();
  F->Name = Name;
  F->Path = File.wstring();
  F->OutPath = (WorkDir / ("saved_" + Name)).wstring();
  F->SettingsPerKind = SettingsPerKind;
  CZRVReportItemManager Header;
  CZRVReportTemplateReader Reader;
  if (Reader.LoadTemplateFileHeader(F->Path.c_str(), &Header)) {
    F->ProjectType = Header.GetFileProjectType();
    F->AppType = Header.GetFileAppType();
  }
  auto Facade = facadeFor(*F);
  Facade->SetProjectPath(F->Path.c_str());
  F->Loaded = std::make_unique<CZRVReportItemManager>(*Facade->GetReportItemManager());
  F->FileBytes = ReadBytes(F->Path).size();
  F->DocumentBytes = loadedDocumentBytes(*F);
  if (F->Loaded->GetItemCount() == 0 && F->Loaded->GetItemExCount() == 0) {
    std::fprintf(stderr, "nothing loaded from %s\n", File.string().c_str());
    return;
  }
  CZRVReportItemManager Document = documentToSave(*F);
  CZRVReportSettingWriter Writer(&Document);
  const std::size_t Allocations = HeapAllocationCount();
  if (!Writer.SaveTemplate(F->OutPath.c_str()))
    std::fprintf(stderr, "cannot save %s\n", Name.c_str());
  F->SaveAllocations = HeapAllocationCount() - Allocations;
  F->Saved = ReadBytes(F->OutPath);
  Fixtures.push_back(std::move(F));
}

void generate(const std::string& Name, const TemplateShape& Shape, const fs::path& WorkDir) {
  const fs::path File = WorkDir / (Name + ".csv");
  WriteBytes(File.wstring(), GenerateSolidInjectionTemplate(Shape));
  addFixture(Name, File, WorkDir, Shape.SettingsPerKind);
}

void registerBenchmarks() {
  using Body = void (*)(benchmark::State&, const Fixture*);
  const std::pair<const char*, Body> PerFixture[] = {
      {"LineScan", lineScan},
      {"Libcsv", libcsvTokenise},
      {"Load", load},
      {"LeastLoad", leastLoad},
      {"Save", save},
      {"LeastSave", leastSave},
      {"PlainWrite", plainWrite},
      {"DurableWrite", durableWrite},
      {"SafeSaveWrite", safeSaveWrite},
      {"UsageChecks", usageChecks},
      {"RunSettingsByName", runSettingsByName},
      {"RunItemLookup", runItemLookup},
      {"RunItemIndexByName", runItemIndexByName},
      {"SettingUpdates", settingUpdates},
  };
  for (const auto& [Label, Run] : PerFixture) {
    if (Run == libcsvTokenise && !HaveLibcsv())
      continue;
    for (const auto& F : Fixtures) {
      if (Run == settingUpdates && F->SettingsPerKind == 0)
        continue;
      benchmark::RegisterBenchmark((std::string(Label) + "/" + F->Name).c_str(), Run, F.get())
          ->Unit(benchmark::kMillisecond);
    }
  }
}

} // namespace

/// Options of our own, taken out before the benchmark library reads the rest:
///   --samples=PATH   a sample template, or a folder whose .csv files are
///                    sample templates (may be given several times)
int main(int argc, char** argv) {
  std::vector<fs::path> Samples;
  std::vector<char*> Rest;
  for (int I = 0; I < argc; ++I) {
    std::string Arg = argv[I];
    if (I > 0 && Arg.rfind("--samples=", 0) == 0)
      Samples.emplace_back(Arg.substr(10));
    else
      Rest.push_back(argv[I]);
  }
  int RestCount = static_cast<int>(Rest.size());
  benchmark::Initialize(&RestCount, Rest.data());
  if (benchmark::ReportUnrecognizedArguments(RestCount, Rest.data()))
    return 1;

  // Diagnostics of the library would only slow the runs down.
  ZRVSetDiagnosticSink([](const std::wstring&) {});

  const fs::path WorkDir =
      fs::temp_directory_path() /
      ("zrvbench_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(WorkDir);

  for (const fs::path& Sample : Samples) {
    std::vector<fs::path> Files;
    if (fs::is_directory(Sample)) {
      for (const auto& Entry : fs::directory_iterator(Sample))
        if (Entry.is_regular_file() && Entry.path().extension() == ".csv")
          Files.push_back(Entry.path());
    } else if (fs::is_regular_file(Sample)) {
      Files.push_back(Sample);
    }
    std::sort(Files.begin(), Files.end());
    for (const fs::path& File : Files)
      addFixture(File.filename().string(), File, WorkDir, 0);
  }
  generate("large", {0, 200, 3}, WorkDir);
  generate("items1000", {1000, 200, 3}, WorkDir);
  generate("items10000", {10000, 2000, 3}, WorkDir);

  std::printf("solid injection keys: %zu\n", SolidInjectionKeyCount());
  for (const auto& F : Fixtures)
    std::printf("fixture %-28s %6d items, %7zu bytes, saved %7zu bytes in %zu allocations\n",
                F->Name.c_str(), F->Loaded->GetItemCount(), F->FileBytes, F->Saved.size(),
                F->SaveAllocations);

  registerBenchmarks();
  RatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  printDetails(Reporter);
  printGoals(Reporter);
  benchmark::Shutdown();

  std::error_code Ignored;
  fs::remove_all(WorkDir, Ignored);
  return 0;
}
