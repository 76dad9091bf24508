// PlatformCommon.cpp - the parts of the platform layer that are the same on
// every system.
#include "platform/Platform.h"

namespace zrv::platform {

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
