# For the regeneration checks run as scripts (tests/native/regen_*.cmake): compares each
# file a generator wrote into OUT with the committed file of the same name in COMMITTED,
# and fails naming every one that differs.
#   qope_compare_regenerated(OUT COMMITTED WHAT NAMES...)
function(qope_compare_regenerated out committed what)
  set(differ "")
  foreach(name IN LISTS ARGN)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${out}/${name}" "${committed}/${name}"
                    RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
      list(APPEND differ "${name}")
    endif()
  endforeach()
  if(differ)
    message(FATAL_ERROR "regenerated ${what} differ from ${committed}: ${differ}")
  endif()
  message(STATUS "${what} reproduced byte for byte: ${ARGN}")
endfunction()
