# The platform's driver (tests/<platform>/driver.cpp), a library linking that
# platform's toolkit; the tests and the benchmarks work the window through it.
include_guard(GLOBAL)

if(ZORVAN_PLATFORM_TOOLKIT STREQUAL zorvan_toolkit_qt)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    add_library(zorvan_testdriver_qt STATIC ${CMAKE_CURRENT_LIST_DIR}/qt/driver.cpp
                                            ${CMAKE_CURRENT_LIST_DIR}/shared/driver.h)
    target_include_directories(zorvan_testdriver_qt PUBLIC ${CMAKE_CURRENT_LIST_DIR}/shared)
    target_link_libraries(zorvan_testdriver_qt PUBLIC zorvan_toolkit_qt PRIVATE Qt6::Test)
endif()

if(ZORVAN_PLATFORM_TOOLKIT STREQUAL zorvan_toolkit_win32)
    add_library(zorvan_testdriver_win32 STATIC ${CMAKE_CURRENT_LIST_DIR}/win32/driver.cpp
                                               ${CMAKE_CURRENT_LIST_DIR}/shared/driver.h)
    target_include_directories(zorvan_testdriver_win32 PUBLIC ${CMAKE_CURRENT_LIST_DIR}/shared)
    target_link_libraries(zorvan_testdriver_win32 PUBLIC zorvan_toolkit_win32)
endif()
