# Fails unless every version each file states is the project's, and each states one:
#   cmake -DVERSION=0.01 -P checkversion.cmake FILE...
# Files written by hand are the ones that can fall behind project(); the ones the build
# writes are checked too, so that a template that stops taking it is caught.
# The captions' "0.1a" is the design's text, not a version: no pattern here reads it.
set(statements
    "zorvan-calculator[-_]([0-9][0-9.]*[0-9])"          # file names: packages, downloads
    "zorvan-calculator \\(([0-9][0-9.]*)-[0-9]+\\)" # the Debian changelog
    "[Vv]ersion ([0-9][0-9.]*[0-9])"                   # prose
    "<release version=\"([0-9.]+)\""                   # AppStream
    "Zorvan Calculator ([0-9][0-9.]*[0-9])\"")          # the manual page's header
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(argument RANGE 4 ${last})
    set(file "${CMAKE_ARGV${argument}}")
    file(READ "${file}" text)
    set(found 0)
    foreach(pattern IN LISTS statements)
        string(REGEX MATCHALL "${pattern}" matches "${text}")
        foreach(match IN LISTS matches)
            string(REGEX REPLACE "${pattern}" "\\1" stated "${match}")
            if(NOT stated STREQUAL VERSION)
                message(SEND_ERROR "${file}: '${match}' states ${stated}, not ${VERSION}")
            endif()
            math(EXPR found "${found} + 1")
        endforeach()
    endforeach()
    if(found EQUAL 0)
        message(SEND_ERROR "${file} states no version")
    endif()
    message(STATUS "${file}: ${found} statement(s) of ${VERSION}")
endforeach()
