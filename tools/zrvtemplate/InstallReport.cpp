// InstallReport.cpp - the before-and-after comparison of a template folder.
#include "InstallReport.h"

#include <cctype>
#include <filesystem>
#include <optional>

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

} // namespace

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
