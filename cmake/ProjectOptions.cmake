# The project's options, and the compiler settings for its own targets only;
# dependencies and users' targets are left alone.

option(TRIANGLE_WARNINGS_AS_ERRORS "Treat compiler warnings as errors (CI turns this on)" OFF)
set(TRIANGLE_SANITIZERS "" CACHE STRING "Sanitizers for the project's targets, as for -fsanitize=, e.g. address,undefined")

# Declares the option `name`, ON by default when the condition that follows `doc` holds.
macro(triangle_option_when name doc)
    if(${ARGN})
        option(${name} "${doc}" ON)
    else()
        option(${name} "${doc}" OFF)
    endif()
endmacro()

# The optional parts default to ON where this machine has what they need, so
# that building the program alone needs nothing but a compiler.
find_package(GTest 1.10 QUIET)
find_program(TRIANGLE_VALGRIND valgrind)
find_package(benchmark QUIET)
triangle_option_when(BUILD_TESTING "Build the unit and end-to-end tests (needs GoogleTest)"
                     PROJECT_IS_TOP_LEVEL AND GTest_FOUND)
triangle_option_when(TRIANGLE_MEMCHECK "Also run the demonstration under valgrind memcheck in the tests"
                     TRIANGLE_VALGRIND)
triangle_option_when(TRIANGLE_BUILD_BENCHMARKS "Build triangle_bench (needs Google Benchmark)"
                     benchmark_FOUND)

set(TRIANGLE_WARNINGS
    -Wall
    -Wextra
    -Wpedantic
    -Wshadow
    -Wconversion
    -Wsign-conversion
    -Wold-style-cast
    -Wnon-virtual-dtor
    -Wcast-align
    -Wdouble-promotion
    -Woverloaded-virtual
    -Wnull-dereference
    -Wformat=2
    -Wimplicit-fallthrough)

# Adds the project's warnings, and the sanitizers when asked for, to `target`.
function(triangle_configure_target target)
    target_compile_options(${target} PRIVATE ${TRIANGLE_WARNINGS})
    if(TRIANGLE_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    # valgrind 3.19 cannot read the DWARF 5 that clang writes by default.
    if(TRIANGLE_MEMCHECK AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(${target} PRIVATE $<$<CONFIG:Debug,RelWithDebInfo>:-gdwarf-4>)
    endif()
    if(TRIANGLE_SANITIZERS)
        set(flags -fsanitize=${TRIANGLE_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_compile_options(${target} PRIVATE ${flags})
        target_link_options(${target} PRIVATE ${flags})
    endif()
endfunction()
