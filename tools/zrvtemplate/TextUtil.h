// TextUtil.h - text conversions of the tool: the library's wide strings to and
// from the UTF-8 of the command line, the terminal and JSON.
#ifndef ZRVTEMPLATE_TEXTUTIL_H
#define ZRVTEMPLATE_TEXTUTIL_H

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace zrvtool {

/// Wide text as UTF-8 (a lone surrogate becomes U+FFFD).
inline std::string Utf8(std::wstring_view Text) { return zrv::platform::ToUtf8(Text); }

/// UTF-8 as wide text (invalid bytes become U+FFFD).
inline std::wstring Wide(std::string_view Text) { return zrv::platform::FromUtf8(Text); }

/// Compares ignoring letter case; <0, 0 or >0.
inline int CompareNoCase(std::wstring_view Left, std::wstring_view Right) {
  return zrv::platform::CompareNoCase(Left, Right);
}

} // namespace zrvtool

#endif // ZRVTEMPLATE_TEXTUTIL_H
