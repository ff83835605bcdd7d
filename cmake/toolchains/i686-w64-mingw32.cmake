# 32-bit Windows, with MinGW-w64 and 32-bit Wine (Debian: g++-mingw-w64-i686-posix, wine32).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TRIANGLE_MINGW_TRIPLE i686-w64-mingw32)
set(TRIANGLE_WINE_NAMES wine wine32)
set(TRIANGLE_RUNNER "wine (Debian: wine and wine32)")
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
