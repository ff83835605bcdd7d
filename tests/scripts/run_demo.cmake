# Runs PROGRAM and checks its standard output, standard error and exit status.
#
#   -DPROGRAM=path     the program under test
#   -DEMULATOR=cmd;a   the command that runs the target's programs, e.g. Wine (optional)
#   -DLINE_END=CRLF    the platform's line end, in which the transcript is expected (default LF)
#   -DTEST_NAME=name   names the file that keeps what the program printed
#   -DGOLDEN=path      the expected standard output, with LF line ends
#   -DARGS=a;b         arguments for the program (optional)
#   -DLAUNCHER=cmd;a   a command that runs the program, e.g. valgrind (optional)
#   -DSTRACE=path      strace, which the two checks below need
#   -DCOUNT_WRITES=ON  also expect one write(2) per line of the transcript: every line is flushed
#   -DSTDOUT=target    /dev/full, "closed", or "last-write-fails" (with STRACE): expect
#                      a reported write failure instead
cmake_minimum_required(VERSION 3.25)

file(READ ${GOLDEN} expected_text)
string(REGEX MATCHALL "\n" golden_newlines "${expected_text}")
list(LENGTH golden_newlines golden_line_count)
set(run ${EMULATOR} ${PROGRAM})

# Stops the test unless the run ended with exit status `expected_status` and
# its standard error matches `err_pattern`, which `err_expected` describes.
function(expect_ending expected_status err_pattern err_expected)
    if(NOT status STREQUAL expected_status)
        message(FATAL_ERROR "expected exit status ${expected_status}, got '${status}'; standard error:\n${err}")
    endif()
    if(NOT err MATCHES "${err_pattern}")
        message(FATAL_ERROR "expected ${err_expected} on standard error, got:\n${err}")
    endif()
endfunction()

if(DEFINED STDOUT)
    if(STDOUT STREQUAL "closed")
        execute_process(COMMAND sh -c "exec \"$@\" >&-" sh ${run} ERROR_VARIABLE err RESULT_VARIABLE status)
    elseif(STDOUT STREQUAL "last-write-fails")
        execute_process(
            COMMAND ${STRACE} -o /dev/null -e trace=write -e inject=write:error=ENOSPC:when=${golden_line_count}
                    ${run}
            OUTPUT_QUIET
            ERROR_VARIABLE err
            RESULT_VARIABLE status)
    else()
        execute_process(COMMAND ${run} OUTPUT_FILE ${STDOUT} ERROR_VARIABLE err RESULT_VARIABLE status)
    endif()
    expect_ending(1 "^triangle_demo: [^\n]+\n$" "one line naming the program")
    return()
endif()

set(actual ${CMAKE_CURRENT_BINARY_DIR}/${TEST_NAME}.stdout)
set(writes ${CMAKE_CURRENT_BINARY_DIR}/${TEST_NAME}.writes)
if(COUNT_WRITES)
    set(LAUNCHER ${STRACE} -o ${writes} -e trace=write)
endif()
execute_process(
    COMMAND ${LAUNCHER} ${run} ${ARGS}
    OUTPUT_FILE ${actual}
    ERROR_VARIABLE err
    RESULT_VARIABLE status)

expect_ending(0 "^$" "nothing")
set(expected ${CMAKE_CURRENT_BINARY_DIR}/${TEST_NAME}.expected)
if(LINE_END STREQUAL "CRLF")
    string(REPLACE "\n" "\r\n" expected_text "${expected_text}")
endif()
file(WRITE ${expected} "${expected_text}")
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${expected} ${actual} RESULT_VARIABLE differs)
if(differs)
    file(READ ${actual} actual_text)
    message(FATAL_ERROR "standard output differs from ${GOLDEN} with ${LINE_END} line ends\n"
                        "--- expected\n${expected_text}--- actual\n${actual_text}---")
endif()

if(COUNT_WRITES)
    # strace shows each write as write(1, "text", length) = length, with a newline as \n.
    file(STRINGS ${writes} stdout_writes REGEX "^write\\(1, ")
    list(FILTER stdout_writes INCLUDE REGEX "^write\\(1, \"[^\\\\]*\\\\n\", ")
    list(LENGTH stdout_writes one_line_writes)
    if(NOT one_line_writes EQUAL golden_line_count)
        file(READ ${writes} trace)
        message(FATAL_ERROR "expected ${golden_line_count} writes of one line each, got:\n${trace}")
    endif()
endif()
