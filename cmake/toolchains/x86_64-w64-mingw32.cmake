# 64-bit Windows, with MinGW-w64 and 64-bit Wine (Debian: g++-mingw-w64-x86-64-posix, wine64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TRIANGLE_MINGW_TRIPLE x86_64-w64-mingw32)
set(TRIANGLE_WINE_NAMES wine64 wine)
set(TRIANGLE_RUNNER "wine64 (Debian: wine64)")
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
