# Usage: cmake -DSOURCE_DIR=dir -DCLANG_CL=path -DLLVM_LIB=path -DNINJA=path -DOUTPUT=dir -P
#            probe_cl_options.cmake
#
# Checks that clang-cl takes every option that the project gives MSVC, for 64-bit and 32-bit
# Windows. Without Windows' SDK it configures the project but cannot build it: the command that
# would compile Triangle.cpp must hold the options, and with them compile, warnings as errors, a
# unit that includes nothing.
cmake_minimum_required(VERSION 3.25)

foreach(target IN ITEMS x86_64-pc-windows-msvc i686-pc-windows-msvc)
    set(build ${OUTPUT}/${target})
    file(REMOVE_RECURSE ${build})
    execute_process(
        COMMAND
            ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G Ninja -DCMAKE_MAKE_PROGRAM=${NINJA}
            -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_CXX_COMPILER=${CLANG_CL}
            -DCMAKE_CXX_COMPILER_TARGET=${target} -DCMAKE_AR=${LLVM_LIB}
            -DCMAKE_TRY_COMPILE_TARGET_TYPE=STATIC_LIBRARY -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
            -DTRIANGLE_BUILD_TESTS=OFF -DTRIANGLE_BUILD_BENCHMARKS=OFF
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    execute_process(
        COMMAND ${NINJA} -C ${build} -t commands CMakeFiles/triangle.dir/source/src/Triangle.cpp.obj
        OUTPUT_VARIABLE commands COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE ".*\n([^\n]+) -c -- [^\n]+\n$" "\\1" options "\n${commands}")

    set(expected /W4 /permissive- /fp:precise /WX)
    if(target MATCHES "^i686")
        list(APPEND expected /arch:SSE2)
    endif()
    # cl reads -X as /X.
    string(REPLACE " -" " /" slash_options "${options} ")
    foreach(option IN LISTS expected)
        string(FIND "${slash_options}" " ${option} " found)
        if(found EQUAL -1)
            message(FATAL_ERROR "${target}: ${option} is missing from: ${options}")
        endif()
    endforeach()
    file(WRITE ${build}/options.cpp "int doubled(int value) { return 2 * value; }\n")
    execute_process(COMMAND sh -c "${options} -c -- options.cpp"
                    WORKING_DIRECTORY ${build} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
