# Cross-compiles for Windows with Debian's MinGW-w64 compilers for the triple in
# TRIANGLE_MINGW_TRIPLE, and runs the results under Wine. The -posix compilers
# are the ones whose C++ library has std::mutex and std::thread, which
# GoogleTest needs. The runtime is linked statically, so the programs need no
# MinGW DLLs on Wine's path.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TRIANGLE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRIANGLE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TRIANGLE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TRIANGLE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

find_program(TRIANGLE_WINE NAMES ${TRIANGLE_WINE_NAMES} PATHS /usr/lib/wine NO_CACHE)
if(TRIANGLE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${TRIANGLE_WINE})
endif()
