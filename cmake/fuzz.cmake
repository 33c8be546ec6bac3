# libFuzzer targets over the portable code (preset "fuzz", clang). Clang has
# no code page 932 execution character set, so these sources see UTF-8
# literals; no parsing decision depends on a non-ASCII literal.
set(TOLVANE_FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                       -fno-omit-frame-pointer -g)
target_compile_options(tolvane_core PRIVATE ${TOLVANE_FUZZ_FLAGS})

# The fake platform, shared with the unit tests.
add_library(tolvane_fuzz_support STATIC tests/support/fake_platform.cpp)
target_include_directories(tolvane_fuzz_support PUBLIC tests tests/fuzz)
target_compile_options(tolvane_fuzz_support PRIVATE ${TOLVANE_FUZZ_FLAGS})
target_link_libraries(tolvane_fuzz_support PUBLIC tolvane_core)

file(GLOB TOLVANE_FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*_fuzz.cpp)
set(TOLVANE_FUZZ_TARGETS)
foreach(source IN LISTS TOLVANE_FUZZ_SOURCES)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_compile_options(${name} PRIVATE ${TOLVANE_FUZZ_FLAGS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE tolvane_fuzz_support)
  list(APPEND TOLVANE_FUZZ_TARGETS ${name})
  # Each target replays its seed corpus once, so a regression shows in a plain
  # ctest run of this tree without fuzzing.
  add_test(NAME fuzz.${name} COMMAND ${name} -runs=0 ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
endforeach()
