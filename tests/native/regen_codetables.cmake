# The Wubi code tables in data/selectfiles come from tools/codetables/make_codetables.py.
#  codetables.regenerate: writing them afresh from ../shared/wubi-sources gives the committed
#  files byte for byte. Skipped (exit 77) on a machine without that folder; the content
#  checks of code_tables_test.cpp run on the committed files everywhere.
add_test(NAME codetables.regenerate
         COMMAND /usr/bin/python3 ${QOPE_ROOT}/tools/codetables/make_codetables.py --check
                 --out ${QOPE_ROOT}/data/selectfiles)
set_tests_properties(codetables.regenerate PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS generator)
