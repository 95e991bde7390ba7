# Installs the shared library with its public headers, paginorctl and its manual page, a
# CMake package for find_package(PaginorV2CTL) and a pkg-config file. Both package files
# find the rest relative to themselves, so the installed tree may be moved as a whole.
include(CMakePackageConfigHelpers)

set(PAGINOR_LICENSE "GPL-3.0-or-later")

install(TARGETS PaginorV2CTL EXPORT PaginorV2CTLTargets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/paginor DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/PaginorV2CTL)
install(EXPORT PaginorV2CTLTargets NAMESPACE PaginorV2CTL:: DESTINATION ${cmake_dir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/PaginorV2CTLConfig.cmake.in
  ${PROJECT_BINARY_DIR}/PaginorV2CTLConfig.cmake INSTALL_DESTINATION ${cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/PaginorV2CTLConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/PaginorV2CTLConfig.cmake
  ${PROJECT_BINARY_DIR}/PaginorV2CTLConfigVersion.cmake DESTINATION ${cmake_dir})

file(RELATIVE_PATH PC_PREFIX_FROM_PCFILEDIR
  ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" PC_PREFIX_FROM_PCFILEDIR "${PC_PREFIX_FROM_PCFILEDIR}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/PaginorV2CTL.pc.in ${PROJECT_BINARY_DIR}/PaginorV2CTL.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/PaginorV2CTL.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
