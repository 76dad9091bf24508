// CheckApi.cpp - template checks through the C interface: a load observed
// finding by finding, each finding given a stable code, a severity and a
// sentence; and the checks of every template of a folder.
#include "capi/Boundary.h"

#include <algorithm>

#include "platform/Platform.h"
#include "zrvreport/ZRVReportTemplateReader.h"
#include "zrvreport/ZRVTemplateObserver.h"

using zrv::capi::guarded;
using zrv::capi::utf8;
using FindingKind = ZRVTemplateFindingKind;

namespace {

/// What the interface says about one kind of finding. Errors lose something
/// the author wrote; warnings ignore or change a line while the author's
/// intent is likely kept; notes tell what the load did.
struct FindingKindRow {
  FindingKind Value;
  const char* Code;
  zrv_severity Severity;
  std::string (*Message)(const ZRVTemplateFinding&);
};

std::string quoted(const std::wstring& Text) { return "\"" + utf8(Text) + "\""; }
std::string sectionOf(const ZRVTemplateFinding& F) {
  return F.Section.empty() ? std::string("no section") : utf8(F.Section);
}

// clang-format off
const FindingKindRow FindingKinds[] = {
    {FindingKind::LineTooLong, "long-line", ZRV_SEVERITY_ERROR, [](const ZRVTemplateFinding& F) {
       return "the line is " + std::to_string(F.Number) +
              " bytes or more, longer than the reader takes at once; the rest is read as a line of its own";
     }},
    {FindingKind::SectionPassedOver, "section-passed-over", ZRV_SEVERITY_ERROR, [](const ZRVTemplateFinding& F) {
       return "the tag line " + quoted(F.Text) + " after " + sectionOf(F) +
              " is not read here (out of order, not read by this project type, or '[' in a data line); the lines up to the next tag are passed over";
     }},
    {FindingKind::LineIgnored, "line-ignored", ZRV_SEVERITY_WARNING, [](const ZRVTemplateFinding& F) {
       return "a line of " + std::to_string(F.Number) + (F.Number == 1 ? " field" : " fields") + " does not have the shape " +
              sectionOf(F) + " expects and is ignored";
     }},
    {FindingKind::DuplicateSetting, "duplicate-setting", ZRV_SEVERITY_WARNING, [](const ZRVTemplateFinding& F) {
       return "setting " + quoted(F.Text) + " is defined again in " + sectionOf(F) +
              "; the first definition wins and this line is ignored";
     }},
    {FindingKind::UnknownItemKey, "unknown-key", ZRV_SEVERITY_ERROR, [](const ZRVTemplateFinding& F) {
       return "item key " + quoted(F.Text) + " is not in the key list of " + sectionOf(F) +
              " for this project type; the item line is dropped";
     }},
    {FindingKind::UnresolvedName, "unresolved-name", ZRV_SEVERITY_ERROR, [](const ZRVTemplateFinding& F) {
       return "setting name " + quoted(F.Text) + " in field " + std::to_string(F.Field) +
              " names no setting of the file; nothing is attached";
     }},
    {FindingKind::ValueOutOfRange, "value-out-of-range", ZRV_SEVERITY_WARNING, [](const ZRVTemplateFinding& F) {
       return "value " + std::to_string(F.Number) + " in field " + std::to_string(F.Field) +
              " is outside its range";
     }},
    {FindingKind::ItemLinesNotRead, "item-lines-not-read", ZRV_SEVERITY_ERROR, [](const ZRVTemplateFinding& F) {
       return "file version " + std::to_string(F.Number) + " does not read the item lines of " +
              sectionOf(F) + " in full";
     }},
    {FindingKind::ExtendedItemAdded, "extended-item-added", ZRV_SEVERITY_NOTE, [](const ZRVTemplateFinding& F) {
       return "extended item " + quoted(F.Text) + " added at position " + std::to_string(F.Number);
     }},
    {FindingKind::EndMissing, "end-missing", ZRV_SEVERITY_WARNING, [](const ZRVTemplateFinding&) {
       return std::string("the file ends without the \"[EOF]\" line");
     }},
    {FindingKind::SectionRead, "section-read", ZRV_SEVERITY_NOTE, [](const ZRVTemplateFinding& F) {
       return "section " + sectionOf(F) + " is read";
     }},
    {FindingKind::TextNotUtf8, "not-utf8", ZRV_SEVERITY_ERROR, [](const ZRVTemplateFinding& F) {
       return "byte " + std::to_string(F.Number) +
              " of the line is not UTF-8, and each such byte reads as U+FFFD";
     }},
    {FindingKind::NotANumber, "not-a-number", ZRV_SEVERITY_ERROR, [](const ZRVTemplateFinding& F) {
       return "header value " + quoted(F.Text) + " does not start with a number, so it reads as 0";
     }},
};
// clang-format on
constexpr int FindingKindCount = ZRVTemplateFindingKindCount;
static_assert(sizeof(FindingKinds) / sizeof(FindingKinds[0]) == FindingKindCount,
              "one row per finding kind");

const FindingKindRow* rowOf(FindingKind Value) {
  const auto Index = static_cast<int>(Value);
  return Index >= 0 && Index < FindingKindCount && FindingKinds[Index].Value == Value
             ? &FindingKinds[Index]
             : nullptr;
}

/// A finding with the texts the interface hands out.
struct StoredFinding {
  int Line, Field, KindNumber, Severity, Number;
  const char* Code;
  std::string Section, Text, Message;
};

class Collector : public ZRVTemplateObserver {
public:
  explicit Collector(std::vector<StoredFinding>& Into) : Findings(Into) {}
  void OnFinding(const ZRVTemplateFinding& F) override {
    const FindingKindRow* Row = rowOf(F.Kind);
    if (!Row)
      return;
    Findings.push_back({F.Line, F.Field, static_cast<int>(F.Kind), Row->Severity, F.Number,
                        Row->Code, utf8(F.Section), utf8(F.Text), Row->Message(F)});
  }

private:
  std::vector<StoredFinding>& Findings;
};

} // namespace

/// The findings of one load.
struct zrv_check {
  ZRVLoadStatus Status = ZRVLoadStatus::NotLoaded;
  std::string Message;
  std::vector<StoredFinding> Findings;
};

/// The checks of the templates of a folder.
struct zrv_folder_check {
  std::vector<std::string> Names;
  std::vector<std::unique_ptr<zrv_check>> Checks;
};

namespace {

/// Checks \p Path as the facade loads it; ProjectKind -1 takes the project type from
/// the file's header.
zrv_status runCheck(const std::wstring& Path, int ProjectKind, int AppType, unsigned Flags,
                    zrv_check& Check) {
  if (ProjectKind == -1) {
    CZRVReportItemManager Header;
    CZRVReportTemplateReader Reader;
    ProjectKind = 0;
    AppType = 0;
    if (Reader.LoadTemplateFileHeader(Path.c_str(), &Header)) {
      ProjectKind = std::max(Header.GetFileProjectType(), 0);
      AppType = std::max(Header.GetFileAppType(), 0);
    }
  }
  CZRVReportSetting Facade;
  if (!zrv::capi::configure(Facade, ProjectKind, AppType, Flags))
    return ZRV_E_INVALID_ARGUMENT;
  Collector Observer(Check.Findings);
  Facade.SetTemplateObserver(&Observer);
  Facade.SetProjectPath(Path.c_str());
  Check.Status = Facade.GetLastLoadStatus();
  Check.Message = utf8(Facade.GetLastLoadMessage());
  return ZRV_OK;
}

} // namespace

extern "C" {

zrv_status zrv_check_template(const char* path, int kind, int app_type, unsigned flags,
                              zrv_check** check) {
  if (!check)
    return ZRV_E_NULL_ARGUMENT;
  return guarded([&] {
    std::wstring Path;
    if (const zrv_status Status = zrv::capi::textArg(path, Path); Status != ZRV_OK)
      return Status;
    if (kind < -1)
      return ZRV_E_INVALID_ARGUMENT;
    auto Result = std::make_unique<zrv_check>();
    if (const zrv_status Status = runCheck(Path, kind, app_type, flags, *Result); Status != ZRV_OK)
      return Status;
    *check = Result.release();
    return ZRV_OK;
  });
}

zrv_status zrv_check_destroy(zrv_check* check) {
  if (!check)
    return ZRV_E_NULL_HANDLE;
  delete check;
  return ZRV_OK;
}

zrv_status zrv_check_status(const zrv_check* check, int* load_status, char* buffer, size_t size,
                            size_t* needed) {
  if (!check)
    return ZRV_E_NULL_HANDLE;
  const zrv_status Result = zrv::capi::textOut(check->Message, buffer, size, needed);
  if (Result == ZRV_OK && load_status)
    *load_status = static_cast<int>(check->Status);
  return Result;
}

zrv_status zrv_check_count(const zrv_check* check, int* count, int* errors, int* warnings) {
  if (!check)
    return ZRV_E_NULL_HANDLE;
  if (count)
    *count = static_cast<int>(check->Findings.size());
  if (errors)
    *errors = static_cast<int>(
        std::count_if(check->Findings.begin(), check->Findings.end(),
                      [](const StoredFinding& F) { return F.Severity == ZRV_SEVERITY_ERROR; }));
  if (warnings)
    *warnings = static_cast<int>(
        std::count_if(check->Findings.begin(), check->Findings.end(),
                      [](const StoredFinding& F) { return F.Severity == ZRV_SEVERITY_WARNING; }));
  return ZRV_OK;
}

zrv_status zrv_check_finding(const zrv_check* check, int index, zrv_finding* finding) {
  if (!check)
    return ZRV_E_NULL_HANDLE;
  if (!finding)
    return ZRV_E_NULL_ARGUMENT;
  if (index < 0 || static_cast<std::size_t>(index) >= check->Findings.size())
    return ZRV_E_OUT_OF_RANGE;
  const StoredFinding& F = check->Findings[static_cast<std::size_t>(index)];
  *finding = {F.Line, F.Field,           F.KindNumber,   F.Severity,       F.Number,
              F.Code, F.Section.c_str(), F.Text.c_str(), F.Message.c_str()};
  return ZRV_OK;
}

zrv_status zrv_finding_kind(int kind, const char** code, int* severity) {
  if (kind < 0 || kind >= FindingKindCount)
    return ZRV_E_OUT_OF_RANGE;
  if (code)
    *code = FindingKinds[kind].Code;
  if (severity)
    *severity = FindingKinds[kind].Severity;
  return ZRV_OK;
}

zrv_status zrv_check_folder(const char* folder, zrv_folder_check** result) {
  if (!result)
    return ZRV_E_NULL_ARGUMENT;
  return guarded([&] {
    std::wstring Folder;
    if (const zrv_status Status = zrv::capi::textArg(folder, Folder); Status != ZRV_OK)
      return Status;
    std::vector<zrv::platform::DirectoryEntry> Entries;
    if (!zrv::platform::ListDirectory(Folder, L"*.csv", Entries))
      return ZRV_E_FAILED;
    std::vector<std::wstring> Names;
    for (const auto& Entry : Entries)
      if (!Entry.IsDirectory)
        Names.push_back(Entry.Name);
    std::sort(Names.begin(), Names.end());
    if (!Folder.empty() && Folder.back() != zrv::platform::PathSeparator && Folder.back() != L'/')
      Folder += zrv::platform::PathSeparator;
    auto Checks = std::make_unique<zrv_folder_check>();
    for (const std::wstring& Name : Names) {
      auto Check = std::make_unique<zrv_check>();
      runCheck(Folder + Name, -1, 0, 0, *Check);
      Checks->Names.push_back(utf8(Name));
      Checks->Checks.push_back(std::move(Check));
    }
    *result = Checks.release();
    return ZRV_OK;
  });
}

zrv_status zrv_folder_check_destroy(zrv_folder_check* result) {
  if (!result)
    return ZRV_E_NULL_HANDLE;
  delete result;
  return ZRV_OK;
}

zrv_status zrv_folder_check_count(const zrv_folder_check* result, int* count) {
  if (!result)
    return ZRV_E_NULL_HANDLE;
  if (!count)
    return ZRV_E_NULL_ARGUMENT;
  *count = static_cast<int>(result->Checks.size());
  return ZRV_OK;
}

zrv_status zrv_folder_check_entry(const zrv_folder_check* result, int index, const char** file_name,
                                  const zrv_check** check) {
  if (!result)
    return ZRV_E_NULL_HANDLE;
  if (index < 0 || static_cast<std::size_t>(index) >= result->Checks.size())
    return ZRV_E_OUT_OF_RANGE;
  if (file_name)
    *file_name = result->Names[static_cast<std::size_t>(index)].c_str();
  if (check)
    *check = result->Checks[static_cast<std::size_t>(index)].get();
  return ZRV_OK;
}

} // extern "C"
