# The committed pictures of the drills (root pictures, answer strip, keyboard maps, key
# pictures) are listed in art/practice.rc under the ids the program loads, in the formats it
# copies, and every key picture lies over its key on the map. Debian's interpreter.
add_test(NAME art.drill_pictures
         COMMAND /usr/bin/python3 ${QOPE_ROOT}/tools/art/check_drills.py ${QOPE_ROOT}/src/res/art)
set_tests_properties(art.drill_pictures PROPERTIES TIMEOUT 60 LABELS generator)
