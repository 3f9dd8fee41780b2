# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: the
# POSIX thread model, which std::thread and std::mutex need). Used by the windows preset and by
# scripts/build-libxml2-windows.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NFSE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NFSE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NFSE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${NFSE_MINGW_TRIPLE}-windres)

# Headers, libraries and CMake packages come only from the MinGW tree (zlib lives there) and from
# the prefix our own dependencies were built into (NFSE_WINDOWS_DEPS_PREFIX, libxml2); tools run
# on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${NFSE_MINGW_TRIPLE} ${NFSE_WINDOWS_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Executables carry the C++ runtime, libgcc and winpthreads inside them, so a test or program
# runs from wherever it lies without DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)
