# Cross-compiles for 64-bit Windows with Debian's mingw-w64, and runs what it builds
# (tests, try_run) under Wine through scripts/wine.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZORVAN_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix thread variant, named outright: the win32 one lacks std::thread and
# std::mutex, and installing it repoints the unsuffixed names.
set(CMAKE_C_COMPILER ${ZORVAN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORVAN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORVAN_MINGW_TRIPLE}-windres)

# Libraries and headers come from the mingw tree only, never from the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${ZORVAN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wide-character API throughout; the resource compiler sees the same definitions.
set(CMAKE_C_FLAGS_INIT "-DUNICODE -D_UNICODE")
set(CMAKE_CXX_FLAGS_INIT "-DUNICODE -D_UNICODE")
set(CMAKE_RC_FLAGS_INIT "-DUNICODE -D_UNICODE")
# The runtime is linked in, so the .exe imports only Windows' own DLLs
# (no libstdc++-6, libgcc_s_seh-1 or libwinpthread-1 beside it).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run under Wine, in a prefix of this build tree's own.
get_filename_component(ZORVAN_WINE_WRAPPER "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${ZORVAN_WINE_WRAPPER};--prefix;${CMAKE_BINARY_DIR}/wineprefix")
