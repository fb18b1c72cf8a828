# Copies the stylesheet, script or page INPUT to OUTPUT without its block comments and its lines
# that are only a "//" comment, which only its readers need: the page's download is smaller by them.
# Usage: cmake -DINPUT=a.css -DOUTPUT=b.css -P strip-comments.cmake
file(READ "${INPUT}" text)
string(REGEX REPLACE "/\\*[^*]*\\*+([^/*][^*]*\\*+)*/\n?" "" text "${text}")
string(REGEX REPLACE "(^|\n)[ ]*//[^\n]*" "" text "${text}")
# Rewritten only when it changes, so that what is built from it is not rebuilt for nothing.
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
endif()
if(NOT "${text}" STREQUAL "${old}")
    file(WRITE "${OUTPUT}" "${text}")
endif()
