# Gives the target doctest::doctest to both builds. Natively it is Debian's package
# config. Cross-compiling, the same header-only package is used, but /usr/include
# itself must stay off the cross compiler's path (its glibc headers would win over
# mingw's), so only the doctest folder is linked into a folder of the build tree.
if(TARGET doctest::doctest)
    return()
endif()

if(NOT CMAKE_CROSSCOMPILING)
    find_package(doctest 2.4 REQUIRED CONFIG)
    return()
endif()

find_path(ZORVAN_DOCTEST_HOST_DIR doctest/doctest.h
    PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT ZORVAN_DOCTEST_HOST_DIR)
    message(FATAL_ERROR "doctest/doctest.h not found in /usr/include: run scripts/install-deps")
endif()
set(_zorvan_doctest_dir "${CMAKE_BINARY_DIR}/host-headers")
file(MAKE_DIRECTORY "${_zorvan_doctest_dir}")
file(CREATE_LINK "${ZORVAN_DOCTEST_HOST_DIR}/doctest" "${_zorvan_doctest_dir}/doctest" SYMBOLIC)
add_library(doctest::doctest INTERFACE IMPORTED)
target_include_directories(doctest::doctest SYSTEM INTERFACE "${_zorvan_doctest_dir}")
