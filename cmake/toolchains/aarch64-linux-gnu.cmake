# ARM64 Linux, with Debian's cross compiler (g++-aarch64-linux-gnu); tests
# under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(TRIANGLE_LINUX_TRIPLE aarch64-linux-gnu)
set(TRIANGLE_QEMU_ARCH aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/LinuxCross.cmake)
