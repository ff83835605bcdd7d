# Builds tests/consumer/consumer.cpp by the compiler alone with -DNDEBUG, into a program and a shared
# library, and runs the program, which must report the holder's stale read and exit with 0.
#   -DCOMPILER=path -DSOURCES=a;b -DFLAGS=a;b -DOUTPUT=dir -DEMULATOR=cmd;a -DSUFFIX=.exe
#   -DPKG_CONFIG=path -DPKG_CONFIG_PATH=dir: with the flags of the package "triangle" found there
#   -DREFERENCE=path: the project's build of the consumer, whose areas the program must print
#   -DFMA_FLAGS=a;b: with these options, which fuse a*b+c, the SOURCES as one unit, Triangle.cpp first,
#   must print the same areas under FMA_EMULATOR=cmd;a, and say that their own a*b+c is fused
cmake_minimum_required(VERSION 3.25)

if(PKG_CONFIG)
    set(ENV{PKG_CONFIG_PATH} ${PKG_CONFIG_PATH})
    execute_process(COMMAND ${PKG_CONFIG} --cflags --libs triangle OUTPUT_VARIABLE package_flags
                            OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${PKG_CONFIG} --variable=libdir triangle OUTPUT_VARIABLE libdir
                            OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    # pkg-config writes a space in a path as "\ ", for a shell to read.
    separate_arguments(package_flags UNIX_COMMAND "${package_flags} -Wl,-rpath,${libdir}")
    list(APPEND FLAGS ${package_flags})
endif()

# Every program is built before the first one runs, so that the runs follow one another.
file(MAKE_DIRECTORY ${OUTPUT})
set(compile ${COMPILER} -std=c++17 -O2 -DNDEBUG)
set(consumer ${OUTPUT}/consumer${SUFFIX})
execute_process(COMMAND ${compile} -o ${consumer} ${SOURCES} ${FLAGS} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${compile} -shared -fPIC -o ${OUTPUT}/libconsumer.so ${SOURCES} ${FLAGS}
                COMMAND_ERROR_IS_FATAL ANY)
if(DEFINED FMA_FLAGS)
    list(REVERSE SOURCES)
    list(TRANSFORM SOURCES REPLACE "(.+)" "#include \"\\1\"\n")
    file(WRITE ${OUTPUT}/unity.cpp ${SOURCES})
    execute_process(COMMAND ${compile} ${FMA_FLAGS} -o ${OUTPUT}/unity${SUFFIX} ${OUTPUT}/unity.cpp ${FLAGS}
                    COMMAND_ERROR_IS_FATAL ANY)
endif()

execute_process(COMMAND ${EMULATOR} ${consumer} OUTPUT_QUIET ERROR_VARIABLE report RESULT_VARIABLE status)
if(NOT status STREQUAL "0" OR NOT report MATCHES "valid\\(\\) && \"Cannot return invalid data\\.\"")
    message(FATAL_ERROR "expected the holder's report of a stale read and status 0, got status '${status}':\n${report}")
endif()

# Fails unless `expected` and `program`, run by the command in `runner`, print the same areas;
# sets `said` to what `program` says of its own a*b+c.
function(compare_areas runner expected program built_with)
    execute_process(COMMAND ${${runner}} ${expected} areas OUTPUT_VARIABLE expected_areas COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${${runner}} ${program} areas OUTPUT_VARIABLE areas ERROR_VARIABLE said
                    COMMAND_ERROR_IS_FATAL ANY)
    set(said "${said}" PARENT_SCOPE)
    if(NOT areas STREQUAL expected_areas)
        file(WRITE ${program}.areas "${areas}")
        file(WRITE ${program}.expected "${expected_areas}")
        message(FATAL_ERROR "Triangle.cpp compiled with ${built_with} gives other areas than the project's build: "
                            "compare ${program}.areas with ${program}.expected")
    endif()
endfunction()
if(REFERENCE)
    compare_areas(EMULATOR ${REFERENCE} ${consumer} "the compiler's defaults")
endif()
if(DEFINED FMA_FLAGS)
    compare_areas(FMA_EMULATOR ${consumer} ${OUTPUT}/unity${SUFFIX} "'${FMA_FLAGS}' in one translation unit")
    if(NOT said STREQUAL "a*b+c is fused\n")
        message(FATAL_ERROR "compiled after Triangle.cpp in one translation unit with '${FMA_FLAGS}', the consumer "
                            "says: ${said}Triangle.cpp's floating-point settings reach past its end")
    endif()
endif()
