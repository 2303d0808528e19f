# The Chinese articles in data/freeinput come from tools/texts/make_articles.py and the
# paragraphs in tools/texts/articles.
#  articles.regenerate: writing them afresh gives the committed files byte for byte (the
#                       generator also refuses a text that breaks a rule of article_rules.def).
# The committed files themselves are checked by article_files_test.cpp.
#
# This file is both included by tests/native/CMakeLists.txt (to register the test) and
# run by it as a script (cmake -P), which does the regenerating.

if(CMAKE_SCRIPT_MODE_FILE)
  include("${QOPE_ROOT}/cmake/compare_regenerated.cmake")
  qope_regenerate_folder("${QOPE_ROOT}/tools/texts/make_articles.py" "${OUT}" "${QOPE_ROOT}/data/freeinput" "*" articles)
  return()
endif()

add_test(NAME articles.regenerate
  COMMAND ${CMAKE_COMMAND} -DQOPE_ROOT=${QOPE_ROOT} -DOUT=${CMAKE_CURRENT_BINARY_DIR}/articles_regen
          -P ${CMAKE_CURRENT_LIST_FILE})
set_tests_properties(articles.regenerate PROPERTIES TIMEOUT 60 LABELS generator)
