# Builds tests/consumer/consumer.cpp into a program and a shared library with
# -DNDEBUG, as another build system would, and runs the program, which must
# report the holder's stale read and end with status 0.
#
#   -DCOMPILER=path      a C++ compiler that takes GCC's options
#   -DSOURCES=a;b        the sources
#   -DFLAGS=a;b          further compile and link options (optional)
#   -DPKG_CONFIG=path    pkg-config: also take the options of the package
#                        "triangle" from the .pc files in PKG_CONFIG_PATH=dir,
#                        and give the program its libdir as a run path, which
#                        a shared library installed there needs
#   -DOUTPUT=dir         where to build
cmake_minimum_required(VERSION 3.25)

if(PKG_CONFIG)
    set(ENV{PKG_CONFIG_PATH} ${PKG_CONFIG_PATH})
    execute_process(COMMAND ${PKG_CONFIG} --cflags --libs triangle OUTPUT_VARIABLE package_flags
                            OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(package_flags UNIX_COMMAND "${package_flags}")
    list(APPEND FLAGS ${package_flags})
    execute_process(COMMAND ${PKG_CONFIG} --variable=libdir triangle OUTPUT_VARIABLE libdir
                            OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND FLAGS -Wl,-rpath,${libdir})
endif()

file(MAKE_DIRECTORY ${OUTPUT})
set(compile ${COMPILER} -std=c++17 -O2 -DNDEBUG)
execute_process(COMMAND ${compile} -o ${OUTPUT}/consumer ${SOURCES} ${FLAGS} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${compile} -shared -fPIC -o ${OUTPUT}/libconsumer.so ${SOURCES} ${FLAGS}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${OUTPUT}/consumer OUTPUT_QUIET ERROR_VARIABLE report RESULT_VARIABLE status)
if(NOT status STREQUAL "0" OR NOT report MATCHES "valid\\(\\) && \"Cannot return invalid data\\.\"")
    message(FATAL_ERROR "expected the holder's report of a stale read and status 0, got status '${status}':\n${report}")
endif()
