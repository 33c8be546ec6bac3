# Fails when the shipped tolvane.exe is 200 KiB or larger: it goes onto every
# disc and starts from it. Usage: cmake -DPROGRAM=<tolvane.exe> -P check-size.cmake
cmake_minimum_required(VERSION 3.25)

set(limit 204800)
if(NOT PROGRAM)
  message(FATAL_ERROR "usage: cmake -DPROGRAM=<exe> -P check-size.cmake")
endif()
file(SIZE "${PROGRAM}" size)
if(NOT size LESS limit)
  message(FATAL_ERROR "${PROGRAM} is ${size} bytes, ${limit} or more")
endif()
message(STATUS "${PROGRAM}: ${size} bytes, under ${limit}")
