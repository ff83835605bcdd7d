# Builds tests/consumer/consumer.cpp into a program and a shared library with
# -DNDEBUG, as another build system would, and runs the program, which must
# report the holder's stale read and end with status 0. Given the library as
# the project built it, it also checks that the areas do not depend on the
# flags that Triangle.cpp was compiled with.
#
#   -DCOMPILER=path      a C++ compiler that takes GCC's options
#   -DSOURCES=a;b        the sources
#   -DFLAGS=a;b          further compile and link options (optional)
#   -DPKG_CONFIG=path    pkg-config: also take the options of the package
#                        "triangle" from the .pc files in PKG_CONFIG_PATH=dir,
#                        and give the program its libdir as a run path, which
#                        a shared library installed there needs
#   -DEMULATOR=cmd;a     the command that runs the target's programs (optional)
#   -DSUFFIX=.exe        the file name suffix of the target's programs (optional)
#   -DREFERENCE=path     the project's library: the consumer linked with it
#                        (and REFERENCE_FLAGS=a;b) must print the same areas
#                        as the program built from SOURCES
#   -DFMA_FLAGS=a;b      with REFERENCE, also build from SOURCES with these
#                        options, for a CPU with fused multiply-add, and compare;
#                        that build is one translation unit, Triangle.cpp first,
#                        and the consumer's own code after it must be fused
#   -DFMA_CANNOT_RUN=why  instead, report the test skipped, and why, once the
#                        rest has passed
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
    # pkg-config writes a space in a path as "\ ", for a shell to read.
    string(REPLACE "\\ " " " libdir "${libdir}")
    list(APPEND FLAGS -Wl,-rpath,${libdir})
endif()

file(MAKE_DIRECTORY ${OUTPUT})
# Every program is built before the first one runs, so that the runs, under an
# emulator too, follow one another.
set(compile ${COMPILER} -std=c++17 -O2 -DNDEBUG)
execute_process(COMMAND ${compile} -o ${OUTPUT}/consumer${SUFFIX} ${SOURCES} ${FLAGS} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${compile} -shared -fPIC -o ${OUTPUT}/libconsumer.so ${SOURCES} ${FLAGS}
                COMMAND_ERROR_IS_FATAL ANY)
set(builds consumer)
set(consumer_options "the compiler's defaults")
if(REFERENCE)
    execute_process(COMMAND ${compile} -o ${OUTPUT}/reference${SUFFIX} ${CMAKE_CURRENT_LIST_DIR}/../consumer/consumer.cpp
                            ${FLAGS} ${REFERENCE} ${REFERENCE_FLAGS} COMMAND_ERROR_IS_FATAL ANY)
endif()
if(REFERENCE AND FMA_FLAGS)
    set(unity ${SOURCES})
    list(REVERSE unity)
    list(TRANSFORM unity REPLACE "(.+)" "#include \"\\1\"\n")
    file(WRITE ${OUTPUT}/unity.cpp ${unity})
    execute_process(COMMAND ${compile} ${FMA_FLAGS} -o ${OUTPUT}/consumer-fma${SUFFIX} ${OUTPUT}/unity.cpp ${FLAGS}
                    COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND builds consumer-fma)
    set(consumer-fma_options "${FMA_FLAGS}")
endif()

execute_process(COMMAND ${EMULATOR} ${OUTPUT}/consumer${SUFFIX} OUTPUT_QUIET ERROR_VARIABLE report
                RESULT_VARIABLE status)
if(NOT status STREQUAL "0" OR NOT report MATCHES "valid\\(\\) && \"Cannot return invalid data\\.\"")
    message(FATAL_ERROR "expected the holder's report of a stale read and status 0, got status '${status}':\n${report}")
endif()
if(NOT REFERENCE)
    return()
endif()

# Sets `areas` to what the program `name` prints with the argument "areas".
function(print_areas name)
    execute_process(COMMAND ${EMULATOR} ${OUTPUT}/${name}${SUFFIX} areas OUTPUT_VARIABLE printed
                    ERROR_VARIABLE fused COMMAND_ERROR_IS_FATAL ANY)
    set(areas "${printed}" PARENT_SCOPE)
    if(name STREQUAL "consumer-fma" AND NOT fused STREQUAL "a*b+c is fused\n")
        message(FATAL_ERROR "compiled after Triangle.cpp in one unit with ${FMA_FLAGS}, the consumer says: ${fused}")
    endif()
endfunction()

print_areas(reference)
set(expected "${areas}")
foreach(build IN LISTS builds)
    print_areas(${build})
    if(NOT areas STREQUAL expected)
        file(WRITE ${OUTPUT}/${build}.areas "${areas}")
        file(WRITE ${OUTPUT}/reference.areas "${expected}")
        message(FATAL_ERROR "Triangle.cpp compiled with ${${build}_options} gives other areas than the project's "
                            "build: compare ${OUTPUT}/${build}.areas with ${OUTPUT}/reference.areas")
    endif()
endforeach()
if(FMA_CANNOT_RUN)
    message("skipped: the areas were compared for the compiler's defaults only: ${FMA_CANNOT_RUN}")
endif()
