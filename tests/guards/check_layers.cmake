# Fails when a file of one layer includes a header of a layer above it, when a
# header sits in another layer's include root, or when anything but the suite layer
# reaches the database library directly, and when the terminal front end reads more
# than the platform.
# Ranks: platform 0, base 1, suite 2, module 3 (wrappers, controls, dialogs,
# business, util), terminal 4, host 5.
set(ranks platform 0 base 1 suite 2 wrappers 3 controls 3 dialogs 3 business 3 util 3 vrmwnd 3 terminal 4)

function(rank_of name out)
  list(FIND ranks ${name} i)
  if(i EQUAL -1)
    set(${out} -1 PARENT_SCOPE)
  else()
    math(EXPR j "${i} + 1")
    list(GET ranks ${j} r)
    set(${out} ${r} PARENT_SCOPE)
  endif()
endfunction()

# The include root (include/<root>/vrmwnd/...) that holds each layer's headers.
set(roots platform platform base base suite suite wrappers module controls module
    dialogs module business module util module vrmwnd module terminal terminal)

function(root_of name out)
  list(FIND roots ${name} i)
  math(EXPR j "${i} + 1")
  list(GET roots ${j} r)
  set(${out} ${r} PARENT_SCOPE)
endfunction()

set(failures "")
foreach(layer platform base suite wrappers controls dialogs business util terminal)
  rank_of(${layer} own)
  root_of(${layer} root)
  set(public ${ROOT}/include/${root}/vrmwnd)
  file(GLOB_RECURSE files ${public}/${layer}/*.h ${ROOT}/src/${layer}/*.h
       ${ROOT}/src/${layer}/*.cpp)
  if(EXISTS ${public}/${layer}.h)
    list(APPEND files ${public}/${layer}.h)
  endif()
  foreach(f IN LISTS files)
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
      if(line MATCHES "\"vrmwnd/([A-Za-z_]+)(/|\\.h)")
        rank_of(${CMAKE_MATCH_1} theirs)
        if(theirs GREATER own)
          string(APPEND failures "${f}: ${layer} includes ${line}\n")
        elseif(layer STREQUAL "terminal" AND NOT CMAKE_MATCH_1 MATCHES "^(platform|terminal)$")
          string(APPEND failures "${f}: the terminal draws the platform's windows only: ${line}\n")
        endif()
      endif()
      if(line MATCHES "sqlite3\\.h" AND NOT layer STREQUAL "suite")
        string(APPEND failures "${f}: only the suite layer opens the database: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

# Each root holds only its own layers' headers, so that a layer's target, which sees
# its own root and those below, cannot reach a header placed in the wrong root.
file(GLOB entries RELATIVE ${ROOT}/include ${ROOT}/include/*/vrmwnd/*)
foreach(entry IN LISTS entries)
  string(REGEX MATCH "^([^/]+)/vrmwnd/([A-Za-z_]+)" _ ${entry})
  set(root ${CMAKE_MATCH_1})
  set(name ${CMAKE_MATCH_2})
  list(FIND roots ${name} i)
  if(i EQUAL -1)
    string(APPEND failures "include/${entry}: no layer is called ${name}\n")
  else()
    root_of(${name} expected)
    if(NOT root STREQUAL expected)
      string(APPEND failures "include/${entry}: belongs in include/${expected}\n")
    endif()
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "Layers out of place:\n${failures}")
endif()
message(STATUS "layers: no upward include")
