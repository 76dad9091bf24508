// SafeSaveGuard.h - puts the real safe-save steps back when a test that
// replaced some of them ends, however it ends.
#ifndef ZRVREPORT_TESTS_SAFESAVEGUARD_H
#define ZRVREPORT_TESTS_SAFESAVEGUARD_H

#include "platform/SafeSave.h"

namespace zrvtest {

class SafeSaveGuard {
public:
  SafeSaveGuard() = default;
  SafeSaveGuard(const SafeSaveGuard&) = delete;
  SafeSaveGuard& operator=(const SafeSaveGuard&) = delete;
  ~SafeSaveGuard() {
    zrv::platform::CurrentSafeSaveSteps() = zrv::platform::DefaultSafeSaveSteps();
  }
  /// The steps a save takes now, to be replaced.
  zrv::platform::SafeSaveSteps& steps() { return zrv::platform::CurrentSafeSaveSteps(); }
};

} // namespace zrvtest

#endif // ZRVREPORT_TESTS_SAFESAVEGUARD_H
