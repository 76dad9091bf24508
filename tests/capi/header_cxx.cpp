// header_cxx.cpp - the C interface header compiles as C++ by itself.
#include "zrvreport/zrvreport_c.h"

static_assert(ZRV_OK == 0, "success is zero");
