# vrmwnd_layer(NAME <export name> OUTPUT <library file name> SOURCES ... [LINKS ...])
# Declares one layer as a shared library with the alias vrmwnd::<export name>.
# Every layer sees the one public include tree; the guard tests keep each layer
# from including the headers of the layers above it.
function(vrmwnd_layer target)
  cmake_parse_arguments(L "" "NAME;OUTPUT" "SOURCES;LINKS;PRIVATE_LINKS" ${ARGN})
  add_library(${target} SHARED ${L_SOURCES})
  add_library(vrmwnd::${L_NAME} ALIAS ${target})
  set_target_properties(${target} PROPERTIES
    EXPORT_NAME ${L_NAME}
    OUTPUT_NAME ${L_OUTPUT}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${VRMWND_INCLUDE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_compile_features(${target} PUBLIC cxx_std_20)
  if(L_LINKS)
    target_link_libraries(${target} PUBLIC ${L_LINKS})
  endif()
  if(L_PRIVATE_LINKS)
    target_link_libraries(${target} PRIVATE ${L_PRIVATE_LINKS})
  endif()
endfunction()
