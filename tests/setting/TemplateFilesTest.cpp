// TemplateFilesTest.cpp - bringing template folders up to date and copying
// template pictures, in temporary folder trees.
#include "zrvreport/zrvreport.h"

#include "SettingTestPeer.h"
#include "TestSupport.h"
#include "platform/Platform.h"
#include "setting/TemplateFileSteps.h"
#include "setting/TemplatePaths.h"

namespace {

constexpr wchar_t Sep = fs::path::preferred_separator;

/// A template of version \p Version; \p Mark tells the files apart.
std::string templateBytes(int Version, const std::string& Mark) {
  return "[FileHeader]\r\nFileVersion," + std::to_string(Version) + "\r\nName," + Mark +
         "\r\n\r\n\r\n[EOF],,,,,,,,,,";
}

using zrvtest::Tree;
using zrvtest::treeOf;

/// A file's bytes as a tree notation writes them: "N:mark" stands for
/// templateBytes(N, "mark").
std::string templateOrText(const std::string& Value) {
  const std::size_t Colon = Value.find(':');
  return Colon == std::string::npos
             ? Value
             : templateBytes(std::stoi(Value.substr(0, Colon)), Value.substr(Colon + 1));
}
Tree tree(const std::string& Entries) { return zrvtest::tree(Entries, templateOrText); }
void plant(const fs::path& Root, const std::string& Entries) {
  zrvtest::plant(Root, Entries, templateOrText);
}

/// A source root and a target root, each with its "ReportSetting" folder
/// path.
struct Roots {
  zrvtest::TempDir Dir;
  fs::path Source = Dir.path() / "source";
  fs::path Target = Dir.path() / "target";
  fs::path SourceFolder = Source / "ReportSetting";
  fs::path TargetFolder = Target / "ReportSetting";
  Roots() {
    fs::create_directories(SourceFolder);
    fs::create_directories(TargetFolder);
  }
  int copy() {
    CZRVReportSetting Setting;
    return Setting.CopyReportSettingTemplateFile(Source.wstring().c_str(),
                                                 Target.wstring().c_str());
  }
};

TEST(TemplatePaths, FolderBackupAndTemplateNames) {
  const std::wstring S(1, Sep);
  EXPECT_EQ(zrv::TemplateFolderOf(S + L"a" + S + L"b"),
            S + L"a" + S + L"b" + S + L"ReportSetting" + S);
  // A root ending in a separator, and separators doubled inside or in front:
  // each pair becomes one, without overlap.
  EXPECT_EQ(zrv::TemplateFolderOf(S + L"a" + S), S + L"a" + S + L"ReportSetting" + S);
  EXPECT_EQ(zrv::TemplateFolderOf(S + S + L"a" + S + S + S + L"b"),
            S + L"a" + S + S + L"b" + S + L"ReportSetting" + S);
  EXPECT_EQ(zrv::TemplateFolderOf(L""), S + L"ReportSetting" + S);

  EXPECT_EQ(zrv::BackupPath(L"x.csv", 3, 1), L"x.csv_Ver3.bak01");
  EXPECT_EQ(zrv::BackupPath(L"x.csv", 1001, 99), L"x.csv_Ver1001.bak99");
  EXPECT_EQ(zrv::BackupPath(L"x.csv", -1, 10), L"x.csv_Ver-1.bak10");

  for (const wchar_t* Path : {L"a.csv", L"A.CSV", L".Csv"})
    EXPECT_TRUE(zrv::IsTemplatePath(Path)) << Path;
  for (const wchar_t* Path : {L"csv", L"a.csv_Ver3.bak01", L"a.csvx"})
    EXPECT_FALSE(zrv::IsTemplatePath(Path)) << Path;
}

TEST(CopyReportSettingTemplateFile, CreatesTheTargetFolderAndCopiesTheWholeTreeOfAGivenSource) {
  Roots R;
  fs::remove(R.TargetFolder);
  const std::string Source =
      "SolidInjection.csv=5:src logo.png=png sub/inner.txt=inner sub/deeper/x.csv=1:x";
  plant(R.SourceFolder, Source);
  EXPECT_EQ(R.copy(), 1);
  EXPECT_EQ(treeOf(R.TargetFolder), tree(Source));

  // A root given with a separator at its end works the same.
  CZRVReportSetting Setting;
  fs::remove_all(R.TargetFolder);
  EXPECT_EQ(Setting.CopyReportSettingTemplateFile((R.Source.wstring() + Sep).c_str(),
                                                  (R.Target.wstring() + Sep).c_str()),
            1);
  EXPECT_EQ(treeOf(R.TargetFolder), tree(Source));

  // Without roots nothing is done.
  EXPECT_EQ(Setting.CopyReportSettingTemplateFile(nullptr, R.Target.wstring().c_str()), 0);
  EXPECT_EQ(Setting.CopyReportSettingTemplateFile(R.Source.wstring().c_str(), nullptr), 0);

  // Without a source folder nothing is listed; the target folder is made.
  fs::remove_all(R.SourceFolder);
  fs::remove_all(R.TargetFolder);
  EXPECT_EQ(R.copy(), 0);
  EXPECT_TRUE(fs::is_directory(R.TargetFolder));
  EXPECT_TRUE(zrvtest::folderNames(R.TargetFolder).empty());
}

TEST(CopyReportSettingTemplateFile, OlderTemplatesAndThoseTheSourceLacksAreBackedUp) {
  Roots R;
  // Equal and newer versions stay, as do other files and a ".csv" without a
  // [FileHeader]. A name that differs from the source's in letter case only
  // is no match; upper-case extensions count; a header without a version is
  // version 0; a backup name taken already takes the next counter.
  plant(R.SourceFolder, "SolidInjection.csv=5:src ShellRIM.csv=5:src Equal.csv=5:src "
                        "Newer.csv=5:src notes.txt=src Plain.csv=9:src Case.csv=5:src "
                        "OLD.CSV=2:src NoVersion.csv=2:src");
  const std::string Kept = "Equal.csv=5:tgt Newer.csv=7:tgt notes.txt=tgt ";
  plant(R.TargetFolder, Kept + "SolidInjection.csv=3:old ShellRIM.csv=3:old "
                               "ShellRIM.csv_Ver3.bak01=earlier case.csv=6:case "
                               "Extra.csv=1:extra OLD.CSV=1:old");
  const std::string Plain = "[ViewSetting]\r\nTop,90,0,0,1\r\n";
  const std::string NoVersion = "[FileHeader]\r\nName,none\r\n[EOF]";
  zrvtest::writeBytes(R.TargetFolder / "Plain.csv", Plain);
  zrvtest::writeBytes(R.TargetFolder / "NoVersion.csv", NoVersion);
  EXPECT_EQ(R.copy(), 1);
  Tree Expected = tree(Kept + "SolidInjection.csv=5:src SolidInjection.csv_Ver3.bak01=3:old "
                              "ShellRIM.csv=5:src ShellRIM.csv_Ver3.bak01=earlier "
                              "ShellRIM.csv_Ver3.bak02=3:old Case.csv=5:src "
                              "case.csv_Ver6.bak01=6:case Extra.csv_Ver1.bak01=1:extra "
                              "OLD.CSV=2:src OLD.CSV_Ver1.bak01=1:old NoVersion.csv=2:src");
  Expected["Plain.csv"] = Plain;
  Expected["NoVersion.csv_Ver0.bak01"] = NoVersion;
  EXPECT_EQ(treeOf(R.TargetFolder), Expected);
}

TEST(CopyReportSettingTemplateFile, AllBackupsTakenStopsTheScan) {
  Roots R;
  plant(R.SourceFolder, "Full.csv=5:src Other.csv=5:src");
  plant(R.TargetFolder, "Full.csv=3:old Other.csv=3:old");
  for (int Counter = 1; Counter <= 99; ++Counter)
    zrvtest::writeBytes(zrv::BackupPath((R.TargetFolder / "Full.csv").wstring(), 3, Counter),
                        "taken");

  // The scan takes the entries in listing order: Other.csv is examined only
  // when it is listed before Full.csv.
  bool OtherFirst = false;
  for (const auto& Entry : fs::directory_iterator(R.TargetFolder)) {
    const std::wstring Name = Entry.path().filename().wstring();
    if (Name == L"Full.csv")
      break;
    if (Name == L"Other.csv") {
      OtherFirst = true;
      break;
    }
  }

  EXPECT_EQ(R.copy(), 1);
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "Full.csv"), templateBytes(3, "old"));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "Full.csv_Ver3.bak99"), "taken");
  EXPECT_EQ(fs::exists(R.TargetFolder / "Other.csv_Ver3.bak01"), OtherFirst);
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "Other.csv"),
            templateBytes(OtherFirst ? 5 : 3, OtherFirst ? "src" : "old"));
}

TEST(CopyFolderFiles, KeepExistingFlagAndListingFailures) {
  zrvtest::TempDir Dir;
  const fs::path Source = Dir.path() / "s", Target = Dir.path() / "t";
  plant(Source, "a.txt=new-a sub/b.txt=new-b c.txt=new-c");
  plant(Target, "a.txt=old-a sub/b.txt=old-b");
  const std::wstring S = Source.wstring() + Sep, T = Target.wstring() + Sep;

  CZRVReportSetting Setting;
  EXPECT_EQ(ZRVReportSettingTestPeer::copyTree(Setting, S.c_str(), T.c_str(), 1), 1);
  EXPECT_EQ(treeOf(Target), tree("a.txt=old-a sub/b.txt=old-b c.txt=new-c"));
  EXPECT_EQ(ZRVReportSettingTestPeer::copyTree(Setting, S.c_str(), T.c_str(), 0), 1);
  EXPECT_EQ(treeOf(Target), tree("a.txt=new-a sub/b.txt=new-b c.txt=new-c"));

  // The extension form: no subfolders, every file for a null or empty
  // extension, the same flag rule.
  const fs::path Flat = Dir.path() / "flat";
  const std::wstring F = Flat.wstring() + Sep;
  plant(Flat, "a.txt=flat-a");
  EXPECT_EQ(ZRVReportSettingTestPeer::copyByExtension(Setting, S.c_str(), F.c_str(), L"TXT", 1), 1);
  EXPECT_EQ(treeOf(Flat), tree("a.txt=flat-a c.txt=new-c"));
  EXPECT_EQ(ZRVReportSettingTestPeer::copyByExtension(Setting, S.c_str(), F.c_str(), L"", 0), 1);
  EXPECT_EQ(zrvtest::readBytes(Flat / "a.txt"), "new-a");
  fs::remove_all(Flat);
  fs::create_directories(Flat);
  EXPECT_EQ(ZRVReportSettingTestPeer::copyByExtension(Setting, S.c_str(), F.c_str(), nullptr, 0),
            1);
  EXPECT_EQ(treeOf(Flat), tree("a.txt=new-a c.txt=new-c"));

  const std::wstring Missing = (Dir.path() / "none").wstring() + Sep;
  EXPECT_EQ(ZRVReportSettingTestPeer::copyTree(Setting, Missing.c_str(), T.c_str(), 0), 0);
  EXPECT_EQ(ZRVReportSettingTestPeer::copyTree(Setting, nullptr, T.c_str(), 0), 0);
  EXPECT_EQ(ZRVReportSettingTestPeer::copyTree(Setting, S.c_str(), nullptr, 0), 0);
  EXPECT_EQ(
      ZRVReportSettingTestPeer::copyByExtension(Setting, Missing.c_str(), F.c_str(), L"txt", 0), 0);
  EXPECT_EQ(ZRVReportSettingTestPeer::rename(Setting, Missing, T), 0);
  EXPECT_EQ(ZRVReportSettingTestPeer::rename(Setting, S, Missing), 0);
}

TEST(CopyTemplateDataFile, CopiesPicturesOfTheFourKindsOnly) {
  zrvtest::TempDir Dir;
  const fs::path Pictures = Dir.path() / "install" / "Template";
  const fs::path Target = Dir.path() / "project";
  fs::create_directories(Target);
  plant(Pictures, "a.JPG=new-a b.bmp=new-b c.Gif=new-c d.png=new-d e.txt=new-e f.jpeg=new-f "
                  "g.png.old=new-g sub/h.png=nested");
  const std::wstring SourceRoot = (Dir.path() / "install").wstring() + Sep;
  const std::wstring TargetRoot = Target.wstring() + Sep;

  CZRVReportSetting Setting;
  EXPECT_EQ(Setting.CopyTemplateDataFile(SourceRoot.c_str(), TargetRoot.c_str()), 1);
  const fs::path Copied = Target / "Report" / "Template";
  const std::string Pictures4 = "a.JPG=new-a b.bmp=new-b c.Gif=new-c d.png=new-d";
  EXPECT_EQ(treeOf(Copied), tree(Pictures4));

  // Pictures that exist are overwritten.
  zrvtest::writeBytes(Copied / "d.png", "old");
  EXPECT_EQ(Setting.CopyTemplateDataFile(SourceRoot.c_str(), TargetRoot.c_str()), 1);
  EXPECT_EQ(treeOf(Copied), tree(Pictures4));

  // Without a "Template" folder nothing happens.
  const fs::path Other = Dir.path() / "other";
  fs::create_directories(Other);
  const std::wstring OtherRoot = Other.wstring() + Sep;
  EXPECT_EQ(Setting.CopyTemplateDataFile(TargetRoot.c_str(), OtherRoot.c_str()), 0);
  EXPECT_TRUE(zrvtest::folderNames(Other).empty());
  EXPECT_EQ(Setting.CopyTemplateDataFile(nullptr, TargetRoot.c_str()), 0);
  EXPECT_EQ(Setting.CopyTemplateDataFile(SourceRoot.c_str(), nullptr), 0);
}

// ---- A failure at each file operation -------------------------------------------------

/// Puts the real file operations back when a test ends.
struct StepsGuard {
  ~StepsGuard() { zrv::CurrentTemplateFileSteps() = zrv::DefaultTemplateFileSteps(); }
};

// A failing stand-in for any operation: it refuses as a folder without
// write permission would.
template <class... Args> bool deny(Args...) {
  errno = EACCES;
  return false;
}
bool seeNothing(const std::wstring&) { return false; }

/// The operations of a comma-separated list.
std::vector<std::string> ops(const std::string& List) {
  std::vector<std::string> Found;
  std::istringstream In(List);
  for (std::string Operation; std::getline(In, Operation, ',');)
    Found.push_back(Operation);
  return Found;
}

/// The operations named by the lines of a copy message, in order; each line
/// must be "[ReportSetting] <operation> fail <path>...: <reason>" with a
/// reason, and the reason of \p Broken's lines must be \p Reason.
std::vector<std::string> operationsOf(const std::wstring& Message, const std::string& Broken,
                                      const std::wstring& Reason) {
  static const char* const Operations[] = {"list folder", "create folder", "rename file",
                                           "copy file"};
  std::vector<std::string> Found;
  std::wstringstream Lines(Message);
  for (std::wstring Line; std::getline(Lines, Line);) {
    std::string Operation = "?";
    for (const char* Candidate : Operations) {
      const std::wstring Lead =
          L"[ReportSetting] " + zrv::platform::FromUtf8(Candidate) + L" fail ";
      if (Line.rfind(Lead, 0) == 0)
        Operation = Candidate;
    }
    const std::size_t Colon = Line.rfind(L": ");
    EXPECT_TRUE(Colon != std::wstring::npos && Colon + 2 < Line.size()) << "no reason";
    if (Operation == Broken && Colon != std::wstring::npos) {
      EXPECT_EQ(Line.substr(Colon + 2), Reason);
    }
    Found.push_back(Operation);
  }
  return Found;
}

TEST(TemplateFileSteps, FailureAtEachOperationLosesNothingAndSaysWhy) {
  struct Case {
    const char* Step; // the operation that fails ("" for none)
    void (*Break)(zrv::TemplateFileSteps&);
    int Installed, Copied;               // the results of the two members
    const char *InstallOps, *PictureOps; // the operations their messages name
    const char* Target;                  // what the target root holds afterwards
  };
  const Case Cases[] = {
      {"", [](zrv::TemplateFileSteps&) {}, 1, 1, "", "",
       "ReportSetting/Old.csv=5:src ReportSetting/Old.csv_Ver3.bak01=3:old "
       "ReportSetting/New.csv=1:new "
       "ReportSetting/sub/inner.txt=inner Report/Template/a.png=png"},
      // Files that cannot be seen: the target folder seems missing and its
      // creation fails; the pictures' folder seems missing.
      {"exists", [](zrv::TemplateFileSteps& S) { S.Exists = seeNothing; }, 0, 0, "create folder",
       "", "ReportSetting/Old.csv=3:old"},
      // The backup is made, the template and the new file copied; the
      // subfolder and the report folders are missing, so their files are not.
      {"create folder", [](zrv::TemplateFileSteps& S) { S.CreateFolder = deny; }, 1, 1,
       "create folder,copy file", "create folder,create folder,copy file",
       "ReportSetting/Old.csv=5:src ReportSetting/Old.csv_Ver3.bak01=3:old "
       "ReportSetting/New.csv=1:new"},
      // Nothing is moved aside without the source's versions; the picture
      // copy creates its folders and then lists nothing.
      {"list folder", [](zrv::TemplateFileSteps& S) { S.ListFolder = deny; }, 0, 1, "list folder",
       "list folder,list folder,list folder,list folder",
       "ReportSetting/Old.csv=3:old Report/Template/"},
      // The template that cannot be moved aside stays and is not overwritten.
      {"rename file", [](zrv::TemplateFileSteps& S) { S.Rename = deny; }, 1, 1, "rename file", "",
       "ReportSetting/Old.csv=3:old ReportSetting/New.csv=1:new ReportSetting/sub/inner.txt=inner "
       "Report/Template/a.png=png"},
      // The outdated template is kept under its backup name.
      {"copy file", [](zrv::TemplateFileSteps& S) { S.Copy = deny; }, 1, 1,
       "copy file,copy file,copy file", "copy file",
       "ReportSetting/Old.csv_Ver3.bak01=3:old ReportSetting/sub/ Report/Template/"},
  };
  const std::wstring Denied = zrv::platform::FromUtf8(std::strerror(EACCES));
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Step);
    Roots R;
    plant(R.Source, "ReportSetting/Old.csv=5:src ReportSetting/New.csv=1:new "
                    "ReportSetting/sub/inner.txt=inner Template/a.png=png");
    plant(R.TargetFolder, "Old.csv=3:old");

    StepsGuard Guard;
    C.Break(zrv::CurrentTemplateFileSteps());
    zrvtest::DiagnosticCapture Log;
    CZRVReportSetting Setting;
    EXPECT_EQ(Setting.CopyReportSettingTemplateFile(R.Source.wstring().c_str(),
                                                    R.Target.wstring().c_str()),
              C.Installed);
    const std::wstring InstallMessage = Setting.GetLastCopyMessage();
    EXPECT_EQ(operationsOf(InstallMessage, C.Step, Denied), ops(C.InstallOps));
    EXPECT_EQ(Setting.CopyTemplateDataFile((R.Source.wstring() + Sep).c_str(),
                                           (R.Target.wstring() + Sep).c_str()),
              C.Copied);
    EXPECT_EQ(operationsOf(Setting.GetLastCopyMessage(), C.Step, Denied), ops(C.PictureOps));
    EXPECT_EQ(treeOf(R.Target), tree(C.Target));
    EXPECT_TRUE(Log.Messages.empty()); // told by the message, not on the debugger channel
    if (std::string(C.Step) == "rename file") {
      const std::wstring Old = R.TargetFolder.wstring() + Sep + L"Old.csv";
      EXPECT_EQ(InstallMessage, L"[ReportSetting] rename file fail " + Old + L" to " + Old +
                                    L"_Ver3.bak01: " + Denied);
    }
  }
}

} // namespace
