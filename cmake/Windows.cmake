# What a build for Windows from Linux (the windows preset) needs beyond the common setup.
# GoogleTest is built from the source Debian's googletest package installs, since no GoogleTest
# is installed for MinGW; the test programs run under Wine, in a prefix of the build's own.
set(NFSE_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build the tests with")
if(NFSE_BUILD_TESTS)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${NFSE_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# CTest and gtest_discover_tests start every test program through this emulator.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(NFSE_WINE NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)
  set(NFSE_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${PROJECT_BINARY_DIR}/wine-run.sh @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                     WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run.sh)
endif()

# CLI11 and nlohmann-json are header-only: the Debian packages' headers serve MinGW as they are,
# copied into a folder of the build's own, since putting the build machine's /usr/include on a
# MinGW include path would put its C library headers before MinGW's.
foreach(header_only IN ITEMS "CLI11::CLI11 CLI" "nlohmann_json::nlohmann_json nlohmann")
  separate_arguments(header_only)
  list(GET header_only 0 target)
  list(GET header_only 1 folder)
  file(COPY /usr/include/${folder} DESTINATION ${PROJECT_BINARY_DIR}/header-only/include)
  add_library(${target} INTERFACE IMPORTED)
  set_target_properties(${target} PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${PROJECT_BINARY_DIR}/header-only/include)
endforeach()
