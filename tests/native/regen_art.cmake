# The artwork generator (tools/art) reproduces the committed pictures in src/res/art
# byte for byte. Debian's interpreter: Pillow comes from python3-pil.
add_test(NAME art.regenerates
         COMMAND /usr/bin/python3 ${QOPE_ROOT}/tools/art/check.py ${QOPE_ROOT}/src/res/art)
set_tests_properties(art.regenerates PROPERTIES TIMEOUT 120 LABELS generator)
