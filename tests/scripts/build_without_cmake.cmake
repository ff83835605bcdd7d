# Usage: cmake -P build_without_cmake.cmake -- OUTPUT dir COMPILER path [SUFFIX .exe]
#            [SOURCES file...] [FLAGS flag...] [RUNNER command...]
#            [PKG_CONFIG path PKG_CONFIG_PATH dir] [REFERENCE program]
#            [FMA [FMA_FLAGS flag...] [FMA_RUNNER command...]]
#
# Builds tests/consumer/consumer.cpp (SOURCES) by the compiler alone with -DNDEBUG, into a program
# and a shared library, and runs the program through RUNNER: it must report the holder's stale read
# and exit with 0. With PKG_CONFIG, the flags of the package "triangle" in PKG_CONFIG_PATH are
# added. With REFERENCE, the project's build of the consumer, both must print the same areas. With
# FMA, the SOURCES are compiled as one unit in reverse order, Triangle.cpp (given last) first, with
# FMA_FLAGS, which fuse a*b+c: run through FMA_RUNNER, the program must print the same areas and
# say that its own a*b+c is fused.
cmake_minimum_required(VERSION 3.25)

# The arguments after --. (CMake takes an argument -L or -N for its own, even there.)
set(after_dashes OFF)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(after_dashes)
        list(APPEND arguments "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} STREQUAL "--")
        set(after_dashes ON)
    endif()
endforeach()
cmake_parse_arguments(arg "FMA" "OUTPUT;COMPILER;SUFFIX;PKG_CONFIG;PKG_CONFIG_PATH;REFERENCE"
                      "SOURCES;FLAGS;RUNNER;FMA_FLAGS;FMA_RUNNER" ${arguments})

if(arg_PKG_CONFIG)
    set(ENV{PKG_CONFIG_PATH} ${arg_PKG_CONFIG_PATH})
    execute_process(COMMAND ${arg_PKG_CONFIG} --cflags --libs triangle OUTPUT_VARIABLE flags
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${arg_PKG_CONFIG} --variable=libdir triangle OUTPUT_VARIABLE libdir
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    # pkg-config writes a space in a path as "\ ", for a shell to read.
    separate_arguments(flags UNIX_COMMAND "${flags} -Wl,-rpath,${libdir}")
    list(APPEND arg_FLAGS ${flags})
endif()

# Every program is built before the first one runs, so that the runs follow one another.
file(MAKE_DIRECTORY ${arg_OUTPUT})
set(compile ${arg_COMPILER} -std=c++17 -O2 -DNDEBUG)
set(consumer ${arg_OUTPUT}/consumer${arg_SUFFIX})
execute_process(COMMAND ${compile} -o ${consumer} ${arg_SOURCES} ${arg_FLAGS}
                        COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${compile} -shared -fPIC -o ${arg_OUTPUT}/libconsumer.so ${arg_SOURCES}
                        ${arg_FLAGS} COMMAND_ERROR_IS_FATAL ANY)
if(arg_FMA)
    set(unity ${arg_OUTPUT}/unity${arg_SUFFIX})
    list(REVERSE arg_SOURCES)
    list(TRANSFORM arg_SOURCES REPLACE "(.+)" "#include \"\\1\"\n")
    file(WRITE ${arg_OUTPUT}/unity.cpp ${arg_SOURCES})
    execute_process(COMMAND ${compile} ${arg_FMA_FLAGS} -o ${unity} ${arg_OUTPUT}/unity.cpp
                            ${arg_FLAGS} COMMAND_ERROR_IS_FATAL ANY)
endif()

execute_process(COMMAND ${arg_RUNNER} ${consumer} OUTPUT_QUIET ERROR_VARIABLE report
                RESULT_VARIABLE status)
if(NOT status STREQUAL "0" OR NOT report MATCHES "valid\\(\\) && \"Cannot return invalid data\\.\"")
    message(FATAL_ERROR "expected the holder's report of a stale read and status 0, "
                        "got status '${status}':\n${report}")
endif()

# Fails unless `expected` and `program`, run by the command in `runner`, print the same areas; sets
# `said` to what `program` says of its own a*b+c.
function(compare_areas runner expected program built_with)
    execute_process(COMMAND ${${runner}} ${expected} areas
                    OUTPUT_VARIABLE expected_areas COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${${runner}} ${program} areas OUTPUT_VARIABLE areas
                    ERROR_VARIABLE said COMMAND_ERROR_IS_FATAL ANY)
    set(said "${said}" PARENT_SCOPE)
    if(NOT areas STREQUAL expected_areas)
        file(WRITE ${program}.areas "${areas}")
        file(WRITE ${program}.expected "${expected_areas}")
        message(FATAL_ERROR "Triangle.cpp compiled with ${built_with} gives other areas than the "
                            "project's build: compare ${program}.areas with ${program}.expected")
    endif()
endfunction()
if(arg_REFERENCE)
    compare_areas(arg_RUNNER ${arg_REFERENCE} ${consumer} "the compiler's defaults")
endif()
if(arg_FMA)
    compare_areas(arg_FMA_RUNNER ${consumer} ${unity} "'${arg_FMA_FLAGS}' in one unit")
    if(NOT said STREQUAL "a*b+c is fused\n")
        message(FATAL_ERROR "compiled after Triangle.cpp in one unit with '${arg_FMA_FLAGS}', the "
                            "consumer says: ${said}Triangle.cpp's settings reach past its end")
    endif()
endif()
