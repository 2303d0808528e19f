# The artwork generator (tools/art) reproduces the committed pictures in src/res/art and
# the help pictures in data/help/images
# byte for byte. Debian's interpreter: Pillow comes from python3-pil. Skipped (exit 77)
# on a machine without the shared root charts (../shared/wubi-roots) the drills'
# pictures are drawn from; art.drill_pictures checks the committed files everywhere.
add_test(NAME art.regenerates
         COMMAND /usr/bin/python3 ${QOPE_ROOT}/tools/art/check.py ${QOPE_ROOT}/src/res/art
                 ${QOPE_ROOT}/data/help/images)
set_tests_properties(art.regenerates PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS generator)
