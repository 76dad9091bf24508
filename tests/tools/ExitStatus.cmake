# Runs the built zrvtemplate and compares its exit statuses: 0 for a clean
# check, --help and show; 1 for a check that finds problems; 2 for a missing
# file and for wrong arguments.
function(expect_status expected)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT status EQUAL expected)
    message(FATAL_ERROR "zrvtemplate ${ARGN}: exit status ${status}, expected ${expected}\n${out}${err}")
  endif()
  set(last_out "${out}" PARENT_SCOPE)
  set(last_err "${err}" PARENT_SCOPE)
endfunction()

expect_status(0 --help)
expect_status(0 check --help)
expect_status(0 check ${TEMPLATES}/SolidInjection.csv --kind solid --process injection)
expect_status(0 show ${TEMPLATES}/ShellRIM.csv)
expect_status(1 check ${TEMPLATES}/broken/UnknownItemKey.csv)
if(NOT last_out MATCHES "UnknownItemKey.csv:72: error: item key 'Meltfronttime'")
  message(FATAL_ERROR "unexpected check output:\n${last_out}")
endif()
expect_status(2 check ${TEMPLATES}/no-such-template.csv)
if(NOT last_err MATCHES "cannot read '.*no-such-template.csv': no such file")
  message(FATAL_ERROR "the error does not name the file:\n${last_err}")
endif()
expect_status(2 check ${TEMPLATES}/SolidInjection.csv --process nonsense)
expect_status(2 frobnicate)
expect_status(2)
