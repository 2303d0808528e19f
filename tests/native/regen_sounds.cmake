# The sound effects in data/wavefiles come from tools/sounds/make_sounds.py.
#  sounds.regenerate: writing them afresh gives the committed files byte for byte.
#  sounds.format:     each committed file is the PCM WAV the program can play, and every
#                     name the program plays reaches one of them.
#
# This file is both included by tests/native/CMakeLists.txt (to register the tests) and
# run by the first test as a script (cmake -P), which does the regenerating.

if(CMAKE_SCRIPT_MODE_FILE)
  file(REMOVE_RECURSE "${OUT}" "${OUT}.home")
  # A home never used before, no sound server settings: the state of a fresh machine, where
  # a sound client that reached espeak-ng would have shifted its breath noise. Without this
  # such a fault would fail only the first run on each machine.
  file(MAKE_DIRECTORY "${OUT}.home")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_RUNTIME_DIR --unset=PULSE_RUNTIME_PATH
            --unset=PULSE_SERVER "HOME=${OUT}.home"
            /usr/bin/python3 "${QOPE_ROOT}/tools/sounds/make_sounds.py" --out "${OUT}"
    RESULT_VARIABLE rc)
  file(REMOVE_RECURSE "${OUT}.home")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "make_sounds.py failed: ${rc}")
  endif()
  file(GLOB written RELATIVE "${OUT}" "${OUT}/*")
  if(NOT written)
    message(FATAL_ERROR "make_sounds.py wrote nothing into ${OUT}")
  endif()
  include("${QOPE_ROOT}/cmake/compare_regenerated.cmake")
  qope_compare_regenerated("${OUT}" "${QOPE_ROOT}/data/wavefiles" sounds ${written})
  return()
endif()

add_test(NAME sounds.regenerate
  COMMAND ${CMAKE_COMMAND} -DQOPE_ROOT=${QOPE_ROOT} -DOUT=${CMAKE_CURRENT_BINARY_DIR}/sounds_regen
          -P ${CMAKE_CURRENT_LIST_FILE})
add_test(NAME sounds.format
  COMMAND /usr/bin/python3 ${QOPE_ROOT}/tools/sounds/check_sounds.py ${QOPE_ROOT}/data/wavefiles)
