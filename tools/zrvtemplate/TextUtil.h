// TextUtil.h - text conversions of the tool: the library's wide strings to and
// from the UTF-8 of the command line, the terminal and JSON.
#ifndef ZRVTEMPLATE_TEXTUTIL_H
#define ZRVTEMPLATE_TEXTUTIL_H

#include <optional>
#include <string>
#include <string_view>

namespace zrvtool {

/// Wide text as UTF-8 (a surrogate or a value above U+10FFFF becomes U+FFFD).
std::string Utf8(std::wstring_view Text);

/// UTF-8 as wide text (each invalid byte becomes U+FFFD).
std::wstring Wide(std::string_view Text);

/// \p Text converted by iconv from the encoding \p From to \p To (iconv's
/// names: "UTF-8", "WINDOWS-1252", "UTF-16"); empty when a byte sequence is
/// not valid in \p From or has no equivalent in \p To.
std::optional<std::string> ConvertText(std::string_view Text, const char* From, const char* To);

/// True when \p Text is valid UTF-8 (checked by iconv).
bool IsUtf8(std::string_view Text);

/// Windows-1252 bytes as UTF-8 (through iconv); empty when a byte is one of
/// the five that Windows-1252 leaves unassigned.
std::optional<std::string> Windows1252ToUtf8(std::string_view Text);

/// Compares ignoring the letter case of ASCII letters; <0, 0 or >0.
int CompareNoCase(std::wstring_view Left, std::wstring_view Right);

} // namespace zrvtool

#endif // ZRVTEMPLATE_TEXTUTIL_H
