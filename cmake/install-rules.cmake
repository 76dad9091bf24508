# Install rules: headers, the library, a CMake package (find_package(zrvreport
# CONFIG) gives zrvreport::zrvreport) and a pkg-config file.
include(CMakePackageConfigHelpers)

set(ZRV_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/zrvreport)

install(TARGETS zrvreport
  EXPORT zrvreportTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/zrvreport
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")
install(FILES ${PROJECT_BINARY_DIR}/include/zrvreport/zrvreport_export.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zrvreport)

install(EXPORT zrvreportTargets
  NAMESPACE zrvreport::
  DESTINATION ${ZRV_INSTALL_CMAKEDIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/zrvreportConfig.cmake.in
  ${PROJECT_BINARY_DIR}/zrvreportConfig.cmake
  INSTALL_DESTINATION ${ZRV_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zrvreportConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/zrvreportConfig.cmake
  ${PROJECT_BINARY_DIR}/zrvreportConfigVersion.cmake
  DESTINATION ${ZRV_INSTALL_CMAKEDIR})

if(BUILD_SHARED_LIBS)
  set(ZRV_PC_CFLAGS "")
else()
  set(ZRV_PC_CFLAGS "-DZRVREPORT_STATIC_DEFINE")
endif()
# The pkg-config file finds its prefix relative to itself, so that an install
# with "cmake --install --prefix" elsewhere still works.
file(RELATIVE_PATH ZRV_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
string(REGEX REPLACE "/$" "" ZRV_PC_TO_PREFIX "${ZRV_PC_TO_PREFIX}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/zrvreport.pc.in
  ${PROJECT_BINARY_DIR}/zrvreport.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zrvreport.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
