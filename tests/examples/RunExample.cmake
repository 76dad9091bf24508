# RunExample.cmake - runs one host example and checks what it did.
#   cmake -DPROGRAM=<exe> [-DEMULATOR=<a|b>] [-DARGS=<a|b>] -DEXPECT=<re|re> -P RunExample.cmake
# Fails when the program exits with a status other than 0 or its output lacks
# a line matching one of the regular expressions. Prints the output either way.
string(REPLACE "|" ";" Emulator "${EMULATOR}")
string(REPLACE "|" ";" Args "${ARGS}")
string(REPLACE "|" ";" Expect "${EXPECT}")
execute_process(COMMAND ${Emulator} ${PROGRAM} ${Args}
  RESULT_VARIABLE Result
  OUTPUT_VARIABLE Output
  ERROR_VARIABLE Errors)
message("${Output}${Errors}")
if(NOT Result STREQUAL "0")
  message(FATAL_ERROR "${PROGRAM} ended with status ${Result}")
endif()
foreach(Line IN LISTS Expect)
  if(NOT Output MATCHES "${Line}")
    message(FATAL_ERROR "${PROGRAM} did not print a line matching: ${Line}")
  endif()
endforeach()
