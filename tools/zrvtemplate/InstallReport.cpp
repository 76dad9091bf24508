// InstallReport.cpp - the before-and-after comparison of a template folder.
#include "InstallReport.h"

#include <cctype>
#include <filesystem>
#include <optional>
#include <sstream>

#include "TextUtil.h"

namespace fs = std::filesystem;

namespace zrvtool {
namespace {

bool allDigits(const std::string& Text, std::size_t From, std::size_t To) {
  if (From >= To)
    return false;
  for (std::size_t I = From; I < To; ++I)
    if (!std::isdigit(static_cast<unsigned char>(Text[I])))
      return false;
  return true;
}

/// The template a backup name was made from, when \p Name has the shape
/// "<name>_Ver<version>.bak<nn>" (the version may carry a minus sign).
std::optional<std::string> backedUpName(const std::string& Name) {
  std::size_t Bak = Name.rfind(".bak");
  if (Bak == std::string::npos || Name.size() - (Bak + 4) < 2 ||
      !allDigits(Name, Bak + 4, Name.size()))
    return std::nullopt;
  std::size_t Ver = Name.rfind("_Ver", Bak);
  if (Ver == std::string::npos)
    return std::nullopt;
  std::size_t Digits = Ver + 4;
  if (Digits < Bak && Name[Digits] == '-')
    ++Digits;
  if (!allDigits(Name, Digits, Bak))
    return std::nullopt;
  return Name.substr(0, Ver);
}

/// The facade's operation names and the tool's words for them.
struct FailureWording {
  const wchar_t* Library; ///< "[ReportSetting] <operation> fail "
  const char* Tool;
};
constexpr FailureWording Wordings[] = {
    {L"[ReportSetting] list folder fail ", "cannot list the folder "},
    {L"[ReportSetting] create folder fail ", "cannot create the folder "},
    {L"[ReportSetting] rename file fail ", "cannot move aside "},
    {L"[ReportSetting] copy file fail ", "cannot copy "},
};

} // namespace

std::vector<std::string> CopyFailures(const std::wstring& Message) {
  std::vector<std::string> Failures;
  std::wistringstream Lines(Message);
  for (std::wstring Line; std::getline(Lines, Line);) {
    std::string Sentence = Utf8(Line); // a line of another form as it is
    for (const FailureWording& Wording : Wordings) {
      const std::wstring Lead = Wording.Library;
      if (Line.compare(0, Lead.size(), Lead) == 0) {
        Sentence = Wording.Tool + Utf8(std::wstring_view(Line).substr(Lead.size()));
        break;
      }
    }
    Failures.push_back(Sentence);
  }
  return Failures;
}

FileSet ListFiles(const std::string& Folder) {
  FileSet Files;
  std::error_code Error;
  fs::path Root = fs::u8path(Folder);
  if (!fs::is_directory(Root, Error))
    return Files;
  for (auto It = fs::recursive_directory_iterator(Root, Error);
       !Error && It != fs::recursive_directory_iterator(); It.increment(Error))
    if (It->is_regular_file(Error))
      Files.insert(It->path().lexically_relative(Root).generic_u8string());
  return Files;
}

InstallReport DiffInstall(const FileSet& Before, const FileSet& After) {
  InstallReport Report;
  FileSet Copied;
  for (const std::string& Name : After) {
    if (Before.count(Name))
      continue;
    std::optional<std::string> Original = backedUpName(Name);
    if (Original && Before.count(*Original)) {
      Report.MovedAside.emplace_back(*Original, Name);
      if (After.count(*Original))
        Copied.insert(*Original);
    } else {
      Copied.insert(Name);
    }
  }
  Report.Copied.assign(Copied.begin(), Copied.end());
  return Report;
}

} // namespace zrvtool
