# The program file stands alone: at most 1 MiB, stripped, importing only Windows' own DLLs.
cmake_minimum_required(VERSION 3.22)
#   cmake -DPROGRAM=zorvan-calculator.exe -DOBJDUMP=x86_64-w64-mingw32-objdump
#         -DWINDRES=x86_64-w64-mingw32-windres -DVERSION=0.01 -DWINDOWS_VERSION=0.1.0.0 -P checkprogram.cmake
file(SIZE "${PROGRAM}" size)
if(size GREATER 1048576)
    message(FATAL_ERROR "${PROGRAM} is ${size} bytes, over 1 MiB")
endif()

execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "no imports read from ${PROGRAM}")
endif()
set(windows KERNEL32.dll USER32.dll GDI32.dll COMCTL32.dll OLEACC.dll ole32.dll OLEAUT32.dll
            msvcrt.dll)
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(STRIP "${dll}" dll)
    if(NOT dll IN_LIST windows)
        message(FATAL_ERROR "${PROGRAM} imports ${dll}, which Windows does not have")
    endif()
endforeach()

execute_process(COMMAND "${OBJDUMP}" -t "${PROGRAM}" OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
if(NOT symbols MATCHES "no symbols")
    message(FATAL_ERROR "${PROGRAM} still holds its symbol table")
endif()
# The version Windows shows for the file, and the manifest's, are the project's.
execute_process(COMMAND "${WINDRES}" -i "${PROGRAM}" -O rc OUTPUT_VARIABLE resources
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "." ", " numbers "${WINDOWS_VERSION}")
foreach(statement IN ITEMS "FILEVERSION ${numbers}\n" "PRODUCTVERSION ${numbers}\n"
                           "\"FileVersion\", \"${VERSION}\"" "\"ProductVersion\", \"${VERSION}\""
                           "ZorvanCalculator\"\" version=\"\"${WINDOWS_VERSION}\"\"")
    string(FIND "${resources}" "${statement}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${PROGRAM}'s resources do not state ${statement}")
    endif()
endforeach()
message(STATUS "${PROGRAM}: ${size} bytes, imports ${imports}, version ${VERSION}")
