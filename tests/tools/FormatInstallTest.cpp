// FormatInstallTest.cpp - the tool against the facade and the writer: it loads
// every sample as the facade does, format writes what loads back to the same
// document, and install reports what the facade moved aside and copied. The
// tool, the facade and the C interface take their loader from one table,
// which LoaderChoiceTest.cpp checks for every project type.

#include "DocumentView.h"
#include "InstallReport.h"
#include "TemplateLoad.h"
#include "TextUtil.h"
#include "ToolTestUtil.h"
#include "zrvreport/ZRVReportSetting.h"

using namespace zrvtool;
using namespace tooltest;

namespace {

/// The document a facade set up for \p Type loads from \p File, as JSON.
nlohmann::ordered_json facadeLoad(const fs::path& File, const ProjectType& Type) {
  CZRVReportSetting Facade;
  Facade.SetProjectType(Type.ProjectKind, Type.AppType);
  Facade.SetIsThermosetRun(Type.Thermoset);
  Facade.SetIsUnderfill(Type.Underfill);
  Facade.SetIsEncapsulationCM(Type.EncapsulationCM);
  Facade.SetProjectPath(File.wstring().c_str());
  return DocumentJson(*Facade.GetReportItemManager());
}

/// The document the tool loads from \p File for \p Type; an empty document
/// when the tool finds no loader (the facade then loads nothing).
nlohmann::ordered_json toolLoad(const fs::path& File, const ProjectType& Type) {
  std::optional<LoaderChoice> Choice = ChooseLoader(Type);
  if (!Choice)
    return DocumentJson(CZRVReportItemManager());
  return DocumentJson(*LoadTemplate(File.wstring(), *Choice).Document);
}

} // namespace

TEST(ZrvTemplateFacade, EverySampleLoadsAsTheFacadeLoadsIt) {
  for (const fs::path& File : csvFiles(Samples)) {
    std::optional<ProjectType> Type = ReadHeaderProjectType(File.wstring());
    ASSERT_TRUE(Type) << File;
    nlohmann::ordered_json Facade = facadeLoad(File, *Type);
    EXPECT_EQ(toolLoad(File, *Type), Facade) << File;
    // Every section of the sample holds items, and all six extended items load.
    EXPECT_EQ(Facade["extendedItems"].size(), 6u) << File;
    for (const auto& Section : Facade["sections"])
      EXPECT_GE(Section["items"].size(), 3u) << File << Section["tag"];
    for (const auto& Library : Facade["settings"])
      EXPECT_GE(Library.size(), 2u) << File;
  }
}

TEST(ZrvTemplateFormat, OutputLoadsToTheSameDocument) {
  zrvtest::TempDir Dir;
  std::vector<fs::path> Files = csvFiles(Samples);
  for (const fs::path& File : csvFiles(Samples / "broken"))
    Files.push_back(File);
  for (const fs::path& File : Files) {
    fs::path Written = Dir.path() / File.filename();
    // A broken sample's load loses something: format writes it only when forced.
    bool Valid = File.parent_path() == Samples;
    ToolRun R = run({"format", File.string(), "-o", Written.string()});
    if (!Valid) {
      EXPECT_EQ(R.Status, 1) << File;
      EXPECT_FALSE(fs::exists(Written)) << File;
      R = run({"format", File.string(), "--force", "-o", Written.string()});
    }
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, "");
    std::optional<ProjectType> Type = ReadHeaderProjectType(File.wstring());
    ASSERT_TRUE(Type) << File;
    // The writer writes fields 4 to 6 from the item's slicing setting, so an
    // item whose slicing name did not resolve (or was not read, FileVersion
    // 1000) comes back with its X, Y, Z at 0; everything else is kept.
    auto withoutLooseSliceFlags = [](nlohmann::ordered_json Document) {
      for (auto& Section : Document["sections"])
        for (auto& Item : Section["items"])
          if (Item["slicing"] == "")
            Item["x"] = Item["y"] = Item["z"] = 0;
      return Document;
    };
    EXPECT_EQ(toolLoad(Written, *Type), withoutLooseSliceFlags(toolLoad(File, *Type))) << File;
    // The valid samples are in the writer's own form already.
    if (File.parent_path() == Samples) {
      EXPECT_EQ(toolLoad(Written, *Type), toolLoad(File, *Type)) << File;
      EXPECT_EQ(zrvtest::readBytes(Written), zrvtest::readBytes(File)) << File;
      EXPECT_EQ(R.Err, "");
    }
  }
}

TEST(ZrvTemplateFormat, PrintsWithoutOutputAndNamesAFileItCannotWrite) {
  fs::path Sample = Samples / "ShellRIM.csv";
  ToolRun R = run({"format", Sample.string()});
  ASSERT_EQ(R.Status, 0);
  EXPECT_EQ(R.Out, zrvtest::readBytes(Sample));
  // A broken sample formats to what loaded, with a note that points at check.
  fs::path Broken = Samples / "broken" / "DuplicateSetting.csv";
  R = run({"format", Broken.string()});
  EXPECT_EQ(R.Status, 1);
  EXPECT_EQ(R.Out, "");
  R = run({"format", Broken.string(), "--force"});
  ASSERT_EQ(R.Status, 0);
  EXPECT_EQ(std::count(R.Out.begin(), R.Out.end(), '\n'),
            std::count(R.Out.begin(), R.Out.end(), '\r'));         // CR LF throughout
  EXPECT_EQ(R.Out.find("Iso_Front,30,45,0,1"), std::string::npos); // the duplicate is gone
  EXPECT_EQ(R.Err, "zrvtemplate: note: the load of '" + Broken.string() +
                       "' passed over or changed 1 thing; \"zrvtemplate check\" lists them\n");

  zrvtest::TempDir Dir;
  std::string Target = (Dir.path() / "no" / "such" / "folder.csv").string();
  R = run({"format", Sample.string(), "-o", Target});
  EXPECT_EQ(R.Status, 2);
  // The save status in words, never the library's log text.
  EXPECT_EQ(R.Err, "zrvtemplate: error: cannot write '" + Target +
                       "': temporary file not created (the folder '" +
                       (Dir.path() / "no" / "such").string() +
                       "' does not exist); give another file with -o\n");
}

TEST(ZrvTemplateInstall, BackupNamesAreToldFromCopies) {
  FileSet Before = {"A.csv", "B.csv", "A.csv_Ver2.bak01", "C.csv"};
  FileSet After = {
      "A.csv", "B.csv",         "A.csv_Ver2.bak01", "A.csv_Ver3.bak02", "C.csv_Ver-1.bak01",
      "D.csv", "pics/logo.png", "E.csv_Ver1.bak01"};
  InstallReport Report = DiffInstall(Before, After);
  EXPECT_EQ(Report.MovedAside, (std::vector<std::pair<std::string, std::string>>{
                                   {"A.csv", "A.csv_Ver3.bak02"}, {"C.csv", "C.csv_Ver-1.bak01"}}));
  // A backup-shaped name without its template before is a copied file.
  EXPECT_EQ(Report.Copied,
            (std::vector<std::string>{"A.csv", "D.csv", "E.csv_Ver1.bak01", "pics/logo.png"}));
}

TEST(ZrvTemplateInstall, ListsWhatTheFacadeMovedAsideAndCopied) {
  zrvtest::TempDir Dir;
  fs::path Source = Dir.path() / "install";
  fs::path Target = Dir.path() / "project";
  std::string Icm = zrvtest::readBytes(Samples / "SolidICM.csv");
  zrvtest::plant(Source, "ReportSetting/pictures/cover.png=png");
  zrvtest::writeBytes(Source / "ReportSetting" / "SolidICM.csv", Icm);
  std::string Older = Icm;
  Older.replace(Older.find("FileVersion,1001"), 16, "FileVersion,1000");
  fs::create_directories(Target / "ReportSetting");
  zrvtest::writeBytes(Target / "ReportSetting" / "SolidICM.csv", Older);
  zrvtest::writeBytes(Target / "ReportSetting" / "Mine.csv", Icm); // the source lacks it

  ToolRun R = run({"install", Source.string(), Target.string()});
  ASSERT_EQ(R.Status, 0) << R.Err;
  std::string From = (Source / "ReportSetting").string();
  std::string Into = (Target / "ReportSetting").string();
  // The facade's own tests check the files; the report names each change.
  EXPECT_EQ(R.Out, "Templates of " + From + " brought into " + Into +
                       "\nmoved aside: Mine.csv -> Mine.csv_Ver1001.bak01\n"
                       "moved aside: SolidICM.csv -> SolidICM.csv_Ver1000.bak01\n"
                       "copied: SolidICM.csv\ncopied: pictures/cover.png\n"
                       "2 moved aside, 2 copied\n");

  // A second run finds everything up to date.
  R = run({"install", Source.string(), Target.string(), "--json"});
  ASSERT_EQ(R.Status, 0);
  auto Report = nlohmann::json::parse(R.Out);
  EXPECT_TRUE(Report["movedAside"].empty() && Report["copied"].empty());

  R = run({"install", (Dir.path() / "nowhere").string(), Target.string()});
  EXPECT_EQ(R.Status, 2);
  EXPECT_EQ(R.Err, "zrvtemplate: error: '" + (Dir.path() / "nowhere").string() +
                       "' has no ReportSetting folder to bring templates from (" +
                       (Dir.path() / "nowhere" / "ReportSetting").string() +
                       ": No such file or directory); give the installation root that holds it\n");
}

TEST(ZrvTemplateInstall, FailuresSayWhy) {
  zrvtest::TempDir Dir;
  fs::path Source = Dir.path() / "install", Target = Dir.path() / "project";
  zrvtest::plant(Source, "ReportSetting/pictures/cover.png=png ReportSetting/notes.txt=notes");
  // A file where the subfolder goes: its creation and its copy fail (also
  // for root, unlike a folder without write permission); the rest is done.
  zrvtest::plant(Target, "ReportSetting/pictures=in-the-way");
  const std::string Into = (Target / "ReportSetting").string() + "/";
  ToolRun R = run({"install", Source.string(), Target.string()});
  EXPECT_EQ(R.Status, 2);
  EXPECT_EQ(R.Out.substr(R.Out.rfind("copied:")),
            "copied: notes.txt\n0 moved aside, 1 copied, 2 failed\n");
  EXPECT_EQ(R.Err, "zrvtemplate: error: cannot create the folder " + Into +
                       "pictures/: File exists\nzrvtemplate: error: cannot copy " +
                       (Source / "ReportSetting").string() + "/pictures/cover.png to " + Into +
                       "pictures/cover.png: Not a directory\n");

  // The target's template folder itself cannot be made: nothing is done.
  fs::remove_all(Target / "ReportSetting");
  zrvtest::writeBytes(Target / "ReportSetting", "in the way");
  R = run({"install", Source.string(), Target.string(), "--json"});
  EXPECT_EQ(R.Status, 2);
  EXPECT_EQ(R.Out, "");
  EXPECT_EQ(R.Err, "zrvtemplate: error: could not bring the templates of '" +
                       (Source / "ReportSetting").string() + "' into '" +
                       (Target / "ReportSetting").string() + "': cannot create the folder " + Into +
                       ": File exists\n");
}
