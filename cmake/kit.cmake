# The disc author's kit: the sample disc's program. Included by the Windows
# build.

# examples/disc/Tools/hello.exe once tools/sample-disc places it.
add_executable(hello WIN32 ${CMAKE_SOURCE_DIR}/examples/hello/hello.cpp)
target_compile_definitions(hello PRIVATE UNICODE _UNICODE)
target_compile_options(hello PRIVATE -Os -municode -Werror -fno-exceptions -fno-rtti)
target_link_options(hello PRIVATE -municode -static -s -Wl,--gc-sections,--nxcompat,--dynamicbase)
