# Runs PROGRAM and checks its standard output, standard error and exit status.
#
#   -DPROGRAM=path     the program under test
#   -DTEST_NAME=name   names the file that keeps what the program printed
#   -DGOLDEN=path      the exact expected standard output
#   -DARGS=a;b         arguments for the program (optional)
#   -DLAUNCHER=cmd;a   a command that runs the program, e.g. valgrind (optional)
#   -DSTDOUT=target    /dev/full or "closed": expect a reported write failure instead
cmake_minimum_required(VERSION 3.25)

if(DEFINED STDOUT)
    if(STDOUT STREQUAL "closed")
        execute_process(COMMAND sh -c "exec \"$0\" >&-" ${PROGRAM} ERROR_VARIABLE err RESULT_VARIABLE status)
    else()
        execute_process(COMMAND ${PROGRAM} OUTPUT_FILE ${STDOUT} ERROR_VARIABLE err RESULT_VARIABLE status)
    endif()
    if(NOT status STREQUAL "1")
        message(FATAL_ERROR "expected exit status 1 with standard output ${STDOUT}, got '${status}'")
    endif()
    if(NOT err MATCHES "^triangle_demo: [^\n]+\n$")
        message(FATAL_ERROR "expected one line naming the program on standard error, got '${err}'")
    endif()
    return()
endif()

set(actual ${CMAKE_CURRENT_BINARY_DIR}/${TEST_NAME}.stdout)
execute_process(
    COMMAND ${LAUNCHER} ${PROGRAM} ${ARGS}
    OUTPUT_FILE ${actual}
    ERROR_VARIABLE err
    RESULT_VARIABLE status)

if(NOT status STREQUAL "0")
    message(FATAL_ERROR "expected exit status 0, got '${status}'; standard error:\n${err}")
endif()
if(NOT err STREQUAL "")
    message(FATAL_ERROR "expected nothing on standard error, got:\n${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${GOLDEN} ${actual} RESULT_VARIABLE differs)
if(differs)
    file(READ ${GOLDEN} expected_text)
    file(READ ${actual} actual_text)
    message(FATAL_ERROR "standard output differs from ${GOLDEN}\n--- expected\n${expected_text}--- actual\n${actual_text}---")
endif()
