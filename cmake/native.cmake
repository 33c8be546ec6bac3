# The portable code and its unit tests, on the build machine.
include(${CMAKE_SOURCE_DIR}/cmake/check.cmake)
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB TOLVANE_UNIT_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp tests/support/*.cpp)
add_executable(tolvane_unit_tests ${TOLVANE_UNIT_SOURCES})
target_include_directories(tolvane_unit_tests PRIVATE tests)
target_link_libraries(tolvane_unit_tests PRIVATE tolvane_core tolvane_check_core GTest::gtest
                                                 GTest::gtest_main)
gtest_discover_tests(tolvane_unit_tests DISCOVERY_TIMEOUT 30)

# The source folders include one way only.
add_test(NAME layers COMMAND ${CMAKE_SOURCE_DIR}/tools/check-layers)
