// Boundary.cpp - status names, text conversion and project configuration of
// the C interface.
#include "capi/Boundary.h"

#include <cstring>

#include "platform/Platform.h"

namespace {

/// One row per status code, in code order.
struct StatusRow {
  zrv_status Code;
  const char* Name;
  const char* Description;
};

constexpr StatusRow StatusTable[] = {
    {ZRV_OK, "ZRV_OK", "success"},
    {ZRV_E_NULL_HANDLE, "ZRV_E_NULL_HANDLE", "the handle is null"},
    {ZRV_E_NULL_ARGUMENT, "ZRV_E_NULL_ARGUMENT", "a required pointer argument is null"},
    {ZRV_E_INVALID_UTF8, "ZRV_E_INVALID_UTF8", "a text argument is not well-formed UTF-8"},
    {ZRV_E_INVALID_ARGUMENT, "ZRV_E_INVALID_ARGUMENT", "an argument is outside its set of values"},
    {ZRV_E_OUT_OF_RANGE, "ZRV_E_OUT_OF_RANGE", "an index is outside its list"},
    {ZRV_E_BUFFER_TOO_SMALL, "ZRV_E_BUFFER_TOO_SMALL", "the buffer is too small for the result"},
    {ZRV_E_NOT_FOUND, "ZRV_E_NOT_FOUND", "the library has no setting of that name"},
    {ZRV_E_NOT_SUPPORTED, "ZRV_E_NOT_SUPPORTED", "the operation does not apply here"},
    {ZRV_E_LOAD_FAILED, "ZRV_E_LOAD_FAILED", "the template did not load"},
    {ZRV_E_SAVE_FAILED, "ZRV_E_SAVE_FAILED", "the template was not saved"},
    {ZRV_E_NO_LOADER, "ZRV_E_NO_LOADER", "the project type has no template loader"},
    {ZRV_E_FAILED, "ZRV_E_FAILED", "the operation failed"},
    {ZRV_E_OUT_OF_MEMORY, "ZRV_E_OUT_OF_MEMORY", "memory ran out"},
    {ZRV_E_INTERNAL, "ZRV_E_INTERNAL", "an unexpected failure inside the library"},
};
static_assert(sizeof(StatusTable) / sizeof(StatusTable[0]) == ZRV_STATUS_COUNT,
              "one row per status code");

constexpr bool inOrder() {
  for (int I = 0; I < ZRV_STATUS_COUNT; ++I)
    if (StatusTable[I].Code != I)
      return false;
  return true;
}
static_assert(inOrder(), "the rows follow the code order");

/// The number of continuation bytes after a lead byte and the smallest code
/// point its length may encode; 0 continuation bytes for an invalid lead.
bool leadByte(unsigned char Byte, int& Continuations, char32_t& Value, char32_t& Minimum) {
  if (Byte < 0x80) {
    Continuations = 0;
    Value = Byte;
    Minimum = 0;
  } else if ((Byte & 0xE0) == 0xC0) {
    Continuations = 1;
    Value = Byte & 0x1Fu;
    Minimum = 0x80;
  } else if ((Byte & 0xF0) == 0xE0) {
    Continuations = 2;
    Value = Byte & 0x0Fu;
    Minimum = 0x800;
  } else if ((Byte & 0xF8) == 0xF0) {
    Continuations = 3;
    Value = Byte & 0x07u;
    Minimum = 0x10000;
  } else {
    return false;
  }
  return true;
}

} // namespace

namespace zrv::capi {

bool isWellFormedUtf8(std::string_view Bytes) {
  for (std::size_t I = 0; I < Bytes.size();) {
    int Continuations = 0;
    char32_t Value = 0;
    char32_t Minimum = 0;
    if (!leadByte(static_cast<unsigned char>(Bytes[I]), Continuations, Value, Minimum))
      return false;
    if (Bytes.size() - I <= static_cast<std::size_t>(Continuations))
      return false;
    for (int K = 1; K <= Continuations; ++K) {
      const auto Byte = static_cast<unsigned char>(Bytes[I + static_cast<std::size_t>(K)]);
      if ((Byte & 0xC0) != 0x80)
        return false;
      Value = (Value << 6) | (Byte & 0x3Fu);
    }
    if (Value < Minimum || Value > 0x10FFFF || (Value >= 0xD800 && Value <= 0xDFFF))
      return false;
    I += static_cast<std::size_t>(Continuations) + 1;
  }
  return true;
}

zrv_status textArg(const char* Text, std::wstring& Out) {
  if (!Text)
    return ZRV_E_NULL_ARGUMENT;
  const std::string_view Bytes(Text);
  if (!isWellFormedUtf8(Bytes))
    return ZRV_E_INVALID_UTF8;
  Out = platform::FromUtf8(Bytes);
  return ZRV_OK;
}

zrv_status nameArg(const char* Text, std::wstring& Out) {
  std::wstring Name;
  if (const zrv_status Status = textArg(Text, Name); Status != ZRV_OK)
    return Status;
  if (Name.size() > MaxNameLength)
    return ZRV_E_INVALID_ARGUMENT;
  Out = std::move(Name);
  return ZRV_OK;
}

zrv_status textOut(std::string_view Text, char* Buffer, std::size_t Size, std::size_t* Needed) {
  const std::size_t Required = Text.size() + 1;
  if (Needed)
    *Needed = Required;
  if (!Buffer)
    return Size == 0 ? ZRV_OK : ZRV_E_NULL_ARGUMENT;
  if (Size < Required)
    return ZRV_E_BUFFER_TOO_SMALL;
  std::memcpy(Buffer, Text.data(), Text.size());
  Buffer[Text.size()] = '\0';
  return ZRV_OK;
}

zrv_status textOut(std::wstring_view Text, char* Buffer, std::size_t Size, std::size_t* Needed) {
  return textOut(std::string_view(utf8(Text)), Buffer, Size, Needed);
}

std::string utf8(std::wstring_view Text) { return platform::ToUtf8(Text); }

namespace {

/// Each project flag with the facade members that set and read it.
struct FlagRow {
  zrv_flag Bit;
  void (CZRVReportSetting::*Set)(int);
  int (CZRVReportSetting::*Get)() const;
};

constexpr FlagRow FlagTable[] = {
    {ZRV_FLAG_THERMOSET, &CZRVReportSetting::SetIsThermosetRun,
     &CZRVReportSetting::GetIsThermosetRun},
    {ZRV_FLAG_VALVE_PIN, &CZRVReportSetting::SetHasValvePin, &CZRVReportSetting::GetHasValvePin},
    {ZRV_FLAG_UNDERFILL, &CZRVReportSetting::SetIsUnderfill, &CZRVReportSetting::GetIsUnderfill},
    {ZRV_FLAG_ENCAPSULATION_CM, &CZRVReportSetting::SetIsEncapsulationCM,
     &CZRVReportSetting::GetIsEncapsulationCM},
};

} // namespace

bool configure(CZRVReportSetting& Facade, int ProjectKind, int AppType, unsigned Flags) {
  if (ProjectKind < 0 || ProjectKind > 2 || AppType < 0 || AppType > 14 || (Flags & ~AllFlags) != 0)
    return false;
  Facade.SetProjectType(ProjectKind, AppType);
  for (const FlagRow& Row : FlagTable)
    (Facade.*Row.Set)((Flags & unsigned{Row.Bit}) ? 1 : 0);
  return true;
}

unsigned flagsOf(const CZRVReportSetting& Facade) {
  unsigned Flags = 0;
  for (const FlagRow& Row : FlagTable)
    if ((Facade.*Row.Get)())
      Flags |= unsigned{Row.Bit};
  return Flags;
}

} // namespace zrv::capi

extern "C" {

zrv_status zrv_status_name(int code, const char** name, const char** description) {
  if (code < 0 || code >= ZRV_STATUS_COUNT)
    return ZRV_E_OUT_OF_RANGE;
  if (name)
    *name = StatusTable[code].Name;
  if (description)
    *description = StatusTable[code].Description;
  return ZRV_OK;
}

zrv_status zrv_version(int* major, int* minor, int* patch) {
  if (major)
    *major = ZRVREPORT_VERSION_MAJOR;
  if (minor)
    *minor = ZRVREPORT_VERSION_MINOR;
  if (patch)
    *patch = ZRVREPORT_VERSION_PATCH;
  return ZRV_OK;
}

} // extern "C"
