# What both Windows cross-builds share; cmake/mingw-w64-x86_64.cmake and cmake/mingw-w64-i686.cmake
# set mingw_prefix and CMAKE_SYSTEM_PROCESSOR, then include this. The compilers are mingw-w64's
# posix-threads ones, and every executable links libgcc, libstdc++ and winpthread statically, so it
# imports only Windows' own DLLs. Tests and build-time generators run under Wine (see
# tools/wine/run).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)
set(CMAKE_OBJDUMP ${mingw_prefix}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# A release executable carries no symbols: the static run-time's debug information would be a third
# of its image, loaded into every exam's private memory.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
