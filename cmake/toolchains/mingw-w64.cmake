# mingw-w64.cmake - cross-builds the Windows x86-64 DLL with mingw-w64 (the
# posix threading variant of Debian's g++-mingw-w64-x86-64-posix) and runs the
# resulting programs under Wine, so that ctest and GoogleTest's test discovery
# work on the build machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZRV_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZRV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZRV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZRV_MINGW_TRIPLE}-windres)

# Libraries and headers come from the mingw-w64 sysroot only; build tools from
# the host.
set(CMAKE_FIND_ROOT_PATH /usr/${ZRV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian's wine64 package keeps its loader outside PATH. The programs run
# through wine-run.sh beside this file, which sets up a quiet Wine prefix of
# its own and gives the programs' output Unix line ends (GoogleTest's test
# discovery parses it).
find_program(ZRV_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ZRV_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${ZRV_WINE64}")
endif()
