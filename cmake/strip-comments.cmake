# Copies the stylesheet or script INPUT to OUTPUT without its block comments and its lines that are
# only a "//" comment, which only its readers need: the page's download is smaller by them.
# Usage: cmake -DINPUT=a.css -DOUTPUT=b.css -P strip-comments.cmake
file(READ "${INPUT}" text)
string(REGEX REPLACE "/\\*[^*]*\\*+([^/*][^*]*\\*+)*/\n?" "" text "${text}")
string(REGEX REPLACE "(^|\n)[ ]*//[^\n]*" "" text "${text}")
file(WRITE "${OUTPUT}.tmp" "${text}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
