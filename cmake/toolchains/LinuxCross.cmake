# Cross-compiles for Linux with Debian's cross compilers for the triple in
# TRIANGLE_LINUX_TRIPLE, whose C library lies under /usr/<triple>, and runs the
# results, the tests among them, under qemu-user (Debian: qemu-user) with that
# C library. Without qemu-user, configure stops where the tests are on.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${TRIANGLE_LINUX_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${TRIANGLE_LINUX_TRIPLE}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${TRIANGLE_LINUX_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(TRIANGLE_RUNNER "qemu-${TRIANGLE_QEMU_ARCH} (Debian: qemu-user)")
find_program(TRIANGLE_QEMU qemu-${TRIANGLE_QEMU_ARCH} NO_CACHE)
if(TRIANGLE_QEMU)
    # QEMU_LD_PREFIX says what qemu's -L would: cmake -P takes an argument -L for its own, and the
    # tests pass this runner to cmake -P scripts (tests/scripts/build_without_cmake.cmake).
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env QEMU_LD_PREFIX=/usr/${TRIANGLE_LINUX_TRIPLE}
                                      ${TRIANGLE_QEMU})
endif()
