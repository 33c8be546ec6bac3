# tolvane-check, the disc checker (src/check/): the launcher's own start-up
# and selection, headless, on the platform over a disc folder
# (src/platform/disc/). A program of its own: none of it is in tolvane.exe.
file(GLOB TOLVANE_CHECK_SOURCES CONFIGURE_DEPENDS src/check/*.cpp src/platform/disc/*.cpp)
list(REMOVE_ITEM TOLVANE_CHECK_SOURCES ${CMAKE_SOURCE_DIR}/src/check/main.cpp)
if(WIN32)
  # A Windows console takes UTF-16, and the command line comes wide.
  list(FILTER TOLVANE_CHECK_SOURCES EXCLUDE REGEX "/console_stdio\\.cpp$")
  list(APPEND TOLVANE_CHECK_SOURCES src/platform/win32/console/console_win32.cpp)
endif()

# The Windows core leaves out the code page table and the text report, which
# only tools use.
if(WIN32)
  list(APPEND TOLVANE_CHECK_SOURCES ${TOLVANE_TOOL_SOURCES})
endif()

add_library(tolvane_check_core STATIC ${TOLVANE_CHECK_SOURCES})
target_link_libraries(tolvane_check_core PUBLIC tolvane_core)

add_executable(tolvane_check src/check/main.cpp)
set_target_properties(tolvane_check PROPERTIES OUTPUT_NAME tolvane-check)
target_link_libraries(tolvane_check PRIVATE tolvane_check_core)

if(WIN32)
  foreach(_tolvane_target tolvane_check_core tolvane_check)
    target_compile_definitions(${_tolvane_target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN
                                                          NOMINMAX _WIN32_WINNT=0x0601)
    target_compile_options(${_tolvane_target} PRIVATE -Werror)
  endforeach()
  target_link_libraries(tolvane_check_core PRIVATE shell32)
  target_link_options(tolvane_check PRIVATE -static -static-libgcc -static-libstdc++ -s)
endif()
