# tolvane.exe: the portable core, the Win32 layer and the resources, linked
# statically so that the program needs no DLL beyond those every Windows has.
enable_language(RC)
# windres misreads a cp932 string that ends in a trail byte 0x5C: the script
# is UTF-8. (CMake passes only -D and -I from target options to windres.)
string(APPEND CMAKE_RC_FLAGS " -c 65001")

file(GLOB TOLVANE_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
# What only a report prints (the disc check's) is no part of the program.
set(TOLVANE_PROGRAM_SOURCES ${TOLVANE_CORE_SOURCES})
list(FILTER TOLVANE_PROGRAM_SOURCES EXCLUDE REGEX "_report\\.cpp$")
# The portable code is compiled into the program itself, first and before
# any system header, as one source with the Win32 layer (see Size below).
add_executable(tolvane WIN32 ${TOLVANE_PROGRAM_SOURCES} src/app/main.cpp
                             ${TOLVANE_WIN32_SOURCES} res/tolvane.rc)
target_include_directories(tolvane PRIVATE src)
target_link_libraries(tolvane PRIVATE comctl32 ole32 shell32 advapi32 gdi32 user32 kernel32)
target_compile_definitions(tolvane PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                           _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800)

# What only the 32-bit build can get wrong (a function pointer without its
# calling convention, a pointer squeezed into a 32-bit integer) shows up as a
# warning (-Wcast-function-type is part of -Wextra): it fails the build.
#
# Size: nothing asks a type for its name or casts by run-time type (-fno-rtti;
# exceptions keep the type information they need). The program is compiled
# as one source (a unity build; the portable library, which the benchmark
# floors link, as another): every object file would carry its own copy of the
# library's inline code and of the unwind tables' common entries, and the
# linker cannot drop a function the unwind tables refer to, used or not.
# Names private to a source must therefore differ across the program. A
# function that calls none keeps no frame pointer: nothing unwinds through it.
# Memory is freed without its size (-fno-sized-deallocation): the library
# needs none, and each deletion would pass it.
foreach(_tolvane_target tolvane tolvane_core)
  target_compile_options(${_tolvane_target} PRIVATE
                         $<$<COMPILE_LANGUAGE:CXX>:-Os -ffunction-sections -fdata-sections -fno-rtti
                         -fno-sized-deallocation -momit-leaf-frame-pointer -Werror>)
  set_target_properties(${_tolvane_target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
endforeach()
# The program's one source is the whole program (-fwhole-program): its
# functions become its own, so the compiler drops those nothing calls (what
# only the tests or the disc checker use), which the unwind tables would keep,
# builds one called once into its caller, and in the 32-bit build passes
# their arguments in registers. What the library calls back is marked visible
# (src/platform/win32/cxx_runtime.cpp); a program built like tolvane.exe is
# one source too (tests/win32/library_errors.cpp).
target_compile_options(tolvane PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fwhole-program>)
target_link_options(tolvane PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--gc-sections -s
                    -Wl,--nxcompat,--dynamicbase -mwindows)

# Reproducible: the same sources give the same bytes wherever and whenever
# they are built, so anyone can match a disc's tolvane.exe with its sources by
# its hash. No link time stamp, and no build folder in any text the compiler
# keeps. The version resource comes from res/tolvane.rc alone.
target_compile_options(tolvane PRIVATE -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                       -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
target_link_options(tolvane PRIVATE -Wl,--no-insert-timestamp)

# A statically imported DLL that Windows does not always map from System32
# would be searched for beside the program on the disc first.
add_test(NAME import_table
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DPROGRAM=$<TARGET_FILE:tolvane>
                 -P ${CMAKE_SOURCE_DIR}/tools/check-imports.cmake)

# The shipped build stays under 200 KiB; a change that pulls in a library
# part or keeps what nothing calls shows up here first.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_test(NAME program_size
           COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:tolvane>
                   -P ${CMAKE_SOURCE_DIR}/tools/check-size.cmake)
endif()

# The library's errors are no std::out_of_range and their kind in this program
# (see src/platform/win32/cxx_runtime.cpp): no clause may catch them by that name.
add_test(NAME no_library_error_caught_by_type
         COMMAND ${CMAKE_COMMAND} -DSOURCES=${CMAKE_SOURCE_DIR}/src
                 -P ${CMAKE_SOURCE_DIR}/tools/check-catches.cmake)

# The disc checker, tolvane-check.exe.
include(${CMAKE_SOURCE_DIR}/cmake/check.cmake)

# The sample disc's program; the image tool's and reproducibility's checks.
include(${CMAKE_SOURCE_DIR}/cmake/kit.cmake)

# End-to-end tests through Wine (the driver and its cases live in tests/e2e/).
include(${CMAKE_SOURCE_DIR}/cmake/e2e.cmake OPTIONAL)
# tools/bench's programs, built with the driver whose helpers they share.
include(${CMAKE_SOURCE_DIR}/cmake/bench.cmake)
