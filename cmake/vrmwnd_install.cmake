# cmake --install: headers, the four libraries and a CMake package, so that a screen
# written elsewhere can find_package(vrmwnd) and link vrmwnd::vrmwnd.
include(CMakePackageConfigHelpers)

install(TARGETS vrmwnd_platform vrmwnd_base vrmwnd_suite vrmwnd
        EXPORT vrmwndTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS compras RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The four include roots meet again in one vrmwnd/ folder. The test hooks' headers
# stay behind: a screen built elsewhere has no business stopping the clock.
foreach(root IN ITEMS platform base suite module)
  install(DIRECTORY ${VRMWND_INCLUDE_DIR}/${root}/vrmwnd DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
          PATTERN testing.h EXCLUDE
          PATTERN ganchos_teste.h EXCLUDE)
endforeach()
install(EXPORT vrmwndTargets NAMESPACE vrmwnd::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vrmwnd)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/vrmwndConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/vrmwndConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vrmwnd)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/vrmwndConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vrmwndConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/vrmwndConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vrmwnd)
