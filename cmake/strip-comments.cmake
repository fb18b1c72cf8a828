# Copies the stylesheet, script or page INPUT to OUTPUT without its block comments and its lines
# that are only a "//" comment, which only its readers need: the page's download is smaller by them.
# Usage: cmake -DINPUT=a.css -DOUTPUT=b.css -P strip-comments.cmake
file(READ "${INPUT}" text)
string(REGEX REPLACE "/\\*[^*]*\\*+([^/*][^*]*\\*+)*/\n?" "" text "${text}")
string(REGEX REPLACE "(^|\n)[ ]*//[^\n]*" "" text "${text}")
include(${CMAKE_CURRENT_LIST_DIR}/write-if-changed.cmake)
write_if_changed("${OUTPUT}" "${text}")
