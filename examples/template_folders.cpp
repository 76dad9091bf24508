// template_folders.cpp - keeps a user's template folder up to date, as a host
// does when a new version of the application is installed: the installation's
// "ReportSetting" folder is brought into the user's (an outdated template is
// moved aside under a backup name, every file the user lacks is copied), and
// the pictures of the installation's "Template" folder go to the user's
// "Report/Template" folder. Everything happens in temporary folders.
//
// Usage: zrvreport_template_folders [TEMPLATES]   (default examples/templates)
// Exit status 0 when the folders end as they should, 1 when they do not, 2
// when the temporary folders cannot be prepared.
#include <zrvreport/zrvreport.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

// Every file under Root, as paths relative to it with '/' between the parts.
std::set<std::string> listFiles(const fs::path& Root) {
  std::set<std::string> Files;
  for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(Root))
    if (Entry.is_regular_file())
      Files.insert(fs::relative(Entry.path(), Root).generic_string());
  return Files;
}

void printFiles(const char* Title, const fs::path& Root) {
  std::printf("%s\n", Title);
  for (const std::string& File : listFiles(Root))
    std::printf("  %s\n", File.c_str());
}

// Root as the facade takes a folder: the native form, ending in a separator.
std::wstring folderArgument(const fs::path& Root) { return (Root / "").wstring(); }

void writeFile(const fs::path& Path, const std::string& Bytes) {
  std::ofstream(Path, std::ios::binary) << Bytes;
}

std::string readFile(const fs::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char** argv) {
  const fs::path Samples = argc > 1 ? argv[1] : "examples/templates";
  const fs::path Work =
      fs::temp_directory_path() /
      ("zrvreport-template-folders-" +
       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  const fs::path Install = Work / "install"; // the new installation
  const fs::path User = Work / "user";       // the user's folder

  // The installation: two templates (FileVersion 1001) and a picture.
  std::error_code Error;
  fs::create_directories(Install / "ReportSetting", Error);
  fs::create_directories(Install / "Template", Error);
  fs::create_directories(User / "ReportSetting", Error);
  for (const char* Name : {"SolidInjection.csv", "ShellInjection.csv"})
    fs::copy_file(Samples / Name, Install / "ReportSetting" / Name, Error);
  if (Error) {
    std::printf("cannot prepare %s from %s\n", Work.string().c_str(), Samples.string().c_str());
    return 2;
  }
  writeFile(Install / "Template" / "Cover.png", "picture bytes");
  writeFile(Install / "Template" / "ReadMe.txt", "not a picture");

  // The user's folder: an older SolidInjection.csv (FileVersion 1000) and a
  // template of the user's own, which the installation does not have.
  std::string Old = readFile(Samples / "SolidInjection.csv");
  Old.replace(Old.find("FileVersion,1001"), 16, "FileVersion,1000");
  writeFile(User / "ReportSetting" / "SolidInjection.csv", Old);
  writeFile(User / "ReportSetting" / "MyReport.csv",
            "[FileHeader]\r\nFileVersion,1001\r\n[EOF],,,,,,,,,,");
  printFiles("user folder before:", User);

  // 1. Templates: the roots need not end in a separator.
  CZRVReportSetting Setting;
  const int Templates =
      Setting.CopyReportSettingTemplateFile(Install.wstring().c_str(), User.wstring().c_str());
  std::printf("CopyReportSettingTemplateFile: %d\n", Templates);

  // 2. Pictures: both roots end in a separator; only jpg, bmp, gif and png.
  const int Pictures =
      Setting.CopyTemplateDataFile(folderArgument(Install).c_str(), folderArgument(User).c_str());
  std::printf("CopyTemplateDataFile: %d\n", Pictures);
  printFiles("user folder after:", User);

  // The outdated template was moved aside as <name>_Ver<version>.bak<nn> and
  // replaced by the installation's; the user's own template was moved aside
  // too (the installation lacks it), and the picture arrived.
  const std::set<std::string> After = listFiles(User);
  const bool Ok = Templates == 1 && Pictures == 1 &&
                  After.count("ReportSetting/SolidInjection.csv_Ver1000.bak01") == 1 &&
                  After.count("ReportSetting/MyReport.csv_Ver1001.bak01") == 1 &&
                  After.count("ReportSetting/ShellInjection.csv") == 1 &&
                  readFile(User / "ReportSetting" / "SolidInjection.csv") ==
                      readFile(Install / "ReportSetting" / "SolidInjection.csv") &&
                  After.count("Report/Template/Cover.png") == 1 &&
                  After.count("Report/Template/ReadMe.txt") == 0;

  fs::remove_all(Work, Error);
  std::printf("%s\n", Ok ? "folders: up to date" : "folders: NOT as expected");
  return Ok ? 0 : 1;
}
