// ProjectType.cpp - process names, and the facade's choice of loader and
// project type names for the tool's project types.
#include "ProjectType.h"

#include <cctype>
#include <charconv>

#include "TextUtil.h"
#include "zrvreport/ZRVTemplateFormat.h"

namespace zrvtool {
namespace {

std::string lower(std::string_view Text) {
  std::string Result(Text);
  for (char& C : Result)
    C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
  return Result;
}

std::optional<int> parseNumber(std::string_view Text) {
  int Value = 0;
  auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  if (Error != std::errc() || End != Text.data() + Text.size())
    return std::nullopt;
  return Value;
}

} // namespace

const std::vector<ProcessInfo>& Processes() {
  static const std::vector<ProcessInfo> List = {
      {0, "injection", "Injection", "injection"},
      {1, "gasin", "GasIn", "gas injection"},
      {2, "rim", "RIM", "reaction injection"},
      {3, "icpackage", "ICPackage", "IC package"},
      {4, "icm", "ICM", "injection compression"},
      {5, "faim", "FAIM", "FAIM"},
      {6, "gaim", "GAIM", "gas-assisted injection"},
      {7, "waim", "WAIM", "water-assisted injection"},
      {8, "coim", "COIM", "co-injection"},
      {9, "mcim", "MCIM", "micro-cellular injection"},
      {10, "cm", "CM", "compression moulding"},
      {11, "biim", "BIIM", "bi-injection"},
      {12, "pim", "PIM", "powder injection"},
      {13, "rtm", "RTM", "resin transfer moulding"},
      {14, "cfm", "CFM", "chemical foaming"},
  };
  return List;
}

std::optional<int> ParseKind(std::string_view Text) {
  std::string Name = lower(Text);
  if (Name == "solid" || Name == "0")
    return 0;
  if (Name == "shell" || Name == "1")
    return 1;
  if (Name == "2")
    return 2;
  return std::nullopt;
}

std::optional<int> ParseProcess(std::string_view Text) {
  std::string Name = lower(Text);
  for (const ProcessInfo& Process : Processes())
    if (Name == Process.Name)
      return Process.AppType;
  std::optional<int> Number = parseNumber(Text);
  if (Number && *Number >= 0 && *Number <= 14)
    return Number;
  return std::nullopt;
}

std::optional<LoaderChoice> ChooseLoader(const ProjectType& Type) {
  ZRVTemplateLoaderCall Call;
  if (!ZRVTemplateLoaderOf(Type.ProjectKind, Type.AppType, Type.Thermoset ? 1 : 0,
                           Type.Underfill ? 1 : 0, Type.EncapsulationCM ? 1 : 0, Call))
    return std::nullopt;
  LoaderChoice Choice;
  Choice.Loader = Call.Loader;
  Choice.FlagA = Call.FlagA;
  Choice.FlagB = Call.FlagB;
  Choice.Thermoset = Call.Thermoset;
  return Choice;
}

std::string LoaderName(ZRV_TEMPLATE_LOADER Loader) { return Utf8(ZRVTemplateLoaderName(Loader)); }

std::string ProjectTypeName(const ProjectType& Type) {
  return Utf8(ZRVTemplateProjectTypeName(Type.ProjectKind, Type.AppType, Type.Thermoset ? 1 : 0));
}

std::string Describe(const ProjectType& Type) {
  std::string KindName = Type.ProjectKind == 1                            ? "shell"
                         : Type.ProjectKind == 0 || Type.ProjectKind == 2 ? "solid"
                                                                          : "unknown kind";
  std::string Process = "process " + std::to_string(Type.AppType);
  for (const ProcessInfo& Info : Processes())
    if (Info.AppType == Type.AppType)
      Process = Info.Description;
  std::string Flags;
  auto addFlag = [&Flags](bool On, const char* Name) {
    if (On)
      Flags += Flags.empty() ? std::string(" (") + Name : std::string(", ") + Name;
  };
  addFlag(Type.Thermoset, "thermoset");
  addFlag(Type.Underfill, "underfill");
  addFlag(Type.EncapsulationCM, "encapsulation by compression");
  if (!Flags.empty())
    Flags += ")";
  return KindName + " " + Process + Flags;
}

} // namespace zrvtool
