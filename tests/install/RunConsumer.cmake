# Script of the install_consumer test.
file(REMOVE_RECURSE ${WORK_DIR})
set(PREFIX ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE Result OUTPUT_VARIABLE Out ERROR_VARIABLE Err)
  if(NOT Result EQUAL 0)
    message(FATAL_ERROR "failed (${Result}): ${ARGN}\n${Out}\n${Err}")
  endif()
  set(LAST_OUTPUT "${Out}" PARENT_SCOPE)
endfunction()

if(CONFIG)
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --config ${CONFIG})
else()
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})
endif()

# 1. find_package(zrvreport CONFIG)
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${PREFIX} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/consumer)
if(NOT LAST_OUTPUT MATCHES "consumer ok")
  message(FATAL_ERROR "consumer printed: ${LAST_OUTPUT}")
endif()

# 2. pkg-config
find_program(PKG_CONFIG NAMES pkg-config pkgconf)
if(PKG_CONFIG)
  file(GLOB PcDirs ${PREFIX}/lib*/pkgconfig ${PREFIX}/lib/*/pkgconfig)
  string(REPLACE ";" ":" PcPath "${PcDirs}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${PcPath}
                    ${PKG_CONFIG} --cflags --libs zrvreport
                  RESULT_VARIABLE Result OUTPUT_VARIABLE Flags OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT Result EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know zrvreport")
  endif()
  separate_arguments(FlagList UNIX_COMMAND "${Flags}")
  run(${CXX} -std=c++17 ${CONSUMER_DIR}/main.cpp ${FlagList} -o ${WORK_DIR}/consumer_pc)
  string(REGEX MATCH "-L[^ ]+" LibFlag "${Flags}")
  string(SUBSTRING "${LibFlag}" 2 -1 LibDir)
  run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${LibDir} ${WORK_DIR}/consumer_pc)
  if(NOT LAST_OUTPUT MATCHES "consumer ok")
    message(FATAL_ERROR "pkg-config consumer printed: ${LAST_OUTPUT}")
  endif()
endif()

# 3. The zrvtemplate tool, built from its own folder against the install: it
# needs nothing of the library but the installed package.
if(TOOL_DIR)
  # Without optimisation: this only proves that it builds and runs.
  run(${CMAKE_COMMAND} -S ${TOOL_DIR} -B ${WORK_DIR}/tool -G ${GENERATOR}
      -DCMAKE_PREFIX_PATH=${PREFIX} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=)
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/tool --target zrvtemplate -j 2)
  run(${WORK_DIR}/tool/zrvtemplate --version)
  if(NOT LAST_OUTPUT MATCHES "^zrvtemplate [0-9]+\\.[0-9]+\\.[0-9]+")
    message(FATAL_ERROR "the installed-package tool printed: ${LAST_OUTPUT}")
  endif()
  run(${WORK_DIR}/tool/zrvtemplate check ${TEMPLATES}/SolidICM.csv)
  if(NOT LAST_OUTPUT MATCHES "SolidICM.csv: clean;")
    message(FATAL_ERROR "the installed-package tool checked: ${LAST_OUTPUT}")
  endif()
endif()
file(REMOVE_RECURSE ${WORK_DIR})
