# CheckReference.cmake - the API reference's completeness check.
#   cmake -DDOXYGEN=<doxygen> -DSOURCE_DIR=<source root> -DWORK_DIR=<scratch> -P CheckReference.cmake
# 1. docs/Doxyfile over the public headers must give no warning at all.
# 2. The same configuration over a copy of ZRVReportItem.h from which the
#    comment of IsShowPart has been removed must fail and name that member:
#    the check really catches a public member that loses its comment.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/full ${WORK_DIR}/probe)

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ZRV_DOCS_OUTPUT=${WORK_DIR}/full ${DOXYGEN} docs/Doxyfile
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE Result
  OUTPUT_VARIABLE Output
  ERROR_VARIABLE Warnings)
if(NOT Result STREQUAL "0" OR NOT Warnings STREQUAL "")
  message(FATAL_ERROR "the API reference has warnings (status ${Result}):\n${Warnings}")
endif()
message("API reference: no warning")

file(READ ${SOURCE_DIR}/include/zrvreport/ZRVReportItem.h Header)
set(Comment "  /// 1 when ShowPart of the held record equals 1, else 0.\n")
string(FIND "${Header}" "${Comment}  int IsShowPart() const;" At)
if(At LESS 0)
  message(FATAL_ERROR "the probe did not find the comment of IsShowPart in ZRVReportItem.h")
endif()
string(REPLACE "${Comment}  int IsShowPart() const;" "  int IsShowPart() const;" Header "${Header}")
file(WRITE ${WORK_DIR}/probe/ZRVReportItem.h "${Header}")
file(WRITE ${WORK_DIR}/probe/Doxyfile
  "@INCLUDE = ${SOURCE_DIR}/docs/Doxyfile\n"
  "INPUT = ${WORK_DIR}/probe/ZRVReportItem.h\n"
  "USE_MDFILE_AS_MAINPAGE =\n"
  "STRIP_FROM_PATH = ${WORK_DIR}/probe\n"
  "OUTPUT_DIRECTORY = ${WORK_DIR}/probe\n")
execute_process(
  COMMAND ${DOXYGEN} ${WORK_DIR}/probe/Doxyfile
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE Result
  OUTPUT_VARIABLE Output
  ERROR_VARIABLE Warnings)
set(Expected "IsShowPart\\(\\) const \\(function\\) of class CZRVReportItem is not documented")
if(Result STREQUAL "0" OR NOT Warnings MATCHES "${Expected}")
  message(FATAL_ERROR
    "a member without its comment was not reported (status ${Result}):\n${Warnings}")
endif()
message("a member without its comment fails the check")
