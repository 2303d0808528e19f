# The committed pictures of the drills (root pictures, answer strip, keyboard maps, key
# pictures), the code lookup window's key caps and the root-map dialogs' maps are listed in
# their window's art/*.rc under the ids the program loads, in the formats it copies; every
# key picture lies over its key on the map, and the caps and root maps show each key's
# roots as the map does. Debian's interpreter.
add_test(NAME art.drill_pictures
         COMMAND /usr/bin/python3 ${QOPE_ROOT}/tools/art/check_drills.py ${QOPE_ROOT}/src/res/art)
set_tests_properties(art.drill_pictures PROPERTIES TIMEOUT 60 LABELS generator)
