# Fails when a clause in the program's sources catches by name an error type
# that the Windows build's runtime raises as a plain std::exception (those
# whose library helpers call Raise in cxx_runtime.cpp): such a clause would
# catch the error in the unit tests and never in tolvane.exe.
# Usage: cmake -DSOURCES=<src folder> -P check-catches.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCES)
  message(FATAL_ERROR "usage: cmake -DSOURCES=<src folder> -P check-catches.cmake")
endif()

file(READ "${SOURCES}/platform/win32/cxx_runtime.cpp" runtime)
string(REGEX MATCHALL "__throw_[a-z_]+\\(const char\\* [a-z]+\\) {[ \r\n]*Raise\\(" helpers
       "${runtime}")
set(types "")
foreach(helper IN LISTS helpers)
  string(REGEX REPLACE "^__throw_([a-z_]+)\\(.*" "\\1" type "${helper}")
  list(APPEND types ${type})
endforeach()
if(NOT types)
  message(FATAL_ERROR "no library helper that calls Raise found in cxx_runtime.cpp")
endif()
list(JOIN types "|" alternatives)
list(JOIN types ", " names)

file(GLOB_RECURSE files "${SOURCES}/*.cpp" "${SOURCES}/*.h")
set(found "")
foreach(file IN LISTS files)
  file(READ "${file}" text)
  string(REGEX MATCHALL "catch[ \t\r\n]*\\(([^)]*[^A-Za-z0-9_])?(${alternatives})[^A-Za-z0-9_]"
         clauses "${text}")
  foreach(clause IN LISTS clauses)
    file(RELATIVE_PATH name "${SOURCES}" "${file}")
    string(APPEND found "\n  src/${name}: ${clause}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "tolvane.exe raises no ${names}: its library raises those errors as "
                      "a plain std::exception (see cxx_runtime.cpp). Catch that instead:${found}")
endif()
list(LENGTH files count)
message(STATUS "${count} files catch none of ${names}")
