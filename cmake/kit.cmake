# The disc author's kit: the sample disc's program, and the checks of the
# image tool and of the build's reproducibility (tests/kit/). Included by the
# Windows build.

# examples/disc/Tools/hello.exe once tools/sample-disc places it.
add_executable(hello WIN32 ${CMAKE_SOURCE_DIR}/examples/hello/hello.cpp)
target_compile_definitions(hello PRIVATE UNICODE _UNICODE)
target_compile_options(hello PRIVATE -Os -municode -Werror -fno-exceptions -fno-rtti)
target_link_options(hello PRIVATE -municode -static -s -Wl,--gc-sections,--nxcompat,--dynamicbase)

# A second build of tolvane.exe, from a copy of the sources in another folder,
# must give this tree's bytes.
set(_tolvane_configure -G ${CMAKE_GENERATOR} -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE})
if(CMAKE_TOOLCHAIN_FILE)
  cmake_path(GET CMAKE_TOOLCHAIN_FILE FILENAME _tolvane_toolchain)
  list(APPEND _tolvane_configure -DCMAKE_TOOLCHAIN_FILE=cmake/${_tolvane_toolchain})
endif()
add_test(NAME kit.reproducible
         COMMAND ${CMAKE_SOURCE_DIR}/tests/kit/reproducible $<TARGET_FILE:tolvane>
                 ${_tolvane_configure})
# Alone, as kit.mkdisc: timed end-to-end cases must not wait on a build.
set_tests_properties(kit.reproducible PROPERTIES TIMEOUT 600 LABELS kit RUN_SERIAL TRUE)

# tools/mkdisc puts the shipped 32-bit build on the image.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_test(NAME kit.mkdisc COMMAND ${CMAKE_SOURCE_DIR}/tests/kit/mkdisc)
  set_tests_properties(kit.mkdisc PROPERTIES TIMEOUT 600 LABELS kit RUN_SERIAL TRUE)
endif()
