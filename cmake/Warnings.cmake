# Strict warnings for the project's own targets only: third-party headers come in as system
# includes and stay out of it. They are errors where developers and CI build (the presets turn
# this on), not for someone building the project as a package, whose compiler may warn falsely.
option(NFSE_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
  -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wpedantic
  $<$<BOOL:${NFSE_WARNINGS_AS_ERRORS}>:-Werror>)

# Each folder's tests: one GoogleTest executable registered test by test with CTest.
function(nfse_add_tests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main project_warnings)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
