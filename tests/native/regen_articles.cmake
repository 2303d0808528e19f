# The Chinese articles in data/freeinput come from tools/texts/make_articles.py and the
# paragraphs in tools/texts/articles.
#  articles.regenerate: writing them afresh gives the committed files byte for byte (the
#                       generator also refuses a text that breaks a rule of article_rules.def).
# The committed files themselves are checked by article_files_test.cpp.
#
# This file is both included by tests/native/CMakeLists.txt (to register the test) and
# run by it as a script (cmake -P), which does the regenerating.

if(CMAKE_SCRIPT_MODE_FILE)
  file(REMOVE_RECURSE "${OUT}")
  execute_process(
    COMMAND /usr/bin/python3 -B "${QOPE_ROOT}/tools/texts/make_articles.py" --out "${OUT}"
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "make_articles.py failed: ${rc}")
  endif()
  file(GLOB written RELATIVE "${OUT}" "${OUT}/*")
  file(GLOB committed RELATIVE "${QOPE_ROOT}/data/freeinput" "${QOPE_ROOT}/data/freeinput/*")
  if(NOT written)
    message(FATAL_ERROR "make_articles.py wrote nothing into ${OUT}")
  endif()
  list(SORT written)
  list(SORT committed)
  if(NOT written STREQUAL committed)
    message(FATAL_ERROR "make_articles.py wrote ${written}; data/freeinput holds ${committed}")
  endif()
  include("${QOPE_ROOT}/cmake/compare_regenerated.cmake")
  qope_compare_regenerated("${OUT}" "${QOPE_ROOT}/data/freeinput" articles ${written})
  return()
endif()

add_test(NAME articles.regenerate
  COMMAND ${CMAKE_COMMAND} -DQOPE_ROOT=${QOPE_ROOT} -DOUT=${CMAKE_CURRENT_BINARY_DIR}/articles_regen
          -P ${CMAKE_CURRENT_LIST_FILE})
set_tests_properties(articles.regenerate PROPERTIES TIMEOUT 60 LABELS generator)
