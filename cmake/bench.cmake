# tools/bench's programs (tools/bench-src/): the measuring program and the
# floors it measures the launcher against. It writes its discs with the
# end-to-end driver's helpers and starts the driver's baseline window, so it
# is built where the driver is. No test runs them.
if(NOT TOLVANE_E2E)
  return()
endif()

set(TOLVANE_BENCH_DIR ${CMAKE_SOURCE_DIR}/tools/bench-src)

add_executable(tolvane_bench ${TOLVANE_BENCH_DIR}/bench.cpp ${TOLVANE_BENCH_DIR}/started.cpp
               ${TOLVANE_E2E_DIR}/check.cpp ${TOLVANE_E2E_DIR}/fixture_disc.cpp
               ${TOLVANE_E2E_DIR}/text.cpp ${TOLVANE_E2E_DIR}/windows_of.cpp)
target_include_directories(tolvane_bench PRIVATE ${CMAKE_SOURCE_DIR}/src ${TOLVANE_E2E_DIR})
# Texts as the driver writes them: UTF-8 literals, converted where they leave.
target_compile_options(tolvane_bench PRIVATE -fexec-charset=UTF-8 -municode)
target_compile_definitions(tolvane_bench PRIVATE UNICODE _UNICODE)
target_link_options(tolvane_bench PRIVATE -municode -static)
target_link_libraries(tolvane_bench PRIVATE user32 gdi32 kernel32)
# It starts these from its own folder.
add_dependencies(tolvane_bench tolvane baseline)

# The floors (floor.cpp): a window with the rich-edit control, and every
# window the launcher shows, with its manifest. They stream descriptions as
# the launcher's code prepares them, built with the launcher's size and link
# options.
foreach(floor richedit window)
  add_executable(bench_${floor}_floor WIN32 ${TOLVANE_BENCH_DIR}/floor.cpp)
  target_link_libraries(bench_${floor}_floor PRIVATE tolvane_core)
  target_compile_definitions(bench_${floor}_floor PRIVATE UNICODE _UNICODE)
  target_compile_options(bench_${floor}_floor PRIVATE -Os -ffunction-sections -fdata-sections
                         -municode)
  target_link_options(bench_${floor}_floor PRIVATE -municode -static -static-libgcc
                      -static-libstdc++ -Wl,--gc-sections -s -Wl,--nxcompat,--dynamicbase
                      -mwindows)
  add_dependencies(tolvane_bench bench_${floor}_floor)
endforeach()
target_sources(bench_window_floor PRIVATE ${TOLVANE_BENCH_DIR}/floor.rc)
target_include_directories(bench_window_floor PRIVATE ${CMAKE_SOURCE_DIR}/res)
