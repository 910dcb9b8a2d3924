# Cross-builds the 32-bit Windows edition (i686), for 32-bit Windows, on Debian with mingw-w64.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(mingw_prefix i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
