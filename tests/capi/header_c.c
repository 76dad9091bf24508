/* header_c.c - the C interface header compiles as strict C99 by itself. */
#include "zrvreport/zrvreport_c.h"

typedef int zrv_header_compiles_as_c;
