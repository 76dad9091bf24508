// TemplateFilesTest.cpp - bringing template folders up to date and copying
// template pictures, in temporary folder trees.
#include "zrvreport/zrvreport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "SettingTestPeer.h"
#include "TestSupport.h"
#include "platform/Platform.h"
#include "setting/TemplateFileSteps.h"
#include "setting/TemplatePaths.h"

namespace fs = std::filesystem;

namespace {

constexpr wchar_t Sep = fs::path::preferred_separator;

/// A template of version \p Version; \p Mark tells the files apart.
std::string templateBytes(int Version, const std::string& Mark) {
  return "[FileHeader]\r\nFileVersion," + std::to_string(Version) + "\r\nName," + Mark +
         "\r\n\r\n\r\n[EOF],,,,,,,,,,";
}

/// The names in folder \p Dir (without "." and "..").
std::set<std::wstring> namesIn(const fs::path& Dir) {
  std::set<std::wstring> Names;
  for (const auto& Entry : fs::directory_iterator(Dir))
    Names.insert(Entry.path().filename().wstring());
  return Names;
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

  EXPECT_TRUE(zrv::IsTemplatePath(L"a.csv"));
  EXPECT_TRUE(zrv::IsTemplatePath(L"A.CSV"));
  EXPECT_TRUE(zrv::IsTemplatePath(L".Csv"));
  EXPECT_FALSE(zrv::IsTemplatePath(L"csv"));
  EXPECT_FALSE(zrv::IsTemplatePath(L"a.csv_Ver3.bak01"));
  EXPECT_FALSE(zrv::IsTemplatePath(L"a.csvx"));
}

TEST(CopyReportSettingTemplateFile, CreatesTheTargetFolderAndCopiesTheWholeTree) {
  Roots R;
  fs::remove(R.TargetFolder);
  zrvtest::writeBytes(R.SourceFolder / "SolidInjection.csv", templateBytes(5, "src"));
  zrvtest::writeBytes(R.SourceFolder / "logo.png", "png");
  fs::create_directories(R.SourceFolder / "sub" / "deeper");
  zrvtest::writeBytes(R.SourceFolder / "sub" / "inner.txt", "inner");
  zrvtest::writeBytes(R.SourceFolder / "sub" / "deeper" / "x.csv", templateBytes(1, "x"));

  EXPECT_EQ(R.copy(), 1);
  EXPECT_EQ(namesIn(R.TargetFolder),
            (std::set<std::wstring>{L"SolidInjection.csv", L"logo.png", L"sub"}));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "SolidInjection.csv"), templateBytes(5, "src"));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "sub" / "inner.txt"), "inner");
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "sub" / "deeper" / "x.csv"), templateBytes(1, "x"));

  // A root given with a separator at its end works the same.
  CZRVReportSetting Setting;
  fs::remove_all(R.TargetFolder);
  EXPECT_EQ(Setting.CopyReportSettingTemplateFile((R.Source.wstring() + Sep).c_str(),
                                                  (R.Target.wstring() + Sep).c_str()),
            1);
  EXPECT_TRUE(fs::exists(R.TargetFolder / "sub" / "deeper" / "x.csv"));
}

TEST(CopyReportSettingTemplateFile, FailsWithoutRootsOrSourceFolder) {
  Roots R;
  CZRVReportSetting Setting;
  EXPECT_EQ(Setting.CopyReportSettingTemplateFile(nullptr, R.Target.wstring().c_str()), 0);
  EXPECT_EQ(Setting.CopyReportSettingTemplateFile(R.Source.wstring().c_str(), nullptr), 0);

  // Without a source folder nothing is listed; the target folder is made.
  fs::remove_all(R.SourceFolder);
  fs::remove_all(R.TargetFolder);
  EXPECT_EQ(R.copy(), 0);
  EXPECT_TRUE(fs::is_directory(R.TargetFolder));
  EXPECT_TRUE(namesIn(R.TargetFolder).empty());
}

TEST(CopyReportSettingTemplateFile, OlderTemplatesAreBackedUpAndReplaced) {
  Roots R;
  zrvtest::writeBytes(R.SourceFolder / "SolidInjection.csv", templateBytes(5, "src"));
  zrvtest::writeBytes(R.TargetFolder / "SolidInjection.csv", templateBytes(3, "old"));
  zrvtest::writeBytes(R.SourceFolder / "ShellRIM.csv", templateBytes(5, "src"));
  zrvtest::writeBytes(R.TargetFolder / "ShellRIM.csv", templateBytes(3, "old"));
  zrvtest::writeBytes(R.TargetFolder / "ShellRIM.csv_Ver3.bak01", "earlier");

  EXPECT_EQ(R.copy(), 1);
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "SolidInjection.csv"), templateBytes(5, "src"));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "SolidInjection.csv_Ver3.bak01"),
            templateBytes(3, "old"));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "ShellRIM.csv"), templateBytes(5, "src"));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "ShellRIM.csv_Ver3.bak01"), "earlier");
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "ShellRIM.csv_Ver3.bak02"),
            templateBytes(3, "old"));
  EXPECT_EQ(namesIn(R.TargetFolder).size(), 5u);
}

TEST(CopyReportSettingTemplateFile, EqualOrNewerTemplatesAndOtherFilesStay) {
  Roots R;
  zrvtest::writeBytes(R.SourceFolder / "Equal.csv", templateBytes(5, "src"));
  zrvtest::writeBytes(R.TargetFolder / "Equal.csv", templateBytes(5, "tgt"));
  zrvtest::writeBytes(R.SourceFolder / "Newer.csv", templateBytes(5, "src"));
  zrvtest::writeBytes(R.TargetFolder / "Newer.csv", templateBytes(7, "tgt"));
  zrvtest::writeBytes(R.SourceFolder / "notes.txt", "src");
  zrvtest::writeBytes(R.TargetFolder / "notes.txt", "tgt");
  // A ".csv" target without a [FileHeader] is no template to compare.
  zrvtest::writeBytes(R.SourceFolder / "Plain.csv", templateBytes(9, "src"));
  zrvtest::writeBytes(R.TargetFolder / "Plain.csv", "[ViewSetting]\r\nTop,90,0,0,1\r\n");

  EXPECT_EQ(R.copy(), 1);
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "Equal.csv"), templateBytes(5, "tgt"));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "Newer.csv"), templateBytes(7, "tgt"));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "notes.txt"), "tgt");
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "Plain.csv"), "[ViewSetting]\r\nTop,90,0,0,1\r\n");
  EXPECT_EQ(namesIn(R.TargetFolder),
            (std::set<std::wstring>{L"Equal.csv", L"Newer.csv", L"notes.txt", L"Plain.csv"}));
}

TEST(CopyReportSettingTemplateFile, TemplatesTheSourceLacksAreMovedAside) {
  Roots R;
  zrvtest::writeBytes(R.SourceFolder / "SolidInjection.csv", templateBytes(5, "src"));
  // The name differs from the source's in letter case only: no match.
  zrvtest::writeBytes(R.TargetFolder / "solidinjection.csv", templateBytes(6, "case"));
  zrvtest::writeBytes(R.TargetFolder / "Extra.csv", templateBytes(1, "extra"));
  // Upper-case extensions count; a header without a version is version 0.
  zrvtest::writeBytes(R.SourceFolder / "OLD.CSV", templateBytes(2, "src"));
  zrvtest::writeBytes(R.TargetFolder / "OLD.CSV", templateBytes(1, "old"));
  zrvtest::writeBytes(R.SourceFolder / "NoVersion.csv", templateBytes(2, "src"));
  zrvtest::writeBytes(R.TargetFolder / "NoVersion.csv", "[FileHeader]\r\nName,none\r\n[EOF]");

  EXPECT_EQ(R.copy(), 1);
  EXPECT_EQ(namesIn(R.TargetFolder),
            (std::set<std::wstring>{L"SolidInjection.csv", L"solidinjection.csv_Ver6.bak01",
                                    L"Extra.csv_Ver1.bak01", L"OLD.CSV", L"OLD.CSV_Ver1.bak01",
                                    L"NoVersion.csv", L"NoVersion.csv_Ver0.bak01"}));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "SolidInjection.csv"), templateBytes(5, "src"));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "solidinjection.csv_Ver6.bak01"),
            templateBytes(6, "case"));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "OLD.CSV"), templateBytes(2, "src"));
  EXPECT_EQ(zrvtest::readBytes(R.TargetFolder / "NoVersion.csv"), templateBytes(2, "src"));
}

TEST(CopyReportSettingTemplateFile, AllBackupsTakenStopsTheScan) {
  Roots R;
  zrvtest::writeBytes(R.SourceFolder / "Full.csv", templateBytes(5, "src"));
  zrvtest::writeBytes(R.TargetFolder / "Full.csv", templateBytes(3, "old"));
  for (int Counter = 1; Counter <= 99; ++Counter)
    zrvtest::writeBytes(zrv::BackupPath((R.TargetFolder / "Full.csv").wstring(), 3, Counter),
                        "taken");
  zrvtest::writeBytes(R.SourceFolder / "Other.csv", templateBytes(5, "src"));
  zrvtest::writeBytes(R.TargetFolder / "Other.csv", templateBytes(3, "old"));

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
  fs::create_directories(Source / "sub");
  fs::create_directories(Target / "sub");
  zrvtest::writeBytes(Source / "a.txt", "new a");
  zrvtest::writeBytes(Source / "sub" / "b.txt", "new b");
  zrvtest::writeBytes(Source / "c.txt", "new c");
  zrvtest::writeBytes(Target / "a.txt", "old a");
  zrvtest::writeBytes(Target / "sub" / "b.txt", "old b");
  const std::wstring S = Source.wstring() + Sep, T = Target.wstring() + Sep;

  CZRVReportSetting Setting;
  EXPECT_EQ(ZRVReportSettingTestPeer::copyTree(Setting, S.c_str(), T.c_str(), 1), 1);
  EXPECT_EQ(zrvtest::readBytes(Target / "a.txt"), "old a");
  EXPECT_EQ(zrvtest::readBytes(Target / "sub" / "b.txt"), "old b");
  EXPECT_EQ(zrvtest::readBytes(Target / "c.txt"), "new c");

  EXPECT_EQ(ZRVReportSettingTestPeer::copyTree(Setting, S.c_str(), T.c_str(), 0), 1);
  EXPECT_EQ(zrvtest::readBytes(Target / "a.txt"), "new a");
  EXPECT_EQ(zrvtest::readBytes(Target / "sub" / "b.txt"), "new b");

  // The extension form: no subfolders, every file for a null or empty
  // extension, the same flag rule.
  const fs::path Flat = Dir.path() / "flat";
  fs::create_directories(Flat);
  const std::wstring F = Flat.wstring() + Sep;
  zrvtest::writeBytes(Flat / "a.txt", "flat a");
  EXPECT_EQ(ZRVReportSettingTestPeer::copyByExtension(Setting, S.c_str(), F.c_str(), L"TXT", 1), 1);
  EXPECT_EQ(namesIn(Flat), (std::set<std::wstring>{L"a.txt", L"c.txt"}));
  EXPECT_EQ(zrvtest::readBytes(Flat / "a.txt"), "flat a");
  EXPECT_EQ(ZRVReportSettingTestPeer::copyByExtension(Setting, S.c_str(), F.c_str(), L"", 0), 1);
  EXPECT_EQ(zrvtest::readBytes(Flat / "a.txt"), "new a");
  fs::remove_all(Flat);
  fs::create_directories(Flat);
  EXPECT_EQ(ZRVReportSettingTestPeer::copyByExtension(Setting, S.c_str(), F.c_str(), nullptr, 0),
            1);
  EXPECT_EQ(namesIn(Flat), (std::set<std::wstring>{L"a.txt", L"c.txt"}));

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
  fs::create_directories(Pictures / "sub");
  fs::create_directories(Target);
  for (const char* Name : {"a.JPG", "b.bmp", "c.Gif", "d.png", "e.txt", "f.jpeg", "g.png.old"})
    zrvtest::writeBytes(Pictures / Name, std::string("new ") + Name);
  zrvtest::writeBytes(Pictures / "sub" / "h.png", "nested");
  const std::wstring SourceRoot = (Dir.path() / "install").wstring() + Sep;
  const std::wstring TargetRoot = Target.wstring() + Sep;

  CZRVReportSetting Setting;
  EXPECT_EQ(Setting.CopyTemplateDataFile(SourceRoot.c_str(), TargetRoot.c_str()), 1);
  const fs::path Copied = Target / "Report" / "Template";
  EXPECT_EQ(namesIn(Copied), (std::set<std::wstring>{L"a.JPG", L"b.bmp", L"c.Gif", L"d.png"}));
  EXPECT_EQ(zrvtest::readBytes(Copied / "c.Gif"), "new c.Gif");

  // Pictures that exist are overwritten.
  zrvtest::writeBytes(Copied / "d.png", "old");
  EXPECT_EQ(Setting.CopyTemplateDataFile(SourceRoot.c_str(), TargetRoot.c_str()), 1);
  EXPECT_EQ(zrvtest::readBytes(Copied / "d.png"), "new d.png");

  // Without a "Template" folder nothing happens.
  const fs::path Other = Dir.path() / "other";
  fs::create_directories(Other);
  const std::wstring OtherRoot = Other.wstring() + Sep;
  EXPECT_EQ(Setting.CopyTemplateDataFile(TargetRoot.c_str(), OtherRoot.c_str()), 0);
  EXPECT_TRUE(namesIn(Other).empty());
  EXPECT_EQ(Setting.CopyTemplateDataFile(nullptr, TargetRoot.c_str()), 0);
  EXPECT_EQ(Setting.CopyTemplateDataFile(SourceRoot.c_str(), nullptr), 0);
}

// ---- A failure at each file operation -------------------------------------------------

/// Puts the real file operations back when a test ends.
struct StepsGuard {
  ~StepsGuard() { zrv::CurrentTemplateFileSteps() = zrv::DefaultTemplateFileSteps(); }
};

// Failing stand-ins: each refuses as a folder without write permission would.
bool denyPath(const std::wstring&) {
  errno = EACCES;
  return false;
}
bool denyList(const std::wstring&, std::wstring_view, std::vector<zrv::platform::DirectoryEntry>&) {
  errno = EACCES;
  return false;
}
bool denyCopy(const std::wstring&, const std::wstring&, bool) {
  errno = EACCES;
  return false;
}
bool denyRename(const std::wstring&, const std::wstring&) {
  errno = EACCES;
  return false;
}
bool seeNothing(const std::wstring&) { return false; }

/// The files (path: bytes) and folders (path ending in '/': "") under \p Root.
std::map<std::string, std::string> treeOf(const fs::path& Root) {
  std::map<std::string, std::string> Tree;
  for (const auto& Entry : fs::recursive_directory_iterator(Root)) {
    const std::string Name = Entry.path().lexically_relative(Root).generic_string();
    if (Entry.is_directory())
      Tree[Name + "/"] = "";
    else
      Tree[Name] = zrvtest::readBytes(Entry.path());
  }
  return Tree;
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
  using Tree = std::map<std::string, std::string>;
  using Ops = std::vector<std::string>;
  const std::string V3 = templateBytes(3, "old"), V5 = templateBytes(5, "src"),
                    V1 = templateBytes(1, "new");
  struct Case {
    const char* Step; // the operation that fails ("" for none)
    void (*Break)(zrv::TemplateFileSteps&);
    int Installed, Copied;      // the results of the two members
    Ops InstallOps, PictureOps; // the operations their messages name
    Tree Target;                // what the target root holds afterwards
  };
  const Case Cases[] = {
      {"",
       [](zrv::TemplateFileSteps&) {},
       1,
       1,
       {},
       {},
       {{"ReportSetting/", ""},
        {"ReportSetting/Old.csv", V5},
        {"ReportSetting/Old.csv_Ver3.bak01", V3},
        {"ReportSetting/New.csv", V1},
        {"ReportSetting/sub/", ""},
        {"ReportSetting/sub/inner.txt", "inner"},
        {"Report/", ""},
        {"Report/Template/", ""},
        {"Report/Template/a.png", "png"}}},
      // Files that cannot be seen: the target folder seems missing and its
      // creation fails; the pictures' folder seems missing.
      {"exists",
       [](zrv::TemplateFileSteps& S) { S.Exists = seeNothing; },
       0,
       0,
       {"create folder"},
       {},
       {{"ReportSetting/", ""}, {"ReportSetting/Old.csv", V3}}},
      // The backup is made, the template and the new file copied; the
      // subfolder and the report folders are missing, so their files are not.
      {"create folder",
       [](zrv::TemplateFileSteps& S) { S.CreateFolder = denyPath; },
       1,
       1,
       {"create folder", "copy file"},
       {"create folder", "create folder", "copy file"},
       {{"ReportSetting/", ""},
        {"ReportSetting/Old.csv", V5},
        {"ReportSetting/Old.csv_Ver3.bak01", V3},
        {"ReportSetting/New.csv", V1}}},
      // Nothing is moved aside without the source's versions; the picture
      // copy creates its folders and then lists nothing.
      {"list folder",
       [](zrv::TemplateFileSteps& S) { S.ListFolder = denyList; },
       0,
       1,
       {"list folder"},
       {"list folder", "list folder", "list folder", "list folder"},
       {{"ReportSetting/", ""},
        {"ReportSetting/Old.csv", V3},
        {"Report/", ""},
        {"Report/Template/", ""}}},
      // The template that cannot be moved aside stays and is not overwritten.
      {"rename file",
       [](zrv::TemplateFileSteps& S) { S.Rename = denyRename; },
       1,
       1,
       {"rename file"},
       {},
       {{"ReportSetting/", ""},
        {"ReportSetting/Old.csv", V3},
        {"ReportSetting/New.csv", V1},
        {"ReportSetting/sub/", ""},
        {"ReportSetting/sub/inner.txt", "inner"},
        {"Report/", ""},
        {"Report/Template/", ""},
        {"Report/Template/a.png", "png"}}},
      // The outdated template is kept under its backup name.
      {"copy file",
       [](zrv::TemplateFileSteps& S) { S.Copy = denyCopy; },
       1,
       1,
       {"copy file", "copy file", "copy file"},
       {"copy file"},
       {{"ReportSetting/", ""},
        {"ReportSetting/Old.csv_Ver3.bak01", V3},
        {"ReportSetting/sub/", ""},
        {"Report/", ""},
        {"Report/Template/", ""}}},
  };
  const std::wstring Denied = zrv::platform::FromUtf8(std::strerror(EACCES));
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Step);
    Roots R;
    zrvtest::writeBytes(R.SourceFolder / "Old.csv", V5);
    zrvtest::writeBytes(R.SourceFolder / "New.csv", V1);
    fs::create_directories(R.SourceFolder / "sub");
    zrvtest::writeBytes(R.SourceFolder / "sub" / "inner.txt", "inner");
    fs::create_directories(R.Source / "Template");
    zrvtest::writeBytes(R.Source / "Template" / "a.png", "png");
    zrvtest::writeBytes(R.TargetFolder / "Old.csv", V3);

    StepsGuard Guard;
    C.Break(zrv::CurrentTemplateFileSteps());
    zrvtest::DiagnosticCapture Log;
    CZRVReportSetting Setting;
    EXPECT_EQ(Setting.CopyReportSettingTemplateFile(R.Source.wstring().c_str(),
                                                    R.Target.wstring().c_str()),
              C.Installed);
    const std::wstring InstallMessage = Setting.GetLastCopyMessage();
    EXPECT_EQ(operationsOf(InstallMessage, C.Step, Denied), C.InstallOps);
    EXPECT_EQ(Setting.CopyTemplateDataFile((R.Source.wstring() + Sep).c_str(),
                                           (R.Target.wstring() + Sep).c_str()),
              C.Copied);
    EXPECT_EQ(operationsOf(Setting.GetLastCopyMessage(), C.Step, Denied), C.PictureOps);
    EXPECT_EQ(treeOf(R.Target), C.Target);
    EXPECT_TRUE(Log.Messages.empty()); // told by the message, not on the debugger channel
    if (std::string(C.Step) == "rename file") {
      const std::wstring Old = R.TargetFolder.wstring() + Sep + L"Old.csv";
      EXPECT_EQ(InstallMessage, L"[ReportSetting] rename file fail " + Old + L" to " + Old +
                                    L"_Ver3.bak01: " + Denied);
    }
  }
}

} // namespace
