// Boundary.h - what every function of the C interface shares: the handle
// types, the exception guard, and the checked conversions of UTF-8 text in
// and out.
#ifndef ZRVREPORT_CAPI_BOUNDARY_H
#define ZRVREPORT_CAPI_BOUNDARY_H

#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportSetting.h"
#include "zrvreport/zrvreport_c.h"

/// The facade behind a zrv_setting handle.
struct zrv_setting {
  CZRVReportSetting Facade;
  /// How the last save through the interface ended, wherever it wrote.
  ZRVSaveStatus LastSaveStatus = ZRVSaveStatus::NotSaved;
  std::wstring LastSaveMessage;
  CZRVReportItemManager& document() { return *Facade.GetReportItemManager(); }
  const CZRVReportItemManager& document() const {
    return *const_cast<CZRVReportSetting&>(Facade).GetReportItemManager();
  }
};

namespace zrv::capi {

/// The longest setting name the interface takes, in characters.
constexpr std::size_t MaxNameLength = 255;

/// Room for a name read through the document's fixed-buffer getters: a name
/// comes from the interface (at most MaxNameLength) or from a template line
/// (at most 511 bytes).
constexpr std::size_t NameBufferSize = 1024;

/// Runs \p Body and returns its status; an exception becomes
/// ZRV_E_OUT_OF_MEMORY or ZRV_E_INTERNAL, so that none leaves the library.
template <typename Body> zrv_status guarded(Body&& Run) noexcept {
  try {
    return Run();
  } catch (const std::bad_alloc&) {
    return ZRV_E_OUT_OF_MEMORY;
  } catch (...) {
    return ZRV_E_INTERNAL;
  }
}

/// True when \p Bytes is well-formed UTF-8 (no overlong form, no encoded
/// surrogate, nothing above U+10FFFF).
bool isWellFormedUtf8(std::string_view Bytes);

/// Converts a text argument: ZRV_E_NULL_ARGUMENT for null,
/// ZRV_E_INVALID_UTF8 for ill-formed bytes.
zrv_status textArg(const char* Text, std::wstring& Out);

/// As textArg, and ZRV_E_INVALID_ARGUMENT for a name longer than
/// MaxNameLength characters.
zrv_status nameArg(const char* Text, std::wstring& Out);

/// Copies \p Text and its NUL into the caller's buffer as the header says:
/// *Needed gets the size; a short buffer is left untouched.
zrv_status textOut(std::string_view Text, char* Buffer, std::size_t Size, std::size_t* Needed);

/// The same for wide text, converted to UTF-8.
zrv_status textOut(std::wstring_view Text, char* Buffer, std::size_t Size, std::size_t* Needed);

/// The UTF-8 form of wide text.
std::string utf8(std::wstring_view Text);

/// The flags that zrv_flag names, in one mask.
constexpr unsigned AllFlags = unsigned{ZRV_FLAG_THERMOSET} | unsigned{ZRV_FLAG_VALVE_PIN} |
                              unsigned{ZRV_FLAG_UNDERFILL} | unsigned{ZRV_FLAG_ENCAPSULATION_CM};

/// The flags of \p Facade as zrv_flag bits.
unsigned flagsOf(const CZRVReportSetting& Facade);

/// Gives \p Facade the project type and flags; false (nothing changed) when
/// a value is outside its set.
bool configure(CZRVReportSetting& Facade, int ProjectKind, int AppType, unsigned Flags);

} // namespace zrv::capi

#endif // ZRVREPORT_CAPI_BOUNDARY_H
