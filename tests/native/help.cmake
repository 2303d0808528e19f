# The help file: data/help compiled with chmcmd and unpacked with extract_chmLib holds the
# pages as written, the settings the viewer opens with, contents listing every page, an
# index, links that all resolve and example codes that match the code tables
# (tests/native/check_help.py).
add_test(NAME help.chm
  COMMAND /usr/bin/python3 -B ${CMAKE_CURRENT_LIST_DIR}/check_help.py ${QOPE_ROOT}/data/help
          ${CMAKE_CURRENT_BINARY_DIR}/help_chm ${QOPE_ROOT})
set_tests_properties(help.chm PROPERTIES TIMEOUT 60)
