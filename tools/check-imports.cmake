# Fails when tolvane.exe imports a DLL that Windows does not always map from
# System32. Usage: cmake -DOBJDUMP=<objdump> -DPROGRAM=<tolvane.exe> -P check-imports.cmake
cmake_minimum_required(VERSION 3.25)

set(allowed kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll comctl32.dll
            msvcrt.dll)

if(NOT OBJDUMP OR NOT PROGRAM)
  message(FATAL_ERROR "usage: cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe> -P check-imports.cmake")
endif()
execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed: ${result}")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "no import table found in ${PROGRAM}")
endif()
set(refused "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" lower)
  message(STATUS "imports ${dll}")
  if(NOT lower IN_LIST allowed)
    list(APPEND refused "${dll}")
  endif()
endforeach()
if(refused)
  message(FATAL_ERROR "imports outside the allowed list: ${refused}")
endif()
