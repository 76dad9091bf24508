// Diagnostics.cpp - diagnostic formatting and the process-wide sink.
#include "platform/Diagnostics.h"

#include "platform/Platform.h"
#include "zrvreport/ZRVCommon.h"

#include <utility>

namespace zrv {
namespace {

ZRVDiagnosticSink& installedSink() {
  static ZRVDiagnosticSink Sink;
  return Sink;
}

} // namespace

std::wstring FormatDiagnostic(std::wstring_view Pattern,
                              std::initializer_list<DiagnosticArg> Args) {
  std::wstring Result;
  Result.reserve(Pattern.size() + 32);
  auto NextArg = Args.begin();
  for (std::size_t I = 0; I < Pattern.size(); ++I) {
    wchar_t C = Pattern[I];
    if (C == L'%' && I + 1 < Pattern.size()) {
      wchar_t Directive = Pattern[I + 1];
      if (Directive == L'%') {
        Result += L'%';
        ++I;
        continue;
      }
      if ((Directive == L's' || Directive == L'd') && NextArg != Args.end()) {
        Result += NextArg->text();
        ++NextArg;
        ++I;
        continue;
      }
    }
    Result += C;
  }
  return Result;
}

void Diagnose(std::wstring_view Pattern, std::initializer_list<DiagnosticArg> Args) {
  std::wstring Message = FormatDiagnostic(Pattern, Args);
  const ZRVDiagnosticSink& Sink = installedSink();
  if (Sink)
    Sink(Message);
  else
    platform::DebugOutput(Message);
}

} // namespace zrv

ZRVDiagnosticSink ZRVSetDiagnosticSink(ZRVDiagnosticSink Sink) {
  return std::exchange(zrv::installedSink(), std::move(Sink));
}
