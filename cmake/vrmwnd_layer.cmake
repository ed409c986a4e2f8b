# vrmwnd_layer(NAME <export name> OUTPUT <library file name> INCLUDE <root> SOURCES ...
#              [LINKS ...])
# Declares one layer as a shared library with the alias vrmwnd::<export name>.
# Each layer has an include root of its own (include/<layer>, holding vrmwnd/...):
# a layer sees its own root and, through what it links, the roots of the layers
# below it, so a header of a layer above does not compile there.
# Symbols are hidden unless a header marks them with the layer's export macro
# (vrmwnd/<layer>/export.h or exporta.h): the library exports its public API only.
function(vrmwnd_layer target)
  cmake_parse_arguments(L "" "NAME;OUTPUT;INCLUDE" "SOURCES;LINKS;PRIVATE_LINKS" ${ARGN})
  add_library(${target} SHARED ${L_SOURCES})
  add_library(vrmwnd::${L_NAME} ALIAS ${target})
  set_target_properties(${target} PROPERTIES
    EXPORT_NAME ${L_NAME}
    OUTPUT_NAME ${L_OUTPUT}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${VRMWND_INCLUDE_DIR}/${L_INCLUDE}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_compile_features(${target} PUBLIC cxx_std_20)
  if(L_LINKS)
    target_link_libraries(${target} PUBLIC ${L_LINKS})
  endif()
  if(L_PRIVATE_LINKS)
    target_link_libraries(${target} PRIVATE ${L_PRIVATE_LINKS})
  endif()
endfunction()
