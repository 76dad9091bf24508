# The API reference (target "docs"): Doxygen over the public headers with
# docs/Doxyfile, into <build>/docs/html. Every warning fails the build: a
# public member without its comment, a broken reference. scripts/docs.sh does
# the same without CMake. Debian package: doxygen.
find_program(ZRV_DOXYGEN doxygen)
if(ZRV_DOXYGEN)
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/docs
    COMMAND ${CMAKE_COMMAND} -E env
      ZRV_DOCS_OUTPUT=${PROJECT_BINARY_DIR}/docs
      ZRV_DOCS_VERSION=${PROJECT_VERSION}
      ${ZRV_DOXYGEN} docs/Doxyfile
    COMMAND ${CMAKE_COMMAND} -E echo "API reference: ${PROJECT_BINARY_DIR}/docs/html/index.html"
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Building the API reference with Doxygen"
    VERBATIM)
else()
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E echo "docs: doxygen not found (Debian: apt-get install doxygen)"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
endif()
