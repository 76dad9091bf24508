// PlatformCommon.cpp - the parts of the platform layer that are the same on
// every system.
#include "platform/Platform.h"

namespace zrv::platform {

std::FILE* OpenTemplateFile(const std::wstring& Path, OpenFailure& Failure) {
  std::FILE* Stream = OpenRegularFile(Path, Failure);
  if (!Stream)
    return nullptr;
  // The first line as the reader would take it (at most 511 bytes): a UTF-16
  // text starts with its byte-order mark and holds a NUL in every ASCII
  // character; a binary file holds NUL bytes early.
  unsigned char Head[511];
  std::size_t Got = std::fread(Head, 1, sizeof(Head), Stream);
  bool Utf16 =
      Got >= 2 && ((Head[0] == 0xFF && Head[1] == 0xFE) || (Head[0] == 0xFE && Head[1] == 0xFF));
  bool NulInFirstLine = false;
  for (std::size_t I = 0; I < Got && Head[I] != '\n'; ++I)
    if (Head[I] == 0) {
      NulInFirstLine = true;
      break;
    }
  if (Utf16 || NulInFirstLine || std::fseek(Stream, 0, SEEK_SET) != 0) {
    std::fclose(Stream);
    Failure.Problem = OpenProblem::NotUtf8Text;
    Failure.Reason = L"not a UTF-8 text template";
    return nullptr;
  }
  return Stream;
}

bool MatchesPattern(std::wstring_view Name, std::wstring_view Pattern) {
  if (Pattern == L"*" || Pattern == L"*.*")
    return true;
  if (Pattern.size() >= 2 && Pattern[0] == L'*' && Pattern[1] == L'.') {
    std::wstring_view Extension = Pattern.substr(1); // ".ext"
    if (Name.size() < Extension.size())
      return false;
    return CompareNoCase(Name.substr(Name.size() - Extension.size()), Extension) == 0;
  }
  return CompareNoCase(Name, Pattern) == 0;
}

} // namespace zrv::platform
