# Script of the subdirectory_consumer test: builds the consumer together with
# the library (add_subdirectory), runs it, and checks that the library, built
# inside another project, adds no install rules of its own.
file(REMOVE_RECURSE ${WORK_DIR})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE Result OUTPUT_VARIABLE Out ERROR_VARIABLE Err)
  if(NOT Result EQUAL 0)
    message(FATAL_ERROR "failed (${Result}): ${ARGN}\n${Out}\n${Err}")
  endif()
  set(LAST_OUTPUT "${Out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DZRV_SOURCE_DIR=${SOURCE_DIR} -DCMAKE_CXX_COMPILER=${CXX})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build --target consumer --parallel 2)
run(${WORK_DIR}/build/consumer)
if(NOT LAST_OUTPUT MATCHES "consumer ok")
  message(FATAL_ERROR "consumer printed: ${LAST_OUTPUT}")
endif()

run(${CMAKE_COMMAND} --install ${WORK_DIR}/build --prefix ${WORK_DIR}/prefix)
file(GLOB_RECURSE Installed ${WORK_DIR}/prefix/*)
if(Installed)
  message(FATAL_ERROR "installed inside another project: ${Installed}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
