# 32-bit x86 Linux, with the host's g++ and -m32 (Debian: g++-multilib). Where
# qemu-i386 is installed (Debian: qemu-user), the tests run under it, which a
# host without 32-bit support in its kernel needs; elsewhere they run natively.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)

find_program(TRIANGLE_QEMU_I386 qemu-i386 NO_CACHE)
if(TRIANGLE_QEMU_I386)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TRIANGLE_QEMU_I386})
endif()
