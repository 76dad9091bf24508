# Windows layout of the build: a program finds its DLLs beside it, so the DLL,
# the test programs and the examples all go to bin/, together with the
# mingw-w64 C++ runtime DLLs. The library and the programs that use it share
# that one runtime (the interface hands standard strings, maps and functions
# across the DLL boundary); the runtime DLLs are installed with the library.
if(NOT CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
endif()

if(MINGW)
  foreach(Runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${Runtime}
      OUTPUT_VARIABLE RuntimePath OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${RuntimePath}" OR NOT EXISTS "${RuntimePath}")
      message(FATAL_ERROR "mingw-w64 runtime ${Runtime} not found by ${CMAKE_CXX_COMPILER}")
    endif()
    file(COPY ${RuntimePath} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    if(ZRV_INSTALL)
      install(FILES ${RuntimePath} DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
  endforeach()
endif()
