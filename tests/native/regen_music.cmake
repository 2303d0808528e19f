# The background music in data/wavefiles comes from tools/music/make_music.py and the
# note files in tools/music/pieces.
#  music.regenerate: writing it afresh gives the committed files byte for byte.
#  music.format:     each committed piece is a well-formed format-1 MIDI file, 60-180 s long.
#  music.render:     FluidSynth plays each one with the GM sound font, and it sounds
#                    throughout, 60-180 s long (about 15 s on two cores).
#
# This file is both included by tests/native/CMakeLists.txt (to register the tests) and
# run by the first test as a script (cmake -P), which does the regenerating.

if(CMAKE_SCRIPT_MODE_FILE)
  include("${QOPE_ROOT}/cmake/compare_regenerated.cmake")
  qope_regenerate_folder("${QOPE_ROOT}/tools/music/make_music.py" "${OUT}" "${QOPE_ROOT}/data/wavefiles" "*.mid" music)
  return()
endif()

add_test(NAME music.regenerate
  COMMAND ${CMAKE_COMMAND} -DQOPE_ROOT=${QOPE_ROOT} -DOUT=${CMAKE_CURRENT_BINARY_DIR}/music_regen
          -P ${CMAKE_CURRENT_LIST_FILE})
add_test(NAME music.format
  COMMAND /usr/bin/python3 -B ${QOPE_ROOT}/tools/music/check_music.py ${QOPE_ROOT}/data/wavefiles)
add_test(NAME music.render
  COMMAND /usr/bin/python3 -B ${QOPE_ROOT}/tools/music/render_check.py ${QOPE_ROOT}/data/wavefiles)
set_tests_properties(music.regenerate music.format PROPERTIES TIMEOUT 60 LABELS generator)
set_tests_properties(music.render PROPERTIES TIMEOUT 180 LABELS generator)
