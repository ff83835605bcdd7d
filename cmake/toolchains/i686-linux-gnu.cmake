# 32-bit x86 Linux, with Debian's cross compiler (g++-i686-linux-gnu), which
# installs beside the ARM64 one, unlike g++-multilib; tests under qemu-i386.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TRIANGLE_LINUX_TRIPLE i686-linux-gnu)
set(TRIANGLE_QEMU_ARCH i386)
include(${CMAKE_CURRENT_LIST_DIR}/LinuxCross.cmake)
