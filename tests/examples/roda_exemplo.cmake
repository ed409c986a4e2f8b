# Runs the example screen in a home of its own, new each time, and compares what it
# printed with what its screen must show.
#   -DEXE=<program> -DWORK=<scratch folder> -DESPERADO=<expected output file>
set(casa ${WORK}/casa)
file(REMOVE_RECURSE ${casa})
file(MAKE_DIRECTORY ${casa})
set(ENV{HOME} ${casa})
set(ENV{VRMWND_HOME} ${casa}/vrmwnd)
unset(ENV{XDG_DATA_HOME})
execute_process(COMMAND ${EXE} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
file(READ ${ESPERADO} esperado)
if(NOT code EQUAL 0 OR NOT out STREQUAL esperado)
  message(FATAL_ERROR "${EXE} exited ${code}\n--- printed:\n${out}${err}\n--- expected:\n${esperado}")
endif()
