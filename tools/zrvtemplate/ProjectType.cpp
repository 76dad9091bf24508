// ProjectType.cpp - process names, the facade's choice of loader and the
// project type names.
#include "ProjectType.h"

#include <cctype>
#include <charconv>

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

/// One row of the facade's loader table: the solid loader of an application
/// type and whether it takes the thermoset flag. AppType 1 and 5 have none.
struct SolidRow {
  int AppType;
  ZRV_TEMPLATE_LOADER Loader;
  bool TakesThermoset;
  const char* TypeName;
};

constexpr SolidRow SolidRows[] = {
    {0, ZRV_LOAD_SOLID_INJECTION, false, "SolidInjection"},
    {2, ZRV_LOAD_SOLID_RIM, false, "SolidRIM"},
    {3, ZRV_LOAD_SOLID_ICPACKAGE, false, "SolidEncapsulation"},
    {4, ZRV_LOAD_SOLID_ICM, true, "SolidICM"},
    {6, ZRV_LOAD_SOLID_GAIM, false, "SolidGAIM"},
    {7, ZRV_LOAD_SOLID_WAIM, false, "SolidWAIM"},
    {8, ZRV_LOAD_SOLID_COIM, false, "SolidCOIM"},
    {9, ZRV_LOAD_SOLID_MCIM, false, "SolidFIM"},
    {10, ZRV_LOAD_SOLID_CM, true, "SolidCM"},
    {11, ZRV_LOAD_SOLID_BIIM, false, "SolidBIIM"},
    {12, ZRV_LOAD_SOLID_PIM, true, "SolidPIM"},
    {13, ZRV_LOAD_SOLID_RTM, false, "SolidRTM"},
    {14, ZRV_LOAD_SOLID_CFM, true, "SolidCFM"},
};

struct ShellRow {
  int AppType;
  ZRV_TEMPLATE_LOADER Loader;
  const char* TypeName;
};

constexpr ShellRow ShellRows[] = {
    {0, ZRV_LOAD_SHELL_INJECTION, "ShellInjection"},
    {1, ZRV_LOAD_SHELL_GASIN, "ShellGasIn"},
    {2, ZRV_LOAD_SHELL_RIM, "ShellRIM"},
};

const SolidRow* solidRow(int AppType) {
  for (const SolidRow& Row : SolidRows)
    if (Row.AppType == AppType)
      return &Row;
  return nullptr;
}

const ShellRow* shellRow(int AppType) {
  for (const ShellRow& Row : ShellRows)
    if (Row.AppType == AppType)
      return &Row;
  return nullptr;
}

bool isSolid(int Kind) { return Kind == 0 || Kind == 2; }

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
  LoaderChoice Choice;
  if (Type.Kind == 1) {
    const ShellRow* Row = shellRow(Type.AppType);
    if (!Row)
      return std::nullopt;
    Choice.Loader = Row->Loader;
    return Choice;
  }
  if (!isSolid(Type.Kind))
    return std::nullopt;
  const SolidRow* Row = solidRow(Type.AppType);
  if (!Row)
    return std::nullopt;
  Choice.Loader = Row->Loader;
  if (Type.AppType == 0 && Type.Thermoset)
    Choice.Loader = ZRV_LOAD_SOLID_RIM; // thermoset injection is read as reaction injection
  if (Row->TakesThermoset) {
    Choice.FlagA = Type.Thermoset ? 1 : 0;
    Choice.Thermoset = Choice.FlagA;
  }
  if (Choice.Loader == ZRV_LOAD_SOLID_ICPACKAGE) {
    Choice.FlagA = Type.Underfill ? 1 : 0;
    Choice.FlagB = Type.EncapsulationCM ? 1 : 0;
  }
  return Choice;
}

zrv::ReaderEntryPoint EntryOf(ZRV_TEMPLATE_LOADER Loader) {
  return static_cast<zrv::ReaderEntryPoint>(static_cast<int>(Loader));
}

std::string LoaderName(ZRV_TEMPLATE_LOADER Loader) {
  std::wstring Name = zrv::EntryPointName(EntryOf(Loader));
  return std::string(Name.begin(), Name.end()); // the member names are ASCII
}

std::string ProjectTypeName(const ProjectType& Type) {
  if (Type.Kind == 1) {
    const ShellRow* Row = shellRow(Type.AppType);
    return Row ? Row->TypeName : "";
  }
  if (!isSolid(Type.Kind))
    return "";
  const SolidRow* Row = solidRow(Type.AppType);
  if (!Row)
    return "";
  std::string Name = Row->TypeName;
  if (Type.AppType == 0 && Type.Thermoset)
    Name += "(RIM)";
  return Name;
}

std::string Describe(const ProjectType& Type) {
  std::string Kind = Type.Kind == 1 ? "shell" : isSolid(Type.Kind) ? "solid" : "unknown kind";
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
  return Kind + " " + Process + Flags;
}

} // namespace zrvtool
