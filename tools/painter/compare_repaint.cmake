# Runs the painter into a fresh folder and compares every file it writes
# with the committed picture of the same name, byte for byte.
file(REMOVE_RECURSE "${OUT}")
# EMULATOR runs a cross-built painter; it is empty on a native build.
execute_process(COMMAND ${EMULATOR} "${PAINTER}" "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "painter failed: ${result}")
endif()
file(GLOB painted RELATIVE "${OUT}" "${OUT}/*")
list(LENGTH painted count)
if(count EQUAL 0)
  message(FATAL_ERROR "painter wrote nothing")
endif()
foreach(name IN LISTS painted)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/${name}" "${COMMITTED}/${name}"
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name} differs from the committed picture")
  endif()
endforeach()
