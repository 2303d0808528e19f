# The finger exercise's key table (src/english/finger_keys.def), its template and the
# committed key pictures agree: four pictures a key at the table's size, the keys of a
# row meeting edge to edge at the template's units, the parts of Enter joined, the other
# pictures at the sizes the template leaves them. Debian's interpreter.
add_test(NAME art.finger_pictures
         COMMAND /usr/bin/python3 ${QOPE_ROOT}/tools/art/check_finger.py ${QOPE_ROOT}/src/res/art)
set_tests_properties(art.finger_pictures PROPERTIES TIMEOUT 60 LABELS generator)
