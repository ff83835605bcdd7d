# 32-bit x86 Linux, with Debian's cross compiler (g++-i686-linux-gnu), which
# installs beside the ARM64 one, unlike g++-multilib; tests under qemu-i386.
# The programs are linked statically: under qemu-i386 7.2, a fork hangs in a
# program on Debian 12's dynamic i386 cross C library, and the death tests fork.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TRIANGLE_LINUX_TRIPLE i686-linux-gnu)
set(TRIANGLE_QEMU_ARCH i386)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
include(${CMAKE_CURRENT_LIST_DIR}/LinuxCross.cmake)
