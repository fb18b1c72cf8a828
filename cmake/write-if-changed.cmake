# write_if_changed(FILE TEXT): writes TEXT to FILE only when it differs, so that what is built from
# FILE is not rebuilt for nothing. For the -P scripts beside it.
function(write_if_changed file text)
    if(EXISTS "${file}")
        file(READ "${file}" before)
    endif()
    if(NOT "${before}" STREQUAL "${text}")
        file(WRITE "${file}" "${text}")
    endif()
endfunction()
