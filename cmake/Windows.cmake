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
