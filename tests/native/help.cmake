# The help file: data/help compiled with chmcmd and unpacked with extract_chmLib holds the
# pages as written, the settings the viewer opens with, contents listing every page, an
# index, and links that all resolve (tests/native/check_help.py).
add_test(NAME help.chm
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/check_help.py ${QOPE_ROOT}/data/help
          ${CMAKE_CURRENT_BINARY_DIR}/help_chm)
set_tests_properties(help.chm PROPERTIES TIMEOUT 60)
