# End-to-end tests: a Win32 driver, run under Wine on a virtual display,
# starts the real tolvane.exe on fixture discs and checks what a user sees.
# Included by the Windows build when TOLVANE_E2E is ON.
if(NOT TOLVANE_E2E)
  return()
endif()

set(TOLVANE_E2E_DIR ${CMAKE_SOURCE_DIR}/tests/e2e)
file(GLOB TOLVANE_E2E_SOURCES CONFIGURE_DEPENDS ${TOLVANE_E2E_DIR}/*.cpp)

# The driver compares texts as UTF-16 against UTF-8 literals, so it is built
# with a UTF-8 execution character set instead of the program's code page 932.
add_executable(tolvane_e2e ${TOLVANE_E2E_SOURCES})
target_include_directories(tolvane_e2e PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(tolvane_e2e PRIVATE -fexec-charset=UTF-8 -municode)
target_compile_definitions(tolvane_e2e PRIVATE UNICODE _UNICODE)
target_link_options(tolvane_e2e PRIVATE -municode -static)
target_link_libraries(tolvane_e2e PRIVATE user32 gdi32 kernel32)

# Stands in for a disc's program in launch tests; records how it was started.
add_executable(probe WIN32 ${TOLVANE_E2E_DIR}/probe/probe.cpp ${TOLVANE_E2E_DIR}/text.cpp)
target_include_directories(probe PRIVATE ${TOLVANE_E2E_DIR})
target_compile_options(probe PRIVATE -fexec-charset=UTF-8 -municode)
target_link_options(probe PRIVATE -municode -static)

# The smallest window program, built with the launcher's size and link
# options: what any program's session changes is not the launcher's doing.
add_executable(baseline WIN32 ${TOLVANE_E2E_DIR}/baseline/baseline.cpp)
target_compile_definitions(baseline PRIVATE UNICODE _UNICODE)
target_compile_options(baseline PRIVATE -Os -ffunction-sections -fdata-sections -municode)
target_link_options(baseline PRIVATE -municode -static -static-libgcc -static-libstdc++
                    -Wl,--gc-sections -s -Wl,--nxcompat,--dynamicbase -mwindows)

# Planted DLLs: one source linked under the name of every DLL the program
# imports or loads, and of those Windows is known to search for beside a
# program. The driver copies them from markers/ beside itself onto a disc.
# The runtime's own DLLs are among them: the start-up code GCC links in asks
# for libgcc_s_dw2-1.dll by name, and a toolchain change could load any of them.
set(TOLVANE_MARKER_DLLS
  kernel32 user32 gdi32 advapi32 shell32 ole32 comctl32 msvcrt version winmm msftedit riched20
  riched32 uxtheme dwmapi cryptbase profapi userenv wininet msimg32
  libgcc_s_dw2-1 libgcc_s_seh-1 libstdc++-6 libwinpthread-1)
add_library(marker_dll_object OBJECT ${TOLVANE_E2E_DIR}/marker/marker_dll.cpp)
target_compile_definitions(marker_dll_object PRIVATE UNICODE _UNICODE)
foreach(dll IN LISTS TOLVANE_MARKER_DLLS)
  add_library(marker_${dll} SHARED $<TARGET_OBJECTS:marker_dll_object>)
  set_target_properties(marker_${dll} PROPERTIES OUTPUT_NAME ${dll} PREFIX ""
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/markers)
  target_link_options(marker_${dll} PRIVATE -static -s)
  add_dependencies(tolvane_e2e marker_${dll})
endforeach()

# The driver copies tolvane.exe, probe.exe and baseline.exe from its own
# folder, runs tolvane-check.exe from there, and reads examples/disc there as
# sample-disc\.
add_custom_target(e2e_sample_disc
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/sample-disc
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/examples/disc
          ${CMAKE_BINARY_DIR}/sample-disc)
add_dependencies(tolvane_e2e probe baseline tolvane_check e2e_sample_disc)
target_include_directories(tolvane_e2e PRIVATE ${CMAKE_SOURCE_DIR}/tests)
if(TARGET tolvane)
  add_dependencies(tolvane_e2e tolvane)
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TOLVANE_WINE_ARCH win64)
else()
  set(TOLVANE_WINE_ARCH win32)
endif()
execute_process(COMMAND ${CMAKE_SOURCE_DIR}/tools/setup --print-wine-arch
  OUTPUT_VARIABLE TOLVANE_HOST_WINE_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT TOLVANE_HOST_WINE_ARCH STREQUAL TOLVANE_WINE_ARCH)
  message(WARNING "Wine on this machine runs the ${TOLVANE_HOST_WINE_ARCH} build, not this "
    "${TOLVANE_WINE_ARCH} one: the end-to-end tests of this tree will fail here.")
endif()

set(TOLVANE_E2E_STATE ${CMAKE_BINARY_DIR}/e2e-session)
set(TOLVANE_E2E_ENVIRONMENT
  TOLVANE_WINE_ARCH=${TOLVANE_WINE_ARCH}
  WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
  TOLVANE_E2E_STATE=${TOLVANE_E2E_STATE})

# One display and one Wine server for the whole run.
add_test(NAME e2e.session.start
  COMMAND ${CMAKE_SOURCE_DIR}/tools/e2e-session start ${TOLVANE_E2E_STATE})
add_test(NAME e2e.session.stop
  COMMAND ${CMAKE_SOURCE_DIR}/tools/e2e-session stop ${TOLVANE_E2E_STATE})
# Creating the prefix on a first run takes a while.
set_tests_properties(e2e.session.start PROPERTIES
  FIXTURES_SETUP tolvane_wine_session TIMEOUT 300 LABELS e2e
  ENVIRONMENT "${TOLVANE_E2E_ENVIRONMENT}")
set_tests_properties(e2e.session.stop PROPERTIES
  FIXTURES_CLEANUP tolvane_wine_session TIMEOUT 60 LABELS e2e
  ENVIRONMENT "${TOLVANE_E2E_ENVIRONMENT}")

# Every row `.name = "..."` of the driver's case tables is one test.
set(TOLVANE_E2E_CASES)
foreach(source ${TOLVANE_E2E_SOURCES})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(STRINGS ${source} rows REGEX "\\.name = \"[a-z0-9_]+\"")
  foreach(row IN LISTS rows)
    string(REGEX MATCH "\\.name = \"([a-z0-9_]+)\"" match "${row}")
    if(CMAKE_MATCH_1 IN_LIST TOLVANE_E2E_CASES)
      message(FATAL_ERROR "The end-to-end case ${CMAKE_MATCH_1} is named twice.")
    endif()
    list(APPEND TOLVANE_E2E_CASES ${CMAKE_MATCH_1})
  endforeach()
endforeach()

foreach(case IN LISTS TOLVANE_E2E_CASES)
  add_test(NAME e2e.${case}
    COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-exec $<TARGET_FILE:tolvane_e2e> ${case})
  # Every case starts launchers, and the instance mutex "Tolvane" is shared by
  # all processes of the session: cases never overlap.
  set_tests_properties(e2e.${case} PROPERTIES
    FIXTURES_REQUIRED tolvane_wine_session
    RESOURCE_LOCK tolvane_instance
    TIMEOUT 60
    LABELS e2e
    ENVIRONMENT "${TOLVANE_E2E_ENVIRONMENT}")
endforeach()

# A library error raised in a program built like tolvane.exe (its runtime
# replacements, compile and link options) reaches the standard error display,
# though there it is no standard error type (src/platform/win32/cxx_runtime.cpp).
add_executable(library_errors ${CMAKE_SOURCE_DIR}/tests/win32/library_errors.cpp
               ${CMAKE_SOURCE_DIR}/src/platform/win32/cxx_runtime.cpp
               ${CMAKE_SOURCE_DIR}/tests/support/fake_platform.cpp)
# The fake platform's code page is the built-in table, which the Windows
# core leaves out.
target_sources(library_errors PRIVATE ${TOLVANE_TOOL_SOURCES})
target_include_directories(library_errors PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(library_errors PRIVATE tolvane_core)
# Like tolvane.exe it is compiled as one source, which is the whole program.
foreach(property COMPILE_OPTIONS COMPILE_DEFINITIONS LINK_OPTIONS UNITY_BUILD
                 UNITY_BUILD_BATCH_SIZE)
  get_target_property(values tolvane ${property})
  list(REMOVE_ITEM values -mwindows)  # a console program, which prints what failed
  set_property(TARGET library_errors PROPERTY ${property} ${values})
endforeach()
add_test(NAME e2e.library_errors_reach_the_error_display
  COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-exec $<TARGET_FILE:library_errors>)
set_tests_properties(e2e.library_errors_reach_the_error_display PROPERTIES
  FIXTURES_REQUIRED tolvane_wine_session TIMEOUT 60 LABELS e2e
  ENVIRONMENT "${TOLVANE_E2E_ENVIRONMENT}")
