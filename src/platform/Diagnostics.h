// Diagnostics.h - the one routine through which every diagnostic message of the
// library is formatted and sent.
#ifndef ZRVREPORT_PLATFORM_DIAGNOSTICS_H
#define ZRVREPORT_PLATFORM_DIAGNOSTICS_H

#include <initializer_list>
#include <string>
#include <string_view>

namespace zrv {

/// One value formatted into a diagnostic message: text for "%s", an integer
/// for "%d".
class DiagnosticArg {
public:
  DiagnosticArg(const std::wstring& Text) : Value(Text) {}
  DiagnosticArg(const wchar_t* Text) : Value(Text ? Text : L"") {}
  // The integer types of std::to_wstring; std::size_t is one of them on every
  // platform (unsigned long on Linux, unsigned long long on 64-bit Windows).
  DiagnosticArg(int Number) : Value(std::to_wstring(Number)) {}
  DiagnosticArg(long Number) : Value(std::to_wstring(Number)) {}
  DiagnosticArg(long long Number) : Value(std::to_wstring(Number)) {}
  DiagnosticArg(unsigned Number) : Value(std::to_wstring(Number)) {}
  DiagnosticArg(unsigned long Number) : Value(std::to_wstring(Number)) {}
  DiagnosticArg(unsigned long long Number) : Value(std::to_wstring(Number)) {}

  const std::wstring& text() const { return Value; }

private:
  std::wstring Value;
};

/// Formats \p Pattern: each "%s" or "%d" takes the next argument, in order;
/// "%%" stands for '%'. A directive without an argument is left as written.
std::wstring FormatDiagnostic(std::wstring_view Pattern,
                              std::initializer_list<DiagnosticArg> Args = {});

/// Formats a message and sends it to the installed diagnostic sink. The
/// message is also kept as the calling thread's last diagnostic.
void Diagnose(std::wstring_view Pattern, std::initializer_list<DiagnosticArg> Args = {});

/// The last message Diagnose sent on the calling thread since
/// ClearLastDiagnostic; empty when none. A load or a save clears it first and
/// then takes the message that tells why it failed, whatever sink is
/// installed.
const std::wstring& LastDiagnostic();

/// Forgets the calling thread's last diagnostic.
void ClearLastDiagnostic();

} // namespace zrv

#endif // ZRVREPORT_PLATFORM_DIAGNOSTICS_H
